// The shell's sound effects: hot-spot ticks, shots, grenades, vehicles, the helicopter, ricochets, bullet
// whizzes, the battle ambience and the medic's tool sounds. Each kind has a recipe of its own, so they
// are told apart by ear.
#include <cmath>
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

namespace {

using synth::AddNoise;
using synth::AddSweep;
using synth::AddTone;
using synth::Buffer;
using synth::FilterKind;
using synth::Noise;
using synth::Wave;

void Write(DataTree& tree, const std::string& path, const Buffer& sound) {
  tree.WriteWav(CanonicalPath(path), synth::ToPcm(sound));
}

Buffer Click(double frequency, double length, uint32_t seed) {
  Buffer out = synth::Silence(length);
  Noise noise(seed);
  AddTone(out, 0.0, length, frequency, 1.0f, Wave::Sine, 0.0005, length / 5);
  AddNoise(out, 0.0, 0.004, 0.5f, 0.0, 0.001, noise);
  return out;
}

// One gunshot into out: a crack of noise, a body thump, and a tail.
void AddShot(Buffer& out, double at, Noise& noise, double brightness, double body, double tail) {
  Buffer shot = synth::Silence(tail + 0.05);
  AddNoise(shot, 0.0, tail, 1.0f, 0.0003, tail / 6, noise);
  synth::Filter(shot, FilterKind::LowPass, brightness, 0.7);
  AddSweep(shot, 0.0, 0.12, body * 2.5, body, 0.9f, Wave::Sine, 0.03);
  synth::Saturate(shot, 2.5f);
  synth::Mix(out, shot, at, 1.0f);
}

Buffer RifleBurst() {
  Buffer out = synth::Silence(0.7);
  Noise noise(18);
  for (int i = 0; i < 3; ++i) AddShot(out, 0.085 * i, noise, 6500.0, 70.0, 0.35);
  return out;
}

Buffer EnemyFire() {
  Buffer out = synth::Silence(0.9);
  Noise noise(20);
  AddShot(out, 0.0, noise, 2800.0, 55.0, 0.5);
  AddShot(out, 0.13, noise, 2600.0, 50.0, 0.5);
  return out;
}

Buffer Pistol() {
  Buffer out = synth::Silence(0.4);
  Noise noise(21);
  AddShot(out, 0.0, noise, 8000.0, 110.0, 0.22);
  synth::Filter(out, FilterKind::HighPass, 120.0, 0.7);
  return out;
}

Buffer DistantGuns(int n) {
  Buffer out = synth::Silence(2.5);
  Noise noise(100 + n);
  const int bursts = 1 + n % 3;
  double t = 0.05;
  for (int b = 0; b < bursts; ++b) {
    const int rounds = 2 + (n * 3 + b) % 5;
    for (int r = 0; r < rounds; ++r) AddShot(out, t + r * (0.07 + 0.01 * (n % 4)), noise, 1500.0, 45.0, 0.45);
    t += 0.25 + 0.45 * noise.Unit() + rounds * 0.08;
  }
  synth::Filter(out, FilterKind::LowPass, 700.0 + 60.0 * n, 0.7);
  synth::Fade(out, 0.0, 0.3);
  return out;
}

Buffer DistantMortar(int n) {
  Buffer out = synth::Silence(2.5);
  Noise noise(200 + n);
  double impact = 0.1;
  if (n == 3) {
    // The last one is heard coming in.
    AddSweep(out, 0.0, 0.9, 1300.0, 650.0, 0.25f, Wave::Sine, 0.0);
    impact = 0.9;
  }
  AddSweep(out, impact, 1.2, 85.0 - 10.0 * n, 28.0, 1.0f, Wave::Sine, 0.35);
  Buffer rumble = synth::Silence(1.4);
  AddNoise(rumble, 0.0, 1.4, 0.8f, 0.005, 0.35, noise);
  synth::Filter(rumble, FilterKind::LowPass, 260.0 + 40.0 * n, 0.7);
  synth::Mix(out, rumble, impact, 1.0f);
  synth::Saturate(out, 1.5f);
  return out;
}

Buffer GrenadeBlast() {
  Buffer out = synth::Silence(1.8);
  Noise noise(12);
  Buffer blast = synth::Silence(1.6);
  AddNoise(blast, 0.0, 1.6, 1.0f, 0.001, 0.35, noise);
  synth::SweepFilter(blast, FilterKind::LowPass, 5000.0, 300.0, 0.8);
  synth::Mix(out, blast, 0.0, 1.0f);
  AddSweep(out, 0.0, 1.0, 95.0, 28.0, 1.2f, Wave::Sine, 0.3);
  // Debris falling back.
  for (int i = 0; i < 14; ++i) AddNoise(out, 0.45 + 0.07 * i + 0.05 * noise.Unit(), 0.015, 0.12f, 0.0, 0.004, noise);
  synth::Saturate(out, 2.0f);
  return out;
}

// Rotor blades beating at rate Hz over a turbine whine.
Buffer Rotor(double seconds, double rate, double whine, uint32_t seed) {
  Buffer out = synth::Silence(seconds);
  Noise noise(seed);
  AddNoise(out, 0.0, seconds, 1.0f, 0.0, 0.0, noise);
  synth::Filter(out, FilterKind::LowPass, 500.0, 0.8);
  const double kPi = 3.14159265358979323846;
  for (size_t i = 0; i < out.size(); ++i) {
    const double phase = rate * static_cast<double>(i) / synth::kRate;
    const double beat = std::pow(0.5 + 0.5 * std::cos(2.0 * kPi * phase), 6.0);
    out[i] *= static_cast<float>(0.15 + 1.6 * beat);
  }
  AddTone(out, 0.0, seconds, whine, 0.05f, Wave::Sine, 0.0, 0.0);
  return out;
}

Buffer HeliFlyBy(int n) {
  const double seconds = 3.0;
  Buffer out = Rotor(seconds, 10.5 + n, 820.0 + 70.0 * n, 130 + n);
  // Loudest as it passes over, a little earlier for each of the three.
  const double pass = 1.1 + 0.3 * n;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / synth::kRate;
    out[i] *= static_cast<float>(1.0 / (1.0 + 1.8 * (t - pass) * (t - pass)));
  }
  synth::Fade(out, 0.2, 0.4);
  return out;
}

