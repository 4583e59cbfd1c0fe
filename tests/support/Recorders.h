// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recording doubles for the sound device and the shot effects. Both write into one
// shared log, so a test can check the order in which a landing calls them.
#pragma once

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "audio/AudioBackend.h"
#include "core/ShotEffects.h"

namespace marlquin::test {

using EventLog = std::vector<std::string>;

// The latest event, or "" when there is none, so a check fails instead of crashing.
inline std::string Last(const EventLog& log) { return log.empty() ? "" : log.back(); }

class RecordingAudio final : public AudioBackend {
 public:
  explicit RecordingAudio(EventLog& log) : log_(log) {}

  bool Open(const std::string& alias, const std::string&) override {
    log_.push_back("open " + alias);
    return true;
  }
  void PlayFromStart(const std::string& alias, bool looped) override {
    log_.push_back(std::string(looped ? "loop " : "play ") + alias);
    playing.insert(alias);
    stopped.erase(alias);
  }
  bool Resume(const std::string& alias) override {
    if (stopped.erase(alias) == 0) return false;
    log_.push_back("resume " + alias);
    playing.insert(alias);
    return true;
  }
  void Stop(const std::string& alias) override {
    log_.push_back("stop " + alias);
    if (playing.erase(alias) != 0) stopped.insert(alias);
  }
  bool IsPlaying(const std::string& alias) override { return playing.count(alias) != 0; }

  std::set<std::string> playing;
  std::set<std::string> stopped;  // stopped midway, so they can continue

 private:
  EventLog& log_;
};

class RecordingEffects final : public ShotEffects {
 public:
  explicit RecordingEffects(EventLog& log) : log_(log) {}

  void BoomInit(int16_t sx, int16_t sy) override {
    log_.push_back("boom " + std::to_string(sx) + "," + std::to_string(sy));
  }
  void DropInit() override { log_.push_back("drop init"); }
  void DropAdd(int16_t x, int16_t y, int16_t color) override {
    log_.push_back("drop " + std::to_string(x) + "," + std::to_string(y) + " c" +
                   std::to_string(color));
  }
  void WaterPointInit(double x, double y) override {
    std::ostringstream text;
    text << "splash " << x << "," << y;
    log_.push_back(text.str());
  }

 private:
  EventLog& log_;
};

}  // namespace marlquin::test
