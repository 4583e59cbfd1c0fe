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
// SDL_mixer streams one piece of music at a time; the game has one.
constexpr char MusicAlias[] = "bgm";

}  // namespace

SdlAudioBackend::~SdlAudioBackend() {
  if (device_ != Device::Ready) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  for (auto& [alias, effect] : effects_) Mix_FreeChunk(effect.chunk);
  if (music_ != nullptr) Mix_FreeMusic(music_);
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

bool SdlAudioBackend::IsOpenMusic(const std::string& alias) const {
  return alias == MusicAlias && music_ != nullptr;
}

const SdlAudioBackend::Effect* SdlAudioBackend::FindEffect(const std::string& alias) const {
  auto it = effects_.find(alias);
  return it == effects_.end() ? nullptr : &it->second;
}

bool SdlAudioBackend::Open(const std::string& alias, const std::string& path) {
  if (!DeviceReady()) return false;
  if (alias == MusicAlias) {
    if (music_ != nullptr) return false;
    music_ = Mix_LoadMUS(path.c_str());
    if (music_ == nullptr) ReportUnreadableFile(path, Mix_GetError());
    return music_ != nullptr;
  }
  if (effects_.count(alias) != 0 || static_cast<int>(effects_.size()) >= MixerChannels)
    return false;
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (chunk == nullptr) {
    ReportUnreadableFile(path, Mix_GetError());
    return false;
  }
  effects_[alias] = Effect{chunk, static_cast<int>(effects_.size())};
  return true;
}

void SdlAudioBackend::PlayFromStart(const std::string& alias, bool looped) {
  if (IsOpenMusic(alias)) {
    Mix_PlayMusic(music_, looped ? -1 : 0);
  } else if (const Effect* effect = FindEffect(alias)) {
    Mix_PlayChannel(effect->channel, effect->chunk, looped ? -1 : 0);
  }
}

// Paused music still counts as playing for SDL_mixer, as a paused channel does.
bool SdlAudioBackend::Resume(const std::string& alias) {
  if (IsOpenMusic(alias)) {
    if (!Mix_PlayingMusic() || !Mix_PausedMusic()) return false;
    Mix_ResumeMusic();
    return true;
  }
  const Effect* effect = FindEffect(alias);
  if (effect == nullptr || !Mix_Playing(effect->channel) || !Mix_Paused(effect->channel))
    return false;
  Mix_Resume(effect->channel);
  return true;
}

// Stopping keeps the place, so that music switched back on continues from there.
void SdlAudioBackend::Stop(const std::string& alias) {
  if (IsOpenMusic(alias)) {
    if (Mix_PlayingMusic()) Mix_PauseMusic();
  } else if (const Effect* effect = FindEffect(alias); effect && Mix_Playing(effect->channel)) {
    Mix_Pause(effect->channel);
  }
}

bool SdlAudioBackend::IsPlaying(const std::string& alias) {
  if (IsOpenMusic(alias)) return Mix_PlayingMusic() && !Mix_PausedMusic();
  const Effect* effect = FindEffect(alias);
  return effect != nullptr && Mix_Playing(effect->channel) && !Mix_Paused(effect->channel);
}

}  // namespace marlquin
