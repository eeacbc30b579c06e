// The program's one message queue. Messages posted with PostMessage wait here in order; when none waits,
// GetMessage lets the message source (the hosted engine) fire its next event, so engine events and posted
// messages are handled one at a time on the one thread.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/window.h"

namespace kestrine {

struct MSG {
  HWND hwnd = 0;
  uint32_t message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// False for a window handle that is no window; 0 posts to the thread (only WM_QUIT goes there).
bool PostMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam);
// Posts WM_QUIT with the exit code; messages posted before it are still delivered first.
void PostQuitMessage(int exitCode);

// Waits for the next message. Returns 0 for WM_QUIT, -1 when no message can ever come (nothing is posted
// and there is no message source), and 1 otherwise.
int GetMessage(MSG* msg, HWND hwnd, uint32_t filterMin, uint32_t filterMax);
constexpr uint32_t PM_NOREMOVE = 0;
constexpr uint32_t PM_REMOVE = 1;
// The next posted message, if one waits; never waits and never asks the message source.
bool PeekMessage(MSG* msg, HWND hwnd, uint32_t filterMin, uint32_t filterMax, uint32_t removeFlag);
// Hands the message to its window's message map. Messages to no window are dropped.
LRESULT DispatchMessage(const MSG* msg);

// What fires events when no message waits: called with a time-out in ms (negative: as long as it takes)
// and true when it fired one. The control host sets it while a control is hosted; null clears it.
using MessageSource = std::function<bool(int timeoutMs)>;
void SetMessageSource(MessageSource source);
bool HasMessageSource();
// Lets the message source fire one event, waiting at most timeoutMs; false when there is no source or
// no event came.
bool PumpMessageSource(int timeoutMs);

// Drops every waiting message (the end of a run, so the next one starts clean).
void ClearMessageQueue();
size_t PendingMessageCount();

}  // namespace kestrine
