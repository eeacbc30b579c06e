// The shell's music: three pairs of short looping tunes (overhead and patient view; a mission plays one
// pair) and the loss music of the killed-in-action screen. A tiny step sequencer with a few instruments.
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

namespace {

using synth::Buffer;
using synth::FilterKind;
using synth::Wave;

double NoteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A tune laid out on sixteenth-note steps; whatever rings past the end comes round to the start, so the
// file loops without a seam.
class Score {
 public:
  Score(double bpm, int bars, bool loops) : step_(60.0 / bpm / 4.0), loops_(loops) {
    out_ = synth::Silence(step_ * 16 * bars + (loops ? 0.0 : 1.5));
  }
  double Step() const { return step_; }

  void Note(int step, int steps, int midi, float amp, Wave wave, double attack, double release, double cutoff) {
    const double length = steps * step_;
    Buffer note = synth::Silence(length + release);
    synth::AddTone(note, 0.0, length + release, NoteFrequency(midi), amp, wave, 0.0, 0.0);
    synth::Filter(note, FilterKind::LowPass, cutoff, 0.7);
    synth::Fade(note, attack, release);
    synth::Mix(out_, note, step * step_, 1.0f, loops_);
  }
  void Pluck(int step, int midi, float amp, Wave wave, double decay, double cutoff) {
    Buffer note = synth::Silence(decay * 4);
    synth::AddTone(note, 0.0, decay * 4, NoteFrequency(midi), amp, wave, 0.003, decay);
    synth::Filter(note, FilterKind::LowPass, cutoff, 0.7);
    synth::Mix(out_, note, step * step_, 1.0f, loops_);
  }
  void Kick(int step, float amp) {
    Buffer k = synth::Silence(0.3);
    synth::AddSweep(k, 0.0, 0.3, 130.0, 45.0, amp, Wave::Sine, 0.09);
    synth::Mix(out_, k, step * step_, 1.0f, loops_);
  }
  void Snare(int step, float amp, uint32_t seed) {
    Buffer s = synth::Silence(0.25);
    synth::Noise noise(seed);
    synth::AddNoise(s, 0.0, 0.25, amp, 0.0, 0.06, noise);
    synth::Filter(s, FilterKind::HighPass, 1200.0, 0.7);
    synth::AddTone(s, 0.0, 0.1, 185.0, amp * 0.5f, Wave::Triangle, 0.0, 0.03);
    synth::Mix(out_, s, step * step_, 1.0f, loops_);
  }
  void Hat(int step, float amp, uint32_t seed) {
    Buffer h = synth::Silence(0.06);
    synth::Noise noise(seed);
    synth::AddNoise(h, 0.0, 0.06, amp, 0.0, 0.012, noise);
    synth::Filter(h, FilterKind::HighPass, 7000.0, 0.7);
    synth::Mix(out_, h, step * step_, 1.0f, loops_);
  }
  Buffer Take() { return std::move(out_); }

