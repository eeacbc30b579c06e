// Message boxes: the boxes the player must see (fatal errors, warnings). Shown as an SDL message box
// where a display exists, written to stderr otherwise; tests install a recorder that keeps them instead.
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

}  // namespace kestrine
