#include "tools/assetgen/synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen::synth {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Envelope of AddTone and friends at time t into a sound of the given duration.
float Envelope(double t, double duration, double attack, double decay) {
  double level = 1.0;
  if (attack > 0.0 && t < attack) level = t / attack;
  if (decay > 0.0) level *= std::exp(-t / decay);
  const double release = std::min(0.005, duration * 0.5);
  if (release > 0.0 && t > duration - release) level *= std::max(0.0, (duration - t) / release);
  return static_cast<float>(level);
}

struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

  void Design(FilterKind kind, double frequency, double q) {
    frequency = std::clamp(frequency, 10.0, kRate * 0.49);
    const double w = 2.0 * kPi * frequency / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    double nb0, nb1, nb2;
    switch (kind) {
      case FilterKind::LowPass:
        nb0 = (1 - c) / 2;
        nb1 = 1 - c;
        nb2 = (1 - c) / 2;
        break;
      case FilterKind::HighPass:
        nb0 = (1 + c) / 2;
        nb1 = -(1 + c);
        nb2 = (1 + c) / 2;
        break;
      default:
        nb0 = alpha;
        nb1 = 0;
        nb2 = -alpha;
        break;
    }
    const double a0 = 1 + alpha;
    b0 = nb0 / a0;
    b1 = nb1 / a0;
    b2 = nb2 / a0;
    a1 = -2 * c / a0;
    a2 = (1 - alpha) / a0;
  }

  float Step(float x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
  }
};

}  // namespace

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ & 0xFFFFFF) / static_cast<float>(0x800000) - 1.0f;
}

size_t Samples(double seconds) { return seconds <= 0.0 ? 0 : static_cast<size_t>(seconds * kRate + 0.5); }

Buffer Silence(double seconds) { return Buffer(Samples(seconds), 0.0f); }

float Oscillator(Wave wave, double phase) {
  const double p = phase - std::floor(phase);
  switch (wave) {
    case Wave::Sine:
      return static_cast<float>(std::sin(2.0 * kPi * p));
    case Wave::Square:
      return p < 0.5 ? 1.0f : -1.0f;
    case Wave::Saw:
      return static_cast<float>(2.0 * p - 1.0);
    case Wave::Triangle:
      return static_cast<float>(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
  }
  return 0.0f;
}

namespace {

void AddOscillator(Buffer& out, double start, double duration, double f0, double f1, float amplitude, Wave wave,
                   double attack, double decay) {
  const size_t first = Samples(start);
  const size_t count = Samples(duration);
  double phase = 0.0;
  const double ratio = f0 > 0.0 && f1 > 0.0 ? f1 / f0 : 1.0;
  for (size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double frequency = f0 * std::pow(ratio, t / duration);
    phase += frequency / kRate;
    out[first + i] += amplitude * Envelope(t, duration, attack, decay) * Oscillator(wave, phase);
  }
}

}  // namespace

void AddTone(Buffer& out, double start, double duration, double frequency, float amplitude, Wave wave, double attack,
             double decay) {
  AddOscillator(out, start, duration, frequency, frequency, amplitude, wave, attack, decay);
}

void AddSweep(Buffer& out, double start, double duration, double f0, double f1, float amplitude, Wave wave,
              double decay) {
  AddOscillator(out, start, duration, f0, f1, amplitude, wave, 0.0, decay);
}

void AddNoise(Buffer& out, double start, double duration, float amplitude, double attack, double decay, Noise& noise) {
  const size_t first = Samples(start);
  const size_t count = Samples(duration);
  for (size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[first + i] += amplitude * Envelope(t, duration, attack, decay) * noise.Next();
  }
}

void Filter(Buffer& data, FilterKind kind, double frequency, double q, size_t from, size_t to) {
  Biquad filter;
  filter.Design(kind, frequency, q);
  to = std::min(to, data.size());
  for (size_t i = from; i < to; ++i) data[i] = filter.Step(data[i]);
}

void SweepFilter(Buffer& data, FilterKind kind, double f0, double f1, double q) {
  Biquad filter;
  const size_t n = data.size();
  constexpr size_t kBlock = 64;
  for (size_t i = 0; i < n; ++i) {
    if (i % kBlock == 0) {
      const double f = f0 + (f1 - f0) * (n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0);
      // Only the coefficients change; the filter's memory stays, so the sweep is smooth.
      filter.Design(kind, f, q);
    }
    data[i] = filter.Step(data[i]);
  }
}

void Mix(Buffer& out, const Buffer& source, double start, float gain, bool wrap) {
  if (out.empty()) return;
  const size_t first = Samples(start);
  for (size_t i = 0; i < source.size(); ++i) {
    size_t j = first + i;
    if (j >= out.size()) {
      if (!wrap) break;
      j %= out.size();
    }
    out[j] += gain * source[i];
  }
}

void Tremolo(Buffer& data, double rate, float depth, double phase) {
  for (size_t i = 0; i < data.size(); ++i) {
    const double s = std::sin(2.0 * kPi * (rate * static_cast<double>(i) / kRate + phase));
    data[i] *= static_cast<float>(1.0 - depth * 0.5 * (1.0 - s));
  }
}

void Fade(Buffer& data, double fadeIn, double fadeOut) {
  const size_t in = std::min(Samples(fadeIn), data.size());
  const size_t out = std::min(Samples(fadeOut), data.size());
  for (size_t i = 0; i < in; ++i) data[i] *= static_cast<float>(i) / static_cast<float>(in);
  for (size_t i = 0; i < out; ++i) data[data.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void MakeLoop(Buffer& data, double overlap) {
  const size_t n = std::min(Samples(overlap), data.size() / 2);
  if (n == 0) return;
  const size_t keep = data.size() - n;
  for (size_t i = 0; i < n; ++i) {
    const float w = static_cast<float>(i) / static_cast<float>(n);
    data[i] = data[i] * w + data[keep + i] * (1.0f - w);
  }
  data.resize(keep);
}

void Saturate(Buffer& data, float drive) {
  for (float& s : data) s = std::tanh(s * drive);
}

engine::PcmData ToPcm(const Buffer& data, float peak) {
  float loudest = 0.0f;
  for (float s : data) loudest = std::max(loudest, std::fabs(s));
  const float scale = loudest > 0.0f ? peak / loudest : 0.0f;
  engine::PcmData pcm;
  pcm.sampleRate = kRate;
  pcm.channels = 1;
  pcm.samples.reserve(data.size());
  for (float s : data)
    pcm.samples.push_back(static_cast<int16_t>(std::lround(std::clamp(s * scale, -1.0f, 1.0f) * 32767.0f)));
  return pcm;
}

}  // namespace assetgen::synth
