// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>

#include "graphics/GDIPLUSLib.h"
#include "shell/Form1.h"
#include "shell/ResourceFolder.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

// Stands in a screen slot and writes what the window asks of it into the log, with "reset"
// when the hand cursor had been reset (no owner, system pointer shown) before the call.
class RecordingScreen final : public AbsScreen {
 public:
  RecordingScreen(EventLog& log, const FakePlatform& platform) : log_(log), platform_(platform) {}
  void MouseUp() override { Note("up"); }
  void MouseMove(int16_t x, int16_t y) override {
    Note("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseDown() override { Note("down"); }
  void Draw() override { log_.push_back("draw"); }

 private:
  void Note(const std::string& event) {
    log_.push_back(event + (HandOwner == 0 && platform_.pointerVisible ? " reset" : ""));
  }
  EventLog& log_;
  const FakePlatform& platform_;
};

class RecordingPresent final : public PresentTarget {
 public:
  explicit RecordingPresent(EventLog& log) : log_(log) {}
  void ShowFrame(const QImage&, const QRegion&) override { log_.push_back("present"); }

 private:
  EventLog& log_;
};

class MainWindow : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    window.Form_Load();
    Ball.init(165, 364);
  }

  void PlayScreenCurrent() {
    CurScreen = ScreenPlay;
    ShootAngle = AngleFromAimStep(0);
    Ball.NewBall(ShootAngle, 1);
  }

  void Press(int16_t key, int times = 1) {
    for (int i = 0; i < times; ++i) window.Form_KeyDown(key);
  }

  Form1 window;
};

using StartUp = GameTest;

TEST_F(StartUp, AMissingResourceFolderIsNamedInABoxAndNothingIsPlayed) {
  EXPECT_TRUE(CheckResourceFolder());
  EXPECT_TRUE(fake.messages.empty());

  std::filesystem::remove(folder / "res");
  EXPECT_FALSE(CheckResourceFolder());
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].text.find((folder / "res").string()), std::string::npos)
      << fake.messages[0].text;
  EXPECT_EQ(fake.messages[0].icon, Platform::Icon::Warning);
}

// Every test starts from the state the program starts with, whatever the test before left.
TEST_F(StartUp, EachUnitsResetGivesBackTheStateTheProgramStartsWith) {
  Ball.init(165, 364);
  Ball.NewBall(AngleFromAimStep(0), 3);
  Ball.Shoot();
  WaterPoint.init(400, 300);
  SoundOn = MusicOn = 1;
  SetHand(7, 0, 10, 20);
  HighScores[0][0] = "Ann";
  CurScreen = ScreenPlay;
  Score = 5;
  TearDown();
  SetUp();
  EXPECT_EQ(Counters::Now(), Counters{});
  EXPECT_EQ(WaterPoint.Life(), 0);
  EXPECT_TRUE(HandOwner == 0 && HandX == 0 && HandY == 0)
      << "hand of " << HandOwner << " at " << HandX << ", " << HandY;
  EXPECT_EQ(HighScores[0][0], "");
}

TEST_F(MainWindow, ArrowKeysTurnTheAimInHalfEvenStepsWithinItsLimitsAndOnlyWholeNotchesAim) {
  PlayScreenCurrent();
  window.PictureWheelProc(-240, false);
  window.PictureWheelProc(15, false);
  Press(65);
  EXPECT_EQ(AimStep, 0);
  Press(Form1::KeyRight);
  EXPECT_EQ(AimStep, -2);
  AimStep = 1;
  Press(Form1::KeyLeft);
  EXPECT_EQ(AimStep, 4) << "3.5 rounds to the even 4: three from an odd value";
  Press(Form1::KeyLeft, 19);
  EXPECT_EQ(AimStep, 40);
  EXPECT_DOUBLE_EQ(ShootAngle, 5 * 3.141593 / 90);
}

