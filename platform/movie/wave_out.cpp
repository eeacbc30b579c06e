#include "platform/movie/wave_out.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/desktop.h"
#include "platform/message_queue.h"
#include "platform/movie/movie_messages.h"

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

namespace {

struct Notification {
  HWAVEOUT device;
  HWND window;
  uint32_t message;
  WAVEHDR* header;
};

// Filled on SDL's audio thread, emptied on the windows' thread. Never destroyed: a device still open when
// the program exits may call in while statics go away.
struct Mailbox {
  std::mutex mutex;
  std::vector<Notification> notifications;
};

Mailbox& TheMailbox() {
  static Mailbox* mailbox = new Mailbox;
  return *mailbox;
}

[[maybe_unused]] void Mail(HWAVEOUT device, HWND window, uint32_t message, WAVEHDR* header) {
  if (!window) return;
  std::lock_guard<std::mutex> lock(TheMailbox().mutex);
  TheMailbox().notifications.push_back(Notification{device, window, message, header});
}

// Notifications of buffers the device has given back by other means (a reset) or of a device that is gone.
[[maybe_unused]] void Forget(HWAVEOUT device) {
  std::lock_guard<std::mutex> lock(TheMailbox().mutex);
  std::erase_if(TheMailbox().notifications, [device](const Notification& n) { return n.device == device; });
}

bool Supported(const WAVEFORMATEX* format) {
  if (!format || format->wFormatTag != WAVE_FORMAT_PCM) return false;
  if (format->nChannels < 1 || format->nChannels > 2) return false;
  if (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) return false;
  if (format->nSamplesPerSec < 1000 || format->nSamplesPerSec > 192000) return false;
  return format->nBlockAlign == format->nChannels * format->wBitsPerSample / 8;
}

#ifdef KESTRINE_PLATFORM_SDL

struct Device {
  HWAVEOUT handle = 0;
  SDL_AudioDeviceID sdl = 0;
  WAVEFORMATEX format;
  HWND window = 0;
  uint8_t silence = 0;
  // Guarded by SDL's lock of the device: the callback runs under it.
  std::deque<WAVEHDR*> queue;
  uint32_t offset = 0;  // into queue.front()
  uint64_t bytesPlayed = 0;
};

std::map<HWAVEOUT, std::unique_ptr<Device>>& Devices() {
  static std::map<HWAVEOUT, std::unique_ptr<Device>>* devices = new std::map<HWAVEOUT, std::unique_ptr<Device>>;
  return *devices;
}

// Never 27: the movie player drops every message whose first parameter is the Escape key's code.
HWAVEOUT nextHandle = 0x1000;

Device* Find(HWAVEOUT handle) {
  auto it = Devices().find(handle);
  return it == Devices().end() ? nullptr : it->second.get();
}

void SDLCALL Play(void* userdata, Uint8* stream, int length) {
  Device* device = static_cast<Device*>(userdata);
  const uint32_t wanted = static_cast<uint32_t>(std::max(length, 0));
  uint32_t filled = 0;
  while (filled < wanted && !device->queue.empty()) {
    WAVEHDR* header = device->queue.front();
    const uint32_t left = header->dwBufferLength > device->offset ? header->dwBufferLength - device->offset : 0;
    const uint32_t n = std::min(wanted - filled, left);
    std::memcpy(stream + filled, header->lpData + device->offset, n);
    filled += n;
    device->offset += n;
    device->bytesPlayed += n;
    if (device->offset >= header->dwBufferLength) {
      header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
      device->queue.pop_front();
      device->offset = 0;
      Mail(device->handle, device->window, MM_WOM_DONE, header);
    }
  }
  if (filled < wanted) std::memset(stream + filled, device->silence, wanted - filled);
}

class DeviceLock {
 public:
  explicit DeviceLock(const Device& device) : sdl_(device.sdl) { SDL_LockAudioDevice(sdl_); }
  ~DeviceLock() { SDL_UnlockAudioDevice(sdl_); }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  SDL_AudioDeviceID sdl_;
};

#endif

}  // namespace

#ifdef KESTRINE_PLATFORM_SDL

