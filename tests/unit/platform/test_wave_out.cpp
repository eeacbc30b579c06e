// The wave-out device on the engine's audio device: no device without one; formats it cannot play refused;
// buffers reach the engine's mixer as they were written, come back done when played out, in order, as window
// messages that reach the window only on its own thread; a reset gives every buffer back at once; the
// position counts what was played.
#include <gtest/gtest.h>

#include <vector>

#include "audio_device_engine.h"
#include "movie_test_files.h"
#include "platform/message_queue.h"
#include "platform/movie/movie_messages.h"
#include "platform/movie/wave_out.h"
#include "platform/window.h"

namespace kestrine {
namespace {

struct Notice {
  uint32_t message;
  WPARAM device;
  LPARAM header;
};

class SoundWindow : public WindowImpl {
 public:
  WindowClassInfo WindowClass() const override { return {"SoundWindow", 0, "arrow", 0}; }
  bool ProcessWindowMessage(HWND, uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT&, uint32_t) override {
    if (message == MM_WOM_OPEN || message == MM_WOM_CLOSE || message == MM_WOM_DONE)
      notices.push_back(Notice{message, wParam, lParam});
    return true;
  }
  std::vector<Notice> notices;
};

WAVEFORMATEX Format(uint16_t channels, uint32_t rate, uint16_t bits) {
  WAVEFORMATEX f;
  f.nChannels = channels;
  f.nSamplesPerSec = rate;
  f.wBitsPerSample = bits;
  f.nBlockAlign = static_cast<uint16_t>(channels * bits / 8);
  f.nAvgBytesPerSec = rate * f.nBlockAlign;
  return f;
}

int CountOf(const std::vector<Notice>& notices, uint32_t message) {
  int n = 0;
  for (const Notice& notice : notices)
    if (notice.message == message) ++n;
  return n;
}

void DispatchAll() {
  DeliverWaveOutNotifications();
  MSG msg;
  while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

TEST(WaveOutTest, WithoutAnAudioDeviceThereIsNoDeviceAndFormatsItCannotPlayAreRefused) {
  const WAVEFORMATEX format = Format(1, 22050, 16);
  HWAVEOUT device = 77;
  SetWaveOutEngine(nullptr);
  EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, 0), MMSYSERR_NODRIVER);
  EXPECT_EQ(device, 0u);
  // A headless engine moves its sounds by the clock: it has no device to play a stream.
  SetWaveOutEngine(engine::CreateEngineRoot("headless"));
  EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, 0), MMSYSERR_NODRIVER);
  // Formats it cannot play are refused before any device is asked.
  SetWaveOutEngine(testing::MakeEngineWithAudioDevice());
  WAVEFORMATEX threeChannels = Format(3, 22050, 16);
  WAVEFORMATEX twentyFourBits = Format(1, 22050, 24);
  WAVEFORMATEX tooSlow = Format(1, 500, 16);
  WAVEFORMATEX tooFast = Format(1, 200000, 16);
  WAVEFORMATEX wrongBlock = Format(2, 22050, 16);
  wrongBlock.nBlockAlign = 3;
  WAVEFORMATEX compressed = Format(1, 22050, 16);
  compressed.wFormatTag = 2;
  for (const WAVEFORMATEX* f : {&threeChannels, &twentyFourBits, &tooSlow, &tooFast, &wrongBlock, &compressed})
    EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, f, 0, 0, 0), WAVERR_BADFORMAT);
  EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, nullptr, 0, 0, 0), WAVERR_BADFORMAT);
  EXPECT_EQ(waveOutOpen(nullptr, WAVE_MAPPER, &threeChannels, 0, 0, 0), MMSYSERR_INVALPARAM);
  // Calls on no device at all.
  WAVEHDR header;
  MMTIME time;
  EXPECT_EQ(waveOutWrite(12345, &header, sizeof header), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(waveOutGetPosition(12345, &time, sizeof time), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(waveOutClose(12345), MMSYSERR_INVALHANDLE);
  SetWaveOutEngine(nullptr);
}

// The engine's audio device, played by the test a stretch at a time, 8,000 frames a second.
class WaveOutDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMessageQueue();
    SetWaveOutEngine(engine_);
    window_ = window.Create(0, RECT{0, 0, 10, 10}, "sound", WS_POPUP, 0);
    ASSERT_NE(window_, 0u);
  }
  void TearDown() override {
    SetWaveOutEngine(nullptr);
    ResetWindows();
    ClearMessageQueue();
  }

  HWAVEOUT Open(const WAVEFORMATEX& format) {
    HWAVEOUT device = 0;
    EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, window_, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    return device;
  }
  std::vector<float> Play(int ms) { return testing::PlayAudio(*engine_, ms); }
  static void Queue(HWAVEOUT device, WAVEHDR& header) {
    ASSERT_EQ(waveOutPrepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
    ASSERT_EQ(waveOutWrite(device, &header, sizeof header), MMSYSERR_NOERROR);
  }

  engine::EngineRef<engine::EngineRoot> engine_ = testing::MakeEngineWithAudioDevice();
  SoundWindow window;
  HWND window_ = 0;
};

