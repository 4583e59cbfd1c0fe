// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundEffects.h"

#include <cmath>
#include <numbers>

#include "Random.h"

namespace marlquin::assetgen {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr double EffectPeak = 0.89;  // -1 dBFS: loud, yet the MP3 decoder's ripple stays in range
constexpr uint64_t BlastSeed = 0xB00;
constexpr uint64_t PopSeed = 0x909;

size_t SampleCount(double seconds) { return static_cast<size_t>(seconds * SampleRate); }

void Normalise(Samples& sound, double peak) { Scale(sound, peak / Peak(sound)); }

// A short fade at the end, so that no effect stops on a click.
void FadeOut(Samples& sound, double seconds) {
  const size_t n = std::min(sound.size(), SampleCount(seconds));
  for (size_t i = 0; i < n; ++i) sound[sound.size() - 1 - i] *= static_cast<double>(i) / n;
}

// A tone whose pitch glides exponentially from `from` to `to` Hz over `seconds`.
void AddChirp(Samples& sound, double at, double from, double to, double seconds, double level) {
  double phase = 0.0;
  const size_t start = SampleCount(at), length = SampleCount(seconds);
  for (size_t i = 0; i < length && start + i < sound.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    phase += from * std::pow(to / from, t / seconds) / SampleRate;
    const double window = std::sin(std::numbers::pi * t / seconds);
    sound[start + i] += level * window * window * std::sin(TwoPi * phase);
  }
}

}  // namespace

Samples LandingDing() {
  // Partials of a small glass bell: frequency ratio, level, decay time.
  struct Partial {
    double ratio, level, decay;
  };
  constexpr Partial Partials[] = {
      {1.0, 1.0, 0.32}, {2.0, 0.32, 0.2}, {2.76, 0.3, 0.14}, {4.07, 0.14, 0.09}, {5.4, 0.08, 0.06}};
  constexpr double Fundamental = 1318.5;  // E6
  Samples ding(SampleCount(0.7));
  for (const Partial& partial : Partials) {
    for (size_t i = 0; i < ding.size(); ++i) {
      const double t = static_cast<double>(i) / SampleRate;
      ding[i] += partial.level * StrikeEnvelope(t, 0.002, partial.decay) *
                 std::sin(TwoPi * Fundamental * partial.ratio * t);
    }
  }
  // A drop of water landing, just before the ring.
  AddChirp(ding, 0.0, 700.0, 1500.0, 0.03, 0.5);
  FadeOut(ding, 0.05);
  Normalise(ding, EffectPeak);
  return ding;
}

Samples BombBlast() {
  Random random(BlastSeed);
  Samples blast(SampleCount(1.8));
  // The thump: a low tone falling in pitch.
  double phase = 0.0;
  for (size_t i = 0; i < blast.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    phase += (36.0 + 110.0 * std::exp(-t / 0.09)) / SampleRate;
    blast[i] += 0.9 * StrikeEnvelope(t, 0.003, 0.42) * std::sin(TwoPi * phase);
  }
  // The roar: noise whose brightness closes quickly, as water muffles it.
  Biquad roarFilter = Biquad::LowPass(4000.0, 0.8);
  for (size_t i = 0; i < blast.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    if (i % 32 == 0) roarFilter.SetLowPass(250.0 + 4500.0 * std::exp(-t / 0.12), 0.9);
    blast[i] += 0.7 * StrikeEnvelope(t, 0.002, 0.3) * roarFilter.Run(random.Signed());
  }
  // Crackle in the first moments.
  Biquad crackleFilter = Biquad::BandPass(2500.0, 1.2);
  for (size_t i = 0; i < SampleCount(0.45); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    const double spark = random.Uniform() < 0.004 ? random.Signed() * 3.0 : 0.0;
    blast[i] += 0.25 * std::exp(-t / 0.15) * crackleFilter.Run(spark);
  }
  // The rush of bubbles that follows, lower and softer as it goes.
  for (int i = 0; i < 26; ++i) {
    const double at = random.Range(0.15, 1.35);
    const double from = random.Range(140.0, 420.0);
    AddChirp(blast, at, from, from * random.Range(1.8, 2.8), random.Range(0.04, 0.09),
             0.22 * std::exp(-(at - 0.15) / 0.7));
  }
  // A touch of saturation gives the blast weight.
  for (double& v : blast) v = std::tanh(1.6 * v);
  FadeOut(blast, 0.3);
  Normalise(blast, EffectPeak);
  return blast;
}

Samples SplashPop() {
  Random random(PopSeed);
  Samples pop(SampleCount(0.25));
  AddChirp(pop, 0.0, 450.0, 1700.0, 0.045, 1.0);
  // Spray: bright noise that dies at once.
  Biquad spray = Biquad::BandPass(4200.0, 0.9);
  for (size_t i = 0; i < pop.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    pop[i] += 0.45 * StrikeEnvelope(t - 0.01, 0.003, 0.035) * spray.Run(random.Signed());
  }
  // Two droplets falling back.
  AddChirp(pop, 0.075, 1200.0, 2400.0, 0.025, 0.35);
  AddChirp(pop, 0.13, 1500.0, 2900.0, 0.02, 0.22);
  FadeOut(pop, 0.03);
  Normalise(pop, EffectPeak);
  return pop;
}

}  // namespace marlquin::assetgen