MMRESULT waveOutOpen(HWAVEOUT* device, uint32_t, const WAVEFORMATEX* format, uintptr_t callback, uintptr_t,
                     uint32_t flags) {
  if (!device) return MMSYSERR_INVALPARAM;
  *device = 0;
  if (!Supported(format)) return WAVERR_BADFORMAT;
  if (!DesktopHasDisplay()) return MMSYSERR_NODRIVER;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return MMSYSERR_NODRIVER;

  auto opened = std::make_unique<Device>();
  opened->handle = nextHandle++;
  opened->format = *format;
  opened->window = (flags & CALLBACK_WINDOW) ? static_cast<HWND>(callback) : 0;
  SDL_AudioSpec want{};
  want.freq = static_cast<int>(format->nSamplesPerSec);
  want.format = format->wBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  want.channels = static_cast<Uint8>(format->nChannels);
  // The position moves on by one such piece at a time: small enough that a movie's frames follow it closely.
  want.samples = 512;
  want.callback = Play;
  want.userdata = opened.get();
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware takes, so the buffers keep the file's format.
  opened->sdl = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (opened->sdl == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return MMSYSERR_ALLOCATED;
  }
  opened->silence = have.silence;
  const HWAVEOUT handle = opened->handle;
  const HWND window = opened->window;
  Devices()[handle] = std::move(opened);
  SDL_PauseAudioDevice(Devices()[handle]->sdl, 0);
  *device = handle;
  Mail(handle, window, MM_WOM_OPEN, nullptr);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutClose(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  {
    DeviceLock lock(*device);
    if (!device->queue.empty()) return WAVERR_STILLPLAYING;
  }
  SDL_CloseAudioDevice(device->sdl);
  const HWND window = device->window;
  Devices().erase(handle);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  Forget(handle);
  Mail(handle, window, MM_WOM_CLOSE, nullptr);
  return MMSYSERR_NOERROR;
}

// A queued header's flags belong to the audio callback too: every look at them is made under the device's lock.
MMRESULT waveOutPrepareHeader(HWAVEOUT handle, WAVEHDR* header, uint32_t size) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR) || !header->lpData || header->dwBufferLength == 0) return MMSYSERR_INVALPARAM;
  DeviceLock lock(*device);
  header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutUnprepareHeader(HWAVEOUT handle, WAVEHDR* header, uint32_t size) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  DeviceLock lock(*device);
  if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  header->dwFlags &= ~WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutWrite(HWAVEOUT handle, WAVEHDR* header, uint32_t size) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  DeviceLock lock(*device);
  if (!(header->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
  if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
  device->queue.push_back(header);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutPause(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  SDL_PauseAudioDevice(device->sdl, 1);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutRestart(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  SDL_PauseAudioDevice(device->sdl, 0);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutReset(HWAVEOUT handle) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  {
    DeviceLock lock(*device);
    for (WAVEHDR* header : device->queue) header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    device->queue.clear();
    device->offset = 0;
    device->bytesPlayed = 0;
  }
  Forget(handle);
  return MMSYSERR_NOERROR;
}

MMRESULT waveOutGetPosition(HWAVEOUT handle, MMTIME* time, uint32_t size) {
  Device* device = Find(handle);
  if (!device) return MMSYSERR_INVALHANDLE;
  if (!time || size < sizeof(MMTIME)) return MMSYSERR_INVALPARAM;
  uint64_t bytes = 0;
  {
    DeviceLock lock(*device);
    bytes = device->bytesPlayed;
  }
  if (time->wType == TIME_SAMPLES) {
    time->value = static_cast<uint32_t>(bytes / device->format.nBlockAlign);
  } else {
    // Like the system's device, a unit it does not count in is answered in bytes.
    time->wType = TIME_BYTES;
    time->value = static_cast<uint32_t>(bytes);
  }
  return MMSYSERR_NOERROR;
}

#else

MMRESULT waveOutOpen(HWAVEOUT* device, uint32_t, const WAVEFORMATEX* format, uintptr_t, uintptr_t, uint32_t) {
  if (!device) return MMSYSERR_INVALPARAM;
  *device = 0;
  return Supported(format) ? MMSYSERR_NODRIVER : WAVERR_BADFORMAT;
}
MMRESULT waveOutClose(HWAVEOUT) { return MMSYSERR_INVALHANDLE; }
MMRESULT waveOutPrepareHeader(HWAVEOUT, WAVEHDR*, uint32_t) { return MMSYSERR_INVALHANDLE; }
MMRESULT waveOutUnprepareHeader(HWAVEOUT, WAVEHDR*, uint32_t) { return MMSYSERR_INVALHANDLE; }
MMRESULT waveOutWrite(HWAVEOUT, WAVEHDR*, uint32_t) { return MMSYSERR_INVALHANDLE; }
MMRESULT waveOutPause(HWAVEOUT) { return MMSYSERR_INVALHANDLE; }
MMRESULT waveOutRestart(HWAVEOUT) { return MMSYSERR_INVALHANDLE; }
MMRESULT waveOutReset(HWAVEOUT) { return MMSYSERR_INVALHANDLE; }
MMRESULT waveOutGetPosition(HWAVEOUT, MMTIME*, uint32_t) { return MMSYSERR_INVALHANDLE; }

#endif

void DeliverWaveOutNotifications() {
  std::vector<Notification> due;
  {
    std::lock_guard<std::mutex> lock(TheMailbox().mutex);
    due.swap(TheMailbox().notifications);
  }
  for (const Notification& n : due)
    PostMessage(n.window, n.message, static_cast<WPARAM>(n.device), reinterpret_cast<LPARAM>(n.header));
}

}  // namespace kestrine
