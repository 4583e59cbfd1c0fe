// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Music.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "Random.h"

namespace marlquin::assetgen {
namespace {

constexpr int BeatsPerBar = 4;
constexpr int BarsPerChord = 2;
constexpr int PhraseBars = 8;
constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr double SecondsPerBeat = static_cast<double>(SamplesPerBeat) / SampleRate;
constexpr uint64_t BubbleSeed = 0xB0BB1E;

// Levels of the parts before the whole is brought to its loudness.
constexpr double PadLevel = 0.05;
constexpr double BassLevel = 0.14;
constexpr double ArpLevel = 0.13;
constexpr double BellLevel = 0.17;
constexpr double BubbleLevel = 0.05;
constexpr double WashLevel = 0.05;
constexpr double ReverbMix = 0.45;
// Quiet enough for an hour of play, and well under the sound effects.
constexpr double TargetRms = 0.07;
constexpr double PeakCeiling = 0.6;

struct Chord {
  int bass;
  std::array<int, 4> pad;
  std::array<int, 5> arpeggio;
};

// D major, I - vi - IV - V, voiced so that neighbouring chords share most of their notes.
const Chord Progression[] = {
    {38, {57, 61, 64, 66}, {62, 66, 69, 73, 76}},  // Dmaj9
    {35, {57, 61, 62, 66}, {59, 62, 66, 69, 73}},  // Bm9
    {31, {57, 59, 62, 66}, {59, 62, 66, 67, 71}},  // Gmaj9
    {33, {57, 59, 62, 64}, {57, 61, 64, 69, 71}},  // A with the 9th, suspended in the pad
};

struct Note {
  int bar;      // within the phrase
  double beat;  // within the bar
  int pitch;    // MIDI
  double beats;
};

// The melody enters with the second phrase and varies in the third.
const Note FirstTune[] = {
    {0, 0.0, 81, 2.0}, {0, 2.0, 78, 1.0}, {0, 3.0, 76, 1.0}, {1, 0.0, 78, 3.0}, {2, 0.0, 74, 2.0},
    {2, 2.0, 76, 1.0}, {2, 3.0, 78, 1.0}, {3, 0.0, 73, 4.0}, {4, 0.0, 71, 2.0}, {4, 2.0, 74, 2.0},
    {5, 0.0, 78, 3.0}, {5, 3.0, 76, 1.0}, {6, 0.0, 76, 2.0}, {6, 2.0, 73, 2.0}, {7, 0.0, 76, 4.0},
};
const Note SecondTune[] = {
    {0, 0.0, 78, 1.5}, {0, 1.5, 81, 2.5}, {1, 0.0, 83, 2.0}, {1, 2.0, 81, 2.0}, {2, 0.0, 78, 3.0},
    {2, 3.0, 76, 1.0}, {3, 0.0, 74, 4.0}, {4, 0.0, 74, 1.0}, {4, 1.0, 76, 1.0}, {4, 2.0, 78, 2.0},
    {5, 0.0, 83, 4.0}, {6, 0.0, 81, 3.0}, {7, 0.0, 76, 2.0},
};

// Which chord tone each eighth of a bar plays, for even and odd bars.
constexpr int ArpeggioSteps[2][8] = {{0, 1, 2, 3, 4, 3, 2, 1}, {0, 2, 1, 3, 2, 4, 3, 1}};

size_t BeatStart(int bar, double beat) {
  return static_cast<size_t>(std::lround((bar * BeatsPerBar + beat) * SamplesPerBeat));
}

const Chord& ChordAt(int bar) { return Progression[(bar / BarsPerChord) % std::size(Progression)]; }

struct Pan {
  double left, right;
};

// pan -1 (left) .. 1 (right), at constant power.
Pan PanAt(double pan) {
  const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
  return {std::cos(angle), std::sin(angle)};
}

void AddPanned(StereoSamples& mix, size_t index, double value, const Pan& pan) {
  AddWrapped(mix.left, index, value * pan.left);
  AddWrapped(mix.right, index, value * pan.right);
}

// Soft, slowly swelling chords of three slightly detuned voices per note; each side hears
// the detuned voices in its own balance, which widens the pad.
StereoSamples PadVoices() {
  static const Wavetable warm({1.0, 0.45, 0.3, 0.18, 0.12, 0.08, 0.05, 0.03});
  constexpr double Detune[] = {-0.09, 0.0, 0.08};
  constexpr double Attack = 1.6, Fade = 1.1, TailFades = 4.5;
  struct Voice {
    double step, phase, left, right;
  };
  StereoSamples pad{Samples(MusicSamples), Samples(MusicSamples)};
  const double chordSeconds = BarsPerChord * BeatsPerBar * SecondsPerBeat;
  const auto length = static_cast<size_t>((chordSeconds + TailFades * Fade) * SampleRate);
  for (int bar = 0; bar < MusicBars; bar += BarsPerChord) {
    std::vector<Voice> voices;
    for (const int pitch : ChordAt(bar).pad) {
      for (const double detune : Detune) {
        const double left = detune < 0.0 ? 1.2 : (detune == 0.0 ? 1.0 : 0.6);
        const double right = detune > 0.0 ? 1.2 : (detune == 0.0 ? 1.0 : 0.6);
        voices.push_back({MidiToHertz(pitch + detune) / SampleRate, (pitch * 0.137 + detune) * 3.0,
                          left, right});
      }
    }
    const size_t start = BeatStart(bar, 0.0);
    for (size_t i = 0; i < length; ++i) {
      const double level =
          SwellEnvelope(static_cast<double>(i) / SampleRate, Attack, chordSeconds, Fade) *
          EndTaper(i, length);
      double left = 0.0, right = 0.0;
      for (const Voice& voice : voices) {
        const double v = warm.At(voice.phase + voice.step * i);
        left += voice.left * v;
        right += voice.right * v;
      }
      AddWrapped(pad.left, start + i, level * left);
      AddWrapped(pad.right, start + i, level * right);
    }
  }
  return pad;
}

// A filter run over a loop as if the loop had already been playing: its state is warmed
// up on the loop's last seconds before the real pass.
template <typename Filter>
void FilterLooped(Samples& samples, Filter&& filterAt) {
  const size_t warmUp = 2 * SampleRate;
  const size_t n = samples.size();
  for (size_t i = n - warmUp; i < n; ++i) filterAt(i, samples[i]);
  for (size_t i = 0; i < n; ++i) samples[i] = filterAt(i, samples[i]);
}

void AddPad(StereoSamples& mix) {
  StereoSamples voices = PadVoices();
  for (const int side : {-1, 1}) {
    Samples& pad = side < 0 ? voices.left : voices.right;
    Biquad filter = Biquad::LowPass(1200.0, 0.7);
    constexpr size_t Retune = 64;
    const double sweepCycles = MusicBars / 4.0;  // one slow sweep every four bars
    FilterLooped(pad, [&](size_t i, double x) {
      if (i % Retune == 0) {
        const double phase = TwoPi * sweepCycles * static_cast<double>(i) / MusicSamples;
        filter.SetLowPass(1150.0 + 550.0 * std::sin(phase + side), 0.8);
      }
      return filter.Run(x);
    });
    Samples& out = side < 0 ? mix.left : mix.right;
    for (size_t i = 0; i < MusicSamples; ++i) out[i] += PadLevel * pad[i];
  }
}

void AddBass(StereoSamples& mix) {
  static const Wavetable round({1.0, 0.3, 0.08});
  const double chordSeconds = BarsPerChord * BeatsPerBar * SecondsPerBeat;
  const auto length = static_cast<size_t>((chordSeconds + 1.5) * SampleRate);
  for (int bar = 0; bar < MusicBars; bar += BarsPerChord) {
    const size_t start = BeatStart(bar, 0.0);
    const double step = MidiToHertz(ChordAt(bar).bass + 12) / SampleRate;
    for (size_t i = 0; i < length; ++i) {
      const double t = static_cast<double>(i) / SampleRate;
      const double level = SwellEnvelope(t, 0.25, chordSeconds - 0.3, 0.3) * EndTaper(i, length);
      AddPanned(mix, start + i, BassLevel * level * round.At(step * i), PanAt(0.0));
    }
  }
}

// A soft mallet: phase modulation whose brightness dies away faster than the tone.
void AddMallet(StereoSamples& mix, size_t start, int pitch, double level, double pan,
               double seconds) {
  constexpr double Attack = 0.004, Decay = 0.35, Brightness = 1.2, BrightnessDecay = 0.12;
  const Wavetable& sine = SineTable();
  const double step = MidiToHertz(pitch) / SampleRate;
  const auto length = static_cast<size_t>(seconds * SampleRate);
  const auto attack = static_cast<size_t>(Attack * SampleRate);
  // Exponential decays kept as running products: one multiplication a sample.
  const double fall = std::exp(-1.0 / (Decay * SampleRate));
  const double dim = std::exp(-1.0 / (BrightnessDecay * SampleRate));
  double amplitude = 1.0, index = Brightness;
  const Pan gains = PanAt(pan);
  for (size_t i = 0; i < length; ++i) {
    const double tone = sine.At(step * i + index * sine.At(step * i) / TwoPi);
    const double envelope =
        (i < attack ? static_cast<double>(i) / attack : (amplitude *= fall)) * EndTaper(i, length);
    AddPanned(mix, start + i, level * envelope * tone, gains);
    index *= dim;
  }
}

// A bell: an inharmonic modulator gives the metallic shimmer.
void AddBell(StereoSamples& mix, size_t start, int pitch, double level, double pan,
             double seconds) {
  const Wavetable& sine = SineTable();
  const double step = MidiToHertz(pitch) / SampleRate;
  const auto length = static_cast<size_t>(seconds * SampleRate);
  const Pan gains = PanAt(pan);
  for (size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    const double index = 1.5 * std::exp(-t / 0.5);
    const double tone = sine.At(step * i + index * sine.At(3.5 * step * i) / TwoPi);
    AddPanned(mix, start + i, level * StrikeEnvelope(t, 0.006, 1.1) * EndTaper(i, length) * tone,
              gains);
  }
}

void AddArpeggio(StereoSamples& mix) {
  for (int bar = 0; bar < MusicBars; ++bar) {
    const Chord& chord = ChordAt(bar);
    for (int eighth = 0; eighth < 2 * BeatsPerBar; ++eighth) {
      const int pitch = chord.arpeggio[ArpeggioSteps[bar % 2][eighth]];
      const double accent = eighth % 2 == 0 ? 1.0 : 0.7;
      // The notes wander gently across the stereo field.
      const double pan = 0.45 * std::sin(TwoPi * (bar * 8 + eighth) / 24.0);
      AddMallet(mix, BeatStart(bar, eighth * 0.5), pitch, ArpLevel * accent, pan, 1.4);
    }
  }
}

void AddTune(StereoSamples& mix, int firstBar, const Note* notes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const Note& note = notes[i];
    const size_t start = BeatStart(firstBar + note.bar, note.beat);
    AddBell(mix, start, note.pitch, BellLevel, 0.15, note.beats * SecondsPerBeat + 3.0);
  }
}

// Dotted-eighth echoes, a few repeats each softer, wrapping round the loop.
StereoSamples Echoes(const StereoSamples& dry) {
  constexpr int Repeats = 4;
  constexpr double Feedback = 0.42;
  const size_t delay = SamplesPerBeat * 3 / 4;
  StereoSamples wet{Samples(MusicSamples), Samples(MusicSamples)};
  for (int k = 1; k <= Repeats; ++k) {
    const double gain = std::pow(Feedback, k);
    // Alternate sides, so the echo answers from across the room.
    const Samples& from = k % 2 ? dry.right : dry.left;
    Samples& to = k % 2 ? wet.left : wet.right;
    for (size_t i = 0; i < MusicSamples; ++i) to[(i + k * delay) % MusicSamples] += gain * from[i];
  }
  return wet;
}

// Distant bubbles: short rising chirps here and there.
void AddBubbles(StereoSamples& mix) {
  Random random(BubbleSeed);
  const Wavetable& sine = SineTable();
  double at = 1.0;
  const double loopSeconds = static_cast<double>(MusicSamples) / SampleRate;
  while (at < loopSeconds - 1.0) {
    const int burst = 1 + static_cast<int>(random.Uniform() * 3.0);
    const Pan pan = PanAt(random.Signed() * 0.8);
    for (int b = 0; b < burst; ++b) {
      const double from = random.Range(300.0, 700.0), to = from * random.Range(1.8, 2.6);
      const double seconds = random.Range(0.04, 0.08);
      const auto start = static_cast<size_t>((at + b * random.Range(0.06, 0.14)) * SampleRate);
      double phase = 0.0;
      for (size_t i = 0; i < static_cast<size_t>(seconds * SampleRate); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        phase += from * std::pow(to / from, t / seconds) / SampleRate;
        const double level = std::sin(std::numbers::pi * t / seconds);
        AddPanned(mix, start + i, BubbleLevel * level * level * sine.At(phase), pan);
      }
    }
    at += random.Range(1.5, 4.5);
  }
}

// Low surf that swells and ebbs every eight bars; it is silent at the loop's seam.
void AddWash(StereoSamples& mix) {
  Random random(BubbleSeed + 1);
  for (const int side : {-1, 1}) {
    Biquad filter = Biquad::LowPass(380.0, 0.6);
    Samples& out = side < 0 ? mix.left : mix.right;
    for (size_t i = 0; i < MusicSamples; ++i) {
      const double swell = std::sin(std::numbers::pi * static_cast<double>(i % (MusicSamples / 3)) /
                                    (MusicSamples / 3));
      out[i] += WashLevel * swell * swell * filter.Run(random.Signed());
    }
  }
}

// The reverb's tail from the loop's end belongs at its start: the loop runs through it
// twice and the second pass is kept.
StereoSamples LoopedReverb(const StereoSamples& dry) {
  Reverb reverb(0.86, 0.35);
  reverb.Process(dry);
  return reverb.Process(dry);
}

void Master(StereoSamples& mix) {
  const double rms =
      std::sqrt((Rms(mix.left) * Rms(mix.left) + Rms(mix.right) * Rms(mix.right)) / 2.0);
  double gain = TargetRms / rms;
  const double peak = std::max(Peak(mix.left), Peak(mix.right)) * gain;
  if (peak > PeakCeiling) gain *= PeakCeiling / peak;
  Scale(mix.left, gain);
  Scale(mix.right, gain);
}

}  // namespace

StereoSamples BackgroundMusic() {
  StereoSamples voices{Samples(MusicSamples), Samples(MusicSamples)};
  AddArpeggio(voices);
  AddTune(voices, PhraseBars, FirstTune, std::size(FirstTune));
  AddTune(voices, 2 * PhraseBars, SecondTune, std::size(SecondTune));
  const StereoSamples echoes = Echoes(voices);

  StereoSamples mix{Samples(MusicSamples), Samples(MusicSamples)};
  AddPad(mix);
  AddBass(mix);
  for (size_t i = 0; i < MusicSamples; ++i) {
    mix.left[i] += voices.left[i] + echoes.left[i];
    mix.right[i] += voices.right[i] + echoes.right[i];
  }
  AddBubbles(mix);
  const StereoSamples wet = LoopedReverb(mix);
  for (size_t i = 0; i < MusicSamples; ++i) {
    mix.left[i] += ReverbMix * wet.left[i];
    mix.right[i] += ReverbMix * wet.right[i];
  }
  AddWash(mix);
  Master(mix);
  return mix;
}

}  // namespace marlquin::assetgen
