// Image decoding by content: lossless files come back with their exact colours whatever they are called, and
// bytes that are not a sound image (garbage, cut short, or claiming an absurd size) give no image at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/image_loader.h"
#include "engine_fixture.h"
#include "temp_tree.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace engine {
namespace {

// A small picture with every kind of colour the game relies on: the red key, near-keys, black and white.
struct Picture {
  int width = 7;
  int height = 5;
  std::vector<uint8_t> rgb;
  Picture() {
    rgb.resize(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        p[0] = static_cast<uint8_t>(x * 37 + y);
        p[1] = static_cast<uint8_t>(255 - y * 51);
        p[2] = static_cast<uint8_t>((x * y * 29) & 0xFF);
      }
    Set(0, 0, 255, 0, 0);  // the key of the overlays
    Set(1, 0, 254, 0, 0);  // one step off it
    Set(2, 0, 0, 0, 0);
    Set(3, 0, 255, 255, 255);
    Set(6, 4, 235, 247, 195);  // the tool-tip paper
  }
  void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    p[0] = r;
    p[1] = g;
    p[2] = b;
  }
  uint32_t Packed(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  }
};

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

std::string Png(const Picture& p) {
  std::string out;
  stbi_write_png_to_func(Append, &out, p.width, p.height, 3, p.rgb.data(), p.width * 3);
  return out;
}

void ExpectExactly(const EngineRef<EngineBitmap>& image, const Picture& p) {
  ASSERT_TRUE(image);
  ASSERT_EQ(image->GetWidth(), p.width);
  ASSERT_EQ(image->GetHeight(), p.height);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) ASSERT_EQ(image->Pixel(x, y), p.Packed(x, y)) << x << "," << y;
  EXPECT_FALSE(image->IsPlaceholder());
  EXPECT_EQ(image->IsLoaded(), 1);
}

TEST(ImageDecode, LosslessFilesKeepExactColoursWithOrWithoutAlpha) {
  const Picture picture;
  ExpectExactly(DecodeImage(Png(picture)), picture);

  std::string bmp, tga;
  stbi_write_bmp_to_func(Append, &bmp, picture.width, picture.height, 3, picture.rgb.data());
  ExpectExactly(DecodeImage(bmp), picture);
  stbi_write_tga_to_func(Append, &tga, picture.width, picture.height, 3, picture.rgb.data());
  ExpectExactly(DecodeImage(tga), picture);
  // An alpha channel is dropped and the colours kept.
  std::vector<uint8_t> rgba;
  for (size_t i = 0; i < picture.rgb.size(); i += 3) {
    rgba.insert(rgba.end(), picture.rgb.begin() + static_cast<long>(i), picture.rgb.begin() + static_cast<long>(i) + 3);
    rgba.push_back(static_cast<uint8_t>(i));  // varying alpha must not darken anything
  }
  std::string png;
  stbi_write_png_to_func(Append, &png, picture.width, picture.height, 4, rgba.data(), picture.width * 4);
  ExpectExactly(DecodeImage(png), picture);
}

// The header's width is bytes 16..19 of a PNG, big-endian; the decoder does not insist on the checksum.
std::string WithPngWidth(std::string png, uint32_t width) {
  for (int i = 0; i < 4; ++i) png[16 + i] = static_cast<char>((width >> (24 - 8 * i)) & 0xFF);
  return png;
}

TEST(ImageDecode, UnreadableBytesAndAbsurdSizesGiveNoImage) {
  EXPECT_FALSE(DecodeImage(""));
  EXPECT_FALSE(DecodeImage("this is the text of a mission briefing, not a picture"));
  EXPECT_FALSE(DecodeImage(std::string(1000, '\0')));

  const std::string png = Png(Picture());
  for (size_t keep : {size_t{8}, size_t{20}, png.size() / 2, png.size() - 13})
    EXPECT_FALSE(DecodeImage(png.substr(0, keep))) << "cut to " << keep << " bytes";
  EXPECT_FALSE(DecodeImage(WithPngWidth(png, 16385)));
  EXPECT_FALSE(DecodeImage(WithPngWidth(png, 0)));
  EXPECT_FALSE(DecodeImage(WithPngWidth(png, 0x7FFFFFFF)));
}

