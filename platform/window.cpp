#include "platform/window.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/desktop.h"
#include "platform/movie/window_canvas.h"

namespace kestrine {

namespace {

// Handles of our own windows count up from here; the desktop and the foreign windows have their own.
constexpr HWND kDesktopHandle = 0x10;
constexpr HWND kFirstOwnHandle = 0x100;
constexpr HWND kForeignBase = 0x40000000;

struct WindowRecord {
  WindowImpl* impl = nullptr;
  std::string className;
  std::string title;
  RECT rect;
  uint32_t style = 0;
  int showState = -1;
};

struct WindowSystem {
  std::map<HWND, WindowRecord> windows;
  HWND nextHandle = kFirstOwnHandle;
  std::vector<std::function<void(HWND)>> destroyedObservers;
  ForeignWindowProvider foreign = DefaultForeignWindowProvider();
  std::map<HWND, int> foreignShowState;
};

// Never destroyed: window objects with static storage may still ask for it while the program exits.
WindowSystem& System() {
  static WindowSystem* system = new WindowSystem;
  return *system;
}

WindowRecord* Find(HWND hwnd) {
  auto it = System().windows.find(hwnd);
  return it == System().windows.end() ? nullptr : &it->second;
}

bool IsForeignHandle(HWND hwnd) { return hwnd >= kForeignBase; }

std::vector<ForeignWindow> ForeignWindows() {
  return System().foreign ? System().foreign() : std::vector<ForeignWindow>{};
}

const ForeignWindow* FindForeign(const std::vector<ForeignWindow>& all, HWND hwnd) {
  for (const ForeignWindow& w : all)
    if (kForeignBase + w.id == hwnd) return &w;
  return nullptr;
}

}  // namespace

WindowImpl::~WindowImpl() {
  // A window object that dies with its window still open takes the window with it, quietly: at exit
  // there is nobody left to answer its messages.
  if (hwnd_) System().windows.erase(hwnd_);
}

HWND WindowImpl::Create(HWND, const RECT& rect, const char* title, uint32_t style, uint32_t) {
  const WindowClassInfo info = WindowClass();
  const HWND hwnd = System().nextHandle++;
  WindowRecord record;
  record.impl = this;
  record.className = info.name ? info.name : "";
  record.title = title ? title : "";
  record.rect = rect;
  record.style = style;
  record.showState = (style & WS_VISIBLE) ? SW_SHOW : SW_HIDE;
  System().windows[hwnd] = record;
  hwnd_ = hwnd;
  SendMessage(hwnd, WM_CREATE, 0, 0);
  return IsWindow(hwnd) ? hwnd : 0;
}

LRESULT SendMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Find(hwnd);
  if (!record) return 0;
  LRESULT result = 0;
  if (record->impl && record->impl->ProcessWindowMessage(hwnd, message, wParam, lParam, result, 0)) return result;
  return DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT DefWindowProc(HWND hwnd, uint32_t message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) DestroyWindow(hwnd);
  return 0;
}

bool DestroyWindow(HWND hwnd) {
  WindowRecord* record = Find(hwnd);
  if (!record) return false;
  WindowImpl* impl = record->impl;
  SendMessage(hwnd, WM_DESTROY, 0, 0);
  // Copied: an observer may add another.
  const auto observers = System().destroyedObservers;
  for (const auto& observer : observers) observer(hwnd);
  System().windows.erase(hwnd);
  if (impl && impl->hwnd_ == hwnd) impl->hwnd_ = 0;
  return true;
}

bool IsWindow(HWND hwnd) { return Find(hwnd) != nullptr; }

bool ShowWindow(HWND hwnd, int showCommand) {
  if (IsForeignHandle(hwnd)) {
    const auto all = ForeignWindows();
    const ForeignWindow* w = FindForeign(all, hwnd);
    if (!w) return false;
    int& state = System().foreignShowState[hwnd];
    const bool wasVisible = state != SW_HIDE && state != SW_MINIMIZE;
    if (w->show) w->show(showCommand);
    state = showCommand;
    return wasVisible;
  }
  WindowRecord* record = Find(hwnd);
  if (!record) return false;
  const bool wasVisible = record->showState != SW_HIDE && record->showState != SW_MINIMIZE;
  record->showState = showCommand;
  return wasVisible;
}

bool UpdateWindow(HWND hwnd) { return IsWindow(hwnd) || IsForeignHandle(hwnd); }

int WindowShowState(HWND hwnd) {
  if (IsForeignHandle(hwnd)) {
    auto it = System().foreignShowState.find(hwnd);
    return it == System().foreignShowState.end() ? -1 : it->second;
  }
  const WindowRecord* record = Find(hwnd);
  return record ? record->showState : -1;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  std::string title;
  if (const WindowRecord* record = Find(hwnd)) {
    title = record->title;
  } else if (IsForeignHandle(hwnd)) {
    const auto all = ForeignWindows();
    if (const ForeignWindow* w = FindForeign(all, hwnd)) title = w->title;
  }
  const int n = std::min<int>(static_cast<int>(title.size()), maxCount - 1);
  title.copy(buffer, static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

bool SetWindowText(HWND hwnd, const char* title) {
  WindowRecord* record = Find(hwnd);
  if (!record) return false;
  record->title = title ? title : "";
  return true;
}

std::string WindowClassName(HWND hwnd) {
  const WindowRecord* record = Find(hwnd);
  return record ? record->className : "";
}

bool EnumWindows(const WindowEnumProc& callback, LPARAM lParam) {
  std::vector<HWND> handles;
  for (const auto& [hwnd, record] : System().windows) handles.push_back(hwnd);
  for (const ForeignWindow& w : ForeignWindows()) handles.push_back(kForeignBase + w.id);
  for (HWND hwnd : handles) {
    if (!callback(hwnd, lParam)) return false;
  }
  return true;
}

HWND GetDesktopWindow() { return kDesktopHandle; }

bool GetClientRect(HWND hwnd, RECT* rect) {
  if (!rect) return false;
  if (hwnd == kDesktopHandle) {
    const DesktopSize size = QueryDesktopSize();
    *rect = RECT{0, 0, size.width, size.height};
    return true;
  }
  const WindowRecord* record = Find(hwnd);
  if (!record) return false;
  *rect = RECT{0, 0, record->rect.right - record->rect.left, record->rect.bottom - record->rect.top};
  return true;
}

void AddWindowDestroyedObserver(std::function<void(HWND)> observer) {
  System().destroyedObservers.push_back(std::move(observer));
}

void SetForeignWindowProvider(ForeignWindowProvider provider) {
  System().foreign = std::move(provider);
  System().foreignShowState.clear();
}

void ResetWindows() {
  for (auto& [hwnd, record] : System().windows) {
    if (record.impl && record.impl->hwnd_ == hwnd) record.impl->hwnd_ = 0;
    // Forgotten without its WM_DESTROY, the window takes its pixels with it: nothing else would let them go.
    DestroyWindowCanvas(hwnd);
  }
  System().windows.clear();
  System().foreignShowState.clear();
}

}  // namespace kestrine
