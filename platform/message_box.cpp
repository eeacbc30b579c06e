#include "platform/message_box.h"

#include <cstdio>

#include "platform/desktop.h"

#ifdef KESTRINE_PLATFORM_SDL
#include <SDL2/SDL.h>
#endif

namespace kestrine {

namespace {

MessageBoxRecorder recorder;

const char* KindWord(uint32_t type) {
  switch (type & 0xF0) {
    case MB_ICONSTOP:
      return "error";
    case MB_ICONEXCLAMATION:
      return "warning";
    default:
      return "note";
  }
}

#ifdef KESTRINE_PLATFORM_SDL
bool ShowOnDisplay(const MessageBoxRecord& box) {
  Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
  if ((box.type & 0xF0) == MB_ICONSTOP) flags = SDL_MESSAGEBOX_ERROR;
  if ((box.type & 0xF0) == MB_ICONEXCLAMATION) flags = SDL_MESSAGEBOX_WARNING;
  return SDL_ShowSimpleMessageBox(flags, box.caption.c_str(), box.text.c_str(), nullptr) == 0;
}
#endif

}  // namespace

int MessageBox(HWND, const char* text, const char* caption, uint32_t type) {
  const MessageBoxRecord box{text ? text : "", caption ? caption : "", type};
  if (recorder) {
    recorder(box);
    return IDOK;
  }
#ifdef KESTRINE_PLATFORM_SDL
  if (DesktopHasDisplay() && ShowOnDisplay(box)) return IDOK;
#endif
  // Nobody can see a window: the box goes where a person running us from a terminal or a log will read it.
  std::fprintf(stderr, "kestrine %s: [%s] %s\n", KindWord(type), box.caption.c_str(), box.text.c_str());
  return IDOK;
}

void SetMessageBoxRecorder(MessageBoxRecorder r) { recorder = std::move(r); }

}  // namespace kestrine
