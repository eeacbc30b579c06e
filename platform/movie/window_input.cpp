#include "platform/movie/window_input.h"

#include <vector>

#include "platform/message_queue.h"
#include "platform/movie/movie_messages.h"
#include "platform/movie/window_canvas.h"

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

#ifdef KESTRINE_PLATFORM_SDL

namespace {

// A long movie with a restless mouse over another window must not pile up events without end; pointer
// moves are not kept at all, and past this many the oldest matter least.
constexpr size_t kMostHeldEvents = 512;

std::vector<SDL_Event>& Held() {
  static std::vector<SDL_Event>* held = new std::vector<SDL_Event>;
  return *held;
}

uint32_t TargetWindow(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      return event.window.windowID;
    case SDL_MOUSEMOTION:
      return event.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      return event.button.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return event.key.windowID;
    default:
      return 0;
  }
}

// Letters and digits are their own virtual-key codes; of the rest only what a window of ours could care for.
WPARAM VirtualKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<WPARAM>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<WPARAM>(key);
  switch (key) {
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_RETURN:
      return VK_RETURN;
    case SDLK_SPACE:
      return VK_SPACE;
    default:
      return 0;
  }
}

void Translate(HWND hwnd, const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT)
        PostMessage(hwnd, WM_LBUTTONUP, 0, MakeLParam(event.button.x, event.button.y));
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (const WPARAM vk = VirtualKey(event.key.keysym.sym))
        PostMessage(hwnd, event.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, vk, 0);
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) PostMessage(hwnd, WM_PAINT, 0, 0);
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) PostMessage(hwnd, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
}

}  // namespace

void PumpWindowInput() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (const HWND hwnd = WindowOfCanvasSdlId(TargetWindow(event))) {
      Translate(hwnd, event);
    } else if (event.type != SDL_MOUSEMOTION && Held().size() < kMostHeldEvents) {
      Held().push_back(event);
    }
  }
}

void GiveBackOtherInput() {
  std::vector<SDL_Event> held;
  held.swap(Held());
  for (SDL_Event& event : held) SDL_PushEvent(&event);
}

#else

void PumpWindowInput() {}
void GiveBackOtherInput() {}

#endif

}  // namespace kestrine
