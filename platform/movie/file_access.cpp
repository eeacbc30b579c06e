#include "platform/movie/file_access.h"

#include "core/path_resolver.h"

namespace kestrine {

std::optional<std::string> ResolveGamePath(const std::string& gamePath) {
  // The engine's own matching, with a cache of our own: the movie player runs with or without an engine.
  static engine::PathResolver* resolver = new engine::PathResolver;
  return resolver->Resolve(gamePath);
}

int _access(const char* gamePath, int) { return gamePath && ResolveGamePath(gamePath) ? 0 : -1; }

}  // namespace kestrine
