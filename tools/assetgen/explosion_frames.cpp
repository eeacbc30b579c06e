// The grenade explosion's flip-book: twelve frames of a fireball swelling, burning out and turning to
// smoke, on white (the frames' key colour), and the index file that lists them in order.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/image_paint.h"

namespace assetgen {

namespace {

constexpr int kFrames = 12;
constexpr int kSize = 64;

paint::Image Frame(int n) {
  paint::Image image = paint::NewImage(kSize, kSize, {255, 255, 255});
  const double progress = static_cast<double>(n) / (kFrames - 1);
  const double radius = 8.0 + 22.0 * std::sqrt(progress);
  uint32_t state = 977u * static_cast<uint32_t>(n + 1);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      state = state * 1664525u + 1013904223u;
      const double jitter = static_cast<double>((state >> 24) % 9) - 4.0;
      const double d = std::hypot(x - 31.5, y - 33.5 + 6.0 * progress) + jitter * 0.6;
      if (d > radius) continue;
      const double inner = d / radius;  // 0 at the heart, 1 at the rim
      // Hot yellow core to orange to dark red at the rim; later frames go over to grey smoke.
      double r = 254 - 60 * inner, g = 236 - 190 * inner, b = 170 - 160 * inner;
      const double smoke = std::clamp((progress - 0.45) / 0.55, 0.0, 1.0);
      r = r * (1 - smoke) + (90 + 30 * inner) * smoke;
      g = g * (1 - smoke) + (84 + 26 * inner) * smoke;
      b = b * (1 - smoke) + (80 + 24 * inner) * smoke;
      auto channel = [jitter](double v) { return static_cast<uint8_t>(std::clamp(v + jitter * 2, 1.0, 254.0)); };
      image->SetPixel(x, y, engine::Color{channel(r), channel(g), channel(b)}.Packed());
    }
  return image;
}

}  // namespace

void WriteExplosionFrames(DataTree& tree) {
  std::string index;
  for (int n = 0; n < kFrames; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "explo%02d.qpg", n + 1);
    tree.WritePng(CanonicalPath(std::string("sprites\\explo1\\") + name), *Frame(n));
    index += name;
    index += "\n";
  }
  tree.WriteText(CanonicalPath("sprites\\explo1\\index.qtxt"), index);
}

}  // namespace assetgen