// An uncompressed 24-bit TGA header of the given size (18 bytes), with `pixelBytes` bytes of grey after it.
std::string Tga(int width, int height, size_t pixelBytes) {
  std::string t(18, '\0');
  t[2] = 2;  // true colour, no run-length packets
  t[12] = static_cast<char>(width & 0xFF);
  t[13] = static_cast<char>(width >> 8);
  t[14] = static_cast<char>(height & 0xFF);
  t[15] = static_cast<char>(height >> 8);
  t[16] = 24;
  return t + std::string(pixelBytes, '\x80');
}

// A PNG's chunk: length, type, data, and a checksum the decoder does not insist on.
std::string Chunk(const std::string& type, const std::string& data) {
  std::string c;
  for (int i = 0; i < 4; ++i) c += static_cast<char>((data.size() >> (24 - 8 * i)) & 0xFF);
  return c + type + data + std::string(4, '\0');
}

TEST(ImageDecode, APictureWhosePixelsAreMissingIsUnreadableNotBlack) {
  // Header only: 18 bytes standing for 48 MB of black.
  EXPECT_FALSE(DecodeImage(Tga(4096, 4096, 0)));
  EXPECT_FALSE(DecodeImage(Tga(5, 3, 5 * 3 * 3 - 1))) << "one byte short";
  const auto whole = DecodeImage(Tga(5, 3, 5 * 3 * 3));
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->Pixel(4, 2), 0x808080u);

  // A 55-byte BMP claiming 15365 x 766, and a good one cut by the last byte of its pixels.
  const Picture picture;
  std::string bmp;
  stbi_write_bmp_to_func(Append, &bmp, picture.width, picture.height, 3, picture.rgb.data());
  std::string huge = bmp;  // and one claiming 20000 x 20000 with no pixels behind it
  for (int offset : {18, 22})
    for (int i = 0; i < 4; ++i) huge[offset + i] = static_cast<char>((20000u >> (8 * i)) & 0xFF);
  EXPECT_FALSE(DecodeImage(huge));
  std::string claim = bmp.substr(0, 55);
  for (int i = 0; i < 4; ++i) claim[18 + i] = static_cast<char>((15365u >> (8 * i)) & 0xFF);
  for (int i = 0; i < 4; ++i) claim[22 + i] = static_cast<char>((766u >> (8 * i)) & 0xFF);
  EXPECT_FALSE(DecodeImage(claim));
  // 7 pixels of 3 bytes make rows of 21 bytes, padded to 24; the last row needs only its 21.
  EXPECT_FALSE(DecodeImage(bmp.substr(0, 54 + 24 * 4 + 20)));
  ExpectExactly(DecodeImage(bmp.substr(0, 54 + 24 * 4 + 21)), picture);

  // The header of a PNG of 4096 x 4096 grey pixels: 16 MB that deflate cannot fit into fewer than 16 KB.
  std::string ihdr("\0\0\x10\0\0\0\x10\0\x08\0\0\0\0", 13);
  const std::string signature("\x89PNG\r\n\x1a\n", 8);
  EXPECT_FALSE(
      DecodeImage(signature + Chunk("IHDR", ihdr) + Chunk("IDAT", std::string(4000, 'x')) + Chunk("IEND", "")));
}

TEST(ImageDecode, AnEmptyPixelChunkIsNeverHandedToTheDecoder) {
  // 57 bytes: a 1 x 1 PNG whose only pixel chunk is empty.
  const std::string signature("\x89PNG\r\n\x1a\n", 8);
  const std::string ihdr("\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0", 13);
  const std::string empty = signature + Chunk("IHDR", ihdr) + Chunk("IDAT", "") + Chunk("IEND", "");
  ASSERT_EQ(empty.size(), 57u);
  EXPECT_FALSE(DecodeImage(empty));

  // An empty pixel chunk before the real ones carries nothing: the picture is read as if it were not there.
  const Picture picture;
  const std::string png = Png(picture);
  const size_t firstData = png.find("IDAT") - 4;
  const std::string padded = png.substr(0, firstData) + Chunk("IDAT", "") + png.substr(firstData);
  ExpectExactly(DecodeImage(padded), picture);
}

