// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Screens.h"

#include <memory>

#include "audio/SoundPlayer.h"
#include "core/ShotEffects.h"
#include "graphics/GDIPLUSLib.h"
#include "graphics/HandCursor.h"
#include "platform/ProgramPath.h"
#include "screens/PlayEffects.h"
#include "screens/clsDlg.h"
#include "screens/clsHighScroesrc.h"
#include "screens/clsMenusrc.h"
#include "screens/clsPauseDlg.h"
#include "screens/clsPlaysrc.h"

namespace marlquin {

std::array<AbsScreen*, 5> Screens{};
uint8_t CurScreen = ScreenMenu;
int32_t ReturnAskId = 0;

clsMenusrc* MenuScreen = nullptr;
clsPlaysrc* PlayScreen = nullptr;
clsHighScroesrc* HighScoreScreen = nullptr;
clsPauseDlg* PauseDialog = nullptr;
clsDlg* MessageDialog = nullptr;

namespace {

// The screens live until the program ends; holding them here lets a test start afresh.
struct ScreenObjects {
  std::unique_ptr<clsMenusrc> menu;
  std::unique_ptr<clsPlaysrc> play;
  std::unique_ptr<clsHighScroesrc> highScore;
  std::unique_ptr<clsPauseDlg> pause;
  std::unique_ptr<clsDlg> dialog;
};

ScreenObjects& Owned() {
  static ScreenObjects objects;
  return objects;
}

PlayEffects& TheEffects() {
  static PlayEffects effects;
  return effects;
}

template <typename Screen>
Screen* Create(std::unique_ptr<Screen>& owner, uint8_t index) {
  owner = std::make_unique<Screen>();
  Screens[index] = owner.get();
  return owner.get();
}

}  // namespace

// The screen objects stay until the next Startup replaces them: reached from here, before
// any drawing layer exists, their owner would outlive the layer their pictures live in.
void ResetScreens() {
  Screens.fill(nullptr);
  MenuScreen = nullptr;
  PlayScreen = nullptr;
  HighScoreScreen = nullptr;
  PauseDialog = nullptr;
  MessageDialog = nullptr;
  CurScreen = ScreenMenu;
  ReturnAskId = 0;
}

void Startup() {
  LoadHandCursor();
  ScreenObjects& owned = Owned();
  owned = ScreenObjects{};
  MenuScreen = Create(owned.menu, ScreenMenu);
  PlayScreen = Create(owned.play, ScreenPlay);
  HighScoreScreen = Create(owned.highScore, ScreenHighScore);
  PauseDialog = Create(owned.pause, ScreenPause);
  MessageDialog = Create(owned.dialog, ScreenDialog);
  SetShotEffects(&TheEffects());
  Screens[ScreenMenu]->Initialize();
  Screens[ScreenHighScore]->Initialize();
}

std::vector<std::string> StartupPictures() {
  std::vector<std::string> files{ProgramFile(ButtonFaceFile), ProgramFile(HandCursorFile)};
  for (const std::string& file : clsMenusrc::PictureFiles()) files.push_back(ProgramFile(file));
  return files;
}

void OnDialogClosed(int32_t answer) {
  if (MessageDialog->myid == ReturnAskId && answer == 1) {
    CurScreen = ScreenMenu;
    StopSound("bgm");
  }
}

}  // namespace marlquin
