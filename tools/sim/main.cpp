// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// marlquin-sim: plays whole games with a simple bot to shake out broken rules and to
// measure how fast shots resolve. A developer tool; the game itself has no command line.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/SoundPlayer.h"
#include "core/Random.h"
#include "platform/Platform.h"
#include "tools/sim/SilentAudio.h"
#include "tools/sim/SimPlatform.h"
#include "tools/sim/Simulator.h"

namespace {

constexpr char Usage[] = "usage: marlquin-sim [--seed S] [--games N]\n";

bool ParseNumber(const char* text, uint64_t& value) {
  char* end = nullptr;
  value = std::strtoull(text, &end, 10);
  return end != text && *end == '\0' && text[0] != '-';
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seed = 1;
  uint64_t games = 100;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool known = option == "--seed" || option == "--games";
    if (!known || i + 1 == argc || !ParseNumber(argv[i + 1], option == "--seed" ? seed : games)) {
      std::fputs(Usage, stderr);
      return 2;
    }
    ++i;
  }

  marlquin::sim::SimPlatform platform;
  marlquin::sim::SilentAudio audio;
  marlquin::SetPlatform(&platform);
  marlquin::SetAudioBackend(&audio);
  marlquin::SeedRandom(seed);

  marlquin::sim::Simulator simulator;
  const auto start = std::chrono::steady_clock::now();
  for (uint64_t game = 0; game < games; ++game) {
    if (const std::string broken = simulator.PlayGame(); !broken.empty()) {
      std::fprintf(stderr, "invariant broken: seed %llu, game %lld, shot %lld: %s\n",
                   static_cast<unsigned long long>(seed),
                   static_cast<long long>(simulator.totals().games),
                   static_cast<long long>(simulator.totals().shots), broken.c_str());
      return 1;
    }
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double seconds = elapsed.count();
  const marlquin::sim::Totals& totals = simulator.totals();
  std::printf("seed %llu: games %lld, shots %lld, ticks %lld, %.0f shots/s (%.1f s)\n",
              static_cast<unsigned long long>(seed), static_cast<long long>(totals.games),
              static_cast<long long>(totals.shots), static_cast<long long>(totals.ticks),
              seconds > 0 ? static_cast<double>(totals.shots) / seconds : 0.0, seconds);
  return 0;
}
