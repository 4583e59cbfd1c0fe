// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/Progress.h"
#include "core/RoundFlow.h"
#include "core/Rounding.h"
#include "core/clsBall.h"
#include "graphics/DecodeAhead.h"
#include "graphics/HandCursor.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"
#include "shell/X11FramePutter.h"

namespace marlquin {
namespace {

constexpr int PictureWidth = 800;
constexpr int PictureHeight = 600;
constexpr int WheelNotch = 120;
constexpr double AimChange = 2.5;

// The picture area: shows the last presented frame and passes its input to the window.
class PictureView final : public QWidget {
 public:
  explicit PictureView(Form1* form) : QWidget(form), form_(form) {
    setFixedSize(PictureWidth, PictureHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
  }

  // Only what changed since the last frame is sent to the display: once the window is shown
  // on X11, straight to it; otherwise repainted through Qt. Qt's own buffer then lags behind
  // the window, which does no harm: an area the display asks for again, Qt repaints. Such a
  // paint shows the back buffer as it stands: the last presented frame, as the drawing layer
  // paints a frame's calls at Present (before it only in a tick of more than 4,096 calls).
  void Show(const QImage& frame, const QRegion& changed) {
    frame_ = &frame;
    if (changed.isEmpty()) return;
    // A new screen changes the whole picture. Repainting the window's strip beside it in the
    // same paint lets Qt send the display its buffer as it stands; an area narrower than the
    // window it would first copy into a buffer of its own, kept for the rest of the run.
    if (changed == QRegion(rect())) {
      form_->update(QRegion(form_->rect()) - geometry());
    } else if (X11FramePutter* putter = Putter()) {
      putter->Put(frame, changed, mapTo(window(), QPoint()), devicePixelRatioF());
      return;
    }
    repaint(changed);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    if (!frame_) {
      painter.fillRect(rect(), Qt::black);
      return;
    }
    // The frame is opaque: a plain copy, no blending.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& area : event->region()) painter.drawImage(area.topLeft(), *frame_, area);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    form_->Picture1_MouseMove(static_cast<float>(event->position().x()),
                              static_cast<float>(event->position().y()));
  }
  void mousePressEvent(QMouseEvent*) override { form_->Picture1_MouseDown(); }
  void mouseDoubleClickEvent(QMouseEvent*) override { form_->Picture1_MouseDown(); }
  void mouseReleaseEvent(QMouseEvent*) override { form_->Picture1_MouseUp(); }
  void wheelEvent(QWheelEvent* event) override {
    // Every wheel event is taken here and never passed on; only vertical steps aim.
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    const bool held = event->buttons() != Qt::NoButton ||
                      (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                             Qt::AltModifier | Qt::MetaModifier)) != 0;
    form_->PictureWheelProc(delta, held);
  }

 private:
  // Looked for once the window is on screen, after Qt has shown its first frame.
  X11FramePutter* Putter() {
    QWindow* shown = window()->windowHandle();
    if (!putterLookedFor_ && shown != nullptr && shown->isExposed()) {
      putterLookedFor_ = true;
      putter_ = X11FramePutter::For(*this);
    }
    return putter_.get();
  }

  Form1* form_;
  const QImage* frame_ = nullptr;
  bool putterLookedFor_ = false;
  std::unique_ptr<X11FramePutter> putter_;
};

}  // namespace

Form1::Form1() {
  setWindowTitle(ProgramName);
  setFixedSize(PictureWidth + 1, PictureHeight + 1);
  setFocusPolicy(Qt::StrongFocus);
  picture = new PictureView(this);
  picture->move(0, 0);
  Timer1.setTimerType(Qt::PreciseTimer);
  Timer1.setInterval(TickMilliseconds);
  connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void Form1::Form_Load() {
  // The start-up's pictures decode on one worker and the bundled face is made known on
  // another while the drawing layer starts; each load takes its picture from the first,
  // waiting if need be, and the first font waits for the second.
  DecodeAhead(StartupPictures());
  RegisterFontAhead();
  InitGraphics(this, PictureWidth, PictureHeight);
  setWindowIcon(QIcon(QPixmap::fromImage(ReadAsNamed(ProgramFile("/res/icon.png")))));
  Startup();
  EndDecodingAhead();
  SetFont("Arial Black", 12, Regular);
  SetTextColor(0, 25, 25, 255);
  // The first tick runs now, before the window is shown: the window then first appears with
  // the menu rather than black until the timer's first tick, 22 ms on. Later ticks follow at
  // the timer's pace, so every frame is the same, each sooner.
  Timer1_Timer();
  Timer1.start();
}

void Form1::ShowFrame(const QImage& frame, const QRegion& changed) {
  static_cast<PictureView*>(picture)->Show(frame, changed);
}

void Form1::Timer1_Timer() {
  // A tick never runs inside another (a push lets events run), nor while the game-over
  // boxes are open.
  if (ticking || GameOverInProgress()) return;
  struct Guard {
    bool& flag;
    explicit Guard(bool& f) : flag(f) { flag = true; }
    ~Guard() { flag = false; }
  } guard(ticking);

  if (PushTick > PushLimit) {
    PushTick = 0;
    if (!AddRows()) GameOver();
  }
  Screens[CurScreen]->Draw();
  Present();
}

void Form1::Aim(double change) {
  AimStep = std::clamp<int16_t>(RoundToInt16(AimStep + change), -AimLimit, AimLimit);
  ShootAngle = AngleFromAimStep(AimStep);
  Ball.NewBall(ShootAngle, CurColor);
}

void Form1::Form_KeyDown(int16_t keyCode) {
  if (CurScreen != ScreenPlay) return;
  if (keyCode == KeySpace) Fire();
  if (keyCode == KeyLeft) Aim(AimChange);
  if (keyCode == KeyRight) Aim(-AimChange);
}

void Form1::PictureWheelProc(int delta, bool held) {
  if (CurScreen != ScreenPlay) return;
  double change = 0;
  if (!held && delta == -WheelNotch) change = AimChange;  // towards the user: as Left
  if (!held && delta == WheelNotch) change = -AimChange;  // away from the user: as Right
  Aim(change);  // a step that turns nothing aims again all the same
}

void Form1::Picture1_MouseMove(float x, float y) {
  const int16_t px = RoundToInt16(x);
  const int16_t py = RoundToInt16(y);
  ResetCursor();
  Screens[CurScreen]->MouseMove(px, py);
}

void Form1::Picture1_MouseDown() {
  ResetCursor();
  Screens[CurScreen]->MouseDown();
}

void Form1::Picture1_MouseUp() {
  ResetCursor();
  Screens[CurScreen]->MouseUp();
}

void Form1::Form_Unload() {
  platform().Yield();
  StopSound("bgm");
  platform().EndProgram();
}

void Form1::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      Form_KeyDown(KeySpace);
      break;
    case Qt::Key_Left:
      Form_KeyDown(KeyLeft);
      break;
    case Qt::Key_Right:
      Form_KeyDown(KeyRight);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  Form_Unload();
}

}  // namespace marlquin