Buffer HeliLoop() {
  // 24 beats in 2 s and a whine of a whole number of cycles: the loop point falls on a beat.
  Buffer out = Rotor(2.0, 12.0, 880.0, 51);
  synth::Fade(out, 0.002, 0.002);
  return out;
}

Buffer GrenadePin() {
  Buffer out = synth::Silence(0.45);
  Noise noise(16);
  AddNoise(out, 0.0, 0.01, 0.6f, 0.0, 0.002, noise);
  AddTone(out, 0.03, 0.4, 2900.0, 0.5f, Wave::Sine, 0.0, 0.08);
  AddTone(out, 0.03, 0.4, 4350.0, 0.3f, Wave::Sine, 0.0, 0.06);
  AddTone(out, 0.03, 0.4, 6100.0, 0.2f, Wave::Sine, 0.0, 0.04);
  return out;
}

Buffer ClipIn() {
  Buffer out = synth::Silence(0.35);
  Noise noise(19);
  AddNoise(out, 0.0, 0.02, 0.7f, 0.0, 0.004, noise);
  AddTone(out, 0.0, 0.06, 1400.0, 0.4f, Wave::Square, 0.0, 0.01);
  AddNoise(out, 0.14, 0.03, 1.0f, 0.0, 0.006, noise);
  AddTone(out, 0.14, 0.1, 1850.0, 0.5f, Wave::Square, 0.0, 0.015);
  synth::Filter(out, FilterKind::HighPass, 600.0, 0.7);
  return out;
}