TEST_F(WaveOutDeviceTest, BuffersPlayedOutComeBackDoneInOrderThroughTheWindowsQueue) {
  const HWAVEOUT device = Open(Format(1, 8000, 16));
  ASSERT_NE(device, 0u);
  EXPECT_NE(device, VK_ESCAPE);  // the movie player drops messages carrying that code

  // Three buffers of 0.1 s each.
  std::vector<std::vector<char>> bytes(3, std::vector<char>(1600, 0));
  std::vector<WAVEHDR> headers(3);
  for (size_t i = 0; i < headers.size(); ++i) {
    headers[i] = WAVEHDR{bytes[i].data(), 1600};
    ASSERT_NO_FATAL_FAILURE(Queue(device, headers[i]));
    EXPECT_TRUE(headers[i].dwFlags & WHDR_INQUEUE);
  }
  EXPECT_EQ(waveOutUnprepareHeader(device, &headers[2], sizeof(WAVEHDR)), WAVERR_STILLPLAYING);
  EXPECT_EQ(waveOutWrite(device, &headers[2], sizeof(WAVEHDR)), WAVERR_STILLPLAYING);

  // A quarter of a second played: two buffers are out, but nothing reaches the window until its thread
  // takes the notifications.
  Play(250);
  MMTIME time;
  time.wType = TIME_SAMPLES;
  ASSERT_EQ(waveOutGetPosition(device, &time, sizeof time), MMSYSERR_NOERROR);
  EXPECT_EQ(time.value, 2000u);
  EXPECT_TRUE(window.notices.empty());
  DispatchAll();
  EXPECT_EQ(window.notices.size(), 3u);
  EXPECT_TRUE(headers[2].dwFlags & WHDR_INQUEUE);
  Play(100);
  DispatchAll();
  ASSERT_EQ(window.notices.size(), 4u);
  EXPECT_EQ(window.notices[0].message, MM_WOM_OPEN);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(window.notices[i + 1].message, MM_WOM_DONE);
    EXPECT_EQ(window.notices[i + 1].device, device);
    EXPECT_EQ(window.notices[i + 1].header, reinterpret_cast<LPARAM>(&headers[i]));
    EXPECT_TRUE(headers[i].dwFlags & WHDR_DONE);
    EXPECT_FALSE(headers[i].dwFlags & WHDR_INQUEUE);
  }

  ASSERT_EQ(waveOutGetPosition(device, &time, sizeof time), MMSYSERR_NOERROR);
  EXPECT_EQ(time.wType, TIME_SAMPLES);
  EXPECT_EQ(time.value, 2400u);
  time.wType = TIME_MS;  // not counted in: answered in bytes
  ASSERT_EQ(waveOutGetPosition(device, &time, sizeof time), MMSYSERR_NOERROR);
  EXPECT_EQ(time.wType, TIME_BYTES);
  EXPECT_EQ(time.value, 4800u);

  for (WAVEHDR& header : headers) EXPECT_EQ(waveOutUnprepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutClose(device), MMSYSERR_NOERROR);
  DispatchAll();
  EXPECT_EQ(window.notices.back().message, MM_WOM_CLOSE);
  EXPECT_EQ(waveOutClose(device), MMSYSERR_INVALHANDLE);
}

