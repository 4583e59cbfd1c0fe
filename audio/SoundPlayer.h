// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The background music and the three effects, each opened once under a short alias and
// then addressed only by it. The two switches gate the play operations; nothing here
// ever reports an error: a missing file, no device or an unknown alias is silence.
#pragma once

#include <cstdint>
#include <string>

namespace marlquin {

class AudioBackend;

// 0 = off, anything else = on. Both stay 0 until the play screen is first set up.
extern uint8_t SoundOn;     // gates PlayOnce (the effects)
extern uint8_t MusicOn;     // gates PlayLoop (the music)
void ResetSoundSwitches();  // both off, as at start

void OpenSound(const std::string& path, const std::string& alias);
void PlayOnce(const std::string& alias);
void PlayLoop(const std::string& alias);
void StopSound(const std::string& alias);
// "playing" while the sound plays, "stopped" otherwise.
std::string SoundMode(const std::string& alias);

// The device the player drives; the SDL device unless a test installs another.
void SetAudioBackend(AudioBackend* backend);

}  // namespace marlquin
