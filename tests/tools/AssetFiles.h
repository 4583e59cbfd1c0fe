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

struct Pcm {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<int16_t> samples;  // interleaved

  size_t Frames() const { return channels ? samples.size() / channels : 0; }
  double Seconds() const { return sampleRate ? static_cast<double>(Frames()) / sampleRate : 0.0; }
};

// A 16-bit PCM WAV file read by hand; channels 0 when the file is not one.
Pcm ReadWav(const std::filesystem::path& file);

// The sound decoded by SDL_mixer, as the game hears it: 44.1 kHz 16-bit stereo.
Pcm DecodeForGame(const std::string& name);

double PeakOf(const Pcm& pcm);  // 0..1 of full scale
double RmsOf(const Pcm& pcm);

// Runs the generator into a fresh temporary folder; the folder is empty on failure.
std::filesystem::path GenerateInto(const std::string& folderName, const std::string& fontPath);

std::vector<uint8_t> FileBytes(const std::filesystem::path& file);

}  // namespace marlquin::assetgen::test
