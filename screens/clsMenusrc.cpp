// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clsMenusrc.h"

#include "audio/SoundPlayer.h"
#include "persistence/SavedGame.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"

namespace marlquin {
namespace {

// The version record of the build: major.minor.revision without leading zeros.
constexpr char VersionText[] = "Ver " MARLQUIN_VERSION;
constexpr char FrameFile[] = "\\Res\\frame.png";
constexpr char BgFile[] = "\\Res\\Bg.png";

struct SpriteSetting {
  const char* file;
  float sx, sy;
  int16_t width, height, scaleX, scaleY;
};

constexpr SpriteSetting SpriteSettings[] = {{"\\Res\\s1.png", 0, -1.8f, 72, 75, 1, 0},
                                            {"\\Res\\s2.png", -1.6f, 1.6f, 63, 55, 1, 1},
                                            {"\\Res\\s3.png", -0.5f, -1, 27, 37, 1, 0},
                                            {"\\Res\\s4.png", -0.2f, -1, 57, 77, 1, 0}};

}  // namespace

clsMenusrc::~clsMenusrc() {
  FreeImage(BgImage);
  FreeImage(FrameImage);
}

std::vector<std::string> clsMenusrc::PictureFiles() {
  std::vector<std::string> files{FrameFile, BgFile};
  for (const SpriteSetting& sprite : SpriteSettings) files.emplace_back(sprite.file);
  return files;
}

void clsMenusrc::Initialize() {
  if (Initialized) return;
  FrameImage = LoadCachedImage(ProgramFile(FrameFile));
  BgImage = LoadCachedImage(ProgramFile(BgFile));
  BeginNewButton.init(150, 40, "Begin New", -1);
  BeginNewButton.SetLocation(320, 200);
  LoadGameButton.init(150, 40, "Load Game", -1);
  LoadGameButton.SetLocation(320, 260);
  HighScoreButton.init(150, 40, "High Score", -1);
  HighScoreButton.SetLocation(320, 320);
  ExitButton.init(150, 40, "EXIT", -1);
  ExitButton.SetLocation(320, 380);
  for (size_t i = 0; i < Sprites.size(); ++i) {
    const SpriteSetting& s = SpriteSettings[i];
    Sprites[i].init(ProgramFile(s.file), s.sx, s.sy, s.width, s.height, s.scaleX, s.scaleY);
  }
  Initialized = true;
}

void clsMenusrc::BackRedraw() {
  DrawCached(BgImage, 0, 0);
  for (clsFish& sprite : Sprites) sprite.Draw();
}

void clsMenusrc::Draw() {
  BackRedraw();
  DrawCached(FrameImage, 0, 0);
  DrawText(450, 105, VersionText);
  if (Loading) {
    DrawText(260, 200, "Loading ...");
  } else {
    BeginNewButton.Draw();
    LoadGameButton.Draw();
    ExitButton.Draw();
    HighScoreButton.Draw();
  }
  SetFont("Arial Black", 12, Regular);
  SetTextColor(0, 0, 0, 255);
}

void clsMenusrc::MouseMove(int16_t x, int16_t y) {
  if (Loading) return;
  BeginNewButton.MouseMove(x, y);
  LoadGameButton.MouseMove(x, y);
  ExitButton.MouseMove(x, y);
  HighScoreButton.MouseMove(x, y);
}

void clsMenusrc::MouseDown() {
  if (Loading) return;
  BeginNewButton.MouseDown();
  LoadGameButton.MouseDown();
  ExitButton.MouseDown();
  HighScoreButton.MouseDown();
}

// All four buttons are asked, even after one of them has acted.
void clsMenusrc::MouseUp() {
  if (Loading) return;
  if (BeginNewButton.MouseUp()) BeginNew();
  if (LoadGameButton.MouseUp()) LoadSavedGame();
  if (ExitButton.MouseUp()) platform().EndProgram();
  if (HighScoreButton.MouseUp()) CurScreen = ScreenHighScore;
}

void clsMenusrc::BeginNew() {
  Loading = true;
  NewGame();
  CurScreen = ScreenPlay;
  PlayLoop("bgm");
  Loading = false;
}

void clsMenusrc::LoadSavedGame() {
  // A game loaded before any was started needs the play screen and launcher set up first;
  // that set-up lets events run, so the menu is busy meanwhile as for "Begin New".
  Loading = true;
  PrepareFirstGame();  // sets up the first time only
  Loading = false;
  if (LoadGame()) CurScreen = ScreenPlay;
  PlayLoop("bgm");
}

}  // namespace marlquin
