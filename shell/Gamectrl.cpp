#include "shell/Gamectrl.h"

#include <cmath>

#include "core/GameState.h"
#include "core/Random.h"
#include "core/Rounding.h"
#include "core/clsBall.h"
#include "core/clsLvlup.h"
#include "screens/clsPlaysrc.h"
#include "platform/Platform.h"
#include "shell/Screens.h"

namespace marlquin {
namespace {

constexpr int FirstPushFramesPerLevel = 50;
constexpr int LevelCount = 20;
constexpr uint8_t RiseFrames = 5;
constexpr int GuideChanceIn = 7;  // a guide shot comes once in seven

// Colours 1..3 for the first two balls of a game, 2 twice as often as 1 or 3.
int16_t StartingColor() { return RoundToInt16(2 * Rnd() + 1); }

void AimStraightUp() {
  AimStep = 0;
  ShootAngle = AngleFromAimStep(AimStep);
}

}  // namespace

void NewGame() {
  platform().Yield();
  Screens[ScreenPlay]->Initialize();
  platform().Yield();
  Score = 0;
  Level = 0;
  AimStep = 0;
  Ball.init(LaunchX, LaunchY);
  platform().Yield();
  ShootAngle = AngleFromAimStep(AimStep);
  Ball.NewBall(ShootAngle, CurColor);
  FillBoard();
  // A ball still flying from an abandoned game must not land in the new board. Ended only
  // now, so that the path above was not computed against the abandoned board.
  Ball.EndFlight();
  platform().Yield();
  PushLimit = Saturate16((int64_t{LevelCount} - Level) * FirstPushFramesPerLevel);
  CurColor = StartingColor();
  NextColor = StartingColor();
  Ball.NewBall(ShootAngle, CurColor);
  PushTick = 0;
  Lvlup.Initialize();
  platform().Yield();
}

void PrepareFirstGame() {
  Ball.EndFlight();
  Screens[ScreenPlay]->Initialize();
  Ball.init(LaunchX, LaunchY);
  AimStraightUp();
  CurColor = StartingColor();
  NextColor = StartingColor();
  Lvlup.Initialize();
  Ball.NewBall(ShootAngle, CurColor);  // ready to shoot even when the load is then cancelled
}

void Fire() {
  if (Ball.Flying) return;
  CurColor = NextColor;
  NextColor = RoundToInt16(6 * Rnd() + 1);
  GuideShot = std::floor(GuideChanceIn * Rnd()) == 3;
  PlayScreen->ShotFrames = RiseFrames;
  Ball.Shoot();
}

}  // namespace marlquin
