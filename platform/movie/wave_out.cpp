#include "platform/movie/wave_out.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "platform/message_queue.h"
#include "platform/movie/movie_messages.h"

namespace kestrine {

namespace {

struct Notification {
  HWAVEOUT device;
  HWND window;
  uint32_t message;
  WAVEHDR* header;
};

struct Device {
  HWAVEOUT handle = 0;
  WAVEFORMATEX format;
  HWND window = 0;
  engine::EngineRef<engine::EngineSoundStream> stream;
  std::deque<WAVEHDR*> queue;  // written and not given back yet, in order
};

// Everything here lives on the windows' thread: the mixer only ever sees the engine's stream.
struct WaveOut {
  engine::EngineRef<engine::EngineRoot> engine;
  std::map<HWAVEOUT, std::unique_ptr<Device>> devices;
  std::vector<Notification> notifications;
  // Never 27: the movie player drops every message whose first parameter is the Escape key's code.
  HWAVEOUT nextHandle = 0x1000;
  std::vector<int16_t> samples;
};

// Never destroyed: a device still open when the program exits must not be torn down under its engine.
WaveOut& State() {
  static WaveOut* state = new WaveOut;
  return *state;
}

void Mail(HWAVEOUT device, HWND window, uint32_t message, WAVEHDR* header) {
  if (window) State().notifications.push_back(Notification{device, window, message, header});
}

// Notifications of buffers the device has given back by other means (a reset) or of a device that is gone.
void Forget(HWAVEOUT device) {
  std::erase_if(State().notifications, [device](const Notification& n) { return n.device == device; });
}

Device* Find(HWAVEOUT handle) {
  auto it = State().devices.find(handle);
  return it == State().devices.end() ? nullptr : it->second.get();
}

bool Supported(const WAVEFORMATEX* format) {
  if (!format || format->wFormatTag != WAVE_FORMAT_PCM) return false;
  if (format->nChannels < 1 || format->nChannels > 2) return false;
  if (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) return false;
  if (format->nSamplesPerSec < 1000 || format->nSamplesPerSec > 192000) return false;
  return format->nBlockAlign == format->nChannels * format->wBitsPerSample / 8;
}

// The buffer's bytes as the engine's 16-bit samples (8-bit PCM is unsigned, centred on 128; 16-bit is
// little-endian).
const std::vector<int16_t>& SamplesOf(const Device& device, const WAVEHDR& header) {
  std::vector<int16_t>& out = State().samples;
  const auto* bytes = reinterpret_cast<const uint8_t*>(header.lpData);
  const size_t frames = header.dwBufferLength / device.format.nBlockAlign;
  const size_t count = frames * device.format.nChannels;
  out.resize(count);
  if (device.format.wBitsPerSample == 8) {
    for (size_t i = 0; i < count; ++i) out[i] = static_cast<int16_t>((static_cast<int>(bytes[i]) - 128) * 256);
  } else {
    for (size_t i = 0; i < count; ++i)
      out[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
  }
  return out;
}

}  // namespace

void SetWaveOutEngine(engine::EngineRef<engine::EngineRoot> root) { State().engine = std::move(root); }

bool WaveOutDeviceOpen() { return !State().devices.empty(); }

MMRESULT waveOutOpen(HWAVEOUT* device, uint32_t, const WAVEFORMATEX* format, uintptr_t callback, uintptr_t,
                     uint32_t flags) {
  if (!device) return MMSYSERR_INVALPARAM;
  *device = 0;
  if (!Supported(format)) return WAVERR_BADFORMAT;
  if (!State().engine) return MMSYSERR_NODRIVER;
  engine::EngineRef<engine::EngineSoundStream> stream =
      State().engine->CreateSoundStream(static_cast<int>(format->nSamplesPerSec), format->nChannels);
  if (!stream) return MMSYSERR_NODRIVER;

  auto opened = std::make_unique<Device>();
  opened->handle = State().nextHandle++;
  opened->format = *format;
  opened->window = (flags & CALLBACK_WINDOW) ? static_cast<HWND>(callback) : 0;
  opened->stream = std::move(stream);
  const HWAVEOUT handle = opened->handle;
  Mail(handle, opened->window, MM_WOM_OPEN, nullptr);
  State().devices[handle] = std::move(opened);
  *device = handle;
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutClose(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  if (!device->queue.empty()) return WAVERR_STILLPLAYING;
  const HWND window = device->window;
  State().devices.erase(handle);
  Forget(handle);
  Mail(handle, window, MM_WOM_CLOSE, nullptr);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutPrepareHeader(HWAVEOUT handle, WAVEHDR* header, uint32_t size) {
  if (!Find(handle)) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR) || !header->lpData || header->dwBufferLength == 0) return MMSYSERR_INVALPARAM;
  header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutUnprepareHeader(HWAVEOUT handle, WAVEHDR* header, uint32_t size) {
  if (!Find(handle)) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  header->dwFlags &= ~WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

// The bytes are copied into the engine's stream at once; the buffer still counts as queued until the mixer
// has played it, as the caller paces its filling by the buffers coming back.
MMRESULT waveOutWrite(HWAVEOUT handle, WAVEHDR* header, uint32_t size) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  if (!(header->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
  if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
  const std::vector<int16_t>& samples = SamplesOf(*device, *header);
  device->queue.push_back(header);
  device->stream->Queue(samples.data(), samples.size() / device->format.nChannels, reinterpret_cast<uintptr_t>(header));
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutPause(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  device->stream->SetPaused(true);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutRestart(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  device->stream->SetPaused(false);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutReset(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  device->stream->Reset();
  for (WAVEHDR* header : device->queue) header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
  device->queue.clear();
  Forget(handle);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutGetPosition(HWAVEOUT handle, MMTIME* time, uint32_t size) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  if (!time || size < sizeof(MMTIME)) return MMSYSERR_INVALPARAM;
  const uint64_t frames = device->stream->PlayedFrames();
  if (time->wType == TIME_SAMPLES) {
    time->value = static_cast<uint32_t>(frames);
  } else {
    // Like the system's device, a unit it does not count in is answered in bytes.
    time->wType = TIME_BYTES;
    time->value = static_cast<uint32_t>(frames * device->format.nBlockAlign);
  }
  return MMSYSERR_NOERROR;
}

void DeliverWaveOutNotifications() {
  // Buffers the mixer has played out since the last look come back done, in the order they were written.
  for (auto& [handle, device] : State().devices) {
    for (uintptr_t tag : device->stream->TakePlayed()) {
      auto* header = reinterpret_cast<WAVEHDR*>(tag);
      auto it = std::find(device->queue.begin(), device->queue.end(), header);
      if (it == device->queue.end()) continue;
      device->queue.erase(it);
      header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
      Mail(handle, device->window, MM_WOM_DONE, header);
    }
  }
  std::vector<Notification> due;
  due.swap(State().notifications);
  for (const Notification& n : due)
    PostMessage(n.window, n.message, static_cast<WPARAM>(n.device), reinterpret_cast<LPARAM>(n.header));
}

}  // namespace kestrine
