// The pointer and the pressed test, answered by the backend.
#include "core/engine_core.h"
#include "engine/engine_event.h"

namespace engine {

int EngineInput::IsInputPressed() const { return core_ && core_->Backend().AnyInputHeld() ? 0 : 1; }
int EngineInput::GetMouseX() const { return core_ ? core_->Backend().MouseX() : 0; }
int EngineInput::GetMouseY() const { return core_ ? core_->Backend().MouseY() : 0; }

}  // namespace engine