TEST(ImageDecode, AJpegHuffmanTableWithMoreThan256CodesIsRefusedBeforeTheDecoderSeesIt) {
  const Picture picture;
  std::string jpeg;
  stbi_write_jpg_to_func(Append, &jpeg, picture.width, picture.height, 3, picture.rgb.data(), 90);
  const auto image = DecodeImage(jpeg);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->GetWidth(), picture.width);

  // The first table's sixteen counts come right after its marker, length and class byte; the writer's
  // luminance table counts 12 codes. Raising one count by 250 makes 262.
  const size_t table = jpeg.find("\xFF\xC4");
  ASSERT_NE(table, std::string::npos);
  std::string overfull = jpeg;
  overfull[table + 5 + 8] = static_cast<char>(static_cast<unsigned char>(overfull[table + 5 + 8]) + 250);
  EXPECT_FALSE(DecodeImage(overfull));

  // Found by fuzzing: stray bytes before the start, a comment, more stray bytes, then such a table.
  const std::string found = std::string("\xff\xff\xff\xff\xd8\xff\xfe\x00\x02\x00\x00\x49\x98\x41\x54", 15) +
                            std::string(24, '\xff') + std::string("\xc4\xff\x01\x00\x00\x29", 6) +
                            std::string(13, '\xff') + std::string("\x31\xff\xff\xff\xff\x00\x00", 7);
  ASSERT_EQ(found.size(), 65u);
  EXPECT_FALSE(DecodeImage(found));
}

TEST(ImageDecode, ThePlaceholderIsALoadedMagentaAndBlackChecker) {
  auto image = MakePlaceholderBitmap();
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->IsPlaceholder());
  EXPECT_EQ(image->IsLoaded(), 1);
  ASSERT_EQ(image->GetWidth(), 64);
  ASSERT_EQ(image->GetHeight(), 64);
  // Squares of 8: neighbours differ across and down, half of it each colour.
  EXPECT_EQ(image->Pixel(0, 0), image->Pixel(8, 8));
  EXPECT_EQ(image->Pixel(8, 0), image->Pixel(0, 8));
  EXPECT_EQ(std::count(image->Pixels().begin(), image->Pixels().end(), 0xFF00FFu), 64 * 32);
  EXPECT_EQ(std::count(image->Pixels().begin(), image->Pixels().end(), 0x000000u), 64 * 32);
  EXPECT_NE(image->Pixel(0, 0), image->Pixel(8, 0));
  // A fresh one each time: drawing on one placeholder must not mark another.
  auto other = MakePlaceholderBitmap();
  image->SetPixel(0, 0, 0x123456);
  EXPECT_NE(other->Pixel(0, 0), 0x123456u);
}

// A picture file loaded again shares the pixels of the bitmap decoded from it, and what either bitmap shows is
// never changed by drawing on the other; a file whose contents changed is decoded anew.
TEST(SharedPictures, AFileLoadedAgainSharesItsPixelsAndDrawingOnOneCopyLeavesTheOthers) {
  testing::TempTree tree;
  Picture picture;
  picture.Set(0, 0, 200, 10, 20);
  tree.Write("images/flag.png", Png(picture));
  auto root = testing::QuietRoot();
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
  EXPECT_EQ(third->Pixel(2, 1), picture.Packed(2, 1));
  EXPECT_EQ(third->Pixel(1, 0), picture.Packed(1, 0));
  EXPECT_EQ(first->Pixel(1, 0), 0xC80A14u);
  picture.Set(0, 0, 0, 0, 255);
  tree.Write("images/flag.png", Png(picture));
  EXPECT_EQ(root->LoadBitmap(L"images\\flag.png", 1)->Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(third->Pixel(0, 0), 0xC80A14u);
}

}  // namespace
}  // namespace engine
