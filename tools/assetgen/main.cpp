// assetgen OUT_DIR: writes the whole game-data tree the game reads by path. Deterministic: the same
// program always writes the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/assetgen/generators.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: assetgen OUT_DIR\n");
    return 2;
  }
  try {
    assetgen::DataTree tree(argv[1]);
    for (const auto& generator : assetgen::Generators()) generator.run(tree);
    std::printf("assetgen: %zu files in %s\n", tree.FilesWritten(), argv[1]);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
}
