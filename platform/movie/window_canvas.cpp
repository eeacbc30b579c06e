#include "platform/movie/window_canvas.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

namespace {

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
#ifdef KESTRINE_PLATFORM_SDL
  SDL_Window* window = nullptr;
  // What the SDL window is made from again after it was let go while hidden.
  std::string title;
  int x = 0, y = 0;
  bool topmost = false;
  bool released = false;
#endif
};

std::map<HWND, Canvas>& Canvases() {
  static std::map<HWND, Canvas>* canvases = new std::map<HWND, Canvas>;
  return *canvases;
}

Canvas* Find(HWND hwnd) {
  auto it = Canvases().find(hwnd);
  return it == Canvases().end() ? nullptr : &it->second;
}

// The rectangle clipped to the canvas; false when nothing of it is left.
bool Clip(const Canvas& canvas, RECT& rect) {
  if (canvas.pixels.empty()) return false;  // let go while hidden
  rect.left = std::max(rect.left, 0);
  rect.top = std::max(rect.top, 0);
  rect.right = std::min(rect.right, canvas.width);
  rect.bottom = std::min(rect.bottom, canvas.height);
  return rect.left < rect.right && rect.top < rect.bottom;
}

void ReleaseSdlWindow([[maybe_unused]] Canvas& canvas) {
#ifdef KESTRINE_PLATFORM_SDL
  if (canvas.window) {
    SDL_DestroyWindow(canvas.window);
    canvas.window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
#endif
}

#ifdef KESTRINE_PLATFORM_SDL
void MakeSdlWindow(Canvas& canvas) {
  if (!DesktopHasDisplay() || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
  // The canvas reaches the screen through the display's own shared memory: left to itself SDL would make an
  // OpenGL renderer for it, a second one beside the engine's, and on a software renderer that costs tens of
  // megabytes for a copy a memcpy does.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR;
  if (canvas.topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  canvas.window = SDL_CreateWindow(canvas.title.c_str(), canvas.x, canvas.y, canvas.width, canvas.height, flags);
  if (!canvas.window) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
#endif

}  // namespace

void CreateWindowCanvas(HWND hwnd, const char* title, const RECT& rect, [[maybe_unused]] bool topmost) {
  DestroyWindowCanvas(hwnd);
  Canvas canvas;
  canvas.width = std::max(1, rect.right - rect.left);
  canvas.height = std::max(1, rect.bottom - rect.top);
  canvas.pixels.assign(static_cast<size_t>(canvas.width) * static_cast<size_t>(canvas.height), kCanvasBlack);
#ifdef KESTRINE_PLATFORM_SDL
  canvas.title = title ? title : "";
  canvas.x = rect.left;
  canvas.y = rect.top;
  canvas.topmost = topmost;
  MakeSdlWindow(canvas);
#else
  (void)title;
#endif
  Canvases()[hwnd] = std::move(canvas);
}

void DestroyWindowCanvas(HWND hwnd) {
  Canvas* canvas = Find(hwnd);
  if (!canvas) return;
  ReleaseSdlWindow(*canvas);
  Canvases().erase(hwnd);
}

bool HasWindowCanvas(HWND hwnd) { return Find(hwnd) != nullptr; }

void ShowWindowCanvas(HWND hwnd, [[maybe_unused]] bool visible) {
#ifdef KESTRINE_PLATFORM_SDL
  Canvas* canvas = Find(hwnd);
  if (!canvas) return;
  if (visible && canvas->released) {
    canvas->pixels.assign(static_cast<size_t>(canvas->width) * static_cast<size_t>(canvas->height), kCanvasBlack);
    canvas->released = false;
    MakeSdlWindow(*canvas);
  }
  if (!canvas->window) return;
  if (visible) {
    SDL_ShowWindow(canvas->window);
    SDL_RaiseWindow(canvas->window);
  } else {
    // Hidden on a display nothing of it is seen: its picture and the display's copy of it are let go (a
    // desktop-sized movie window holds megabytes of each), and made again, black, when it shows again.
    ReleaseSdlWindow(*canvas);
    std::vector<uint32_t>().swap(canvas->pixels);
    canvas->released = true;
  }
#else
  (void)hwnd;
#endif
}

uint32_t WindowCanvasSdlId([[maybe_unused]] HWND hwnd) {
#ifdef KESTRINE_PLATFORM_SDL
  const Canvas* canvas = Find(hwnd);
  return canvas && canvas->window ? SDL_GetWindowID(canvas->window) : 0;
#else
  return 0;
#endif
}

HWND WindowOfCanvasSdlId(uint32_t sdlId) {
  if (sdlId == 0) return 0;
  for (const auto& [hwnd, canvas] : Canvases())
    if (WindowCanvasSdlId(hwnd) == sdlId) return hwnd;
  return 0;
}

void FillCanvasRect(HWND hwnd, const RECT& rect, CanvasColor colour) {
  Canvas* canvas = Find(hwnd);
  RECT r = rect;
  if (!canvas || !Clip(*canvas, r)) return;
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = canvas->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(canvas->width);
    std::fill(row + r.left, row + r.right, colour);
  }
}

void FrameCanvasRect(HWND hwnd, const RECT& rect, CanvasColor colour) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  FillCanvasRect(hwnd, RECT{rect.left, rect.top, rect.right, rect.top + 1}, colour);
  FillCanvasRect(hwnd, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  FillCanvasRect(hwnd, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  FillCanvasRect(hwnd, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void BlitToCanvas(HWND hwnd, int x, int y, int width, int height, const uint32_t* pixels, int stride) {
  Canvas* canvas = Find(hwnd);
  if (!canvas || !pixels || width <= 0 || height <= 0 || stride < width) return;
  RECT r{x, y, x + width, y + height};
  if (!Clip(*canvas, r)) return;
  for (int row = r.top; row < r.bottom; ++row) {
    const uint32_t* from = pixels + static_cast<size_t>(row - y) * static_cast<size_t>(stride) + (r.left - x);
    uint32_t* to = canvas->pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(canvas->width) + r.left;
    std::memcpy(to, from, static_cast<size_t>(r.right - r.left) * sizeof(uint32_t));
  }
}

void PresentWindowCanvas([[maybe_unused]] HWND hwnd) {
#ifdef KESTRINE_PLATFORM_SDL
  Canvas* canvas = Find(hwnd);
  if (!canvas || !canvas->window) return;
  SDL_Surface* surface = SDL_GetWindowSurface(canvas->window);
  if (!surface) return;
  // The window manager may have given the window another size than asked: copy what overlaps.
  const int width = std::min(surface->w, canvas->width);
  const int height = std::min(surface->h, canvas->height);
  if (width > 0 && height > 0 && (!SDL_MUSTLOCK(surface) || SDL_LockSurface(surface) == 0)) {
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, canvas->pixels.data(),
                      canvas->width * static_cast<int>(sizeof(uint32_t)), surface->format->format, surface->pixels,
                      surface->pitch);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  }
  SDL_UpdateWindowSurface(canvas->window);
#endif
}

std::optional<CanvasColor> CanvasPixel(HWND hwnd, int x, int y) {
  const Canvas* canvas = Find(hwnd);
  if (!canvas || canvas->pixels.empty() || x < 0 || y < 0 || x >= canvas->width || y >= canvas->height)
    return std::nullopt;
  return canvas->pixels[static_cast<size_t>(y) * static_cast<size_t>(canvas->width) + static_cast<size_t>(x)];
}

}  // namespace kestrine
