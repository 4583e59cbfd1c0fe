// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <thread>

#include "audio/SdlAudioBackend.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

using SoundSwitches = GameTest;

// An effect restarts from its beginning at every play; music already playing is left
// alone and stopped music continues where it stopped.
TEST_F(SoundSwitches, EffectsAndMusicPlayOnlyWhileTheirSwitchIsOnAndStopWorksAlways) {
  OpenSound("ding.mp3", "Ding");
  PlayOnce("Ding");
  PlayLoop("bgm");
  EXPECT_EQ(SoundMode("Ding"), "stopped");
  SoundOn = MusicOn = 1;
  PlayOnce("Ding");
  PlayOnce("Ding");
  EXPECT_EQ(SoundMode("Ding"), "playing");
  PlayLoop("bgm");
  PlayLoop("bgm");
  SoundOn = MusicOn = 0;
  StopSound("Ding");
  StopSound("bgm");
  MusicOn = 1;
  PlayLoop("bgm");
  EXPECT_EQ(log, (EventLog{"open Ding", "play Ding", "play Ding", "loop bgm", "stop Ding",
                           "stop bgm", "resume bgm"}));
}

// A mono 16-bit WAV of the given length, for the real device.
std::string WriteWav(const std::string& path, int milliseconds) {
  const uint32_t rate = 22050;
  const uint32_t samples = rate * milliseconds / 1000;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + samples * 2);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
  out << "data";
  u32(samples * 2);
  for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i % 50) * 200));
  return path;
}

// Waits, at most ten seconds, until the sound under alias has ended.
bool EndsWithinTime(SdlAudioBackend& device, const std::string& alias) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (device.IsPlaying(alias) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return !device.IsPlaying(alias);
}

TEST_F(SoundSwitches, OnTheRealDeviceAFileThatCannotOpenIsReportedOnceAndIsSilence) {
  SdlAudioBackend device;
  ::testing::internal::CaptureStderr();
  for (const char* alias : {"bomb", "bomb", "bgm", "bgm"}) {
    EXPECT_FALSE(device.Open(alias, InFolder(alias + std::string(".missing"))));
  }
  const std::string report = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(report.find(InFolder("bomb.missing") + ": "), std::string::npos) << report;
  EXPECT_NE(report.find(InFolder("bgm.missing") + ": "), std::string::npos) << report;
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << "once each: " << report;
  device.PlayFromStart("bomb", false);
  device.PlayFromStart("bgm", true);
  EXPECT_FALSE(device.IsPlaying("bomb") || device.IsPlaying("bgm"));
  EXPECT_FALSE(device.Resume("bomb"));
}

// The dummy driver mixes every channel in the same steps, so a sound of known length
// started together with another is a clock that runs at the device's own pace.
TEST_F(SoundSwitches, OnTheRealDeviceMusicRepeatsAndEffectsRestart) {
  SdlAudioBackend device;
  ASSERT_TRUE(device.Open("bgm", WriteWav(InFolder("music.wav"), 200)));
  ASSERT_TRUE(device.Open("Ding", WriteWav(InFolder("ding.wav"), 1000)));
  ASSERT_TRUE(device.Open("clock", WriteWav(InFolder("clock.wav"), 600)));
  EXPECT_FALSE(device.Open("Ding", InFolder("clock.wav"))) << "an alias is opened once";

  device.PlayFromStart("bgm", true);
  device.PlayFromStart("Ding", false);
  device.PlayFromStart("clock", false);
  ASSERT_TRUE(EndsWithinTime(device, "clock"));
  EXPECT_TRUE(device.IsPlaying("bgm")) << "200 ms of music is still heard after 600 ms";

  device.PlayFromStart("Ding", false);  // at 600 ms of its 1000: from the beginning again
  device.PlayFromStart("clock", false);
  ASSERT_TRUE(EndsWithinTime(device, "clock"));
  EXPECT_TRUE(device.IsPlaying("Ding")) << "1200 ms after the first start, 600 after the restart";
  device.Stop("Ding");
  EXPECT_FALSE(device.IsPlaying("Ding"));
  EXPECT_TRUE(device.Resume("Ding"));
  EXPECT_TRUE(device.IsPlaying("bgm"));

  device.Stop("bgm");
  device.PlayFromStart("clock", false);
  ASSERT_TRUE(EndsWithinTime(device, "clock"));
  EXPECT_FALSE(device.IsPlaying("bgm"));
  EXPECT_TRUE(device.Resume("bgm")) << "stopped music continues";
  EXPECT_TRUE(device.IsPlaying("bgm"));
  EXPECT_TRUE(EndsWithinTime(device, "Ding")) << "a sound played once ends by itself";
}

}  // namespace
}  // namespace marlquin::test
