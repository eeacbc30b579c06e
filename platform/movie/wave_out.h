// The wave-out device: PCM played from buffers the caller prepares and queues, with the device's
// notifications (open, done, close) delivered to a window of the caller as the messages MM_WOM_OPEN,
// MM_WOM_DONE and MM_WOM_CLOSE. Its sound goes through the engine's own audio device, as a stream in the
// engine's mixer beside every other sound (one device, however many sounds: some drivers open only one).
// The engine's mixer plays on its own thread; the notifications reach the window only through
// DeliverWaveOutNotifications, one at a time on the window's thread.
//
// An engine without an audio device (a headless run, a machine without sound), or no engine at all, means no
// device: waveOutOpen fails with MMSYSERR_NODRIVER.
#pragma once

#include <cstdint>

#include "engine/engine_root.h"
#include "platform/window.h"

namespace kestrine {

using HWAVEOUT = uintptr_t;  // 0 is no device
using MMRESULT = uint32_t;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT WAVERR_BADFORMAT = 32;
constexpr MMRESULT WAVERR_STILLPLAYING = 33;
constexpr MMRESULT WAVERR_UNPREPARED = 34;

constexpr uint32_t WAVE_MAPPER = 0xFFFFFFFFu;
constexpr uint32_t CALLBACK_WINDOW = 0x00010000u;
constexpr uint16_t WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
  uint16_t wFormatTag = WAVE_FORMAT_PCM;
  uint16_t nChannels = 0;
  uint32_t nSamplesPerSec = 0;
  uint32_t nAvgBytesPerSec = 0;
  uint16_t nBlockAlign = 0;
  uint16_t wBitsPerSample = 0;
  uint16_t cbSize = 0;
};

constexpr uint32_t WHDR_DONE = 0x01;
constexpr uint32_t WHDR_PREPARED = 0x02;
constexpr uint32_t WHDR_INQUEUE = 0x10;

struct WAVEHDR {
  char* lpData = nullptr;
  uint32_t dwBufferLength = 0;
  uint32_t dwBytesRecorded = 0;
  uintptr_t dwUser = 0;
  uint32_t dwFlags = 0;
};

constexpr uint32_t TIME_MS = 0x0001;
constexpr uint32_t TIME_SAMPLES = 0x0002;
constexpr uint32_t TIME_BYTES = 0x0004;

struct MMTIME {
  uint32_t wType = TIME_BYTES;
  uint32_t value = 0;  // in the unit wType names on return
};

// The engine whose mixer plays the devices' sound; the control host names the control it hosts, and
// forgets it when the control goes. Devices already open keep playing on the engine they were opened on.
void SetWaveOutEngine(engine::EngineRef<engine::EngineRoot> root);
// True while a device is open: its sound plays in real time, whatever clock the caller keeps.
bool WaveOutDeviceOpen();

// 8- or 16-bit PCM, 1 or 2 channels, 1,000 to 192,000 samples a second; notifications go to the window
// `callback` when flags hold CALLBACK_WINDOW. The device starts playing (and silent until buffers come).
MMRESULT waveOutOpen(HWAVEOUT* device, uint32_t deviceId, const WAVEFORMATEX* format, uintptr_t callback,
                     uintptr_t instance, uint32_t flags);
// Fails with WAVERR_STILLPLAYING while buffers are queued (waveOutReset first).
MMRESULT waveOutClose(HWAVEOUT device);
MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t size);
MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, uint32_t size);
// Queues a prepared buffer; its bytes must stay until it comes back done.
MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header, uint32_t size);
MMRESULT waveOutPause(HWAVEOUT device);
MMRESULT waveOutRestart(HWAVEOUT device);
// Stops at once and gives every queued buffer back, marked done, without a notification; the position
// starts again from 0.
MMRESULT waveOutReset(HWAVEOUT device);
// What has been played since the open or the last reset, in bytes, or in samples when asked for them.
MMRESULT waveOutGetPosition(HWAVEOUT device, MMTIME* time, uint32_t size);

// Posts the notifications the devices made since the last call to their windows, in order. Called on the
// thread that owns the windows (the movie player's loop does so before it takes its messages).
void DeliverWaveOutNotifications();

}  // namespace kestrine
