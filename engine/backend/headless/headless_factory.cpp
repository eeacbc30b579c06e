#include "backend/headless/headless_backend.h"
#include "core/backend_factory.h"

namespace engine {

std::unique_ptr<EngineBackend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

std::unique_ptr<EngineBackend> MakeUnattendedHeadlessBackend(int64_t limitMs) {
  auto backend = std::make_unique<HeadlessBackend>();
  backend->SetFreeRun(true);
  backend->SetFreeRunLimit(limitMs);
  return backend;
}

}  // namespace engine
