// The window messages the movie player's window receives, besides those of platform/window.h: painting,
// input, its menu command, and the three notifications of the wave-out device (955 to 957).
#pragma once

#include <cstdint>

#include "platform/window.h"

namespace kestrine {

constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_LBUTTONUP = 0x0202;

// The wave-out device's notifications to its callback window: wParam is the device, lParam the buffer
// (done only).
constexpr uint32_t MM_WOM_OPEN = 0x3BB;
constexpr uint32_t MM_WOM_CLOSE = 0x3BC;
constexpr uint32_t MM_WOM_DONE = 0x3BD;

constexpr uint32_t WS_EX_TOPMOST = 0x00000008u;

// The virtual-key codes our windows can receive.
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;

constexpr LPARAM MakeLParam(int low, int high) {
  return static_cast<LPARAM>((static_cast<uint32_t>(high & 0xFFFF) << 16) | static_cast<uint32_t>(low & 0xFFFF));
}
constexpr int LowWord(uintptr_t value) { return static_cast<int>(value & 0xFFFF); }

}  // namespace kestrine
