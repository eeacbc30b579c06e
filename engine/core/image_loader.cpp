// Image decoding for LoadBitmap. Files are recognised by their content, never by their extension: the game's
// ".qjp" and ".qpg" names say nothing about what is inside.
#include "core/image_loader.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

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
// Deflate cannot squeeze more than 258 bytes into fewer than two bits.
constexpr uint64_t kMostDeflateRatio = 1032;

uint32_t Be32(const std::string& b, size_t at) {
  return (uint32_t{static_cast<unsigned char>(b[at])} << 24) | (uint32_t{static_cast<unsigned char>(b[at + 1])} << 16) |
         (uint32_t{static_cast<unsigned char>(b[at + 2])} << 8) | uint32_t{static_cast<unsigned char>(b[at + 3])};
}

uint32_t Le(const std::string& b, size_t at, int count) {
  uint32_t v = 0;
  for (int i = count - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
  return v;
}

uint64_t CeilDiv(uint64_t a, uint64_t b) { return (a + b - 1) / b; }

enum class ImageFormat { Jpeg, Png, Bmp, Tga };

// The decoder the library would pick, asked in the library's own order.
ImageFormat FormatOf(const stbi_uc* data, int length) {
  stbi__context s;
  stbi__start_mem(&s, data, length);
  if (stbi__jpeg_test(&s)) return ImageFormat::Jpeg;
  if (stbi__png_test(&s)) return ImageFormat::Png;
  if (stbi__bmp_test(&s)) return ImageFormat::Bmp;
  return ImageFormat::Tga;
}

// What a PNG's chunks hold, walked over the bytes that are there.
struct PngChunks {
  uint64_t leastDataBytes = 0;  // of compressed pixels, for the size its header gives
  uint64_t dataBytes = 0;       // of compressed pixels present
  bool emptyFirstData = false;  // the first pixel chunk is empty
};

PngChunks WalkPng(const std::string& b, uint32_t width, uint32_t height) {
  PngChunks out;
  bool seenData = false;
  for (size_t pos = 8; pos + 8 <= b.size();) {
    const uint64_t length = Be32(b, pos);
    const std::string type = b.substr(pos + 4, 4);
    if (type == "IHDR" && length == 13 && pos + 8 + 13 <= b.size()) {
      static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};  // by colour type
      const int depth = static_cast<unsigned char>(b[pos + 16]);
      const int colour = static_cast<unsigned char>(b[pos + 17]);
      const uint64_t channels = colour < 7 ? static_cast<uint64_t>(kChannels[colour]) : 0;
      const uint64_t raw = uint64_t{height} * (1 + CeilDiv(uint64_t{width} * channels * static_cast<uint64_t>(depth), 8));
      out.leastDataBytes = CeilDiv(raw, kMostDeflateRatio);
    } else if (type == "IDAT") {
      if (!seenData && length == 0) out.emptyFirstData = true;
      seenData = true;
      out.dataBytes += std::min<uint64_t>(length, b.size() - pos - 8);
    } else if (type == "IEND") {
      break;
    }
    pos += 12 + length;
  }
  return out;
}

// The same PNG without its empty pixel chunks, which carry nothing: the library copies from a pixel buffer
// it has not made yet when the first one is empty.
std::string WithoutEmptyPngData(const std::string& b) {
  std::string out = b.substr(0, 8);
  for (size_t pos = 8; pos + 8 <= b.size();) {
    const uint64_t length = Be32(b, pos);
    const uint64_t whole = std::min<uint64_t>(12 + length, b.size() - pos);
    if (!(length == 0 && b.compare(pos + 4, 4, "IDAT") == 0)) out.append(b, pos, static_cast<size_t>(whole));
    pos += static_cast<size_t>(whole);
  }
  return out;
}

// The fewest bytes a BMP or TGA file can hold its picture in, by what its header says. Their decoders
// fill what is missing with black, so without this a header of a few bytes stands for a picture of any size.
uint64_t LeastBmpBytes(const std::string& b, uint64_t width, uint64_t height) {
  if (b.size() < 30) return 0;  // the decoder refuses it anyway
  const uint64_t offset = Le(b, 10, 4);
  const uint32_t headerSize = Le(b, 14, 4);
  const uint64_t bits = headerSize == 12 ? Le(b, 24, 2) : Le(b, 28, 2);
  const uint64_t stride = CeilDiv(width * bits, 32) * 4;
  return offset + stride * (height - 1) + CeilDiv(width * bits, 8);
}

uint64_t LeastTgaBytes(const std::string& b, uint64_t width, uint64_t height) {
  if (b.size() < 18) return 0;
  const uint64_t idLength = static_cast<unsigned char>(b[0]);
  const bool indexed = b[1] != 0;
  const int type = static_cast<unsigned char>(b[2]);
  const uint64_t paletteStart = Le(b, 3, 2);
  const uint64_t paletteLength = Le(b, 5, 2);
  const uint64_t paletteBits = static_cast<unsigned char>(b[7]);
  const uint64_t pixelBytes = CeilDiv(std::max<uint64_t>(static_cast<unsigned char>(b[16]), 1), 8);
  uint64_t least = 18 + idLength;
  if (indexed) least += paletteStart + paletteLength * CeilDiv(paletteBits, 8);
  const uint64_t pixels = width * height;
  // A run-length packet covers at most 128 pixels with its one header byte and one pixel.
  least += type >= 8 ? CeilDiv(pixels, 128) * (1 + pixelBytes) : pixels * pixelBytes;
  return least;
}

