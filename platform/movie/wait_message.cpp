#include "platform/movie/wait_message.h"

#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/movie/movie_clock.h"
#include "platform/movie/wave_out.h"
#include "platform/movie/window_input.h"

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

namespace {

// Short enough that a movie's next frame (25 or 30 a second) is never late by much, long enough that a
// loop with nothing to do does not keep the processor busy.
constexpr uint32_t kLongestWaitMs = 5;

std::function<void()>& Hook() {
  static std::function<void()>* hook = new std::function<void()>;
  return *hook;
}

}  // namespace

void GatherOutsideMessages() {
  PumpWindowInput();
  DeliverWaveOutNotifications();
}

void WaitMessage() {
  if (Hook()) Hook()();
  GatherOutsideMessages();
  if (PendingMessageCount() > 0) return;
  if (MovieClockIsVirtual() && !WaveOutDeviceOpen()) {
    MovieClockSleep(kLongestWaitMs);
  } else if (MovieClockIsVirtual()) {
    // A movie's sound plays on the engine's audio device in real time whatever clock the movie keeps: its
    // position moves only as real time passes.
    Sleep(kLongestWaitMs);
  } else {
#ifdef KESTRINE_PLATFORM_SDL
    // Input for a window wakes the wait early; the event stays queued for the gathering below.
    if (SDL_WasInit(SDL_INIT_VIDEO)) {
      SDL_WaitEventTimeout(nullptr, static_cast<int>(kLongestWaitMs));
    } else {
      MovieClockSleep(kLongestWaitMs);
    }
#else
    MovieClockSleep(kLongestWaitMs);
#endif
  }
  GatherOutsideMessages();
}

void SetWaitMessageHook(std::function<void()> hook) { Hook() = std::move(hook); }

}  // namespace kestrine
