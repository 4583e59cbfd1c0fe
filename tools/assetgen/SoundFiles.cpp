// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFiles.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace marlquin::assetgen {
namespace {

constexpr int BitsPerSample = 16;
constexpr int LameQuality = 2;  // near-best; the whole set still encodes in seconds
constexpr size_t EncodeBlock = 8192;

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(Bytes& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutTag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

int16_t ToPcm(double sample) {
  return static_cast<int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
}

void WriteFile(const std::filesystem::path& file, const Bytes& bytes) {
  std::ofstream stream(file, std::ios::binary);
  stream.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw std::runtime_error("cannot write " + file.string());
}

struct LameDeleter {
  void operator()(lame_global_flags* lame) const { lame_close(lame); }
};

std::unique_ptr<lame_global_flags, LameDeleter> StartEncoder(int channels, int kilobitsPerSecond) {
  std::unique_ptr<lame_global_flags, LameDeleter> lame(lame_init());
  if (!lame) throw std::runtime_error("lame_init failed");
  lame_set_in_samplerate(lame.get(), SampleRate);
  lame_set_out_samplerate(lame.get(), SampleRate);
  lame_set_num_channels(lame.get(), channels);
  lame_set_mode(lame.get(), channels == 1 ? MONO : JOINT_STEREO);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_brate(lame.get(), kilobitsPerSecond);
  lame_set_quality(lame.get(), LameQuality);
  lame_set_bWriteVbrTag(lame.get(), 1);
  lame_set_write_id3tag_automatic(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame_init_params failed");
  return lame;
}

// Encodes the channels (one or two of equal length) into a complete MP3 stream.
Bytes EncodeMp3(const std::vector<const Samples*>& channels, int kilobitsPerSecond) {
  const auto lame = StartEncoder(static_cast<int>(channels.size()), kilobitsPerSecond);
  const size_t total = channels.front()->size();
  Bytes out;
  Bytes chunk(EncodeBlock * 5 / 4 + 7200);
  std::vector<float> left(EncodeBlock), right(EncodeBlock);
  for (size_t at = 0; at < total; at += EncodeBlock) {
    const size_t n = std::min(EncodeBlock, total - at);
    for (size_t i = 0; i < n; ++i) {
      left[i] = static_cast<float>((*channels.front())[at + i]);
      right[i] = static_cast<float>((*channels.back())[at + i]);
    }
    const int written =
        lame_encode_buffer_ieee_float(lame.get(), left.data(), right.data(), static_cast<int>(n),
                                      chunk.data(), static_cast<int>(chunk.size()));
    if (written < 0) throw std::runtime_error("lame encoding failed");
    out.insert(out.end(), chunk.begin(), chunk.begin() + written);
  }
  const int flushed = lame_encode_flush(lame.get(), chunk.data(), static_cast<int>(chunk.size()));
  if (flushed < 0) throw std::runtime_error("lame flush failed");
  out.insert(out.end(), chunk.begin(), chunk.begin() + flushed);
  // The first frame was a placeholder; the LAME tag frame with the real delay, padding
  // and length replaces it.
  const size_t tagSize = lame_get_lametag_frame(lame.get(), chunk.data(), chunk.size());
  if (tagSize == 0 || tagSize > out.size()) throw std::runtime_error("no LAME tag frame");
  std::copy(chunk.begin(), chunk.begin() + tagSize, out.begin());
  return out;
}

}  // namespace

void SaveWav(const std::filesystem::path& file, const Samples& mono) {
  const auto dataBytes = static_cast<uint32_t>(mono.size() * 2);
  Bytes out;
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, SampleRate);
  Put32(out, SampleRate * 2);
  Put16(out, 2);
  Put16(out, BitsPerSample);
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (const double sample : mono) Put16(out, static_cast<uint16_t>(ToPcm(sample)));
  WriteFile(file, out);
}

void SaveMp3(const std::filesystem::path& file, const Samples& mono, int kilobitsPerSecond) {
  WriteFile(file, EncodeMp3({&mono}, kilobitsPerSecond));
}

void SaveMp3(const std::filesystem::path& file, const StereoSamples& stereo,
             int kilobitsPerSecond) {
  WriteFile(file, EncodeMp3({&stereo.left, &stereo.right}, kilobitsPerSecond));
}

}  // namespace marlquin::assetgen
