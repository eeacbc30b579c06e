#include "tools/assetgen/voice_synth.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace assetgen {

namespace {

using synth::Buffer;
using synth::FilterKind;

struct Formants {
  double f1, f2;
};

Formants VowelFormants(char v) {
  switch (v) {
    case 'a':
      return {780, 1250};
    case 'e':
      return {520, 1850};
    case 'i':
      return {320, 2300};
    case 'o':
      return {520, 900};
    case 'u':
      return {360, 820};
    default:
      return {460, 1500};
  }
}

bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y'; }

// A voiced vowel: a buzz at the pitch through two formant resonances.
Buffer Vowel(char v, double seconds, double pitchStart, double pitchEnd) {
  Buffer buzz = synth::Silence(seconds);
  synth::AddSweep(buzz, 0.0, seconds, pitchStart, pitchEnd, 1.0f, synth::Wave::Saw, 0.0);
  const Formants f = VowelFormants(v);
  Buffer first = buzz;
  Buffer second = buzz;
  synth::Filter(first, FilterKind::BandPass, f.f1, 5.0);
  synth::Filter(second, FilterKind::BandPass, f.f2, 7.0);
  Buffer out = synth::Silence(seconds);
  synth::Mix(out, first, 0.0, 1.0f);
  synth::Mix(out, second, 0.0, 0.6f);
  synth::Fade(out, seconds * 0.25, seconds * 0.3);
  return out;
}

// A consonant: hiss for s, f, sh, th and friends; a short burst for stops; a hum for nasals and liquids.
Buffer Consonant(char c, synth::Noise& noise, double pitch) {
  if (c == 'm' || c == 'n' || c == 'l' || c == 'r' || c == 'w') {
    Buffer hum = synth::Silence(0.05);
    synth::AddTone(hum, 0.0, 0.05, pitch, 0.5f, synth::Wave::Triangle, 0.01, 0.0);
    synth::Filter(hum, FilterKind::LowPass, 500.0, 0.7);
    return hum;
  }
  const bool hiss = c == 's' || c == 'f' || c == 'h' || c == 'z' || c == 'x' || c == 'c' || c == 'v';
  const double seconds = hiss ? 0.07 : 0.025;
  Buffer out = synth::Silence(seconds);
  synth::AddNoise(out, 0.0, seconds, hiss ? 0.35f : 0.6f, 0.005, hiss ? 0.0 : 0.008, noise);
  synth::Filter(out, FilterKind::HighPass, hiss ? 3000.0 : 1200.0, 0.7);
  return out;
}

}  // namespace

Buffer RadioSquelch(uint32_t seed) {
  Buffer out = synth::Silence(0.3);
  synth::Noise noise(seed);
  synth::AddNoise(out, 0.0, 0.15, 0.7f, 0.0, 0.05, noise);
  synth::Filter(out, FilterKind::BandPass, 2000.0, 0.8);
  synth::AddTone(out, 0.17, 0.09, 1250.0, 0.5f, synth::Wave::Square, 0.002, 0.0);
  return out;
}

Buffer RadioVoice(const std::string& phrase, const VoiceStyle& style) {
  synth::Noise noise(style.seed);
  // Lay the syllables out first so the pitch can fall over the whole phrase.
  std::string letters;
  for (char ch : phrase) letters += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const double syllable = 0.13 / style.rate;
  Buffer speech = synth::Silence(0.3 + letters.size() * syllable * 0.6 + 0.3);
  double t = 0.25;
  const double total = static_cast<double>(letters.size());
  for (size_t i = 0; i < letters.size(); ++i) {
    const char c = letters[i];
    const double progress = total > 0 ? static_cast<double>(i) / total : 0.0;
    const double pitch = style.pitch * (1.1 - 0.3 * progress) * (1.0 + 0.05 * noise.Next());
    if (IsVowel(c)) {
      // A run of vowels is one syllable.
      size_t j = i;
      while (j + 1 < letters.size() && IsVowel(letters[j + 1])) ++j;
      const double length = syllable * (1.0 + 0.3 * static_cast<double>(j - i)) * (0.8 + 0.4 * noise.Unit());
      synth::Mix(speech, Vowel(c, length, pitch, pitch * 0.93), t, 1.0f);
      t += length * 0.85;
      i = j;
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      const Buffer sound = Consonant(c, noise, pitch);
      synth::Mix(speech, sound, t, 1.0f);
      t += static_cast<double>(sound.size()) / synth::kRate * 0.8;
    } else if (c == ',' || c == '.' || c == '!' || c == '?') {
      t += 0.18 / style.rate;
    } else {
      t += 0.04 / style.rate;
    }
  }
  speech.resize(std::min(speech.size(), synth::Samples(t + 0.1)));

  // The handset: a narrow band, a little overdriven, with hiss under it all.
  synth::Filter(speech, FilterKind::HighPass, 380.0, 0.7);
  synth::Filter(speech, FilterKind::LowPass, 3000.0, 0.7);
  synth::Saturate(speech, 3.0f);
  synth::AddNoise(speech, 0.0, static_cast<double>(speech.size()) / synth::kRate, style.statics, 0.0, 0.0, noise);

  const Buffer squelch = RadioSquelch(style.seed + 7);
  Buffer out = synth::Silence(static_cast<double>(speech.size() + squelch.size()) / synth::kRate + 0.05);
  synth::Mix(out, speech, 0.0, 1.0f);
  synth::Mix(out, squelch, static_cast<double>(speech.size()) / synth::kRate, 0.6f);
  return out;
}

}  // namespace assetgen
