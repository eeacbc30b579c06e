#include "engine/game_path.h"

#include "core/path_resolver.h"

namespace engine {

std::optional<std::string> ResolveGamePath(const std::string& gamePath) {
  // A resolver of its own, kept for the whole run: the movie player and the tool pictures look files up
  // before, after and without an engine root. Never destroyed, so a lookup at exit still finds it.
  static PathResolver* const resolver = new PathResolver;
  return resolver->Resolve(gamePath);
}

}  // namespace engine
