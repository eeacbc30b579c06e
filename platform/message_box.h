// Message boxes: the boxes the player must see (fatal errors, warnings). Shown on the display to a person who
// sits at it, their text wrapped to fit the screen; written to stderr when nobody can see or answer them (no
// display, the headless engine, a video driver that draws nowhere, a run driven by an input script). Tests
// install a recorder that keeps them instead.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/window.h"

namespace kestrine {

constexpr uint32_t MB_OK = 0x00;
constexpr uint32_t MB_OKCANCEL = 0x01;
constexpr uint32_t MB_ICONSTOP = 0x10;
constexpr uint32_t MB_ICONEXCLAMATION = 0x30;
constexpr uint32_t MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  uint32_t type = MB_OK;
};

// Blocks until the player dismisses the box. No caller acts on the answer, so every box is answered IDOK
// (an OK/Cancel box shows as one with OK).
int MessageBox(HWND owner, const char* text, const char* caption, uint32_t type);

// While a recorder is installed, boxes go to it and nothing is shown. Null removes it.
using MessageBoxRecorder = std::function<void(const MessageBoxRecord&)>;
void SetMessageBoxRecorder(MessageBoxRecorder recorder);

// True when a box would be put on the display for someone to read and answer; false when it goes to stderr.
bool MessageBoxesReachAPerson();

// The widest a character of the box's font is drawn, in pixels, and what the box adds around its text (its
// margins and the window's frame): the box's lines are cut to what fits the screen with these.
constexpr int kMessageBoxCharacterWidth = 10;
constexpr int kMessageBoxFrameWidth = 80;
// Characters in one line of a box on a screen `screenWidth` pixels wide (never fewer than 20).
int MessageBoxLineCharacters(int screenWidth);
// `text` in lines of at most `maxCharacters` characters: broken at the last blank that keeps a line short
// enough (the blank dropped), a word longer than a whole line cut where the line is full. The text's own line
// breaks stay where they are.
std::string WrapMessageBoxText(const std::string& text, int maxCharacters);

}  // namespace kestrine
