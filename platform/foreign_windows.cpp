// The windows of this process that SDL made (the engine's own window among them), so that the search by
// title finds them and ShowWindow can minimise and restore them.
#include "platform/window.h"

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

namespace {

#ifdef KESTRINE_PLATFORM_SDL
// SDL numbers its windows from 1 upwards and has no call that lists them; a process of ours makes a
// handful, so looking through the first few hundred numbers finds every one.
constexpr Uint32 kLastWindowIdLookedAt = 256;

std::vector<ForeignWindow> SdlWindows() {
  std::vector<ForeignWindow> all;
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return all;
  for (Uint32 id = 1; id <= kLastWindowIdLookedAt; ++id) {
    SDL_Window* window = SDL_GetWindowFromID(id);
    if (!window) continue;
    const char* title = SDL_GetWindowTitle(window);
    all.push_back(ForeignWindow{id, title ? title : "", [id](int showCommand) {
                                  SDL_Window* w = SDL_GetWindowFromID(id);
                                  if (!w) return;
                                  if (showCommand == SW_MINIMIZE) {
                                    SDL_MinimizeWindow(w);
                                  } else if (showCommand == SW_HIDE) {
                                    SDL_HideWindow(w);
                                  } else {
                                    SDL_ShowWindow(w);
                                    SDL_RestoreWindow(w);
                                    SDL_RaiseWindow(w);
                                  }
                                }});
  }
  return all;
}
#endif

}  // namespace

ForeignWindowProvider DefaultForeignWindowProvider() {
#ifdef KESTRINE_PLATFORM_SDL
  return SdlWindows;
#else
  return nullptr;
#endif
}

}  // namespace kestrine
