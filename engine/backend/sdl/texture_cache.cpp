#include "backend/sdl/texture_cache.h"

namespace engine {

void BitmapToRgba(const EngineBitmap& bitmap, std::vector<uint8_t>& out) {
  const std::vector<uint32_t>& pixels = bitmap.Pixels();
  out.resize(pixels.size() * 4);
  const std::optional<Color> key = bitmap.ColorKey();
  const uint32_t keyPacked = key ? key->Packed() : 0;
  uint8_t* o = out.data();
  for (uint32_t p : pixels) {
    p &= 0xFFFFFFu;
    if (key && p == keyPacked) {
      o[0] = o[1] = o[2] = o[3] = 0;
    } else {
      o[0] = static_cast<uint8_t>(p >> 16);
      o[1] = static_cast<uint8_t>(p >> 8);
      o[2] = static_cast<uint8_t>(p);
      o[3] = 255;
    }
    o += 4;
  }
}

TextureCache::~TextureCache() { Clear(); }

void TextureCache::Clear() {
  for (auto& [bitmap, entry] : entries_) glDeleteTextures(1, &entry.texture);
  entries_.clear();
}

GLuint TextureCache::Texture(const EngineBitmap& bitmap) {
  auto [it, added] = entries_.try_emplace(&bitmap);
  Entry& entry = it->second;
  if (added) {
    entry.bitmap = EngineRef<const EngineBitmap>(&bitmap);
    glGenTextures(1, &entry.texture);
  }
  entry.lastFrame = frame_;
  if (added || entry.revision != bitmap.Revision()) Upload(entry);
  return entry.texture;
}

void TextureCache::Upload(Entry& entry) {
  const EngineBitmap& bitmap = *entry.bitmap;
  BitmapToRgba(bitmap, staging_);
  glBindTexture(GL_TEXTURE_2D, entry.texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  if (entry.width != bitmap.GetWidth() || entry.height != bitmap.GetHeight()) {
    entry.width = bitmap.GetWidth();
    entry.height = bitmap.GetHeight();
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, entry.width, entry.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, staging_.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  } else {
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, entry.width, entry.height, GL_RGBA, GL_UNSIGNED_BYTE, staging_.data());
  }
  entry.revision = bitmap.Revision();
  ++uploads_;
}

void TextureCache::EndFrame() {
  ++frame_;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (frame_ - it->second.lastFrame <= kKeepFrames) {
      ++it;
      continue;
    }
    glDeleteTextures(1, &it->second.texture);
    it = entries_.erase(it);
  }
}

}  // namespace engine
