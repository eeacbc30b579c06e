// Small sound synthesis for the generated game data: a mono float buffer, a deterministic noise source,
// tones, sweeps, bursts, resonant filters, and the conversion to the engine's 16-bit PCM.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/engine.h"

namespace assetgen::synth {

constexpr int kRate = 22050;

using Buffer = std::vector<float>;

// A seeded generator, so the same recipe always gives the same bytes.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  // -1 .. 1
  float Next();
  // 0 .. 1
  float Unit() { return 0.5f * (Next() + 1.0f); }

 private:
  uint32_t state_;
};

enum class Wave { Sine, Square, Saw, Triangle };

size_t Samples(double seconds);
Buffer Silence(double seconds);
float Oscillator(Wave wave, double phase);  // phase in cycles

// A tone from start for duration seconds, with a linear attack and an exponential decay (decay = time to
// fall to about a third; 0 keeps it level) and a short release at its end.
void AddTone(Buffer& out, double start, double duration, double frequency, float amplitude, Wave wave, double attack,
             double decay);
// A tone whose pitch glides from f0 to f1 (exponentially) over its duration.
void AddSweep(Buffer& out, double start, double duration, double f0, double f1, float amplitude, Wave wave,
              double decay);
// White noise with an attack/decay envelope.
void AddNoise(Buffer& out, double start, double duration, float amplitude, double attack, double decay, Noise& noise);

// Two-pole filters (constant over the buffer, or over a range of it).
enum class FilterKind { LowPass, HighPass, BandPass };
void Filter(Buffer& data, FilterKind kind, double frequency, double q, size_t from = 0, size_t to = SIZE_MAX);
// A filter whose frequency moves linearly from f0 to f1 across the buffer.
void SweepFilter(Buffer& data, FilterKind kind, double f0, double f1, double q);

// Adds source into out at a start time; with wrap, what passes the end comes back at the start (loops).
void Mix(Buffer& out, const Buffer& source, double start, float gain, bool wrap = false);
// Multiplies by a slow sine: 1 - depth .. 1 at rate Hz.
void Tremolo(Buffer& data, double rate, float depth, double phase = 0.0);
// Linear fades in and out over the given times.
void Fade(Buffer& data, double fadeIn, double fadeOut);
// Crossfades the tail into the head so the buffer loops without a click; the buffer gets shorter by overlap.
void MakeLoop(Buffer& data, double overlap);
// Soft clipping, for shots and radio crackle.
void Saturate(Buffer& data, float drive);

// Scales to the given peak and converts to 16-bit mono PCM at kRate.
engine::PcmData ToPcm(const Buffer& data, float peak = 0.85f);

}  // namespace assetgen::synth
