// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Access to the generated res folder for the asset tests: pictures as QImages, sounds as
// decoded PCM, and runs of the generator into folders of their own.
#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace marlquin::assetgen::test {

std::filesystem::path ResFolder();

// The picture in straight ARGB; a null image when it cannot be decoded.
QImage Picture(const std::string& name);

// A sound as the game hears it, decoded by SDL_mixer: 44.1 kHz 16-bit stereo.
struct Pcm {
  std::vector<int16_t> samples;  // left and right interleaved

  size_t Frames() const { return samples.size() / 2; }
  double Seconds() const { return Frames() / 44100.0; }
};
Pcm DecodeForGame(const std::string& name);

double PeakOf(const Pcm& pcm);  // 0..1 of full scale
// Root mean square of the left channel over frames from firstFrame on, 0..1 of full scale.
double RmsOf(const Pcm& pcm, size_t firstFrame = 0, size_t frames = SIZE_MAX);

// Runs the generator into a fresh temporary folder; the folder is empty on failure.
std::filesystem::path GenerateInto(const std::string& folderName, const std::string& fontPath);

std::vector<uint8_t> FileBytes(const std::filesystem::path& file);

}  // namespace marlquin::assetgen::test
