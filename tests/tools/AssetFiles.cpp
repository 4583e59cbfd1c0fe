// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetFiles.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

namespace marlquin::assetgen::test {
namespace {

constexpr int GameSampleRate = 44100;
constexpr int GameChannels = 2;

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

Pcm DecodeForGame(const std::string& name) {
  static std::map<std::string, Pcm> decoded;
  if (const auto found = decoded.find(name); found != decoded.end()) return found->second;
  Pcm pcm;
  if (OpenMixer()) {
    if (Mix_Chunk* chunk = Mix_LoadWAV((ResFolder() / name).c_str())) {
      const auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
      pcm.samples.assign(samples, samples + chunk->alen / sizeof(int16_t));
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

double RmsOf(const Pcm& pcm, size_t firstFrame, size_t frames) {
  frames = std::min(frames, pcm.Frames() - firstFrame);
  double sum = 0.0;
  for (size_t f = firstFrame; f < firstFrame + frames; ++f) sum += std::pow(pcm.samples[2 * f], 2);
  return frames == 0 ? 0.0 : std::sqrt(sum / frames) / 32768.0;
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