// A truck engine: firing pulses at rate Hz through a low filter (a whole number of cycles: it loops).
Buffer Engine(double seconds, double rate, double brightness, uint32_t seed) {
  Buffer out = synth::Silence(seconds);
  Noise noise(seed);
  AddTone(out, 0.0, seconds, rate, 1.0f, Wave::Saw, 0.0, 0.0);
  AddTone(out, 0.0, seconds, rate * 2.0, 0.4f, Wave::Square, 0.0, 0.0);
  AddNoise(out, 0.0, seconds, 0.25f, 0.0, 0.0, noise);
  synth::Filter(out, FilterKind::LowPass, brightness, 0.9);
  synth::Tremolo(out, rate / 4.0, 0.3f);
  return out;
}

Buffer TruckStop() {
  Buffer out = synth::Silence(2.0);
  Noise noise(37);
  AddSweep(out, 0.0, 1.6, 40.0, 16.0, 1.0f, Wave::Saw, 0.6);
  synth::Filter(out, FilterKind::LowPass, 500.0, 0.9);
  Buffer brake = synth::Silence(0.8);
  AddNoise(brake, 0.0, 0.8, 0.35f, 0.05, 0.3, noise);
  synth::Filter(brake, FilterKind::HighPass, 3000.0, 0.7);
  synth::Mix(out, brake, 1.1, 1.0f);
  return out;
}

Buffer Ricochet(int n) {
  Buffer out = synth::Silence(0.7);
  Noise noise(300 + n);
  AddNoise(out, 0.0, 0.02, 0.8f, 0.0, 0.004, noise);
  const double high = 2600.0 + 180.0 * n;
  const double low = 700.0 + 90.0 * ((n * 5) % 9);
  AddSweep(out, 0.01, 0.45 + 0.02 * n, high, low, 0.7f, Wave::Sine, 0.18);
  AddSweep(out, 0.01, 0.3, high * 1.5, low * 1.4, 0.15f, Wave::Saw, 0.08);
  return out;
}

Buffer Whiz(int n) {
  const double seconds = 0.22 + 0.03 * n;
  Buffer out = synth::Silence(seconds);
  Noise noise(400 + n);
  AddNoise(out, 0.0, seconds, 1.0f, seconds * 0.6, 0.0, noise);
  synth::SweepFilter(out, FilterKind::BandPass, 3400.0 + 200.0 * n, 1200.0, 4.0);
  AddSweep(out, 0.0, seconds, 1900.0 + 150.0 * n, 900.0, 0.2f, Wave::Sine, 0.0);
  synth::Fade(out, seconds * 0.5, seconds * 0.3);
  return out;
}

Buffer DesertAmbience() {
  Buffer out = synth::Silence(13.0);
  Noise noise(53);
  AddNoise(out, 0.0, 13.0, 1.0f, 0.0, 0.0, noise);
  synth::Filter(out, FilterKind::LowPass, 420.0, 0.9);
  synth::Tremolo(out, 0.17, 0.6f);
  synth::Tremolo(out, 0.41, 0.3f, 0.3);
  // Far-off shooting now and then.
  for (int i = 0; i < 4; ++i) {
    Buffer guns = DistantGuns(i + 1);
    synth::Filter(guns, FilterKind::LowPass, 500.0, 0.7);
    synth::Mix(out, guns, 1.5 + 2.7 * i, 0.12f);
  }
  synth::MakeLoop(out, 1.0);
  return out;
}

// ---- the medic's tools ----

Buffer Crackle(double seconds, double density, double highPass, uint32_t seed) {
  Buffer out = synth::Silence(seconds);
  Noise noise(seed);
  const int grains = static_cast<int>(seconds * density);
  for (int i = 0; i < grains; ++i)
    AddNoise(out, seconds * noise.Unit(), 0.006, 0.3f + 0.7f * noise.Unit(), 0.0, 0.0015, noise);
  synth::Filter(out, FilterKind::HighPass, highPass, 0.7);
  return out;
}

Buffer BagValve() {
  Buffer out = synth::Silence(1.4);
  Noise noise(56);
  for (int i = 0; i < 2; ++i) {
    Buffer puff = synth::Silence(0.5);
    AddNoise(puff, 0.0, 0.5, 1.0f, 0.15, 0.2, noise);
    synth::Filter(puff, FilterKind::BandPass, 800.0, 1.5);
    synth::Mix(out, puff, 0.65 * i, 1.0f);
    AddTone(out, 0.65 * i + 0.45, 0.05, 900.0, 0.2f, Wave::Square, 0.0, 0.01);
  }
  return out;
}

