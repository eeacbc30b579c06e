#include "platform/message_box.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/desktop.h"
#include "platform/message_box_process.h"

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

// A run that follows an input script has nobody at the keyboard to click OK.
bool ScriptDrivesTheRun() {
  const char* script = std::getenv("KESTRINE_INPUT");
  return script && *script;
}

// The bytes after the first of a UTF-8 character: they take no room of their own and are never cut off.
bool ContinuesACharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

#ifdef KESTRINE_PLATFORM_SDL
bool ShowOnDisplay(const MessageBoxRecord& box) {
  const std::string text = WrapMessageBoxText(box.text, MessageBoxLineCharacters(QueryDesktopSize().width));
  if (MessageBoxProcessAvailable()) return ShowMessageBoxInOwnProcess(text, box.caption, box.type);
  Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
  if ((box.type & 0xF0) == MB_ICONSTOP) flags = SDL_MESSAGEBOX_ERROR;
  if ((box.type & 0xF0) == MB_ICONEXCLAMATION) flags = SDL_MESSAGEBOX_WARNING;
  return SDL_ShowSimpleMessageBox(flags, box.caption.c_str(), text.c_str(), nullptr) == 0;
}
#endif

}  // namespace

bool MessageBoxesReachAPerson() { return DesktopHasDisplay() && !ScriptDrivesTheRun(); }

int MessageBoxLineCharacters(int screenWidth) {
  return std::max(20, (screenWidth - kMessageBoxFrameWidth) / kMessageBoxCharacterWidth);
}

std::string WrapMessageBoxText(const std::string& text, int maxCharacters) {
  maxCharacters = std::max(1, maxCharacters);
  std::string out;
  size_t lineStart = 0;  // in out
  int lineLength = 0;    // characters since lineStart
  size_t lastBlank = std::string::npos;
  for (char c : text) {
    if (c == '\n') {
      out += c;
      lineStart = out.size();
      lineLength = 0;
      lastBlank = std::string::npos;
      continue;
    }
    if (ContinuesACharacter(c)) {
      out += c;
      continue;
    }
    if (lineLength == maxCharacters) {
      if (c == ' ') {
        // The line is full just where a blank falls: the blank becomes the break.
        out += '\n';
        lineStart = out.size();
        lineLength = 0;
        lastBlank = std::string::npos;
        continue;
      }
      if (lastBlank != std::string::npos) {
        out[lastBlank] = '\n';
        lineStart = lastBlank + 1;
      } else {
        out += '\n';
        lineStart = out.size();
      }
      lineLength = 0;
      for (size_t i = lineStart; i < out.size(); ++i)
        if (!ContinuesACharacter(out[i])) ++lineLength;
      lastBlank = std::string::npos;
    }
    if (c == ' ' && lineLength > 0) lastBlank = out.size();
    out += c;
    ++lineLength;
  }
  return out;
}

int MessageBox(HWND, const char* text, const char* caption, uint32_t type) {
  const MessageBoxRecord box{text ? text : "", caption ? caption : "", type};
  if (recorder) {
    recorder(box);
    return IDOK;
  }
#ifdef KESTRINE_PLATFORM_SDL
  if (MessageBoxesReachAPerson() && ShowOnDisplay(box)) return IDOK;
#endif
  // Nobody can see or answer a window: the box goes where a person running us from a terminal or a log will
  // read it, and the run goes on as if OK had been clicked.
  std::fprintf(stderr, "kestrine %s: [%s] %s\n", KindWord(type), box.caption.c_str(), box.text.c_str());
  return IDOK;
}

void SetMessageBoxRecorder(MessageBoxRecorder r) { recorder = std::move(r); }

}  // namespace kestrine
