// Play cursors: how long a sound plays, looping, stopping, and that the clock's step size does not
// change what is heard. Sound streams: blocks played in order, resampled across their seams, handed back.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "core/backend_factory.h"
#include "core/engine_core.h"
#include "core/wav_reader.h"
#include "engine/engine_sound.h"
#include "wav_test_bytes.h"

namespace engine {
namespace {

PcmData Frames(int rate, size_t frames, int channels = 1) {
  PcmData pcm;
  pcm.sampleRate = rate;
  pcm.channels = channels;
  pcm.samples.assign(frames * static_cast<size_t>(channels), 0);
  return pcm;
}

EngineRef<EngineSound> SoundOf(PcmData pcm) { return MakeEngine<EngineSound>(nullptr, std::move(pcm)); }

TEST(SoundPlayback, AWavPlaysForItsLengthThenStops) {
  // 1000 frames at 22050 Hz last 45.35 ms: still sounding after 45 ms, over at 46.
  auto pcm = DecodeWav(wavtest::Wave16(2, 22050, 1000));
  ASSERT_TRUE(pcm);
  ASSERT_EQ(pcm->LengthMs(), 46);
  auto s = SoundOf(std::move(*pcm));
  EXPECT_EQ(s->IsPlaying(), 0);
  EXPECT_EQ(s->IsBusy(), 0);
  s->Play(0, 0);
  EXPECT_EQ(s->IsBusy(), 1);
  EXPECT_EQ(s->IsPlaying(), 1);
  s->AdvanceMs(45);
  EXPECT_EQ(s->IsPlaying(), 1);
  EXPECT_EQ(s->CursorFrame(), 992u);
  s->AdvanceMs(1);
  EXPECT_EQ(s->IsPlaying(), 0);
  EXPECT_EQ(s->IsBusy(), 0);
}

TEST(SoundPlayback, ALoopWrapsPlayRestartsFromTheTopAndStopSilencesEvenALoop) {
  auto s = SoundOf(Frames(1000, 100));  // 100 ms long
  s->Play(1, 0);
  EXPECT_TRUE(s->Looping());
  s->AdvanceMs(250);
  EXPECT_EQ(s->IsPlaying(), 1);
  EXPECT_EQ(s->CursorFrame(), 50u);
  s->AdvanceMs(60);
  EXPECT_EQ(s->CursorFrame(), 10u);
  s->Play(0, 0);
  EXPECT_EQ(s->CursorFrame(), 0u);
  EXPECT_FALSE(s->Looping());
  s->AdvanceMs(99);
  EXPECT_EQ(s->IsPlaying(), 1);
  s->AdvanceMs(1);
  EXPECT_EQ(s->IsPlaying(), 0) << "a one-shot replay ends at the end, not after the loop's remainder";
  s->Play(1, 0);
  s->AdvanceMs(30);
  s->Stop();
  EXPECT_EQ(s->IsBusy(), 0);
  s->AdvanceMs(500);
  EXPECT_EQ(s->IsPlaying(), 0);
  EXPECT_EQ(s->CursorFrame(), 0u);
  s->Play(0, 0);
  EXPECT_EQ(s->IsBusy(), 1);
  s->SetVolume(-20);  // an effects level under an overhead offset: silent, but kept as the game passed it
  EXPECT_EQ(s->Volume(), -20);
}

TEST(SoundClock, ManySmallAdvancesEqualOneLargeOneAndFrameSizedStepsEndAOneShotWhenOneStepWould) {
  for (int rate : {8000, 11025, 22050, 44100, 7919}) {
    auto small = SoundOf(Frames(rate, static_cast<size_t>(rate) * 3));
    auto large = SoundOf(Frames(rate, static_cast<size_t>(rate) * 3));
    small->Play(1, 0);
    large->Play(1, 0);
    for (int i = 0; i < 1700; ++i) small->AdvanceMs(1);
    large->AdvanceMs(1700);
    EXPECT_EQ(small->CursorFrame(), large->CursorFrame()) << "rate " << rate;
    EXPECT_EQ(small->CursorFrame(), static_cast<size_t>(rate) * 17 / 10) << "rate " << rate;
  }
  // 60 fps frames of 16/17 ms against a single advance of the same total.
  auto stepped = SoundOf(Frames(22050, 22050 / 2));  // 500 ms
  stepped->Play(0, 0);
  int elapsed = 0, last = 0;
  const int steps[] = {16, 17, 17};
  for (int i = 0; stepped->IsPlaying() && i < 100; ++i) {
    last = steps[i % 3];
    stepped->AdvanceMs(last);
    elapsed += last;
  }
  // The sound ends in the first frame that reaches 500 ms, not earlier and not later.
  EXPECT_GE(elapsed, 500);
  EXPECT_LT(elapsed - last, 500);
}

TEST(SoundClock, AbsurdSpansNeitherOverflowNorHangAndSilentSoundsStartAndStop) {
  auto loop = SoundOf(Frames(44100, 1234));
  loop->Play(1, 0);
  loop->AdvanceMs(std::numeric_limits<int64_t>::max());
  EXPECT_EQ(loop->IsPlaying(), 1);
  EXPECT_LT(loop->CursorFrame(), 1234u);
  auto once = SoundOf(Frames(44100, 1234));
  once->Play(0, 0);
  once->AdvanceMs(std::numeric_limits<int64_t>::max());
  EXPECT_EQ(once->IsPlaying(), 0);
  once->Play(0, 0);
  once->AdvanceMs(-50);
  EXPECT_EQ(once->IsPlaying(), 1) << "negative time does nothing";
  // A silent sound starts and stops, so a caller waiting until it plays, then until it stops, goes on.
  auto empty = SoundOf(PcmData{});
  empty->Play(0, 0);
  EXPECT_EQ(empty->IsPlaying(), 1);
  empty->AdvanceMs(100);
  EXPECT_EQ(empty->IsPlaying(), 0);
  empty->Play(1, 0);
  empty->AdvanceMs(100);
  EXPECT_EQ(empty->IsPlaying(), 1) << "a silent loop plays on until stopped";
  EXPECT_EQ(empty->CursorFrame(), 0u);
}

TEST(SoundMixer, AdvanceFramesUnderTheLockEndsOrWraps) {
  auto once = SoundOf(Frames(22050, 300, 2));
  once->Play(0, 0);
  {
    std::lock_guard<std::mutex> lock(once->Mutex());
    once->AdvanceFrames(299);
  }
  EXPECT_EQ(once->IsPlaying(), 1);
  {
    std::lock_guard<std::mutex> lock(once->Mutex());
    once->AdvanceFrames(1);
  }
  EXPECT_EQ(once->IsPlaying(), 0);

  auto loop = SoundOf(Frames(22050, 300));
  loop->Play(1, 0);
  {
    std::lock_guard<std::mutex> lock(loop->Mutex());
    loop->AdvanceFrames(1000);
  }
  EXPECT_EQ(loop->IsPlaying(), 1);
  EXPECT_EQ(loop->CursorFrame(), 100u);
}

TEST(SoundRegistry, SoundsRegisterWithTheCoreAndLeaveWhenReleased) {
  auto core = std::make_unique<EngineCore>(MakeHeadlessBackend());
  auto count = [&] {
    int n = 0;
    core->ForEachSound([&](EngineSound&) { ++n; });
    return n;
  };
  auto a = MakeEngine<EngineSound>(core.get(), Frames(1000, 100));
  {
    auto b = MakeEngine<EngineSound>(core.get(), Frames(1000, 100));
    EXPECT_EQ(count(), 2);
    a->Play(0, 0);
    b->Play(1, 0);
    core->AdvanceClock(150);
    EXPECT_EQ(a->IsPlaying(), 0);
    EXPECT_EQ(b->CursorFrame(), 50u);
  }
  EXPECT_EQ(count(), 1);
  // A sound the game still holds when the engine goes away must not call back into it.
  core.reset();
  a.Reset();
}

// A ramp in two blocks at 4,000 frames a second, played at 8,000: every other frame lies halfway between
// two of the stream's, the one after the first block's last frame included.
TEST(SoundStream, BlocksPlayInOrderResampledAcrossTheirSeamAndComeBack) {
  auto stream = MakeEngine<EngineSoundStream>(nullptr, 4000, 1);
  const int16_t first[4] = {0, 100, 200, 300};
  const int16_t second[4] = {400, 500, 600, 700};
  stream->Queue(first, 4, 11);
  stream->Queue(second, 4, 22);
  std::vector<float> out(2 * 8, 0.0f);
  stream->MixInto(out.data(), 8, 8000);
  for (int i = 0; i < 8; ++i) {
    EXPECT_FLOAT_EQ(out[2 * i], 50.0f * i) << i;
    EXPECT_FLOAT_EQ(out[2 * i + 1], 50.0f * i) << i;  // one channel heard on both sides
  }
  EXPECT_EQ(stream->PlayedFrames(), 4u);
  EXPECT_EQ(stream->TakePlayed(), (std::vector<uintptr_t>{11}));
  EXPECT_TRUE(stream->TakePlayed().empty());

  // A pause holds the place; then the rest plays out, and silence after it.
  stream->SetPaused(true);
  std::vector<float> paused(2 * 4, 0.0f);
  stream->MixInto(paused.data(), 4, 8000);
  EXPECT_EQ(paused, std::vector<float>(8, 0.0f));
  stream->SetPaused(false);
  std::vector<float> rest(2 * 10, 0.0f);
  stream->MixInto(rest.data(), 10, 8000);
  EXPECT_FLOAT_EQ(rest[0], 400.0f);
  EXPECT_FLOAT_EQ(rest[2 * 6], 700.0f);
  EXPECT_FLOAT_EQ(rest[2 * 9], 0.0f);
  EXPECT_EQ(stream->PlayedFrames(), 8u);
  EXPECT_EQ(stream->TakePlayed(), (std::vector<uintptr_t>{22}));
  EXPECT_EQ(stream->QueuedBlocks(), 0u);

  // A reset drops what waits without handing it back, and counts from nothing.
  stream->Queue(first, 4, 33);
  stream->Reset();
  EXPECT_EQ(stream->PlayedFrames(), 0u);
  EXPECT_TRUE(stream->TakePlayed().empty());
}

}  // namespace
}  // namespace engine
