// Builds without SDL have no window backend; asking for it is a clear failure, not a crash.
#include "core/backend_factory.h"

#ifndef KESTRINE_HAVE_SDL
namespace engine {
std::unique_ptr<EngineBackend> MakeSdlBackend() { return nullptr; }
}  // namespace engine
#endif
