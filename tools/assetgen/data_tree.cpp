#include <cstring>
#include <fstream>
#include <stdexcept>

#include "tools/assetgen/generators.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace assetgen {

DataTree::DataTree(std::filesystem::path root) : root_(std::move(root)) { std::filesystem::create_directories(root_); }

std::filesystem::path DataTree::PathOf(const std::string& gamePath) const {
  std::string p = gamePath;
  for (char& c : p)
    if (c == '\\') c = '/';
  return root_ / p;
}

void DataTree::WriteBytes(const std::string& gamePath, const std::string& bytes) {
  const auto path = PathOf(gamePath);
  std::filesystem::create_directories(path.parent_path());
  // Unchanged files are left alone so the build does not see every file as new.
  {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (old == bytes) {
        ++written_;
        return;
      }
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  ++written_;
}

void DataTree::WritePng(const std::string& gamePath, const engine::EngineBitmap& image) {
  WriteBytes(gamePath, EncodePng(image));
}

void DataTree::WriteWav(const std::string& gamePath, const engine::PcmData& pcm) {
  WriteBytes(gamePath, EncodeWav(pcm));
}

std::string EncodePng(const engine::EngineBitmap& image) {
  const int w = image.GetWidth(), h = image.GetHeight();
  std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t p = image.Pixel(x, y);
      size_t i = (static_cast<size_t>(y) * w + x) * 3;
      rgb[i] = static_cast<unsigned char>(p >> 16);
      rgb[i + 1] = static_cast<unsigned char>(p >> 8);
      rgb[i + 2] = static_cast<unsigned char>(p);
    }
  std::string out;
  stbi_write_png_to_func(
      [](void* ctx, void* data, int size) { static_cast<std::string*>(ctx)->append(static_cast<char*>(data), size); },
      &out, w, h, 3, rgb.data(), w * 3);
  if (out.empty()) throw std::runtime_error("PNG encoding failed");
  return out;
}

std::string EncodeWav(const engine::PcmData& pcm) {
  auto le32 = [](std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto le16 = [](std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
  };
  const uint32_t dataBytes = static_cast<uint32_t>(pcm.samples.size() * 2);
  std::string s = "RIFF";
  le32(s, 36 + dataBytes);
  s += "WAVEfmt ";
  le32(s, 16);
  le16(s, 1);
  le16(s, static_cast<uint16_t>(pcm.channels));
  le32(s, static_cast<uint32_t>(pcm.sampleRate));
  le32(s, static_cast<uint32_t>(pcm.sampleRate * pcm.channels * 2));
  le16(s, static_cast<uint16_t>(pcm.channels * 2));
  le16(s, 16);
  s += "data";
  le32(s, dataBytes);
  for (int16_t v : pcm.samples) le16(s, static_cast<uint16_t>(v));
  return s;
}

}  // namespace assetgen
