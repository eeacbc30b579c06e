// The audio mixer without a device: what it adds into the buffer and how it moves the play cursors.
#include <gtest/gtest.h>

#include <vector>

#include "backend/sdl/sound_mixer.h"
#include "core/backend_factory.h"
#include "core/engine_core.h"
#include "engine/engine_sound.h"

namespace engine {
namespace {

class Mixer : public ::testing::Test {
 protected:
  Mixer() : core_(MakeHeadlessBackend()) {}

  EngineRef<EngineSound> Sound(int rate, int channels, std::vector<int16_t> samples) {
    PcmData pcm;
    pcm.sampleRate = rate;
    pcm.channels = channels;
    pcm.samples = std::move(samples);
    return MakeEngine<EngineSound>(&core_, std::move(pcm));
  }
  static std::vector<int16_t> Constant(size_t frames, int16_t value) { return std::vector<int16_t>(frames, value); }

  std::vector<int16_t> Mix(SoundMixer& mixer, size_t frames) {
    std::vector<int16_t> out(frames * 2, 12345);  // garbage the mixer must overwrite
    mixer.Mix(core_, out.data(), frames);
    return out;
  }

  EngineCore core_;
};

TEST_F(Mixer, SilenceWhenNothingPlaysAndFullVolumeCentredMonoReachesBothSpeakers) {
  auto idle = Sound(22050, 1, Constant(1000, 9000));
  SoundMixer mixer(22050);
  for (int16_t s : Mix(mixer, 64)) EXPECT_EQ(s, 0);
  EXPECT_EQ(idle->CursorFrame(), 0u);

  auto s = Sound(22050, 1, Constant(1000, 9000));
  s->Play(0, 0);
  auto out = Mix(mixer, 100);
  EXPECT_EQ(out[0], 9000);
  EXPECT_EQ(out[1], 9000);
  EXPECT_EQ(out[199], 9000);
  EXPECT_EQ(s->CursorFrame(), 100u);
}

TEST_F(Mixer, VolumeScalesOnTheGamesScaleAndBelowZeroIsSilentButRunsOn) {
  auto s = Sound(22050, 1, Constant(300, 12700));
  s->SetVolume(64);
  s->Play(0, 0);
  SoundMixer mixer(22050);
  EXPECT_EQ(Mix(mixer, 10)[0], 6400);
  s->SetVolume(-5);
  auto out = Mix(mixer, 100);
  for (int16_t v : out) EXPECT_EQ(v, 0);
  EXPECT_EQ(s->CursorFrame(), 110u) << "a silenced sound still moves on";
  Mix(mixer, 200);
  EXPECT_EQ(s->IsPlaying(), 0) << "and ends when it would have ended";
}

TEST_F(Mixer, PanMovesTheSoundBetweenSpeakersAndStereoKeepsItsSides) {
  auto s = Sound(22050, 1, Constant(1000, 10000));
  s->Play(1, 0);
  SoundMixer mixer(22050);
  s->SetPan(100);
  auto out = Mix(mixer, 4);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[1], 10000);
  s->SetPan(-50);
  out = Mix(mixer, 4);
  EXPECT_EQ(out[0], 10000);
  EXPECT_EQ(out[1], 5000);
  s->SetPan(-400);  // beyond the scale: as far left as it goes
  out = Mix(mixer, 4);
  EXPECT_EQ(out[0], 10000);
  EXPECT_EQ(out[1], 0);

  s->Stop();
  auto stereo = Sound(22050, 2, {1000, -2000, 1000, -2000, 1000, -2000});
  stereo->Play(0, 0);
  out = Mix(mixer, 2);
  EXPECT_EQ(out[0], 1000);
  EXPECT_EQ(out[1], -2000);
}

TEST_F(Mixer, OneShotEndsAtItsEndLoopWrapsAroundAndPlayAgainStartsFromTheTop) {
  auto once = Sound(22050, 1, Constant(100, 5000));
  auto looped = Sound(22050, 1, Constant(100, 7000));
  once->Play(0, 0);
  SoundMixer mixer(22050);
  auto out = Mix(mixer, 250);
  EXPECT_EQ(out[2 * 99], 5000);
  EXPECT_EQ(out[2 * 100], 0) << "nothing after the end";
  EXPECT_EQ(once->IsPlaying(), 0);
  EXPECT_EQ(once->IsBusy(), 0);

  looped->Play(1, 0);
  out = Mix(mixer, 250);
  EXPECT_EQ(out[2 * 249], 7000);
  EXPECT_EQ(looped->IsPlaying(), 1);
  EXPECT_EQ(looped->CursorFrame(), 50u);

  auto again = Sound(22050, 1, Constant(1000, 100));
  again->Play(0, 0);
  Mix(mixer, 300);
  again->Play(0, 0);
  Mix(mixer, 10);
  EXPECT_EQ(again->CursorFrame(), 10u);
}

TEST_F(Mixer, SoundsAddUpAndClipInsteadOfWrapping) {
  auto a = Sound(22050, 1, Constant(100, 20000));
  auto b = Sound(22050, 1, Constant(100, 20000));
  auto c = Sound(22050, 1, Constant(100, -30000));
  a->Play(0, 0);
  b->Play(0, 0);
  SoundMixer mixer(22050);
  EXPECT_EQ(Mix(mixer, 1)[0], 32767);
  c->Play(0, 0);
  EXPECT_EQ(Mix(mixer, 1)[0], 10000);
}

TEST_F(Mixer, ResamplesInterpolatesAndCarriesFractionsOfAFrameBetweenBuffers) {
  std::vector<int16_t> ramp;
  for (int i = 0; i < 1000; ++i) ramp.push_back(static_cast<int16_t>(i * 8));
  auto s = Sound(11025, 1, ramp);
  s->Play(0, 0);
  SoundMixer mixer(44100);  // four device frames per sound frame
  auto out = Mix(mixer, 400);
  EXPECT_EQ(s->CursorFrame(), 100u);
  EXPECT_EQ(out[2 * 0], 0);
  EXPECT_EQ(out[2 * 1], 2);  // a quarter of the way from 0 to 8
  EXPECT_EQ(out[2 * 2], 4);
  EXPECT_EQ(out[2 * 4], 8);
  EXPECT_EQ(out[2 * 399], 399 * 2);

  auto half = Sound(22050, 1, Constant(1000, 100));  // half a sound frame per device frame
  half->Play(0, 0);
  for (int i = 0; i < 10; ++i) Mix(mixer, 3);
  EXPECT_EQ(half->CursorFrame(), 15u) << "30 device frames are 15 sound frames, not 10 rounded-down halves";
}

}  // namespace
}  // namespace engine
