// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation's sound device: nothing opens, nothing plays.
#pragma once

#include <string>

#include "audio/AudioBackend.h"

namespace marlquin::sim {

class SilentAudio final : public AudioBackend {
 public:
  bool Open(const std::string&, const std::string&) override { return false; }
  void PlayFromStart(const std::string&, bool) override {}
  bool Resume(const std::string&) override { return false; }
  void Stop(const std::string&) override {}
  bool IsPlaying(const std::string&) override { return false; }
};

}  // namespace marlquin::sim
