// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds played with SDL_mixer. The effects are decoded whole into chunks, one mixer
// channel per alias, so that they start at once; the music ("bgm") is streamed from its
// file, as decoding its 80 seconds whole would cost a fifth of a second and 11 MB. The
// device is opened with the first sound; when it cannot be opened every call is silent.
#pragma once

#include <map>
#include <string>

#include "audio/AudioBackend.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

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
  struct Effect {
    Mix_Chunk* chunk = nullptr;
    int channel = 0;
  };

  bool DeviceReady();
  bool IsOpenMusic(const std::string& alias) const;
  const Effect* FindEffect(const std::string& alias) const;

  enum class Device { Unopened, Ready, Failed } device_ = Device::Unopened;
  std::map<std::string, Effect> effects_;
  Mix_Music* music_ = nullptr;
};

}  // namespace marlquin