// Walks a JPEG's segments the way the decoder does (stray bytes before the frame header skipped, each scan's
// coded data passed over to the marker that ends it) and looks at every Huffman table defined on the way.
// False when one claims more than the 256 codes a table has room for: the decoder would write them past the
// end of its arrays. Anything else the decoder refuses on its own.
bool JpegTablesFit(const std::string& b) {
  const size_t n = b.size();
  size_t p = 0;
  const auto byte = [&](size_t at) -> unsigned { return at < n ? static_cast<unsigned char>(b[at]) : 0u; };
  bool sawFrame = false;
  while (p < n) {
    if (byte(p) != 0xFF) {
      if (sawFrame) return true;  // the decoder stops at anything but a marker after the frame header
      ++p;
      continue;
    }
    while (p < n && byte(p) == 0xFF) ++p;  // fill bytes
    if (p >= n) return true;
    const unsigned marker = byte(p++);
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (marker == 0xD9) return true;                                                        // end of image
    const size_t length = (byte(p) << 8) | byte(p + 1);
    if (marker == 0xC4) {
      int64_t left = static_cast<int64_t>(length) - 2;
      size_t at = p + 2;
      while (left > 0) {
        const unsigned q = byte(at);
        if ((q >> 4) > 1 || (q & 15) > 3) return true;  // refused by the decoder itself
        uint64_t codes = 0;
        for (size_t i = 1; i <= 16; ++i) codes += byte(at + i);
        if (codes > 256) return false;
        at += 17 + codes;
        left -= 17 + static_cast<int64_t>(codes);
      }
      if (left != 0) return true;
      p = at;
      continue;
    }
    p += length;
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) sawFrame = true;
    if (marker == 0xDA) {
      // Coded data: a 0xFF in it (after any fill bytes) is followed by 0, a stuffed byte, or by a restart
      // marker; anything else is the marker that ends it.
      while (p < n) {
        if (byte(p) != 0xFF) {
          ++p;
          continue;
        }
        size_t next = p + 1;
        while (next < n && byte(next) == 0xFF) ++next;
        if (next >= n) return true;
        if (byte(next) != 0 && (byte(next) < 0xD0 || byte(next) > 0xD7)) break;
        p = next + 1;
      }
    }
  }
  return true;
}

// Every 8 x 8 block of a JPEG's picture takes at least one bit of coded data.
uint64_t LeastJpegBytes(uint64_t width, uint64_t height) { return CeilDiv(CeilDiv(width, 8) * CeilDiv(height, 8), 8); }

}  // namespace

namespace engine {

EngineRef<EngineBitmap> DecodeImage(const std::string& bytes) {
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT_MAX)) return {};
  const std::string* input = &bytes;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  int length = static_cast<int>(bytes.size());

  const ImageFormat format = FormatOf(data, length);
  // Reading a JPEG's header already builds the Huffman tables that come before its frame header.
  if (format == ImageFormat::Jpeg && !JpegTablesFit(bytes)) return {};

  // Check the size the header claims before anything is allocated for it.
  int width = 0;
  int height = 0;
  int channels = 0;
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return {};
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) return {};
  if (int64_t{width} * height > kMaxImagePixels) return {};

  // And that the bytes to fill it are there: a picture whose pixels are missing is unreadable, not black.
  const auto w = static_cast<uint64_t>(width);
  const auto h = static_cast<uint64_t>(height);
  std::string repaired;
  switch (format) {
    case ImageFormat::Png: {
      const PngChunks chunks = WalkPng(bytes, static_cast<uint32_t>(width), static_cast<uint32_t>(height));
      if (chunks.dataBytes == 0 || chunks.dataBytes < chunks.leastDataBytes) return {};
      if (chunks.emptyFirstData) {
        repaired = WithoutEmptyPngData(bytes);
        input = &repaired;
      }
      break;
    }
    case ImageFormat::Jpeg:
      if (bytes.size() < LeastJpegBytes(w, h)) return {};
      break;
    case ImageFormat::Bmp:
      if (bytes.size() < LeastBmpBytes(bytes, w, h)) return {};
      break;
    case ImageFormat::Tga:
      if (bytes.size() < LeastTgaBytes(bytes, w, h)) return {};
      break;
  }
  data = reinterpret_cast<const stbi_uc*>(input->data());
  length = static_cast<int>(input->size());

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
  // A damaged tree asks for thousands of them: the pattern is made once and copied.
  constexpr int kSide = 64;
  static const std::vector<uint32_t> pattern = [] {
    constexpr int kSquare = 8;
    constexpr uint32_t kMagenta = 0xFF00FF;
    constexpr uint32_t kBlack = 0x000000;
    std::vector<uint32_t> p(static_cast<size_t>(kSide) * kSide);
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x)
        p[static_cast<size_t>(y) * kSide + x] = ((x / kSquare + y / kSquare) % 2 == 0) ? kMagenta : kBlack;
    return p;
  }();
  auto bitmap = MakeEngine<EngineBitmap>(kSide, kSide);
  bitmap->MutablePixels() = pattern;
  bitmap->MarkPlaceholder();
  return bitmap;
}

}  // namespace engine
