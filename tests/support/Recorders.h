// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recording doubles for the sound device and the shot effects. Both write into one
// shared log, so a test can check the order in which a landing calls them.
#pragma once

#include <map>
#include <set>
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

  bool Open(const std::string& alias, const std::string& path) override;
  void PlayFromStart(const std::string& alias, bool looped) override;
  bool Resume(const std::string& alias) override;
  void Stop(const std::string& alias) override;
  bool IsPlaying(const std::string& alias) override { return playing.count(alias) != 0; }

  std::map<std::string, std::string> opened;  // alias -> path
  std::set<std::string> playing;
  std::set<std::string> stopped;  // stopped midway, so they can continue

 private:
  EventLog& log_;
};

class RecordingEffects final : public ShotEffects {
 public:
  explicit RecordingEffects(EventLog& log) : log_(log) {}

  void BoomInit(int16_t sx, int16_t sy) override;
  void DropInit() override;
  void DropAdd(int16_t x, int16_t y, int16_t color) override;
  void WaterPointInit(double x, double y) override;

 private:
  EventLog& log_;
};

}  // namespace marlquin::test
