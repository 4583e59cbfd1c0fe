// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The small synthesiser behind the game's sounds: a wavetable, envelopes, filters, a
// stereo reverb, and buffers that can wrap around so that a loop joins without a seam.
#pragma once

#include <cstddef>
#include <vector>

namespace marlquin::assetgen {

constexpr int SampleRate = 44100;

using Samples = std::vector<double>;

struct StereoSamples {
  Samples left, right;
};

double MidiToHertz(double note);

// One cycle of a waveform made of the given harmonic amplitudes (1st, 2nd, ...).
class Wavetable {
 public:
  explicit Wavetable(const std::vector<double>& harmonics);
  // phase in cycles; any real number.
  double At(double phase) const;

 private:
  std::vector<double> table_;
};

const Wavetable& SineTable();

// Attack, hold at 1 until `release` seconds, then an exponential fall with time constant
// `fade`; 0 before the start.
double SwellEnvelope(double t, double attack, double release, double fade);
// A quick linear attack, then an exponential decay with the given time constant.
double StrikeEnvelope(double t, double attack, double decay);

// 1, falling to 0 over the last 50 ms of a note of `length` samples, so that a note cut
// off in its faint tail does not click.
double EndTaper(size_t index, size_t length);

// Resonant two-pole filters (the usual audio cookbook forms).
class Biquad {
 public:
  static Biquad LowPass(double hertz, double q);
  static Biquad BandPass(double hertz, double q);
  double Run(double x);
  // Retunes a low-pass filter without clearing its state, for swept filters.
  void SetLowPass(double hertz, double q);

 private:
  void Set(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A Schroeder-Moorer reverb of eight combs and four all-passes per side.
class Reverb {
 public:
  Reverb(double roomSize, double damping);
  // Wet signal only.
  StereoSamples Process(const StereoSamples& input);

 private:
  struct Comb {
    std::vector<double> line;
    size_t at = 0;
    double low = 0;
  };
  struct AllPass {
    std::vector<double> line;
    size_t at = 0;
  };
  double RunSide(double x, std::vector<Comb>& combs, std::vector<AllPass>& passes);
  double feedback_, damping_;
  std::vector<Comb> leftCombs_, rightCombs_;
  std::vector<AllPass> leftPasses_, rightPasses_;
};

// Adds value at index, wrapping round the end: notes that ring past the end of a loop
// sound on at its start.
inline void AddWrapped(Samples& buffer, size_t index, double value) {
  buffer[index % buffer.size()] += value;
}

double Peak(const Samples& samples);
double Rms(const Samples& samples);
void Scale(Samples& samples, double factor);

}  // namespace marlquin::assetgen
