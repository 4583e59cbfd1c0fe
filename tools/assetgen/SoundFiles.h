// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes sounds as 16-bit PCM WAV and as MP3 with the LAME tag frame, through which
// decoders drop the encoder's padding, so the music loops without a gap.
#pragma once

#include <filesystem>

#include "Synth.h"

namespace marlquin::assetgen {

void SaveWav(const std::filesystem::path& file, const Samples& mono);
void SaveMp3(const std::filesystem::path& file, const Samples& mono, int kilobitsPerSecond);
void SaveMp3(const std::filesystem::path& file, const StereoSamples& stereo, int kilobitsPerSecond);

}  // namespace marlquin::assetgen
