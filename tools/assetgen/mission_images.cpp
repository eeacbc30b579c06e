// The pictures of each terrain folder: the ground texture laid over the terrain (1024 pixels across the
// 180.5 units of the terrain grid, the scale the blast marks and the extraction marker are drawn at), the
// mini-map (128 pixels across the 180 units from -90 to 90, shown at half size), the briefing map, and the
// crater a grenade leaves. All are painted from the folder's one ground model, and the heights file is
// written beside them.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "battlefield/strategy_file.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/mission_generators.h"
#include "tools/assetgen/mission_plans.h"
#include "tools/assetgen/mission_terrain.h"

namespace assetgen {

namespace {

using paint::Image;
using paint::Rgb;

constexpr int kWrapSize = 1024;
constexpr float kTerrainSpan = 180.5f;  // the terrain grid: 19 cells of 9.5
constexpr int kMiniMapSize = 128;
constexpr int kBriefMapWidth = 160, kBriefMapHeight = 140;
constexpr int kCraterWidth = 254, kCraterHeight = 246;

std::string FolderPath(int folder, const char* file) {
  char path[64];
  std::snprintf(path, sizeof path, "missions\\mission%d\\%s", folder, file);
  return CanonicalPath(path);
}

void Put(const Image& image, int x, int y, engine::Color c) { image->SetPixel(x, y, c.Packed()); }

// The ground painted over a picture whose pixel (0, 0) is the world point (left, top) and whose pixels are
// `perX` and `perZ` world units wide and high.
Image PaintGround(const TerrainPainter& painter, int width, int height, float left, float top, float perX, float perZ) {
  Image image = paint::NewImage(width, height, {0, 0, 0});
  for (int py = 0; py < height; ++py) {
    const float z = top - (static_cast<float>(py) + 0.5f) * perZ;
    for (int px = 0; px < width; ++px) Put(image, px, py, painter.At(left + (static_cast<float>(px) + 0.5f) * perX, z));
  }
  return image;
}

// The briefing map: the ground, a 30-unit grid, the medic's start, the known enemy positions and the
// extraction point, and north at the top.
Image BriefingMap(const TerrainPainter& painter, int mission) {
  const float perX = 180.0f / kBriefMapWidth, perZ = 180.0f / kBriefMapHeight;
  Image image = PaintGround(painter, kBriefMapWidth, kBriefMapHeight, -90.0f, 90.0f, perX, perZ);
  auto px = [perX](float x) { return static_cast<int>((x + 90.0f) / perX); };
  auto py = [perZ](float z) { return static_cast<int>((90.0f - z) / perZ); };
  for (int g = -60; g <= 60; g += 30) {
    paint::Line(image, px(static_cast<float>(g)), 0, px(static_cast<float>(g)), kBriefMapHeight - 1, {60, 60, 50});
    paint::Line(image, 0, py(static_cast<float>(g)), kBriefMapWidth - 1, py(static_cast<float>(g)), {60, 60, 50});
  }
  kestrine::StrategyEntry entries[kestrine::kStrategyEntryCount];
  int32_t count = 0;
  BuildStrategyTable(mission, entries, count);
  for (int i = 0; i < count; ++i) {
    const kestrine::StrategyEntry& e = entries[i];
    const int x = px(e.pos.x), y = py(e.pos.z);
    if (e.type == kestrine::STRATEGY_EXTRACTION) {
      paint::Disc(image, x, y, 6, {20, 200, 60});
      paint::Disc(image, x, y, 4, {235, 245, 235});
      paint::Disc(image, x, y, 2, {20, 200, 60});
    } else if (e.type == kestrine::STRATEGY_START && e.injury < 1 && e.side == kestrine::PLAYER) {
      for (int row = 0; row < 7; ++row) paint::Fill(image, x - row / 2, y - 3 + row, row + 1, 1, {40, 90, 230});
    } else if (e.type == kestrine::STRATEGY_START && e.injury < 1 && e.side == kestrine::ENEMY) {
      paint::Fill(image, x - 2, y - 2, 5, 5, {200, 30, 20});
    }
  }
  paint::Frame(image, 0, 0, kBriefMapWidth, kBriefMapHeight, {30, 30, 26});
  paint::TextStyle north;
  north.size = 8;
  north.bold = true;
  north.colour = {240, 240, 230};
  north.align = paint::Align::Centre;
  paint::Line(image, kBriefMapWidth - 10, 18, kBriefMapWidth - 10, 6, {240, 240, 230});
  paint::Line(image, kBriefMapWidth - 13, 9, kBriefMapWidth - 10, 6, {240, 240, 230});
  paint::Line(image, kBriefMapWidth - 7, 9, kBriefMapWidth - 10, 6, {240, 240, 230});
  paint::Label(image, kBriefMapWidth - 10, 19, "N", north);
  return image;
}

// A blackened pit with a ragged rim of thrown-up soil, on the red the loader makes transparent.
Image Crater(bool desert, uint32_t seed) {
  Image image = paint::NewImage(kCraterWidth, kCraterHeight, {255, 0, 0});
  const float cx = kCraterWidth / 2.0f, cy = kCraterHeight / 2.0f;
  const Rgb soil = desert ? Rgb{150, 126, 92} : Rgb{92, 78, 58};
  uint32_t state = seed;
  float lobes[12];
  for (float& l : lobes) {
    state = state * 1664525u + 1013904223u;
    l = 0.82f + 0.18f * static_cast<float>(state >> 8) / static_cast<float>(1u << 24);
  }
  for (int y = 0; y < kCraterHeight; ++y)
    for (int x = 0; x < kCraterWidth; ++x) {
      const float dx = static_cast<float>(x) - cx, dy = static_cast<float>(y) - cy;
      const float angle = std::atan2(dy, dx) / (2 * 3.14159265f) * 12.0f + 12.0f;
      const int i = static_cast<int>(angle) % 12;
      const float t = angle - std::floor(angle);
      const float edge = 118.0f * (lobes[i] + (lobes[(i + 1) % 12] - lobes[i]) * t);
      const float d = std::hypot(dx, dy) / edge;
      if (d > 1.0f) continue;
      // Charred in the middle, the soil's own colour at the rim.
      const float k = std::clamp((d - 0.35f) / 0.65f, 0.0f, 1.0f);
      const float grain = static_cast<float>((x * 7 + y * 13 + (x * y) % 5) % 9) - 4.0f;
      auto mix = [&](int from, int to) {
        return static_cast<uint8_t>(std::clamp(static_cast<float>(from) + (to - from) * k + grain, 1.0f, 240.0f));
      };
      Put(image, x, y, engine::Color{mix(28, soil.r), mix(24, soil.g), mix(20, soil.b)});
    }
  return image;
}

}  // namespace

void WriteMissionTerrains(DataTree& tree) {
  // The folders are painted and encoded side by side (the ground textures are the slow part of the whole
  // data tree), then written in folder order, so the output is the same however the work was shared.
  std::vector<std::future<std::vector<std::pair<std::string, std::string>>>> folders;
  for (int folder = 1; folder <= kTerrainFolderCount; ++folder)
    folders.push_back(std::async(std::launch::async, [folder] {
      std::vector<std::pair<std::string, std::string>> files;
      const TerrainHeights heights = MissionTerrainHeights(folder);
      files.emplace_back(FolderPath(folder, "terrhm.raw"),
                         std::string(reinterpret_cast<const char*>(heights.data()), heights.size()));
      const TerrainPainter painter(folder);
      const float perWrapPixel = kTerrainSpan / kWrapSize;
      files.emplace_back(FolderPath(folder, "wrap.qjp"),
                         EncodePng(*PaintGround(painter, kWrapSize, kWrapSize, -kTerrainSpan / 2, kTerrainSpan / 2,
                                                perWrapPixel, perWrapPixel)));
      const float perMiniPixel = 180.0f / kMiniMapSize;
      files.emplace_back(
          FolderPath(folder, "smallMap.qjp"),
          EncodePng(*PaintGround(painter, kMiniMapSize, kMiniMapSize, -90.0f, 90.0f, perMiniPixel, perMiniPixel)));
      // Each folder's map shows the campaign mission of the same number.
      files.emplace_back(FolderPath(folder, "briefmap.qjp"), EncodePng(*BriefingMap(painter, folder)));
      files.emplace_back(FolderPath(folder, "crater.qjp"),
                         EncodePng(*Crater(IsDesertFolder(folder), static_cast<uint32_t>(folder))));
      return files;
    }));
  for (auto& folder : folders)
    for (const auto& [path, bytes] : folder.get()) tree.WriteBytes(path, bytes);
}

}  // namespace assetgen