Buffer BandageRip() {
  Buffer out = Crackle(0.6, 500.0, 1500.0, 57);
  synth::Fade(out, 0.05, 0.1);
  return out;
}

Buffer BandageWrap() {
  Buffer out = synth::Silence(1.0);
  Noise noise(58);
  AddNoise(out, 0.0, 1.0, 1.0f, 0.05, 0.0, noise);
  synth::Filter(out, FilterKind::BandPass, 2500.0, 1.2);
  synth::Tremolo(out, 6.0, 0.8f);
  synth::Fade(out, 0.05, 0.2);
  return out;
}

Buffer TapePull() {
  Buffer out = Crackle(0.4, 700.0, 900.0, 59);
  synth::SweepFilter(out, FilterKind::BandPass, 3500.0, 1200.0, 1.0);
  return out;
}

Buffer FoilCrinkle() { return Crackle(1.2, 90.0, 2500.0, 60); }

Buffer TubeSlide() {
  Buffer out = synth::Silence(1.0);
  Noise noise(61);
  Buffer slide = synth::Silence(0.7);
  AddNoise(slide, 0.0, 0.7, 1.0f, 0.1, 0.0, noise);
  synth::SweepFilter(slide, FilterKind::BandPass, 600.0, 1600.0, 3.0);
  synth::Fade(slide, 0.1, 0.1);
  synth::Mix(out, slide, 0.0, 1.0f);
  AddNoise(out, 0.72, 0.02, 0.8f, 0.0, 0.004, noise);
  Buffer cuff = synth::Silence(0.25);
  AddNoise(cuff, 0.0, 0.25, 0.5f, 0.03, 0.08, noise);
  synth::Filter(cuff, FilterKind::LowPass, 700.0, 0.7);
  synth::Mix(out, cuff, 0.75, 1.0f);
  return out;
}

Buffer IcePack() {
  Buffer out = synth::Silence(0.9);
  Noise noise(62);
  Buffer squish = synth::Silence(0.45);
  AddNoise(squish, 0.0, 0.45, 1.0f, 0.05, 0.15, noise);
  synth::Filter(squish, FilterKind::BandPass, 300.0, 2.0);
  synth::Tremolo(squish, 14.0, 0.7f);
  synth::Mix(out, squish, 0.0, 1.0f);
  AddNoise(out, 0.5, 0.05, 1.0f, 0.0, 0.008, noise);
  AddTone(out, 0.5, 0.08, 2300.0, 0.3f, Wave::Square, 0.0, 0.01);
  return out;
}

Buffer Syringe() {
  Buffer out = synth::Silence(1.0);
  Noise noise(63);
  AddNoise(out, 0.0, 0.9, 0.6f, 0.05, 0.0, noise);
  synth::Filter(out, FilterKind::BandPass, 1200.0, 2.5);
  for (int i = 0; i < 9; ++i)
    AddSweep(out, 0.08 + 0.09 * i, 0.05, 500.0 + 90.0 * (i % 4), 1300.0, 0.25f, Wave::Sine, 0.015);
  synth::Fade(out, 0.03, 0.15);
  return out;
}

Buffer PulseOx() {
  Buffer out = synth::Silence(1.0);
  AddTone(out, 0.05, 0.12, 1000.0, 0.8f, Wave::Sine, 0.003, 0.0);
  AddTone(out, 0.65, 0.12, 1000.0, 0.8f, Wave::Sine, 0.003, 0.0);
  return out;
}

Buffer Splint() {
  Buffer out = synth::Silence(1.0);
  Buffer velcro = Crackle(0.5, 900.0, 2000.0, 64);
  synth::Mix(out, velcro, 0.0, 1.0f);
  AddSweep(out, 0.65, 0.2, 160.0, 80.0, 0.9f, Wave::Sine, 0.04);
  AddTone(out, 0.65, 0.06, 1200.0, 0.3f, Wave::Square, 0.0, 0.01);
  return out;
}

