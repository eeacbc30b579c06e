// The wave-out device: no device without a display; formats it cannot play refused; buffers played out come
// back done, in order, as window messages that reach the window only on its own thread; a reset gives every
// buffer back at once; the position counts what was played.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "movie_test_files.h"
#include "platform/message_queue.h"
#include "platform/movie/movie_messages.h"
#include "platform/movie/wave_out.h"
#include "platform/window.h"
#include "system_library_leaks.h"

namespace kestrine {
namespace {

using testing::ScopedEnv;

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

TEST(WaveOutTest, AHeadlessRunHasNoDevice) {
  ScopedEnv engine("KESTRINE_ENGINE", "headless");
  const WAVEFORMATEX format = Format(1, 22050, 16);
  HWAVEOUT device = 77;
  EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, 0), MMSYSERR_NODRIVER);
  EXPECT_EQ(device, 0u);
}

TEST(WaveOutTest, FormatsItCannotPlayAreRefusedBeforeAnyDeviceIsAsked) {
  ScopedEnv engine("KESTRINE_ENGINE", "headless");
  HWAVEOUT device = 0;
  WAVEFORMATEX threeChannels = Format(3, 22050, 16);
  WAVEFORMATEX twentyFourBits = Format(1, 22050, 24);
  WAVEFORMATEX tooSlow = Format(1, 500, 16);
  WAVEFORMATEX wrongBlock = Format(2, 22050, 16);
  wrongBlock.nBlockAlign = 3;
  WAVEFORMATEX compressed = Format(1, 22050, 16);
  compressed.wFormatTag = 2;
  for (const WAVEFORMATEX* f : {&threeChannels, &twentyFourBits, &tooSlow, &wrongBlock, &compressed})
    EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, f, 0, 0, 0), WAVERR_BADFORMAT);
  EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, nullptr, 0, 0, 0), WAVERR_BADFORMAT);
  EXPECT_EQ(waveOutOpen(nullptr, WAVE_MAPPER, &threeChannels, 0, 0, 0), MMSYSERR_INVALPARAM);
  // Calls on no device at all.
  WAVEHDR header;
  MMTIME time;
  EXPECT_EQ(waveOutWrite(12345, &header, sizeof header), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(waveOutGetPosition(12345, &time, sizeof time), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(waveOutClose(12345), MMSYSERR_INVALHANDLE);
}

// A desktop with a display, on SDL's dummy sound driver, which plays (into nothing) at the real rate.
class WaveOutDeviceTest : public ::testing::Test {
 protected:
  testing::SystemLibraryLeaksIgnored systemLibraries_;
  ScopedEnv engine_{"KESTRINE_ENGINE", std::nullopt};
  ScopedEnv video_{"SDL_VIDEODRIVER", std::nullopt};
  ScopedEnv display_{"DISPLAY", ":kestrine-test"};
  ScopedEnv audio_{"SDL_AUDIODRIVER", "dummy"};

  void SetUp() override {
    ClearMessageQueue();
    window_ = window.Create(0, RECT{0, 0, 10, 10}, "sound", WS_POPUP, 0);
    ASSERT_NE(window_, 0u);
  }
  void TearDown() override {
    ResetWindows();
    ClearMessageQueue();
  }

  HWAVEOUT Open(const WAVEFORMATEX& format) {
    HWAVEOUT device = 0;
    EXPECT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, window_, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    return device;
  }

  SoundWindow window;
  HWND window_ = 0;
};

TEST_F(WaveOutDeviceTest, BuffersPlayedOutComeBackDoneInOrderThroughTheWindowsQueue) {
  const WAVEFORMATEX format = Format(1, 8000, 16);
  const HWAVEOUT device = Open(format);
  ASSERT_NE(device, 0u);
  EXPECT_NE(device, VK_ESCAPE);  // the movie player drops messages carrying that code

  // Three buffers of 0.1 s each.
  std::vector<std::vector<char>> bytes(3, std::vector<char>(1600, 0));
  std::vector<WAVEHDR> headers(3);
  for (size_t i = 0; i < headers.size(); ++i) {
    headers[i].lpData = bytes[i].data();
    headers[i].dwBufferLength = 1600;
    ASSERT_EQ(waveOutPrepareHeader(device, &headers[i], sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(waveOutWrite(device, &headers[i], sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    EXPECT_TRUE(headers[i].dwFlags & WHDR_INQUEUE);
  }
  EXPECT_EQ(waveOutUnprepareHeader(device, &headers[2], sizeof(WAVEHDR)), WAVERR_STILLPLAYING);
  EXPECT_EQ(waveOutWrite(device, &headers[2], sizeof(WAVEHDR)), WAVERR_STILLPLAYING);

  // Played out, but nothing reaches the window until its thread takes the notifications.
  std::this_thread::sleep_for(std::chrono::milliseconds(450));
  EXPECT_TRUE(window.notices.empty());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (CountOf(window.notices, MM_WOM_DONE) < 3 && std::chrono::steady_clock::now() < deadline) {
    DispatchAll();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_EQ(window.notices.size(), 4u);
  EXPECT_EQ(window.notices[0].message, MM_WOM_OPEN);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(window.notices[i + 1].message, MM_WOM_DONE);
    EXPECT_EQ(window.notices[i + 1].device, device);
    EXPECT_EQ(window.notices[i + 1].header, reinterpret_cast<LPARAM>(&headers[i]));
    EXPECT_TRUE(headers[i].dwFlags & WHDR_DONE);
    EXPECT_FALSE(headers[i].dwFlags & WHDR_INQUEUE);
  }

  MMTIME time;
  time.wType = TIME_SAMPLES;
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

TEST_F(WaveOutDeviceTest, AResetGivesEveryBufferBackAtOnceAndStartsThePositionAgain) {
  const HWAVEOUT device = Open(Format(2, 44100, 16));
  ASSERT_NE(device, 0u);
  ASSERT_EQ(waveOutPause(device), MMSYSERR_NOERROR);
  std::vector<char> bytes(16384, 0);
  WAVEHDR header;
  header.lpData = bytes.data();
  header.dwBufferLength = 16384;
  EXPECT_EQ(waveOutWrite(device, &header, sizeof header), WAVERR_UNPREPARED);
  ASSERT_EQ(waveOutPrepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
  ASSERT_EQ(waveOutWrite(device, &header, sizeof header), MMSYSERR_NOERROR);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(header.dwFlags & WHDR_DONE);  // paused: nothing plays
  EXPECT_EQ(waveOutClose(device), WAVERR_STILLPLAYING);

  ASSERT_EQ(waveOutReset(device), MMSYSERR_NOERROR);
  EXPECT_TRUE(header.dwFlags & WHDR_DONE);
  EXPECT_FALSE(header.dwFlags & WHDR_INQUEUE);
  MMTIME time;
  ASSERT_EQ(waveOutGetPosition(device, &time, sizeof time), MMSYSERR_NOERROR);
  EXPECT_EQ(time.value, 0u);
  EXPECT_EQ(waveOutRestart(device), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutUnprepareHeader(device, &header, sizeof header), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutClose(device), MMSYSERR_NOERROR);
  DispatchAll();
  // The buffer given back by the reset never comes back a second time as a notification.
  EXPECT_EQ(CountOf(window.notices, MM_WOM_DONE), 0);
  EXPECT_EQ(CountOf(window.notices, MM_WOM_CLOSE), 1);
}

}  // namespace
}  // namespace kestrine
