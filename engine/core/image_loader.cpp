// Image decoding for LoadBitmap. Files are recognised by their content, never by their extension: the game's
// ".qjp" and ".qpg" names say nothing about what is inside.
#include "core/image_loader.h"

#include <climits>
#include <cstdint>

// Only the formats we ship or accept; the other decoders are code that bytes from disk could reach for nothing.
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
// No picture of the game comes close to these; anything bigger is a damaged header asking for gigabytes.
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace {
constexpr int kMaxImageSide = STBI_MAX_DIMENSIONS;
constexpr int64_t kMaxImagePixels = int64_t{1} << 24;  // 4096 x 4096
}  // namespace

namespace engine {

EngineRef<EngineBitmap> DecodeImage(const std::string& bytes) {
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT_MAX)) return {};
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());

  // Check the size the header claims before anything is allocated for it.
  int width = 0;
  int height = 0;
  int channels = 0;
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return {};
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) return {};
  if (int64_t{width} * height > kMaxImagePixels) return {};

  int decodedWidth = 0;
  int decodedHeight = 0;
  stbi_uc* rgb = stbi_load_from_memory(data, length, &decodedWidth, &decodedHeight, &channels, 3);
  if (!rgb) return {};
  if (decodedWidth != width || decodedHeight != height) {
    stbi_image_free(rgb);
    return {};
  }

  auto bitmap = MakeEngine<EngineBitmap>(width, height);
  std::vector<uint32_t>& pixels = bitmap->MutablePixels();
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  for (size_t i = 0; i < count; ++i) {
    const stbi_uc* p = rgb + i * 3;
    pixels[i] = Color{p[0], p[1], p[2]}.Packed();
  }
  stbi_image_free(rgb);
  return bitmap;
}

EngineRef<EngineBitmap> MakePlaceholderBitmap() {
  // Magenta and black squares: loud enough that a missing picture is noticed on screen, and no colour the
  // game uses as a key, so nothing of it turns transparent.
  constexpr int kSide = 64;
  constexpr int kSquare = 8;
  constexpr uint32_t kMagenta = 0xFF00FF;
  constexpr uint32_t kBlack = 0x000000;
  auto bitmap = MakeEngine<EngineBitmap>(kSide, kSide);
  std::vector<uint32_t>& pixels = bitmap->MutablePixels();
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      pixels[static_cast<size_t>(y) * kSide + x] = ((x / kSquare + y / kSquare) % 2 == 0) ? kMagenta : kBlack;
  bitmap->MarkPlaceholder();
  return bitmap;
}

}  // namespace engine