// What the mixer hears is what was written: 8-bit samples centred on 128, 16-bit ones little-endian, one
// channel heard on both sides and two kept apart.
TEST_F(WaveOutDeviceTest, TheMixerPlaysTheSamplesAsWritten) {
  const HWAVEOUT mono = Open(Format(1, 8000, 8));
  std::vector<char> loud(80, static_cast<char>(255));  // 10 ms at the top of the 8-bit scale
  WAVEHDR a{loud.data(), 80};
  ASSERT_NO_FATAL_FAILURE(Queue(mono, a));
  std::vector<float> heard = Play(5);
  EXPECT_FLOAT_EQ(heard[10], 127 * 256);
  EXPECT_FLOAT_EQ(heard[11], 127 * 256);
  DispatchAll();
  EXPECT_FALSE(a.dwFlags & WHDR_DONE) << "80 one-byte frames last 10 ms";
  Play(5);
  DispatchAll();
  EXPECT_TRUE(a.dwFlags & WHDR_DONE);
  EXPECT_EQ(waveOutClose(mono), MMSYSERR_NOERROR);

  const HWAVEOUT stereo = Open(Format(2, 8000, 16));
  // Left -2 (FE FF), right 258 (02 01).
  std::vector<char> frames;
  for (int i = 0; i < 40; ++i) frames.insert(frames.end(), {'\xFE', '\xFF', '\x02', '\x01'});
  WAVEHDR b{frames.data(), static_cast<uint32_t>(frames.size())};
  ASSERT_NO_FATAL_FAILURE(Queue(stereo, b));
  heard = Play(3);
  EXPECT_FLOAT_EQ(heard[4], -2);
  EXPECT_FLOAT_EQ(heard[5], 258);
  ASSERT_EQ(waveOutReset(stereo), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutClose(stereo), MMSYSERR_NOERROR);
}

TEST_F(WaveOutDeviceTest, AResetGivesEveryBufferBackAtOnceAndStartsThePositionAgain) {
  const HWAVEOUT device = Open(Format(2, 44100, 16));
  ASSERT_NE(device, 0u);
  ASSERT_EQ(waveOutPause(device), MMSYSERR_NOERROR);
  std::vector<char> bytes(16384, 0);
  WAVEHDR header{bytes.data(), 16384};
  EXPECT_EQ(waveOutWrite(device, &header, sizeof header), WAVERR_UNPREPARED);
  ASSERT_NO_FATAL_FAILURE(Queue(device, header));
  Play(200);
  DispatchAll();
  EXPECT_FALSE(header.dwFlags & WHDR_DONE);  // paused: nothing plays
  EXPECT_EQ(waveOutClose(device), WAVERR_STILLPLAYING);

  ASSERT_EQ(waveOutReset(device), MMSYSERR_NOERROR);
  EXPECT_TRUE(header.dwFlags & WHDR_DONE);
  EXPECT_FALSE(header.dwFlags & WHDR_INQUEUE);
  MMTIME time;
  ASSERT_EQ(waveOutGetPosition(device, &time, sizeof time), MMSYSERR_NOERROR);
  EXPECT_EQ(time.value, 0u);
  EXPECT_EQ(waveOutRestart(device), MMSYSERR_NOERROR);
  Play(200);
  EXPECT_EQ(waveOutUnprepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutClose(device), MMSYSERR_NOERROR);
  DispatchAll();
  // The buffer given back by the reset never comes back a second time as a notification.
  EXPECT_EQ(CountOf(window.notices, MM_WOM_DONE), 0);
  EXPECT_EQ(CountOf(window.notices, MM_WOM_CLOSE), 1);
}

}  // namespace
}  // namespace kestrine
