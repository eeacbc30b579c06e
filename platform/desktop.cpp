#include "platform/desktop.h"

#include <cstdlib>
#include <cstring>

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

namespace {

std::optional<DesktopSize> overrideSize;
std::optional<DesktopSize> cachedSize;

bool EnvIs(const char* name, const char* value) {
  const char* v = std::getenv(name);
  return v && std::strcmp(v, value) == 0;
}

[[maybe_unused]] bool EnvSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

DesktopSize AskSystem() {
  DesktopSize size;
  if (EnvIs("KESTRINE_ENGINE", "headless")) return size;
#ifdef KESTRINE_PLATFORM_SDL
  // Without a display server (and no video driver chosen instead) there is no desktop to ask about.
  if (!DesktopHasDisplay() && !EnvSet("SDL_VIDEODRIVER")) return size;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) {
      size.width = mode.w;
      size.height = mode.h;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
#endif
  return size;
}

}  // namespace

DesktopSize QueryDesktopSize() {
  if (overrideSize) return *overrideSize;
  if (!cachedSize) cachedSize = AskSystem();
  return *cachedSize;
}

bool DesktopHasDisplay() {
#ifdef KESTRINE_PLATFORM_SDL
  if (EnvIs("KESTRINE_ENGINE", "headless")) return false;
  if (EnvIs("SDL_VIDEODRIVER", "offscreen") || EnvIs("SDL_VIDEODRIVER", "dummy")) return false;
  return EnvSet("DISPLAY") || EnvSet("WAYLAND_DISPLAY");
#else
  return false;
#endif
}

bool DisplayCanBeOpened() {
  // Only the SDL engine (the default) shows anything; another name is for the engine to judge.
  if (EnvSet("KESTRINE_ENGINE") && !EnvIs("KESTRINE_ENGINE", "sdl")) return true;
#ifdef KESTRINE_PLATFORM_SDL
  if (EnvSet("SDL_VIDEODRIVER")) return true;
  // No display server named: nothing to show the game on (a console's own screen is chosen by naming its
  // driver in SDL_VIDEODRIVER).
  if (!EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY")) return false;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // With only an X display named, only X is asked (SDL would try Wayland next and complain of it).
  const bool onlyX = !EnvSet("WAYLAND_DISPLAY");
  if (onlyX) setenv("SDL_VIDEODRIVER", "x11", 1);
  const bool opened = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  if (onlyX) unsetenv("SDL_VIDEODRIVER");
  if (!opened) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool shown = driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0 &&
                     std::strcmp(driver, "evdev") != 0;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return shown;
#else
  return true;
#endif
}

void SetDesktopSizeOverride(std::optional<DesktopSize> size) {
  overrideSize = size;
  cachedSize.reset();
}

int GetSystemMetrics(int index) {
  const DesktopSize size = QueryDesktopSize();
  if (index == SM_CXSCREEN) return size.width;
  if (index == SM_CYSCREEN) return size.height;
  return 0;
}

}  // namespace kestrine
