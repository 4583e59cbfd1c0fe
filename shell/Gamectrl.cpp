// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Gamectrl.h"

#include <cstdint>

#include "core/GameState.h"
#include "core/RoundFlow.h"
#include "core/clsBall.h"
#include "core/clsLvlup.h"
#include "platform/Platform.h"
#include "screens/clsPlaysrc.h"
#include "shell/Screens.h"

namespace marlquin {
namespace {

constexpr uint8_t RiseFrames = 5;

}  // namespace

void NewGame() {
  platform().Yield();
  Screens[ScreenPlay]->Initialize();
  platform().Yield();
  StartGame();
  Lvlup.Initialize();
  platform().Yield();
}

void PrepareFirstGame() {
  if (PlayScreen->IsInitialized()) return;
  Ball.EndFlight();
  Screens[ScreenPlay]->Initialize();
  ReadyLauncher();
  Lvlup.Initialize();
  Ball.NewBall(ShootAngle, CurColor);  // ready to shoot even when the load is then cancelled
}

void Fire() {
  if (Ball.Flying) return;
  PlayScreen->ShotFrames = RiseFrames;
  FireBall();
}

}  // namespace marlquin
