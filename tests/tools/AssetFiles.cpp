// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetFiles.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

namespace marlquin::assetgen::test {
namespace {

constexpr int GameSampleRate = 44100;
constexpr int GameChannels = 2;

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint16_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8;
}

// SDL_mixer opened once for the whole test run, on the dummy driver.
bool OpenMixer() {
  static const bool open = [] {
    if (SDL_Init(SDL_INIT_AUDIO) != 0) return false;
    Mix_Init(MIX_INIT_MP3);
    return Mix_OpenAudio(GameSampleRate, AUDIO_S16SYS, GameChannels, 1024) == 0;
  }();
  return open;
}

}  // namespace

std::filesystem::path ResFolder() { return MARLQUIN_ASSETGEN_RES_DIR; }

QImage Picture(const std::string& name) {
  const QImage image(QString::fromStdString((ResFolder() / name).string()));
  return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

Pcm ReadWav(const std::filesystem::path& file) {
  const std::vector<uint8_t> bytes = FileBytes(file);
  Pcm pcm;
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return pcm;
  }
  bool pcmFormat = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const uint32_t size = Read32(bytes, at + 4);
    const size_t body = at + 8;
    if (body + size > bytes.size()) break;
    if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && size >= 16) {
      pcmFormat = Read16(bytes, body) == 1;
      pcm.channels = Read16(bytes, body + 2);
      pcm.sampleRate = static_cast<int>(Read32(bytes, body + 4));
      pcm.bitsPerSample = Read16(bytes, body + 14);
    } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
      for (size_t i = body; i + 1 < body + size; i += 2) {
        pcm.samples.push_back(static_cast<int16_t>(Read16(bytes, i)));
      }
    }
    at = body + size + (size & 1);
  }
  if (!pcmFormat || pcm.bitsPerSample != 16) pcm.channels = 0;
  return pcm;
}

Pcm DecodeForGame(const std::string& name) {
  static std::map<std::string, Pcm> decoded;
  if (const auto found = decoded.find(name); found != decoded.end()) return found->second;
  Pcm pcm;
  if (OpenMixer()) {
    if (Mix_Chunk* chunk = Mix_LoadWAV((ResFolder() / name).c_str())) {
      const auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
      pcm = {GameChannels, GameSampleRate, 16, {samples, samples + chunk->alen / sizeof(int16_t)}};
      Mix_FreeChunk(chunk);
    }
  }
  return decoded[name] = pcm;
}

double PeakOf(const Pcm& pcm) {
  int peak = 0;
  for (const int16_t s : pcm.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak / 32768.0;
}

double RmsOf(const Pcm& pcm) {
  double sum = 0.0;
  for (const int16_t s : pcm.samples) sum += static_cast<double>(s) * s;
  return pcm.samples.empty() ? 0.0 : std::sqrt(sum / pcm.samples.size()) / 32768.0;
}

std::filesystem::path GenerateInto(const std::string& folderName, const std::string& fontPath) {
  // A name of this process's own: other test runs may share the machine.
  const auto folder = std::filesystem::temp_directory_path() /
                      ("marlquin-assetgen-" + folderName + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  const std::string command = std::string("\"") + MARLQUIN_ASSETGEN_PROGRAM + "\" --out \"" +
                              folder.string() + "\" --font \"" + fontPath + "\" 2>/dev/null";
  if (std::system(command.c_str()) != 0) std::filesystem::remove_all(folder);
  return folder;
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

}  // namespace marlquin::assetgen::test
