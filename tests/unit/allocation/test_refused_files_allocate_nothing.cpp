// A file is refused for its size, or a picture for its missing pixels, before the memory it asks for is
// taken: no single allocation while loading them comes near what they claim. This program counts every
// allocation made through operator new, so it is a program of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "core/engine_internals.h"
#include "engine/engine_root.h"
#include "unit/engine/temp_tree.h"

#if defined(__GNUC__) && !defined(__clang__)
// The replacements below pair malloc with free themselves; the compiler sees only new meeting free.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {

std::atomic<size_t> largestAllocation{0};

void Note(size_t size) {
  size_t seen = largestAllocation.load();
  while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) {
  }
}

}  // namespace

void* operator new(size_t size) {
  Note(size);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace engine {
namespace {

// Far below either claim (48 MB of pixels, 2.5 GB of file), far above anything loading a refusal needs.
constexpr size_t kMostAllowed = 1 << 20;

class RefusedFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_ = CreateEngineRoot("headless");
    engine::CoreOf(*engine_).SetTraceToStderr(false);
  }
  void TearDown() override { engine_.Reset(); }
  // The largest single allocation made while the picture is loaded, which must be the placeholder.
  size_t LargestWhileLoading(const std::wstring& path) {
    largestAllocation = 0;
    const auto image = engine_->LoadBitmap(path, 1);
    const size_t largest = largestAllocation;
    EXPECT_TRUE(image->IsPlaceholder());
    return largest;
  }

  testing::TempTree tree_;
  EngineRef<EngineRoot> engine_;
};

TEST_F(RefusedFileTest, AHeaderOnlyPictureOf4096By4096TakesNoRoomForItsPixels) {
  std::string tga(18, '\0');
  tga[2] = 2;
  tga[13] = 0x10;  // width 4096
  tga[15] = 0x10;  // height 4096
  tga[16] = 24;
  tree_.Write("header_only.qjp", tga);
  EXPECT_LT(LargestWhileLoading(L"header_only.qjp"), kMostAllowed);
}

TEST_F(RefusedFileTest, AFileOf2Point5GigabytesIsNotReadIntoMemory) {
  ASSERT_TRUE(tree_.Sparse("huge.qjp", 2684354560));
  EXPECT_LT(LargestWhileLoading(L"huge.qjp"), kMostAllowed);
}

}  // namespace
}  // namespace engine
