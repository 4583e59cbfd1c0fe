// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Recorders.h"

#include <sstream>

namespace marlquin::test {

bool RecordingAudio::Open(const std::string& alias, const std::string& path) {
  log_.push_back("open " + alias);
  opened[alias] = path;
  return true;
}

void RecordingAudio::PlayFromStart(const std::string& alias, bool looped) {
  log_.push_back(std::string(looped ? "loop " : "play ") + alias);
  playing.insert(alias);
  stopped.erase(alias);
}

bool RecordingAudio::Resume(const std::string& alias) {
  if (stopped.erase(alias) == 0) return false;
  log_.push_back("resume " + alias);
  playing.insert(alias);
  return true;
}

void RecordingAudio::Stop(const std::string& alias) {
  log_.push_back("stop " + alias);
  if (playing.erase(alias) != 0) stopped.insert(alias);
}

void RecordingEffects::BoomInit(int16_t sx, int16_t sy) {
  log_.push_back("boom " + std::to_string(sx) + "," + std::to_string(sy));
}

void RecordingEffects::DropInit() { log_.push_back("drop init"); }

void RecordingEffects::DropAdd(int16_t x, int16_t y, int16_t color) {
  log_.push_back("drop " + std::to_string(x) + "," + std::to_string(y) + " c" +
                 std::to_string(color));
}

void RecordingEffects::WaterPointInit(double x, double y) {
  std::ostringstream text;
  text << "splash " << x << "," << y;
  log_.push_back(text.str());
}

}  // namespace marlquin::test
