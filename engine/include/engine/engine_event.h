// Event arguments the engine fires into its host, and the input state.
#pragma once

#include "engine/engine_ref.h"

namespace engine {

// Dispatch identifiers of the engine's events.
enum EngineEventId : int {
  kEventMouse = 5100,
  kEventFrame = 5101,
  kEventKey = 5102,
  kEventUnused = 5103,
};

// Mouse codes.
enum MouseCode : int { kMouseMove = 2, kMouseLeftDown = 6, kMouseLeftUp = 7, kMouseRightDown = 9, kMouseRightUp = 10 };

struct RawEvent {
  int id = kEventFrame;
  int button = 0;     // mouse code
  int frameTime = 0;  // ms
  int mouseX = 0, mouseY = 0;
  int keyCode = 0;  // Windows virtual-key code
  int keyDown = 0;

  static RawEvent Frame(int ms) {
    RawEvent e;
    e.frameTime = ms;
    return e;
  }
  static RawEvent Mouse(int code, int x, int y) {
    RawEvent e;
    e.id = kEventMouse;
    e.button = code;
    e.mouseX = x;
    e.mouseY = y;
    return e;
  }
  static RawEvent Key(int virtualKey, bool down) {
    RawEvent e;
    e.id = kEventKey;
    e.keyCode = virtualKey;
    e.keyDown = down ? 1 : 0;
    return e;
  }
};

class EngineEvent : public EngineUnknown {
 public:
  explicit EngineEvent(const RawEvent& e) : e_(e) {}
  const char* InterfaceName() const override { return "EngineEvent"; }
  int GetButton() const { return e_.button; }
  int GetFrameTime() const { return e_.frameTime; }
  int GetMouseX() const { return e_.mouseX; }
  int GetMouseY() const { return e_.mouseY; }
  int GetKeyCode() const { return e_.keyCode; }
  int GetKeyDown() const { return e_.keyDown; }
  const RawEvent& Raw() const { return e_; }

 private:
  RawEvent e_;
};

class EngineCore;

class EngineInput : public EngineUnknown {
 public:
  explicit EngineInput(EngineCore* core) : core_(core) {}
  const char* InterfaceName() const override { return "EngineInput"; }
  // Non-zero while no mouse button and no key is held: callers wait while it is non-zero, so a press
  // ends their wait.
  int IsInputPressed() const;
  int GetMouseX() const;
  int GetMouseY() const;

 private:
  EngineCore* core_;
};

// The host's side of the events: the window that hosts the engine receives them through this.
class EngineEventSink {
 public:
  virtual ~EngineEventSink() = default;
  virtual void OnEngineEvent(int dispatchId, const EngineRef<EngineEvent>& event) = 0;
};

}  // namespace engine
