// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SdlAudioBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/UnreadableFile.h"

namespace marlquin {
namespace {

constexpr int SampleRate = 44100;
constexpr int Channels = 2;
constexpr int ChunkBytes = 1024;
constexpr int MixerChannels = 16;

}  // namespace

SdlAudioBackend::~SdlAudioBackend() {
  if (device_ != Device::Ready) return;
  Mix_HaltChannel(-1);
  for (auto& [alias, sound] : sounds_) Mix_FreeChunk(sound.chunk);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioBackend::DeviceReady() {
  if (device_ == Device::Unopened) {
    // SDL would otherwise catch SIGINT and SIGTERM for a quit event the game never reads,
    // and the game would survive a logout or a Ctrl+C.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const bool opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
                        Mix_OpenAudio(SampleRate, AUDIO_S16SYS, Channels, ChunkBytes) == 0;
    device_ = opened ? Device::Ready : Device::Failed;
    if (opened) Mix_AllocateChannels(MixerChannels);
    // The mixer marks a paused channel with the tick count, so a pause in the first
    // millisecond after start-up would not take: let the clock leave zero first.
    while (opened && SDL_GetTicks() == 0) SDL_Delay(1);
  }
  return device_ == Device::Ready;
}

const SdlAudioBackend::Sound* SdlAudioBackend::Find(const std::string& alias) const {
  auto it = sounds_.find(alias);
  return it == sounds_.end() ? nullptr : &it->second;
}

bool SdlAudioBackend::Open(const std::string& alias, const std::string& path) {
  if (!DeviceReady() || sounds_.count(alias) != 0 ||
      static_cast<int>(sounds_.size()) >= MixerChannels) {
    return false;
  }
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (chunk == nullptr) {
    ReportUnreadableFile(path, Mix_GetError());
    return false;
  }
  sounds_[alias] = Sound{chunk, static_cast<int>(sounds_.size())};
  return true;
}

void SdlAudioBackend::PlayFromStart(const std::string& alias, bool looped) {
  if (const Sound* sound = Find(alias))
    Mix_PlayChannel(sound->channel, sound->chunk, looped ? -1 : 0);
}

bool SdlAudioBackend::Resume(const std::string& alias) {
  const Sound* sound = Find(alias);
  if (sound == nullptr || !Mix_Playing(sound->channel) || !Mix_Paused(sound->channel)) return false;
  Mix_Resume(sound->channel);
  return true;
}

// Stopping keeps the place, so that music switched back on continues from there.
void SdlAudioBackend::Stop(const std::string& alias) {
  if (const Sound* sound = Find(alias); sound && Mix_Playing(sound->channel))
    Mix_Pause(sound->channel);
}

bool SdlAudioBackend::IsPlaying(const std::string& alias) {
  const Sound* sound = Find(alias);
  return sound != nullptr && Mix_Playing(sound->channel) && !Mix_Paused(sound->channel);
}

}  // namespace marlquin
