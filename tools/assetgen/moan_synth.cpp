#include "tools/assetgen/moan_synth.h"

namespace assetgen {

namespace {

using synth::Buffer;
using synth::FilterKind;

// A groan: the pitch swells from start to end, the vowel closes from "ah" to "oh".
Buffer Groan(double seconds, double pitchStart, double pitchEnd, double formantScale, float breath,
             synth::Noise& noise) {
  Buffer buzz = synth::Silence(seconds);
  synth::AddSweep(buzz, 0.0, seconds, pitchStart, pitchEnd, 1.0f, synth::Wave::Saw, 0.0);
  Buffer first = buzz;
  Buffer second = buzz;
  synth::SweepFilter(first, FilterKind::BandPass, 730.0 * formantScale, 570.0 * formantScale, 5.0);
  synth::SweepFilter(second, FilterKind::BandPass, 1100.0 * formantScale, 840.0 * formantScale, 7.0);
  Buffer out = synth::Silence(seconds);
  synth::Mix(out, first, 0.0, 1.0f);
  synth::Mix(out, second, 0.0, 0.45f);
  Buffer air = synth::Silence(seconds);
  synth::AddNoise(air, 0.0, seconds, breath, seconds * 0.2, 0.0, noise);
  synth::Filter(air, FilterKind::BandPass, 1500.0 * formantScale, 0.8);
  synth::Mix(out, air, 0.0, 1.0f);
  synth::Tremolo(out, 5.0 + 2.0 * noise.Unit(), 0.35f);
  synth::Fade(out, seconds * 0.15, seconds * 0.4);
  return out;
}

// One breath in and out; the way out rasps in the throat.
Buffer Breath(double seconds, double pitch, synth::Noise& noise) {
  Buffer out = synth::Silence(seconds);
  const double in = seconds * 0.4;
  Buffer inhale = synth::Silence(in);
  synth::AddNoise(inhale, 0.0, in, 0.5f, in * 0.6, 0.0, noise);
  synth::Filter(inhale, FilterKind::BandPass, 1900.0, 0.9);
  synth::Fade(inhale, 0.0, in * 0.3);
  synth::Mix(out, inhale, 0.0, 1.0f);
  const double outLength = seconds - in - 0.1;
  Buffer exhale = synth::Silence(outLength);
  synth::AddNoise(exhale, 0.0, outLength, 0.45f, 0.05, outLength * 0.6, noise);
  synth::Filter(exhale, FilterKind::BandPass, 900.0, 0.9);
  Buffer rasp = synth::Silence(outLength);
  synth::AddSweep(rasp, 0.0, outLength, pitch * 0.7, pitch * 0.55, 0.25f, synth::Wave::Saw, outLength * 0.7);
  synth::Filter(rasp, FilterKind::LowPass, 450.0, 0.7);
  synth::Mix(exhale, rasp, 0.0, 1.0f);
  synth::Fade(exhale, 0.04, outLength * 0.3);
  synth::Mix(out, exhale, in + 0.1, 1.0f);
  return out;
}

}  // namespace

Buffer Moan(MoanKind kind, const MoanVoice& voice, uint32_t seed) {
  synth::Noise noise(seed);
  const double vary = 0.85 + 0.3 * noise.Unit();
  const double pitch = voice.pitch * vary;
  switch (kind) {
    case MoanKind::Major:
      return Groan(1.4 * vary + 0.3, pitch * 1.25, pitch * 0.85, voice.formantScale, 0.18f, noise);
    case MoanKind::Medium:
      return Groan(0.9 * vary + 0.2, pitch * 1.1, pitch * 0.9, voice.formantScale, 0.12f, noise);
    case MoanKind::Lite:
      // A short grunt through the nose: low resonances only.
      {
        Buffer grunt = Groan(0.45 * vary + 0.1, pitch, pitch * 0.9, voice.formantScale * 0.6, 0.08f, noise);
        synth::Filter(grunt, FilterKind::LowPass, 900.0, 0.7);
        return grunt;
      }
    case MoanKind::Unconscious: {
      const double one = 1.3 * vary;
      Buffer out = synth::Silence(2.0 * one + 0.2);
      synth::Mix(out, Breath(one, voice.pitch, noise), 0.0, 1.0f);
      synth::Mix(out, Breath(one, voice.pitch, noise), one + 0.2, 0.9f);
      return out;
    }
  }
  return {};
}

}  // namespace assetgen
