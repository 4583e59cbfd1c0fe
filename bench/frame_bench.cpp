// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Frame cost of each screen: the screen's Draw plus Present's copy of what changed into
// a window-sized image, with the real pictures of res/. `make bench` runs the live-window
// benchmark after these.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/BenchSetup.h"
#include "core/GameState.h"
#include "core/clsBall.h"
#include "core/clsLvlup.h"
#include "graphics/DrawingLayerForTests.h"
#include "graphics/GDIPLUSLib.h"
#include "platform/ProgramPath.h"
#include "screens/clsBoom.h"
#include "screens/clsDrop.h"
#include "screens/clsPauseDlg.h"
#include "screens/clsPlaysrc.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"

namespace marlquin::bench {
namespace {

// Present as the window does it: the changed part of the frame copied into an image of the
// window's size.
class ImageWindow final : public PresentTarget {
 public:
  ImageWindow() : window_(800, 600, QImage::Format_RGB32) {}
  void ShowFrame(const QImage& frame, const QRegion& changed) override {
    QPainter painter(&window_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& area : changed) painter.drawImage(area.topLeft(), frame, area);
  }

 private:
  QImage window_;
};

ImageWindow& Window() {
  static ImageWindow window;
  return window;
}

void StartScreens() {
  Setup();
  InitGraphics(&Window(), 800, 600);
  Startup();
  SetFont("Arial Black", 12, Regular);
  SetTextColor(0, 25, 25, 255);
}

void RunFrames(benchmark::State& state, const std::function<void()>& beforeFrame = {}) {
  for (auto _ : state) {
    if (beforeFrame) beforeFrame();
    Screens[CurScreen]->Draw();
    Present();
  }
}

// Everything a busy frame can hold: 165 balls, the guide, an explosion, 21 falling balls,
// a splash and the banner, kept alive from frame to frame.
void KeepPlayScreenBusy() {
  for (int row = 0; row < 15; ++row) {
    for (int col = 0; col < BoardCols; ++col) Board[CellIndex(col, row)] = 1 + (col + row) % 6;
  }
  PushTick = 0;
  PushLimit = 30000;
  GuideShot = true;
  if (Boom.BoomFrames == 0) Boom.init(100, 100);
  for (int i = 0; i < clsDrop::Slots; ++i) {
    if (Drop.DropLife[i] < 5) Drop.AddDBalls(static_cast<int16_t>(10 * i), 50, 3);
  }
  if (Lvlup.FramesLeft() < 2) Lvlup.Levelup();
}

// The same frame every time, painted whole each time as if all of it had changed.
void SyntheticPlayFrame(benchmark::State& state) {
  Setup();
  InitGraphics(&Window(), 800, 600);
  const ImageHandle sea = LoadCachedImage(ProgramFile("\\Res\\Bg.png"));
  const ImageHandle frame = LoadCachedImage(ProgramFile("\\Res\\guiframe.png"));
  const ImageHandle ball = LoadCachedImage(ProgramFile("\\res\\b0.png"));
  const ImageHandle launcher = LoadImageFile(ProgramFile("\\Res\\ctrl.png"));
  SetFont("Arial Black", 12, Regular);
  SetTextColor(0, 25, 25, 255);
  const BrushHandle box = MakeGradientBrush(0, 210, 0, 390, 0x50FFFFFF, 0xC8FFFFFF);
  for (auto _ : state) {
    DrawCached(sea, 0, 0);
    DrawCached(frame, 0, 0);
    for (int i = 0; i < 165; ++i) DrawCached(ball, 242 + 30 * (i % 11), 60 + 26 * (i / 11));
    DrawImagePoints(launcher, {325, 433}, {332, 393}, {404, 446});
    DrawText(100, 20, "00420");
    DrawText(100, 60, " 1");
    FillRect(235, 210, 355, 180, box);
    DrawLine(0x80F0FFF0, 1, 235, 210, 590, 210);
    Present();
    RedrawWholeFrame();
  }
}
BENCHMARK(SyntheticPlayFrame)->Unit(benchmark::kMillisecond);

// A new game aimed far left, so the guide follows a long path with two bounces.
void StartBusyGame() {
  StartScreens();
  Board.fill(0);
  NewGame();
  CurScreen = ScreenPlay;
  AimStep = 40;
  ShootAngle = AngleFromAimStep(AimStep);
  Ball.NewBall(ShootAngle, CurColor);
}

void PlayScreenBusyFrame(benchmark::State& state) {
  StartBusyGame();
  RunFrames(state, KeepPlayScreenBusy);
}
BENCHMARK(PlayScreenBusyFrame)->Unit(benchmark::kMillisecond);

void PauseDialogFrame(benchmark::State& state) {
  StartBusyGame();
  PauseDialog->Show();
  RunFrames(state, KeepPlayScreenBusy);
}
BENCHMARK(PauseDialogFrame)->Unit(benchmark::kMillisecond);

// Present alone when nothing was drawn.
void PresentUnchangedFrame(benchmark::State& state) {
  StartScreens();
  Screens[ScreenMenu]->Draw();
  Present();
  for (auto _ : state) Present();
}
BENCHMARK(PresentUnchangedFrame)->Unit(benchmark::kMillisecond);

void MenuFrame(benchmark::State& state) {
  StartScreens();
  CurScreen = ScreenMenu;
  RunFrames(state);
}
BENCHMARK(MenuFrame)->Unit(benchmark::kMillisecond);

void HighScoreFrame(benchmark::State& state) {
  StartScreens();
  CurScreen = ScreenHighScore;
  RunFrames(state);
}
BENCHMARK(HighScoreFrame)->Unit(benchmark::kMillisecond);

// The window's start-up in-process: drawing layer, fonts, pictures, screens, first frame.
void StartupToFirstMenuFrame(benchmark::State& state) {
  Setup();
  for (auto _ : state) {
    StartScreens();
    Screens[ScreenMenu]->Draw();
    Present();
  }
}
BENCHMARK(StartupToFirstMenuFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marlquin::bench

BENCHMARK_MAIN();
