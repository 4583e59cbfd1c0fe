// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound device as the sound player needs it: sounds opened under an alias, each
// playing independently of the others. The game uses the SDL implementation; tests
// record the calls.
#pragma once

#include <string>

namespace marlquin {

class AudioBackend {
 public:
  virtual ~AudioBackend() = default;
  // False when the file cannot be decoded or there is no device; the alias stays unopened.
  virtual bool Open(const std::string& alias, const std::string& path) = 0;
  // Starts the sound from its beginning, repeating forever when looped.
  virtual void PlayFromStart(const std::string& alias, bool looped) = 0;
  // Continues a stopped sound where it stopped; false when there is nothing to continue.
  virtual bool Resume(const std::string& alias) = 0;
  virtual void Stop(const std::string& alias) = 0;
  virtual bool IsPlaying(const std::string& alias) = 0;
};

}  // namespace marlquin
