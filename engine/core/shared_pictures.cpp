#include "core/shared_pictures.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>

namespace engine {

namespace {

struct Picture {
  // The file's contents as they were decoded: the same path read again with other bytes is another picture.
  size_t size = 0;
  size_t hash = 0;
  int width = 0, height = 0;
  std::weak_ptr<const std::vector<uint32_t>> pixels;
};

std::mutex guard;
std::map<std::string, Picture> pictures;

size_t HashOf(const std::string& bytes) { return std::hash<std::string_view>{}(bytes); }

// Forgets pictures no bitmap shows any more.
void Sweep() {
  std::erase_if(pictures, [](const auto& entry) { return entry.second.pixels.expired(); });
}

}  // namespace

EngineRef<EngineBitmap> FindSharedPicture(const std::string& path, const std::string& bytes) {
  const std::lock_guard<std::mutex> lock(guard);
  Sweep();
  const auto it = pictures.find(path);
  if (it == pictures.end() || it->second.size != bytes.size() || it->second.hash != HashOf(bytes)) return {};
  auto pixels = it->second.pixels.lock();
  if (!pixels) return {};
  return MakeEngine<EngineBitmap>(it->second.width, it->second.height, std::move(pixels));
}

void KeepSharedPicture(const std::string& path, const std::string& bytes, EngineBitmap& decoded) {
  const std::lock_guard<std::mutex> lock(guard);
  pictures[path] = Picture{bytes.size(), HashOf(bytes), decoded.GetWidth(), decoded.GetHeight(), decoded.SharePixels()};
}

}  // namespace engine
