#include "platform/movie/file_access.h"

#include "engine/game_path.h"

namespace kestrine {

int _access(const char* gamePath, int) { return gamePath && engine::ResolveGamePath(gamePath) ? 0 : -1; }

}  // namespace kestrine
