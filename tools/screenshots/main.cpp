// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// marlquin-screenshots OUTDIR: plays the screens headless from the build folder's res/
// and writes menu.png, play.png, effects.png, pause.png, question.png and scores.png.
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/clsBall.h"
#include "core/clsLvlup.h"
#include "core/clsWaterPoint.h"
#include "graphics/DrawingLayerForTests.h"
#include "graphics/GDIPLUSLib.h"
#include "graphics/HandCursor.h"
#include "screens/clsBoom.h"
#include "screens/clsDlg.h"
#include "screens/clsDrop.h"
#include "screens/clsPauseDlg.h"
#include "screens/clsPlaysrc.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/Recorders.h"

using namespace marlquin;

namespace {

void Frames(int count) {
  for (int i = 0; i < count; ++i) Screens[CurScreen]->Draw();
}

void Save(const std::string& folder, const char* name) {
  const std::string path = folder + "/" + name;
  if (!BackBuffer()->save(QString::fromStdString(path))) {
    std::fprintf(stderr, "could not write %s\n", path.c_str());
    std::exit(1);
  }
  std::printf("%s\n", path.c_str());
}

void Hover(int16_t x, int16_t y) {
  ResetCursor();
  Screens[CurScreen]->MouseMove(x, y);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const std::string out = argv[1];
  std::filesystem::create_directories(out);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  // A scratch program folder with the build's res/, so the sample table never touches a
  // player's own high scores.
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / "marlquin-screenshots";
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch);
  std::filesystem::create_directory_symlink(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "res",
      scratch / "res");
  test::FakePlatform platform;
  platform.programFolder = scratch.string();
  platform.shortDate = "06/12/2026";
  SetPlatform(&platform);
  test::EventLog log;
  test::RecordingAudio audio(log);
  SetAudioBackend(&audio);

  // The same pictures on every run, so that two versions of the game can be compared.
  std::mt19937 draws(1);
  SetRandomSource([&draws] { return std::generate_canonical<double, 32>(draws); });
  InitGraphics(nullptr, 800, 600);
  Startup();
  SetFont("Arial Black", 12, Regular);
  SetTextColor(0, 25, 25, 255);

  Frames(40);
  Hover(400, 280);
  Frames(1);
  Save(out, "menu.png");

  NewGame();
  CurScreen = ScreenPlay;
  Frames(5);
  for (int shot = 0; shot < 6; ++shot) {
    AimStep = static_cast<int16_t>(shot * 12 - 30);
    ShootAngle = AngleFromAimStep(AimStep);
    Ball.NewBall(ShootAngle, CurColor);
    Fire();
    while (Ball.Flying) Frames(1);
  }
  AimStep = 18;
  ShootAngle = AngleFromAimStep(AimStep);
  GuideShot = true;
  Ball.NewBall(ShootAngle, CurColor);
  Score = 1590;
  PushTick = 400;
  Frames(12);
  Save(out, "play.png");

  Boom.init(90, 60);
  for (int i = 0; i < 8; ++i)
    Drop.AddDBalls(static_cast<int16_t>(60 + 25 * i), 80, static_cast<int16_t>(1 + i % 6));
  WaterPoint.init(420, 200);
  Lvlup.Levelup();
  Hover(100, 260);
  Frames(3);
  Save(out, "effects.png");

  PauseDialog->Show();
  Frames(4);
  Save(out, "pause.png");
  CurScreen = ScreenPlay;

  ReturnAskId = MessageDialog->Show("Return to Main menu will end this game.\r\nReturn?", "Return",
                                    1, "OK", "Cancel");
  Hover(500, 360);
  Frames(4);
  Save(out, "question.png");

  std::ofstream(platform.programFolder + "/Bubble.rec", std::ios::binary)
      << "Nerissa\r\n012340\r\n06/12/2026\r\nOtto\r\n009870\r\n05/12/2026\r\nPearl\r\n004200\r\n"
         "01/12/2026\r\nKai\r\n001230\r\n30/11/2026\r\nMira\r\n000450\r\n29/11/2026\r\n";
  CurScreen = ScreenHighScore;
  Frames(3);
  Save(out, "scores.png");
  std::filesystem::remove_all(scratch);
  return 0;
}
