// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameTest.h"

#include <fstream>
#include <iterator>
#include <random>

#include "core/Random.h"
#include "core/ShotEffects.h"
#include "graphics/GDIPLUSLib.h"
#include "platform/Platform.h"

namespace marlquin::test {

Counters Counters::Now() {
  return {Score,   Level,     PushLimit, PushTick, BallCount,   CurColor,   NextColor,
          AimStep, CurScreen, SoundOn,   MusicOn,  Ball.Flying, Ball.Color, Ball.StepCount};
}

void PrintTo(const Counters& c, std::ostream* out) {
  *out << "score " << c.score << ", level " << c.level << ", push limit " << c.pushLimit
       << ", push tick " << c.pushTick << ", balls " << c.ballCount << ", colours " << c.curColor
       << " then " << c.nextColor << ", aim " << c.aimStep << ", screen " << c.screen << ", sound "
       << c.soundOn << ", music " << c.musicOn << ", ball flying " << c.ballFlying
       << ", ball colour " << c.ballColour << ", ball steps " << c.ballSteps;
}

void GameTest::SetUp() {
  std::random_device seed;
  folder = std::filesystem::temp_directory_path() /
           ("marlquin-test-" + std::to_string(seed()) + std::to_string(seed()));
  std::filesystem::create_directories(folder / "save");
  std::filesystem::create_directory_symlink(MARLQUIN_TEST_RES_DIR, folder / "res");
  fake.programFolder = folder.string();
  SetPlatform(&fake);
  SetAudioBackend(&audio);
  SetShotEffects(&effects);
  // Each unit that keeps game state resets it itself, so none is left out.
  ResetGameState();
  ResetBall();
  ResetLvlup();
  ResetWaterPoint();
  ResetBoom();
  ResetDrop();
  ResetSoundSwitches();
  ResetHighScores();
  ResetScreens();
  ResetHandCursor();
  SetRandomSource([this] { return next_ < scripted_.size() ? scripted_[next_++] : 0.5; });
}

void GameTest::TearDown() {
  SetRandomSource({});
  SetShotEffects(nullptr);
  SetAudioBackend(nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void GameTest::ScriptRandom(std::vector<double> values) {
  scripted_ = std::move(values);
  next_ = 0;
}

void GameTest::StartGraphics() { ASSERT_TRUE(InitGraphics(nullptr, 800, 600)); }

void GameTest::Place(std::initializer_list<std::initializer_list<int>> cells) {
  for (const auto& cell : cells) {
    const int* v = cell.begin();
    Board[CellIndex(v[0], v[1])] = static_cast<int16_t>(v[2]);
  }
}

std::string GameTest::FileText(const std::string& name) const {
  std::ifstream file(folder / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int GameTest::CountOccupied() {
  int count = 0;
  for (int16_t cell : Board) count += cell != 0;
  return count;
}

}  // namespace marlquin::test
