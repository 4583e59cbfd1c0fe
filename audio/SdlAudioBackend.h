// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds decoded whole into SDL_mixer chunks, one mixer channel per alias. The device is
// opened with the first sound; when it cannot be opened every call is silent.
#pragma once

#include <map>
#include <string>

#include "audio/AudioBackend.h"

struct Mix_Chunk;

namespace marlquin {

class SdlAudioBackend final : public AudioBackend {
 public:
  SdlAudioBackend() = default;
  SdlAudioBackend(const SdlAudioBackend&) = delete;
  SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;
  ~SdlAudioBackend() override;

  bool Open(const std::string& alias, const std::string& path) override;
  void PlayFromStart(const std::string& alias, bool looped) override;
  bool Resume(const std::string& alias) override;
  void Stop(const std::string& alias) override;
  bool IsPlaying(const std::string& alias) override;

 private:
  struct Sound {
    Mix_Chunk* chunk = nullptr;
    int channel = 0;
  };

  bool DeviceReady();
  const Sound* Find(const std::string& alias) const;

  enum class Device { Unopened, Ready, Failed } device_ = Device::Unopened;
  std::map<std::string, Sound> sounds_;
};

}  // namespace marlquin
