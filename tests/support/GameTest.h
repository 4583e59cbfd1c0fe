// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture every game test starts from: a scripted platform whose program folder is
// a fresh temporary folder (with the built res/ linked in), recording sound and effects,
// and the whole game state, declared in the headers below, back to its start-of-program
// values. Its tests read the back buffer through the drawing layer's test hooks.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/clsBall.h"
#include "core/clsLvlup.h"
#include "core/clsWaterPoint.h"
#include "graphics/DrawingLayerForTests.h"
#include "graphics/HandCursor.h"
#include "persistence/HighScoreFile.h"
#include "screens/clsBoom.h"
#include "screens/clsDrop.h"
#include "shell/Screens.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/Recorders.h"

namespace marlquin::test {

// The game's counters and the ball's state by name, so that a failed comparison says which
// one is off.
struct Counters {
  int score = 0, level = 0, pushLimit = 0, pushTick = 0, ballCount = 0, curColor = 0, nextColor = 0,
      aimStep = 0, screen = 0, soundOn = 0, musicOn = 0, ballFlying = 0, ballColour = 0,
      ballSteps = 0;
  static Counters Now();
  bool operator==(const Counters&) const = default;
};
void PrintTo(const Counters& counters, std::ostream* out);

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The random source answers these values in turn, then 0.5 forever.
  void ScriptRandom(std::vector<double> values);
  // Starts the drawing layer on an 800 x 600 back buffer without a window.
  void StartGraphics();
  // Places cells by (col, row, value).
  static void Place(std::initializer_list<std::initializer_list<int>> cells);
  static int CountOccupied();

  std::string InFolder(const std::string& name) const { return (folder / name).string(); }
  // The whole of a file in the program folder, "" when there is none.
  std::string FileText(const std::string& name) const;

  std::filesystem::path folder;
  FakePlatform fake;
  EventLog log;
  RecordingAudio audio{log};
  RecordingEffects effects{log};

 private:
  std::vector<double> scripted_;
  size_t next_ = 0;
};

}  // namespace marlquin::test
