#include "tools/assetgen/radio_voice.h"

namespace assetgen {

using synth::Buffer;
using synth::FilterKind;

Buffer RadioSquelch(uint32_t seed) {
  Buffer out = synth::Silence(0.3);
  synth::Noise noise(seed);
  synth::AddNoise(out, 0.0, 0.15, 0.7f, 0.0, 0.05, noise);
  synth::Filter(out, FilterKind::BandPass, 2000.0, 0.8);
  synth::AddTone(out, 0.17, 0.09, 1250.0, 0.5f, synth::Wave::Square, 0.002, 0.0);
  return out;
}

Buffer RadioVoice(const std::string& phrase, const RadioStyle& style) {
  Buffer speech = SpeakLine(phrase, style.voice).sound;
  float peak = 0.0f;
  for (float v : speech) peak = std::max(peak, v < 0.0f ? -v : v);
  if (peak > 0.0f)
    for (float& v : speech) v *= 0.8f / peak;

  // The handset: a narrow band, a little overdriven, with hiss under it all.
  synth::Filter(speech, FilterKind::HighPass, 380.0, 0.7);
  synth::Filter(speech, FilterKind::LowPass, 3000.0, 0.7);
  synth::Saturate(speech, 2.0f);
  synth::Noise noise(style.seed);
  synth::AddNoise(speech, 0.0, static_cast<double>(speech.size()) / synth::kRate, style.statics, 0.0, 0.0, noise);

  const Buffer squelch = RadioSquelch(style.seed + 7);
  Buffer out = synth::Silence(static_cast<double>(speech.size() + squelch.size()) / synth::kRate + 0.05);
  synth::Mix(out, speech, 0.0, 1.0f);
  synth::Mix(out, squelch, static_cast<double>(speech.size()) / synth::kRate, 0.6f);
  return out;
}

}  // namespace assetgen