TEST_F(MainWindow, EveryAimingInputOfTheWindowTurnsThePathOfTheWaitingBall) {
  struct Input {
    const char* name;
    std::function<void()> send;
    int16_t aim;  // after five
  };
  auto key = [&](Qt::Key k) {
    QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
  };
  // Every wheel event is taken, so that nothing beneath scrolls; only a free notch aims.
  auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   Qt::MouseButtons buttons = Qt::NoButton) {
    QWheelEvent event(QPointF(400, 300), QPointF(400, 300), QPoint(), QPoint(0, delta), buttons,
                      modifiers, Qt::NoScrollPhase, false);
    event.ignore();
    QCoreApplication::sendEvent(window.PictureArea(), &event);
    EXPECT_TRUE(event.isAccepted());
  };
  const Input inputs[] = {{"Left", [&] { key(Qt::Key_Left); }, 10},
                          {"Right", [&] { key(Qt::Key_Right); }, -10},
                          {"wheel towards the user", [&] { wheel(-120); }, 10},
                          {"wheel away from the user", [&] { wheel(120); }, -10},
                          {"wheel with Shift", [&] { wheel(-120, Qt::ShiftModifier); }, 0},
                          {"wheel with Alt", [&] { wheel(120, Qt::AltModifier); }, 0},
                          {"wheel, a button held", [&] { wheel(120, {}, Qt::LeftButton); }, 0}};
  for (const Input& input : inputs) {
    SCOPED_TRACE(input.name);
    PlayScreenCurrent();
    AimStep = 0;
    for (int i = 0; i < 5; ++i) input.send();
    EXPECT_EQ(AimStep, input.aim);
    EXPECT_DOUBLE_EQ(ShootAngle, (45 - input.aim) * 3.141593 / 90);
    // A positive aim flies to the left: at 20 degrees off upright the 18th position lies
    // 18 x 16 x sin 20 = 98.5 pixels to the side.
    EXPECT_NEAR(Ball.GetStepx(18) - Ball.GetStepx(0), -input.aim / 10 * 98.5, 1);
  }
}

TEST_F(MainWindow, AimingAndFiringActOnlyOnThePlayScreen) {
  for (uint8_t screen : {ScreenMenu, ScreenHighScore, ScreenPause, ScreenDialog}) {
    PlayScreenCurrent();
    const int16_t steps = Ball.StepCount;
    CurScreen = screen;
    Press(Form1::KeyLeft);
    Press(Form1::KeyRight, 2);
    window.PictureWheelProc(120, false);
    Press(Form1::KeySpace);
    EXPECT_EQ(AimStep, 0) << int(screen);
    EXPECT_EQ(Ball.StepCount, steps) << int(screen);
    EXPECT_FALSE(Ball.Flying) << int(screen);
  }
}

TEST_F(MainWindow, MouseEventsResetTheCursorAndReachTheCurrentScreenRoundedHalfToEven) {
  RecordingScreen recorder(log, fake);
  AbsScreen* menu = Screens[ScreenMenu];
  Screens[ScreenMenu] = &recorder;
  // The picture area's events reach the window's handlers; a double click is a press.
  const QPointF at(10.5, 11.5);
  for (const auto type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonDblClick,
                          QEvent::MouseButtonRelease}) {
    SetHand(7, 0, 1, 1);
    QMouseEvent event(type, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.PictureArea(), &event);
  }
  Screens[ScreenMenu] = menu;
  EXPECT_EQ(log, (EventLog{"move 10,12 reset", "down reset", "down reset", "up reset"}));
}

TEST_F(MainWindow, ATickPushesWhenDueThenDrawsThenPresentsIsNeverReenteredAndEndsWithoutRoom) {
  RecordingScreen recorder(log, fake);
  RecordingPresent present(log);
  ASSERT_TRUE(InitGraphics(&present, 800, 600));
  AbsScreen* menu = Screens[ScreenMenu];
  Screens[ScreenMenu] = &recorder;
  fake.onYield = [&] {
    log.push_back("push");
    window.Timer1_Timer();  // a tick falling due during the push's yield
  };

  PushLimit = 10;
  PushTick = 10;
  window.Timer1_Timer();
  EXPECT_EQ(PushTick, 10) << "equal is not yet due";
  PushTick = 11;
  window.Timer1_Timer();
  EXPECT_EQ(PushTick, 0);
  EXPECT_EQ(Board[CellIndex(0, 0)] != 0, true) << "two new rows came in";
  Screens[ScreenMenu] = menu;
  EXPECT_EQ(log, (EventLog{"draw", "present", "push", "draw", "present"}));

  fake.onYield = nullptr;
  Board[CellIndex(4, 13)] = 3;
  PushTick = 11;
  EXPECT_THROW(window.Timer1_Timer(), ProgramEnded);
  EXPECT_EQ(fake.messages.at(0).text, "Game over");
}

// The areas of the paint events a widget receives.
struct PaintedAreas : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

// What the window shows is read back: headless from its backing store, the picture the
// display gets; on X11 from the display server itself. The window on screen. Its device
// pixels, at the scale QT_SCALE_FACTOR sets (a process per scale), must be the whole frame
// as Qt scales it, however little of it each change covered.

