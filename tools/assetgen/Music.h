// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The background music: a calm loop of pads, a rippling arpeggio, a bell melody and
// distant bubbles, whose end runs straight into its start.
#pragma once

#include <cstddef>

#include "Synth.h"

namespace marlquin::assetgen {

// 24 bars of 4 beats at 90 beats a minute: exactly 64 s, and a whole number of MP3 frames
// of 1152 samples, so that nothing pads the loop.
constexpr int MusicBars = 24;
constexpr size_t SamplesPerBeat = SampleRate * 60 / 90;
constexpr size_t MusicSamples = MusicBars * 4 * SamplesPerBeat;

StereoSamples BackgroundMusic();

}  // namespace marlquin::assetgen
