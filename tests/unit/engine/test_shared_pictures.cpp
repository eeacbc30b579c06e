// A picture file loaded again shares the pixels of the bitmap decoded from it, and what either bitmap shows is
// never changed by drawing on the other; a file whose contents changed is decoded anew.
#include <gtest/gtest.h>

#include <string>

#include "core/engine_internals.h"
#include "engine/engine_root.h"
#include "temp_tree.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace engine {
namespace {

// A 3 x 2 PNG: its first pixel the given colour, the others grey.
std::string Png(uint8_t r, uint8_t g, uint8_t b) {
  uint8_t rgb[3 * 2 * 3];
  for (int i = 0; i < 6; ++i) rgb[i * 3] = rgb[i * 3 + 1] = rgb[i * 3 + 2] = 128;
  rgb[0] = r, rgb[1] = g, rgb[2] = b;
  std::string bytes;
  const auto append = [](void* out, void* data, int size) {
    static_cast<std::string*>(out)->append(static_cast<const char*>(data), static_cast<size_t>(size));
  };
  stbi_write_png_to_func(append, &bytes, 3, 2, 3, rgb, 3 * 3);
  return bytes;
}

TEST(SharedPictures, AFileLoadedAgainSharesItsPixelsAndDrawingOnOneCopyLeavesTheOthers) {
  testing::TempTree tree;
  tree.Write("images/flag.png", Png(200, 10, 20));
  auto root = CreateEngineRoot("headless");
  CoreOf(*root).SetTraceToStderr(false);

  auto first = root->LoadBitmap(L"images\\flag.png", 1);
  auto second = root->LoadBitmap(L"images\\flag.png", 1);
  EXPECT_EQ(first->Pixels().data(), second->Pixels().data());
  EXPECT_EQ(second->Pixel(0, 0), 0xC80A14u);

  second->SetDrawColor(1, 2, 3);
  second->FillRect(0, 0, 1, 1);
  EXPECT_EQ(second->Pixel(0, 0), 0x010203u);
  EXPECT_EQ(first->Pixel(0, 0), 0xC80A14u);
  // The bitmap first decoded, drawn on, is not what a later load shows either.
  first->SetPixel(2, 1, 0x00FF00u);
  first->DrawBitmap(first, 0, 0, 0, 1, 1, 1, 0, 1, 1);
  auto third = root->LoadBitmap(L"images\\flag.png", 1);
  EXPECT_EQ(third->Pixel(2, 1), 0x808080u);
  EXPECT_EQ(third->Pixel(1, 0), 0x808080u);
  EXPECT_EQ(first->Pixel(1, 0), 0xC80A14u);

  tree.Write("images/flag.png", Png(0, 0, 255));
  auto changed = root->LoadBitmap(L"images\\flag.png", 1);
  EXPECT_EQ(changed->Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(third->Pixel(0, 0), 0xC80A14u);
}

}  // namespace
}  // namespace engine