 private:
  double step_;
  bool loops_;
  Buffer out_;
};

// One pair's musical material: key (root note), tempo, a bass figure, a melody and chords.
struct Theme {
  double bpm;
  int root;          // MIDI note of the key's tonic, in the bass octave
  int bass[16];      // semitones over the root for each eighth of a bar pair (-99: rest)
  int melody[16];    // semitones over root + 24, one per eighth across two bars (-99: rest)
  int chords[4][3];  // one chord per bar, semitones over root + 12
};

const Theme kThemes[3] = {
    // GP1: A minor, steady march.
    {100.0,
     45,
     {0, 0, 12, 0, 3, 3, 15, 3, 5, 5, 17, 5, 7, 7, 19, 7},
     {12, -99, 10, 7, 8, -99, 7, 3, 5, 7, -99, 8, 7, -99, -99, -99},
     {{0, 3, 7}, {3, 7, 10}, {5, 8, 12}, {7, 10, 14}}},
    // GP2: D minor, slower and darker.
    {88.0,
     38,
     {0, -99, 0, 7, 5, -99, 5, 3, 1, -99, 1, 8, 0, -99, 7, -99},
     {7, 8, 7, -99, 5, 3, -99, 1, 0, -99, 3, 5, 7, -99, 3, -99},
     {{0, 3, 7}, {-4, 0, 3}, {1, 5, 8}, {-5, -2, 2}}},
    // GP3: E minor, driving.
    {112.0,
     40,
     {0, 12, 0, 12, 0, 12, 3, 15, 5, 17, 5, 17, 7, 19, 10, 22},
     {0, 3, 7, 12, 10, 7, 5, 3, 2, 3, 5, 7, 3, -99, 0, -99},
     {{0, 3, 7}, {-2, 2, 5}, {-4, 0, 3}, {-5, -1, 2}}},
};

// The overhead tune: drums, bass and melody.
Buffer OverheadTune(const Theme& theme, uint32_t seed) {
  Score score(theme.bpm, 4, true);
  for (int bar = 0; bar < 4; ++bar) {
    const int b = bar * 16;
    for (int beat = 0; beat < 4; ++beat) {
      if (beat % 2 == 0)
        score.Kick(b + beat * 4, 0.9f);
      else
        score.Snare(b + beat * 4, 0.5f, seed + bar * 4 + beat);
    }
    score.Kick(b + 10, 0.6f);
    for (int s = 0; s < 16; s += 2) score.Hat(b + s, s % 4 == 0 ? 0.25f : 0.15f, seed + 100 + b + s);
  }
  for (int e = 0; e < 32; ++e) {
    const int interval = theme.bass[e % 16];
    if (interval != -99) score.Note(e * 2, 2, theme.root + interval, 0.45f, Wave::Triangle, 0.005, 0.02, 900.0);
  }
  for (int e = 0; e < 32; ++e) {
    const int interval = theme.melody[e % 16];
    // The melody answers itself an octave down the second time.
    const int octave = e < 16 ? 24 : 12;
    if (interval != -99) score.Pluck(e * 2, theme.root + octave + interval, 0.3f, Wave::Square, 0.12, 2600.0);
  }
  return score.Take();
}

// The patient-view tune: held chords, a heartbeat pulse and a few quiet notes, to work by.
Buffer PatientTune(const Theme& theme, uint32_t seed) {
  Score score(theme.bpm * 0.75, 4, true);
  for (int bar = 0; bar < 4; ++bar) {
    for (int note : theme.chords[bar]) {
      score.Note(bar * 16, 16, theme.root + 12 + note, 0.16f, Wave::Saw, 0.4, 0.6, 1100.0);
      score.Note(bar * 16, 16, theme.root + 12 + note, 0.08f, Wave::Triangle, 0.4, 0.6, 1800.0);
    }
    score.Kick(bar * 16, 0.35f);
    score.Kick(bar * 16 + 3, 0.22f);
    score.Kick(bar * 16 + 8, 0.35f);
    score.Kick(bar * 16 + 11, 0.22f);
  }
  for (int e = 0; e < 16; e += 3) {
    const int interval = theme.melody[(e + seed) % 16];
    if (interval != -99) score.Pluck(e * 4 + 2, theme.root + 24 + interval, 0.2f, Wave::Triangle, 0.35, 3000.0);
  }
  return score.Take();
}

Buffer LossTune() {
  Score score(66.0, 3, false);
  const int root = 45;  // A minor, falling
  const int melody[] = {12, 10, 8, 7, 5, 3, 2, 0};
  for (int i = 0; i < 8; ++i) score.Note(i * 6, 6, root + 24 + melody[i], 0.3f, Wave::Triangle, 0.05, 0.4, 2500.0);
  const int chords[3][3] = {{0, 3, 7}, {-4, 0, 3}, {-5, -1, 2}};
  for (int bar = 0; bar < 3; ++bar)
    for (int note : chords[bar]) score.Note(bar * 16, 16, root + 12 + note, 0.14f, Wave::Saw, 0.5, 1.2, 900.0);
  score.Note(0, 48, root, 0.3f, Wave::Triangle, 0.5, 1.5, 400.0);
  Buffer out = score.Take();
  synth::Fade(out, 0.05, 1.5);
  return out;
}

}  // namespace

void WriteShellMusic(DataTree& tree) {
  for (int pair = 1; pair <= 3; ++pair) {
    const Theme& theme = kThemes[pair - 1];
    const std::string stem = "sounds\\music\\GP" + std::to_string(pair);
    tree.WriteWav(CanonicalPath(stem + "OV.qwv"), synth::ToPcm(OverheadTune(theme, 700 + pair * 10), 0.8f));
    tree.WriteWav(CanonicalPath(stem + "PV.qwv"), synth::ToPcm(PatientTune(theme, static_cast<uint32_t>(pair)), 0.7f));
  }
  tree.WriteWav(CanonicalPath("sounds\\Music\\Loss1.qwv"), synth::ToPcm(LossTune(), 0.8f));
}

}  // namespace assetgen