class ShownWindow : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    window.show();
    QElapsedTimer waited;  // a real display server may take its time under load
    waited.start();
    while (!window.windowHandle()->isExposed() && waited.elapsed() < 5000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(window.windowHandle()->isExposed());
    ASSERT_EQ(window.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    // It first appears with the menu's first frame, drawn at load.
    EXPECT_EQ(qAlpha(BackBufferPixel(100, 300)), 255);
    ExpectShown("the first frame");
  }
  void ExpectShown(const char* what) {
    const QImage shown = window.screen()->grabWindow(window.winId(), 0, 0, 800, 600).toImage();
    QImage whole(shown.size(), QImage::Format_RGB32);
    whole.setDevicePixelRatio(window.devicePixelRatio());
    QPainter(&whole).drawImage(0, 0, *BackBuffer());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), whole) << what;
  }
};

// A new screen repaints the window's own strip beside the picture too: Qt then sends the
// display its buffer as it stands instead of first copying the picture's area aside.
TEST_F(ShownWindow, ANewScreenRepaintsTheWindowsStripBesideThePicture) {
  FillRect(0, 0, 800, 600, MakeBrush(80, 48, 16, 255));
  Present();
  PaintedAreas windowPainted;
  window.installEventFilter(&windowPainted);
  window.Timer1_Timer();
  ExpectShown("the menu");
  EXPECT_EQ(windowPainted.painted, QRegion(window.rect()) - QRect(0, 0, 800, 600));
}

// Each frame draws the sea, then its red: only the red that moved is a change, sent on its
// own (through Qt, or on X11 straight to the window), never the whole picture.
TEST_F(ShownWindow, TheWindowShowsEveryPresentedFrameExactlyWhateverChanged) {
  const BrushHandle red = MakeBrush(0, 0, 255, 255);
  const BrushHandle sea = MakeBrush(80, 48, 16, 255);
  PaintedAreas picturePainted;
  const auto present = [&](std::initializer_list<QRect> reds) {
    FillRect(0, 0, 800, 600, sea);
    for (const QRect& area : reds) FillRect(area.x(), area.y(), area.width(), area.height(), red);
    Present();
  };
  window.Timer1_Timer();
  present({});
  ExpectShown("the whole frame");
  window.PictureArea()->installEventFilter(&picturePainted);
  // Four in a row: at 1.25 and 1.75 each begins at another fraction of a device pixel.
  for (int i = 0; i < 4; ++i) {
    present({QRect(400 + i, 300 + i, 1, 1)});
    ExpectShown("one pixel");
  }
  present({QRect(0, 0, 3, 2), QRect(790, 580, 10, 20)});
  ExpectShown("two far corners");
  present({QRect(0, 0, 3, 2), QRect(790, 580, 10, 20)});
  ExpectShown("nothing changed");
  EXPECT_NE(picturePainted.painted, QRegion(0, 0, 800, 600)) << "a change repainted everything";
  window.Timer1_Timer();
  ExpectShown("the menu again");
}

// On X11 a frame's changes go straight to the window, past Qt's buffer: when the display
// has lost the window's pixels and asks for them again (as when it is uncovered), it gets
// the frame as it stands, not what Qt's buffer last held.
TEST_F(ShownWindow, AWindowExposedAgainShowsTheLastFrame) {
  PaintedAreas picturePainted;
  const auto waitUntil = [](const auto& done, qint64 most) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < most)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  };
  const BrushHandle sea = MakeBrush(80, 48, 16, 255);
  FillRect(0, 0, 800, 600, sea);
  Present();
  waitUntil([] { return false; }, 300);  // nothing of Qt's left to repaint
  FillRect(0, 0, 800, 600, sea);
  FillRect(10, 10, 20, 20, MakeBrush(0, 0, 255, 255));  // on X11 only in the window
  Present();
  if (QGuiApplication::platformName() == "xcb") {  // the display loses the window's pixels
    xcb_connection_t* connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto shown = static_cast<xcb_window_t>(window.winId());
    const xcb_gcontext_t black = xcb_generate_id(connection);
    const uint32_t foreground = 0;
    xcb_create_gc(connection, black, shown, XCB_GC_FOREGROUND, &foreground);
    const xcb_rectangle_t all{0, 0, 801, 601};
    xcb_poly_fill_rectangle(connection, shown, black, 1, &all);
    xcb_free_gc(connection, black);
    window.PictureArea()->installEventFilter(&picturePainted);
    xcb_clear_area(connection, 1, shown, 0, 0, 0, 0);
    xcb_flush(connection);
    waitUntil([&] { return !picturePainted.painted.isEmpty(); }, 5000);
  }
  ExpectShown("exposed again");
}

TEST_F(MainWindow, ClosingSilencesTheMusicAndEndsTheProgram) {
  MusicOn = 1;
  PlayLoop("bgm");
  EXPECT_THROW(window.Form_Unload(), ProgramEnded);
  EXPECT_EQ(SoundMode("bgm"), "stopped");
}

}  // namespace
}  // namespace marlquin::test
