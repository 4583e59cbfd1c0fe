// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "AssetFiles.h"

namespace marlquin::assetgen::test {
namespace {

const char Music[] = "sound/gp.mp3";
const char* const Effects[] = {"sound/wb.mp3", "sound/BOMB.wav", "sound/poppao.wav"};

TEST(Sounds, EverySoundDecodesForTheGameWithItsLength) {
  const struct {
    const char* name;
    double shortest, longest;  // seconds
  } lengths[] = {{Music, 60.0, 180.0},
                 {"sound/wb.mp3", 0.2, 1.5},
                 {"sound/BOMB.wav", 0.8, 3.0},
                 {"sound/poppao.wav", 0.05, 0.5}};
  for (const auto& expected : lengths) {
    const Pcm pcm = DecodeForGame(expected.name);
    ASSERT_GT(pcm.Frames(), 0u) << expected.name << " does not decode";
    EXPECT_GE(pcm.Seconds(), expected.shortest) << expected.name;
    EXPECT_LE(pcm.Seconds(), expected.longest) << expected.name;
  }
}

// A sound that starts with silence lags behind what it belongs to; encoder padding that
// the decoder does not drop would add such silence to the MP3.
TEST(Sounds, EffectsAreUnclippedSitAboveTheMusicAndStartAtOnce) {
  const Pcm music = DecodeForGame(Music);
  EXPECT_LT(PeakOf(music), 0.71) << "the music should leave the effects headroom";
  for (const char* effect : Effects) {
    const Pcm pcm = DecodeForGame(effect);
    EXPECT_LT(PeakOf(pcm), 32767.0 / 32768.0) << effect << " is clipped";
    EXPECT_GT(PeakOf(pcm), 0.5) << effect << " is too quiet";
    EXPECT_GT(RmsOf(pcm), 1.5 * RmsOf(music)) << effect;
    EXPECT_GT(RmsOf(pcm, 0, 44100 / 200), 0.1 * RmsOf(pcm)) << effect << " starts late";
  }
}

// When the game repeats the music, its last sample is followed by its first: that step
// must be no larger than the steps within the music, and neither end may fall silent
// (encoder padding would leave silence, heard as a gap).
TEST(Sounds, MusicRunsStraightFromItsEndIntoItsStart) {
  const Pcm music = DecodeForGame(Music);
  ASSERT_GT(music.Frames(), 44100u);
  const size_t last = music.Frames() - 1;
  for (int channel = 0; channel < 2; ++channel) {
    std::vector<int> steps;
    for (size_t f = 1; f < music.Frames(); ++f) {
      steps.push_back(
          std::abs(music.samples[f * 2 + channel] - music.samples[(f - 1) * 2 + channel]));
    }
    std::sort(steps.begin(), steps.end());
    const int seam = std::abs(music.samples[channel] - music.samples[last * 2 + channel]);
    EXPECT_LE(seam, steps[steps.size() * 999 / 1000]) << "channel " << channel;
  }
  const size_t edge = 44100 / 40;  // 25 ms
  EXPECT_GT(RmsOf(music, 0, edge), 0.25 * RmsOf(music)) << "silence at the start";
  EXPECT_GT(RmsOf(music, music.Frames() - edge, edge), 0.25 * RmsOf(music)) << "at the end";
}

}  // namespace
}  // namespace marlquin::assetgen::test