Buffer Heartbeat() {
  Buffer out = synth::Silence(1.7);
  for (int beat = 0; beat < 2; ++beat) {
    const double t = 0.1 + 0.8 * beat;
    AddTone(out, t, 0.12, 55.0, 1.0f, Wave::Sine, 0.01, 0.04);
    AddTone(out, t + 0.22, 0.1, 70.0, 0.7f, Wave::Sine, 0.01, 0.03);
  }
  return out;
}

Buffer Ratchet() {
  Buffer out = synth::Silence(1.3);
  Noise noise(67);
  double t = 0.02;
  for (int i = 0; i < 6; ++i) {
    AddNoise(out, t, 0.012, 0.8f, 0.0, 0.003, noise);
    AddTone(out, t, 0.03, 2500.0, 0.3f, Wave::Square, 0.0, 0.006);
    t += 0.12 + 0.03 * i;
  }
  synth::Filter(out, FilterKind::HighPass, 800.0, 0.7);
  return out;
}

}  // namespace

void WriteShellEffectSounds(DataTree& tree) {
  Write(tree, "sounds\\SFX\\tick1.qwv", Click(2200.0, 0.035, 1));
  Write(tree, "sounds\\SFX\\tick2.qwv", Click(1400.0, 0.025, 2));
  for (int n = 1; n <= 7; ++n) Write(tree, "sounds\\sfx\\amb_gun" + std::to_string(n) + ".qwv", DistantGuns(n));
  for (int n = 1; n <= 3; ++n) Write(tree, "sounds\\amb_mtr" + std::to_string(n) + ".qwv", DistantMortar(n));
  Write(tree, "sounds\\sfx\\GrenExplod1.qwv", GrenadeBlast());
  for (int n = 1; n <= 3; ++n) Write(tree, "sounds\\sfx\\HeliBy" + std::to_string(n) + ".qwv", HeliFlyBy(n));
  Write(tree, "sounds\\sfx\\GrenPin.qwv", GrenadePin());
  Write(tree, "sounds\\sfx\\M4RifleP3x.qwv", RifleBurst());
  Write(tree, "sounds\\sfx\\clip.qwv", ClipIn());
  Write(tree, "sounds\\sfx\\Enemyfire1.qwv", EnemyFire());
  Write(tree, "sounds\\sfx\\9mmpstl.qwv", Pistol());
  Write(tree, "sounds\\sfx\\TruckIdle.qwv", Engine(2.0, 24.0, 380.0, 35));
  Write(tree, "sounds\\sfx\\Truckloop.qwv", Engine(2.0, 40.0, 750.0, 36));
  Write(tree, "sounds\\sfx\\TruckStop.qwv", TruckStop());
  for (int n = 1; n <= 9; ++n) Write(tree, "sounds\\sfx\\Ric" + std::to_string(n) + ".qwv", Ricochet(n));
  for (int n = 1; n <= 4; ++n) Write(tree, "sounds\\sfx\\Whiz" + std::to_string(n) + ".qwv", Whiz(n));
  Write(tree, "sounds\\sfx\\Heliloop.qwv", HeliLoop());
  Write(tree, "sounds\\sfx\\Desert2.qwv", DesertAmbience());

  const std::string tools = "sounds\\sfx\\toolsounds\\";
  Write(tree, tools + "bagvalve.qwv", BagValve());
  Write(tree, tools + "bandage.qwv", BandageRip());
  Write(tree, tools + "bandage2.qwv", BandageWrap());
  Write(tree, tools + "bandage3.qwv", TapePull());
  Write(tree, tools + "burnblanket.qwv", FoilCrinkle());
  Write(tree, tools + "ettube.qwv", TubeSlide());
  Write(tree, tools + "gelicepack.qwv", IcePack());
  Write(tree, tools + "irrigationsyringe.qwv", Syringe());
  Write(tree, tools + "pulseox.qwv", PulseOx());
  Write(tree, tools + "rigidsplint.qwv", Splint());
  Write(tree, tools + "stethoscope.qwv", Heartbeat());
  Write(tree, tools + "tourniquet.qwv", Ratchet());
}

}  // namespace assetgen
