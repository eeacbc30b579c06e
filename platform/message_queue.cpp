#include "platform/message_queue.h"

#include <cstdio>
#include <deque>

#include "platform/clock.h"

namespace kestrine {

namespace {

std::deque<MSG>& Queue() {
  static std::deque<MSG>* queue = new std::deque<MSG>;
  return *queue;
}

MessageSource& Source() {
  static MessageSource* source = new MessageSource;
  return *source;
}

}  // namespace

bool PostMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam) {
  if (hwnd != 0 && !IsWindow(hwnd)) return false;
  Queue().push_back(MSG{hwnd, message, wParam, lParam});
  return true;
}

void PostQuitMessage(int exitCode) { Queue().push_back(MSG{0, WM_QUIT, static_cast<WPARAM>(exitCode), 0}); }

int GetMessage(MSG* msg, HWND, uint32_t, uint32_t) {
  while (Queue().empty()) {
    if (!Source()) {
      std::fputs("kestrine: no message can come any more; the message loop ends\n", stderr);
      return -1;
    }
    // A source that has nothing right now (a headless engine with no input) is asked again shortly,
    // without burning the processor.
    if (!PumpMessageSource(-1) && Queue().empty()) Sleep(1);
  }
  *msg = Queue().front();
  Queue().pop_front();
  return msg->message == WM_QUIT ? 0 : 1;
}

bool PeekMessage(MSG* msg, HWND, uint32_t, uint32_t, uint32_t removeFlag) {
  if (Queue().empty()) return false;
  *msg = Queue().front();
  if (removeFlag & PM_REMOVE) Queue().pop_front();
  return true;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg || msg->hwnd == 0) return 0;
  return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void SetMessageSource(MessageSource source) { Source() = std::move(source); }
bool HasMessageSource() { return static_cast<bool>(Source()); }

bool PumpMessageSource(int timeoutMs) {
  if (!Source()) return false;
  // The source may clear itself while it runs (its control released): keep it alive for the call.
  MessageSource source = Source();
  return source(timeoutMs);
}

void ClearMessageQueue() { Queue().clear(); }
size_t PendingMessageCount() { return Queue().size(); }

}  // namespace kestrine
