#include "backend/headless/headless_backend.h"
#include "core/backend_factory.h"

namespace engine {

std::unique_ptr<EngineBackend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

}  // namespace engine
