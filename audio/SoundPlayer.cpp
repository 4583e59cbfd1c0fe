// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SoundPlayer.h"

#include "audio/AudioBackend.h"
#include "audio/SdlAudioBackend.h"

namespace marlquin {

uint8_t SoundOn = 0;
uint8_t MusicOn = 0;

void ResetSoundSwitches() { SoundOn = MusicOn = 0; }

namespace {

AudioBackend* installed = nullptr;

AudioBackend& Backend() {
  if (installed == nullptr) {
    static SdlAudioBackend sdl;
    installed = &sdl;
  }
  return *installed;
}

}  // namespace

void SetAudioBackend(AudioBackend* backend) { installed = backend; }

void OpenSound(const std::string& path, const std::string& alias) { Backend().Open(alias, path); }

void PlayOnce(const std::string& alias) {
  if (SoundOn != 0) Backend().PlayFromStart(alias, false);
}

// Music that is already playing goes on; stopped music continues where it stopped.
void PlayLoop(const std::string& alias) {
  if (MusicOn == 0) return;
  AudioBackend& backend = Backend();
  if (backend.IsPlaying(alias)) return;
  if (!backend.Resume(alias)) backend.PlayFromStart(alias, true);
}

void StopSound(const std::string& alias) { Backend().Stop(alias); }

std::string SoundMode(const std::string& alias) {
  return Backend().IsPlaying(alias) ? "playing" : "stopped";
}

}  // namespace marlquin
