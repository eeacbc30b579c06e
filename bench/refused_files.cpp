// How long the engine takes to turn away a damaged picture: an 18-byte TGA header claiming 4096 x 4096
// pixels, and a file of 2.5 GB (sparse: it takes no disk). Both must be refused in well under 50 ms; the
// whole load is timed, placeholder included.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/engine_internals.h"
#include "engine/engine_root.h"

namespace {

namespace fs = std::filesystem;

// A private folder with the two files, the working directory while a benchmark runs.
class DamagedTree {
 public:
  DamagedTree() {
    char pattern[] = "/tmp/kestrine_bench_XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    root_ = pattern;
    std::string tga(18, '\0');
    tga[2] = 2;
    tga[13] = 0x10;
    tga[15] = 0x10;
    tga[16] = 24;
    std::ofstream(root_ / "header_only.qjp", std::ios::binary) << tga;
    const int fd = ::open((root_ / "huge.qjp").c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0 || ::ftruncate(fd, off_t{2684354560}) != 0) std::abort();
    ::close(fd);
    previous_ = fs::current_path();
    fs::current_path(root_);
  }
  ~DamagedTree() {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }

 private:
  fs::path root_;
  fs::path previous_;
};

void Refuse(benchmark::State& state, const wchar_t* path) {
  DamagedTree tree;
  auto root = engine::CreateEngineRoot("headless");
  engine::CoreOf(*root).SetTraceToStderr(false);
  for (auto _ : state) {
    auto image = root->LoadBitmap(path, 1);
    if (!image->IsPlaceholder()) state.SkipWithError("the damaged picture was accepted");
    benchmark::DoNotOptimize(image.Get());
  }
}

void HeaderOnlyTga4096(benchmark::State& state) { Refuse(state, L"header_only.qjp"); }
BENCHMARK(HeaderOnlyTga4096)->Unit(benchmark::kMillisecond);

void SparseFile2Point5GB(benchmark::State& state) { Refuse(state, L"huge.qjp"); }
BENCHMARK(SparseFile2Point5GB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
