// What the mouse buttons and keys are doing. It changes when input arrives, not when the game gets round
// to the event: a game that waits on EngineInput::IsInputPressed without pumping events must see a press.
#pragma once

#include <array>

#include "engine/engine_event.h"

namespace engine {

class InputState {
 public:
  void Note(const RawEvent& e);
  bool AnyHeld() const { return buttons_ != 0 || keysHeld_ != 0; }
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  // Forgets every held button and key (the window lost the focus: their releases go elsewhere).
  void ReleaseAll();

 private:
  int buttons_ = 0;
  int keysHeld_ = 0;
  std::array<bool, 256> keyHeld_ = {};  // by virtual-key code
  int mouseX_ = 0, mouseY_ = 0;
};

}  // namespace engine
