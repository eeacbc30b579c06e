// Replays a fuzz target's corpus without libFuzzer: every file under the given folders is fed to
// LLVMFuzzerTestOneInput once. A folder argument may also be the generated data tree, filtered by the
// extensions listed (one per line) in the file named by KESTRINE_FUZZ_EXTENSIONS_FILE.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

static std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

int main(int argc, char** argv) {
  std::set<std::string> extensions;
  if (const char* f = std::getenv("KESTRINE_FUZZ_EXTENSIONS_FILE")) {
    std::ifstream in(f);
    for (std::string line; std::getline(in, line);)
      if (!line.empty()) extensions.insert(Lower(line));
  }
  size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    fs::path root = argv[i];
    if (!fs::exists(root)) continue;
    bool isCorpus = i == 1;  // the first folder is the target's own corpus: every file counts
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (!entry.is_regular_file()) continue;
      if (!isCorpus && !extensions.count(Lower(entry.path().extension().string()))) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++count;
    }
  }
  // An empty corpus would make the replay assert nothing.
  if (count == 0) {
    std::fprintf(stderr, "no corpus files found\n");
    return 1;
  }
  std::printf("replayed %zu inputs\n", count);
  return 0;
}
