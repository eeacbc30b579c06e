// Windows of the program's own, as the game's shell expects them: a handle per window, a message map
// per window object, creation that runs WM_CREATE inside the call, destruction that runs WM_DESTROY, and
// the search over top-level windows by title. None of these has pixels of its own: the engine draws in
// its window, and the game's main window only receives messages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kestrine {

using HWND = std::uintptr_t;  // 0 is no window
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;

constexpr uint32_t WS_POPUP = 0x80000000u;
constexpr uint32_t WS_VISIBLE = 0x10000000u;

constexpr uint32_t CS_VREDRAW = 0x0001;
constexpr uint32_t CS_HREDRAW = 0x0002;
constexpr uint32_t CS_DBLCLKS = 0x0008;
constexpr int COLOR_WINDOW = 5;

constexpr int SW_HIDE = 0;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWDEFAULT = 10;

struct RECT {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// What a window class registers: its name, class styles, cursor and background brush.
struct WindowClassInfo {
  const char* name;
  uint32_t style;
  const char* cursor;
  int background;  // a system colour index + 1
};

// A window object with a message map. Derived classes answer ProcessWindowMessage; what they leave
// unhandled goes to DefWindowProc.
class WindowImpl {
 public:
  WindowImpl() = default;
  WindowImpl(const WindowImpl&) = delete;
  WindowImpl& operator=(const WindowImpl&) = delete;
  virtual ~WindowImpl();

  // Creates the window; WM_CREATE runs inside. Returns 0 when the window no longer exists when creation
  // ends (it destroyed itself while handling WM_CREATE).
  HWND Create(HWND parent, const RECT& rect, const char* title, uint32_t style, uint32_t exStyle);
  HWND Handle() const { return hwnd_; }

  virtual WindowClassInfo WindowClass() const = 0;
  // True when the message was handled; result is the message's answer then. mapId selects one of the
  // object's message maps; 0 is the default map.
  virtual bool ProcessWindowMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                                    uint32_t mapId) = 0;

 private:
  friend LRESULT SendMessage(HWND, uint32_t, WPARAM, LPARAM);
  friend bool DestroyWindow(HWND);
  friend void ResetWindows();
  HWND hwnd_ = 0;
};

// Calls the window's message map at once (its default map), falling back to DefWindowProc.
LRESULT SendMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam);
// WM_CLOSE destroys the window; everything else is ignored.
LRESULT DefWindowProc(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam);
// Runs WM_DESTROY and forgets the window. False for a handle that is no window (any more).
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);

// Show states: SW_HIDE, SW_SHOW, SW_MAXIMIZE, SW_MINIMIZE, SW_SHOWDEFAULT. Returns whether the window was
// visible before; false also for a handle that is no window.
bool ShowWindow(HWND hwnd, int showCommand);
bool UpdateWindow(HWND hwnd);
// The last show command applied to the window (-1 for none or no window): what tests look at.
int WindowShowState(HWND hwnd);

// At most maxCount - 1 characters of the title and a terminating zero; returns the characters copied.
int GetWindowText(HWND hwnd, char* buffer, int maxCount);
bool SetWindowText(HWND hwnd, const char* title);
std::string WindowClassName(HWND hwnd);

// Calls callback for every top-level window, ours and the engine's, until it returns false.
using WindowEnumProc = std::function<bool(HWND hwnd, LPARAM lParam)>;
bool EnumWindows(const WindowEnumProc& callback, LPARAM lParam);

// The whole screen as a window: its client rectangle is the desktop's size.
HWND GetDesktopWindow();
bool GetClientRect(HWND hwnd, RECT* rect);

// Called after a window's WM_DESTROY, before its handle is forgotten (the control host releases what the
// window hosted).
void AddWindowDestroyedObserver(std::function<void(HWND)> observer);

// Windows we do not own but that take part in the search by title and in ShowWindow: the engine's own
// window is one.
struct ForeignWindow {
  uint32_t id;  // stable for the window's life: the same id keeps the same handle
  std::string title;
  std::function<void(int showCommand)> show;
};
using ForeignWindowProvider = std::function<std::vector<ForeignWindow>()>;
// The provider is asked for the current foreign windows at every search and every ShowWindow on one of
// them. The default lists the SDL windows of this process; null lists none.
void SetForeignWindowProvider(ForeignWindowProvider provider);
ForeignWindowProvider DefaultForeignWindowProvider();

// Forgets every window without sending anything (the end of a run, so the next one starts clean), and
// lets go of their canvases.
void ResetWindows();

}  // namespace kestrine
