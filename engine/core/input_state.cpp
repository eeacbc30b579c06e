#include "core/input_state.h"

namespace engine {

void InputState::Note(const RawEvent& e) {
  if (e.id == kEventMouse) {
    mouseX_ = e.mouseX;
    mouseY_ = e.mouseY;
    switch (e.button) {
      case kMouseLeftDown:
        buttons_ |= 1;
        break;
      case kMouseLeftUp:
        buttons_ &= ~1;
        break;
      case kMouseRightDown:
        buttons_ |= 2;
        break;
      case kMouseRightUp:
        buttons_ &= ~2;
        break;
      default:
        break;
    }
  } else if (e.id == kEventKey && e.keyCode >= 0 && e.keyCode < static_cast<int>(keyHeld_.size())) {
    // A repeated press of a held key (auto-repeat) must not count it twice.
    const bool down = e.keyDown != 0;
    bool& held = keyHeld_[static_cast<size_t>(e.keyCode)];
    if (held != down) {
      held = down;
      keysHeld_ += down ? 1 : -1;
    }
  }
}

void InputState::ReleaseAll() {
  buttons_ = 0;
  keysHeld_ = 0;
  keyHeld_.fill(false);
}

}  // namespace engine
