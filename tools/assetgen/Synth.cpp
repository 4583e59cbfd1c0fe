// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace marlquin::assetgen {
namespace {

constexpr size_t TableSize = 4096;
constexpr double TwoPi = 2.0 * std::numbers::pi;

// Delay lengths in samples at 44.1 kHz, mutually prime so that echoes do not pile up.
constexpr size_t CombLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr size_t AllPassLengths[] = {556, 441, 341, 225};
constexpr size_t StereoSpread = 23;
constexpr double AllPassFeedback = 0.5;

}  // namespace

double MidiToHertz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

Wavetable::Wavetable(const std::vector<double>& harmonics) : table_(TableSize + 1) {
  for (size_t i = 0; i <= TableSize; ++i) {
    const double phase = TwoPi * static_cast<double>(i) / TableSize;
    double sum = 0.0;
    for (size_t h = 0; h < harmonics.size(); ++h) sum += harmonics[h] * std::sin(phase * (h + 1));
    table_[i] = sum;
  }
  const double peak = *std::max_element(
      table_.begin(), table_.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
  for (double& v : table_) v /= std::abs(peak);
}

double Wavetable::At(double phase) const {
  const double position = (phase - std::floor(phase)) * TableSize;
  const auto index = static_cast<size_t>(position);
  const double t = position - index;
  return table_[index] + (table_[index + 1] - table_[index]) * t;
}

const Wavetable& SineTable() {
  static const Wavetable sine({1.0});
  return sine;
}

double SwellEnvelope(double t, double attack, double release, double fade) {
  if (t < 0.0) return 0.0;
  const double rise = t < attack ? std::sin(0.5 * std::numbers::pi * t / attack) : 1.0;
  return t < release ? rise : rise * std::exp(-(t - release) / fade);
}

double StrikeEnvelope(double t, double attack, double decay) {
  if (t < 0.0) return 0.0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

double EndTaper(size_t index, size_t length) {
  constexpr size_t Taper = SampleRate / 20;
  const size_t left = length - index;
  return left >= Taper ? 1.0 : static_cast<double>(left) / Taper;
}

Biquad Biquad::LowPass(double hertz, double q) {
  Biquad filter;
  filter.SetLowPass(hertz, q);
  return filter;
}

void Biquad::SetLowPass(double hertz, double q) {
  const double w = TwoPi * hertz / SampleRate, alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::BandPass(double hertz, double q) {
  Biquad filter;
  const double w = TwoPi * hertz / SampleRate, alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  filter.Set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
  return filter;
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
  b0_ = b0 / a0;
  b1_ = b1 / a0;
  b2_ = b2 / a0;
  a1_ = a1 / a0;
  a2_ = a2 / a0;
}

double Biquad::Run(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

Reverb::Reverb(double roomSize, double damping) : feedback_(roomSize), damping_(damping) {
  for (const size_t length : CombLengths) {
    leftCombs_.push_back({std::vector<double>(length), 0, 0});
    rightCombs_.push_back({std::vector<double>(length + StereoSpread), 0, 0});
  }
  for (const size_t length : AllPassLengths) {
    leftPasses_.push_back({std::vector<double>(length), 0});
    rightPasses_.push_back({std::vector<double>(length + StereoSpread), 0});
  }
}

double Reverb::RunSide(double x, std::vector<Comb>& combs, std::vector<AllPass>& passes) {
  double out = 0.0;
  for (Comb& comb : combs) {
    const double delayed = comb.line[comb.at];
    comb.low = delayed * (1.0 - damping_) + comb.low * damping_;
    comb.line[comb.at] = x + comb.low * feedback_;
    comb.at = (comb.at + 1) % comb.line.size();
    out += delayed;
  }
  for (AllPass& pass : passes) {
    const double delayed = pass.line[pass.at];
    pass.line[pass.at] = out + delayed * AllPassFeedback;
    pass.at = (pass.at + 1) % pass.line.size();
    out = delayed - out;
  }
  return out;
}

StereoSamples Reverb::Process(const StereoSamples& input) {
  constexpr double InputGain = 0.015;
  StereoSamples wet{Samples(input.left.size()), Samples(input.right.size())};
  for (size_t i = 0; i < input.left.size(); ++i) {
    const double mono = (input.left[i] + input.right[i]) * InputGain;
    wet.left[i] = RunSide(mono, leftCombs_, leftPasses_);
    wet.right[i] = RunSide(mono, rightCombs_, rightPasses_);
  }
  return wet;
}

double Peak(const Samples& samples) {
  double peak = 0.0;
  for (const double v : samples) peak = std::max(peak, std::abs(v));
  return peak;
}

double Rms(const Samples& samples) {
  double sum = 0.0;
  for (const double v : samples) sum += v * v;
  return samples.empty() ? 0.0 : std::sqrt(sum / samples.size());
}

void Scale(Samples& samples, double factor) {
  for (double& v : samples) v *= factor;
}

}  // namespace marlquin::assetgen
