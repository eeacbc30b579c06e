#include "backend/sdl/sdl_backend.h"
#include "core/backend_factory.h"

namespace engine {

std::unique_ptr<EngineBackend> MakeSdlBackend() { return std::make_unique<SdlBackend>(); }

}  // namespace engine
