// The SDL backend's audio device and input scripts: sounds are consumed by the device (the dummy driver
// in CI), and a scripted run presents and captures frames like a person's run would.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/input_script.h"
#include "render/sdl_fixture.h"
#include "unit/engine/recorded_events.h"

namespace engine::testing {
namespace {

class SdlAudioAndScripts : public SdlFixture {};

TEST_F(SdlAudioAndScripts, DeviceConsumesPlayingSoundsToTheirEnd) {
  ASSERT_TRUE(backend_->AudioOpen()) << "the dummy audio driver must open";
  EXPECT_FALSE(backend_->AdvancesSoundsByClock()) << "the device, not the clock, moves the cursors";
  PcmData pcm;
  pcm.sampleRate = 22050;
  pcm.samples.assign(2205, 1000);  // 100 ms
  auto sound = MakeEngine<EngineSound>(&engine::CoreOf(*root_), pcm);
  sound->Play(0, 0);
  EXPECT_EQ(sound->IsPlaying(), 1);
  // The game's own way of waiting for a sound: Wait(100) until it stops. Bounded so a dead device fails.
  int waits = 0;
  while (sound->IsPlaying() && waits < 100) {
    root_->Wait(100);
    ++waits;
  }
  EXPECT_EQ(sound->IsPlaying(), 0);
  EXPECT_EQ(sound->CursorFrame(), 2205u);
}

TEST_F(SdlAudioAndScripts, ScriptedRunPresentsAndCapturesWhatTheGameDrew) {
  auto image = root_->CreateBitmap(640, 480);
  image->Clear(0, 0, 0);
  auto sprite = camera_->CreateSprite(image, 0);
  root_->Render();
  RecordingSink sink;
  int frames = 0;
  sink.onEvent = [&](const RawEvent& e) {
    if (e.id == kEventFrame) image->Clear(0, static_cast<uint8_t>(60 * ++frames), 0);
  };
  root_->Advise(&sink);
  int quits = 0;
  root_->SetQuitHandler([&] { ++quits; });
  const auto png = std::filesystem::temp_directory_path() / "kestrine_scripted_capture.png";
  root_->SetInputScript(
      InputScript::Parse("frame 16\nclick 320 240\nframe 17\ncapture " + png.string() + "\nquit\n", "test script"));
  int fired = 0;
  while (root_->FireNextEvent(0) && fired < 100) ++fired;
  root_->Unadvise();
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(sink.texts, (std::vector<std::string>{"frame 16", "mouse 6 320 240", "mouse 7 320 240", "frame 17"}));
  auto captured = DecodeImage(ReadAll(png));
  std::filesystem::remove(png);
  ASSERT_TRUE(captured);
  EXPECT_TRUE(PixelNear(captured, 320, 240, {0, 120, 0})) << "the second frame's drawing, shown after its handler";
}

}  // namespace
}  // namespace engine::testing
