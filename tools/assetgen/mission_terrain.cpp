#include "tools/assetgen/mission_terrain.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kGridX0 = -90.25f;
constexpr float kGridZ0 = 90.25f;
constexpr float kGridStep = 9.5f;
constexpr int kFlatHeight = 160;  // world y 400: where the level layouts stand

struct Relief {
  bool desert;
  float roll;       // height bytes of the gentle rolls inside the battlefield
  float rollScale;  // their wavelength, in world units
  float rim[4];     // height bytes of the rim: north, east, south, west
  float rimWave;    // the rim's waviness: dunes or hill tops along the edge
  float treeCover;  // woodland: 0 bare .. 1 dense (ignored in the desert)
  uint32_t seed;
};

// 1 Kel Amar, 2 the forest road, 3 Sidra, 4 the border forest, 5 the farm by the salt flats, 6 the base,
// 7 the logging camp, 8 the Temar fields, 9 beyond the ford, 10 the caravan fort.
constexpr Relief kRelief[kTerrainFolderCount] = {
    {true, 4.0f, 60.0f, {40, 55, 25, 70}, 0.09f, 0.0f, 11},  {false, 5.0f, 45.0f, {90, 60, 20, 50}, 0.06f, 0.55f, 23},
    {true, 5.0f, 50.0f, {60, 40, 45, 80}, 0.11f, 0.0f, 37},  {false, 5.0f, 40.0f, {80, 85, 30, 85}, 0.05f, 0.6f, 41},
    {true, 3.0f, 80.0f, {20, 50, 60, 40}, 0.08f, 0.0f, 53},  {true, 4.0f, 70.0f, {35, 90, 30, 35}, 0.12f, 0.0f, 67},
    {false, 6.0f, 35.0f, {95, 95, 60, 95}, 0.04f, 0.8f, 71}, {false, 4.0f, 55.0f, {50, 45, 25, 45}, 0.07f, 0.35f, 83},
    {false, 5.0f, 45.0f, {85, 70, 40, 75}, 0.05f, 0.6f, 97}, {true, 5.0f, 40.0f, {75, 95, 55, 80}, 0.13f, 0.0f, 101},
};

const Relief& ReliefOf(int folder) {
  if (folder < 1 || folder > kTerrainFolderCount) throw std::out_of_range("mission folder");
  return kRelief[folder - 1];
}

// ---- deterministic value noise ----

float Hash(int x, int z, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(z) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0x1000000);
}

float Noise(float x, float z, float scale, uint32_t seed) {
  const float fx = x / scale, fz = z / scale;
  const int ix = static_cast<int>(std::floor(fx)), iz = static_cast<int>(std::floor(fz));
  const float tx = fx - static_cast<float>(ix), tz = fz - static_cast<float>(iz);
  const float sx = tx * tx * (3 - 2 * tx), sz = tz * tz * (3 - 2 * tz);
  const float a = Hash(ix, iz, seed), b = Hash(ix + 1, iz, seed);
  const float c = Hash(ix, iz + 1, seed), d = Hash(ix + 1, iz + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sz;
}

// ---- heights ----

float RawHeight(const Relief& r, float x, float z) {
  const float s = static_cast<float>(r.seed);
  float h = static_cast<float>(kFlatHeight);
  h += r.roll * std::sin(x * 2 * kPi / r.rollScale + s) * std::cos(z * 2 * kPi / (r.rollScale * 1.3f) + 0.5f * s);
  // The rim: nothing inside 76, rising to the full relief at the map's edge. The battlefield's last cells
  // (out to 80) only feel its foot, so the walking grid stays open to the corners.
  const float edge = std::max(std::fabs(x), std::fabs(z));
  const float t = std::clamp((edge - 76.0f) / 14.25f, 0.0f, 1.0f);
  if (t > 0) {
    float side;
    float along;
    if (std::fabs(z) >= std::fabs(x)) {
      side = z > 0 ? r.rim[0] : r.rim[2];
      along = x;
    } else {
      side = x > 0 ? r.rim[1] : r.rim[3];
      along = z;
    }
    const float wave = r.desert ? 0.55f + 0.45f * std::sin(along * r.rimWave + s)
                                : 0.6f + 0.4f * std::cos(along * r.rimWave + 0.7f * s);
    h += t * t * side * wave;
  }
  return h;
}

// ---- ground marks: the places the story names, painted over the ground ----

enum class Ground { Road, Track, Water, Wadi, Paving, Salt, Field, Gravel, Clearing, Scorch, Fence };

struct Mark {
  Ground ground;
  float halfWidth;  // lines; for a single point, the disc's radius
  int count;        // points used
  float pts[6][2];  // a polyline (2+ points), or a disc (1 point); kRect: two corners
  bool rect = false;
};

constexpr int kMaxMarks = 8;
struct MarkSet {
  int count;
  Mark marks[kMaxMarks];
};

const MarkSet kMarks[kTerrainFolderCount] = {
    // 1: the market town: the road in from the south, the square, the east-west street, the wells.
    {5,
     {{Ground::Road, 4.0f, 3, {{0, -95}, {0, -30}, {4, -12}}},
      {Ground::Road, 3.5f, 2, {{-95, 0}, {95, 2}}},
      {Ground::Paving, 0, 2, {{-18, -14}, {20, 16}}, true},
      {Ground::Gravel, 6.0f, 1, {{-40, 34}}},
      {Ground::Gravel, 6.0f, 1, {{42, -40}}}}},
    // 2: the forest road and its branch to the radio truck; the river bend.
    {3,
     {{Ground::Track, 3.5f, 5, {{20, -95}, {20, -40}, {-10, -12}, {-46, 2}, {-66, 40}}},
      {Ground::Track, 3.0f, 3, {{-10, -12}, {50, 0}, {95, 10}}},
      {Ground::Water, 5.0f, 4, {{95, 40}, {60, 20}, {30, 24}, {-10, 38}}}}},
    // 3: Sidra: the dry river bed below the village, the village ground on the hill.
    {3,
     {{Ground::Wadi, 7.0f, 5, {{-95, -50}, {-50, -32}, {0, -42}, {50, -20}, {95, -34}}},
      {Ground::Gravel, 0, 2, {{-40, -10}, {40, 56}}, true},
      {Ground::Track, 3.0f, 3, {{-60, -72}, {-40, -40}, {-10, 0}}}}},
    // 4: the border forest: the valley path north and a stream.
    {2,
     {{Ground::Track, 3.5f, 4, {{-60, -95}, {-50, -10}, {-10, 30}, {40, 95}}},
      {Ground::Water, 4.0f, 4, {{-95, 60}, {-30, 50}, {20, 60}, {95, 50}}}}},
    // 5: the walled farm, the salt flats to its north, the approach track.
    {3,
     {{Ground::Salt, 0, 2, {{-95, 60}, {95, 95}}, true},
      {Ground::Clearing, 0, 2, {{-38, -8}, {38, 46}}, true},
      {Ground::Track, 3.0f, 2, {{0, -95}, {0, -8}}}}},
    // 6: the base: the compound inside the wire, the burnt barracks, the road out through the east gate.
    {4,
     {{Ground::Gravel, 0, 2, {{-62, -62}, {62, 62}}, true},
      {Ground::Fence, 0.6f, 5, {{-62, -62}, {62, -62}, {62, 62}, {-62, 62}, {-62, -62}}},
      {Ground::Road, 3.5f, 2, {{-30, 0}, {95, 0}}},
      {Ground::Scorch, 12.0f, 1, {{20, -10}}}}},
    // 7: the logging camp's clearing in the pines and its road.
    {2, {{Ground::Clearing, 34.0f, 1, {{0, 22}}}, {Ground::Track, 3.5f, 3, {{0, -95}, {-10, -30}, {0, 0}}}}},
    // 8: the Temar in the north, the fields before the ford, the lane down to the water.
    {3,
     {{Ground::Field, 0, 2, {{-70, -60}, {70, 40}}, true},
      {Ground::Water, 9.0f, 2, {{-95, 62}, {95, 58}}},
      {Ground::Track, 2.5f, 2, {{-32, -70}, {-32, 58}}}}},
    // 9: the ford in the south behind us, the woods and the enemy base beyond it.
    {3,
     {{Ground::Water, 7.0f, 3, {{-95, -44}, {0, -40}, {95, -46}}},
      {Ground::Gravel, 5.0f, 2, {{-2, -52}, {2, -30}}},
      {Ground::Clearing, 0, 2, {{-50, -10}, {50, 66}}, true}}},
    // 10: the caravan fort and the track east to the border.
    {3,
     {{Ground::Paving, 0, 2, {{-34, 26}, {34, 72}}, true},
      {Ground::Fence, 1.2f, 5, {{-34, 26}, {34, 26}, {34, 72}, {-34, 72}, {-34, 26}}},
      {Ground::Track, 3.5f, 3, {{34, 60}, {70, 66}, {95, 70}}}}},
};

struct Rgbf {
  float r, g, b;
};

Rgbf GroundColour(Ground g, bool desert) {
  switch (g) {
    case Ground::Road:
      return desert ? Rgbf{168, 150, 116} : Rgbf{118, 104, 78};
    case Ground::Track:
      return desert ? Rgbf{184, 160, 118} : Rgbf{122, 100, 68};
    case Ground::Water:
      return {54, 88, 112};
    case Ground::Wadi:
      return {176, 150, 108};
    case Ground::Paving:
      return {196, 186, 164};
    case Ground::Salt:
      return {234, 232, 222};
    case Ground::Field:
      return {132, 136, 70};
    case Ground::Gravel:
      return {158, 152, 140};
    case Ground::Clearing:
      return desert ? Rgbf{190, 170, 130} : Rgbf{146, 118, 80};
    case Ground::Scorch:
      return {52, 46, 40};
    case Ground::Fence:
      return {80, 74, 66};
  }
  return {0, 0, 0};
}

float SegmentDistance(float px, float pz, const float a[2], const float b[2]) {
  const float dx = b[0] - a[0], dz = b[1] - a[1];
  const float len2 = dx * dx + dz * dz;
  float t = len2 > 0 ? ((px - a[0]) * dx + (pz - a[1]) * dz) / len2 : 0.0f;
  t = std::clamp(t, 0.0f, 1.0f);
  return std::hypot(px - (a[0] + t * dx), pz - (a[1] + t * dz));
}

// How much of the mark covers (x, z): 1 inside, fading to 0 over the last world unit of its edge.
float Coverage(const Mark& m, float x, float z, float jitter) {
  if (m.rect) {
    const float x0 = std::min(m.pts[0][0], m.pts[1][0]), x1 = std::max(m.pts[0][0], m.pts[1][0]);
    const float z0 = std::min(m.pts[0][1], m.pts[1][1]), z1 = std::max(m.pts[0][1], m.pts[1][1]);
    const float inside = std::min({x - x0, x1 - x, z - z0, z1 - z}) + jitter;
    return std::clamp(inside, 0.0f, 1.0f);
  }
  float d;
  if (m.count == 1) {
    d = std::hypot(x - m.pts[0][0], z - m.pts[0][1]);
  } else {
    d = 1e9f;
    for (int i = 0; i + 1 < m.count; ++i) d = std::min(d, SegmentDistance(x, z, m.pts[i], m.pts[i + 1]));
  }
  return std::clamp(m.halfWidth + jitter - d, 0.0f, 1.0f);
}

}  // namespace

TerrainHeights MissionTerrainHeights(int folder) {
  const Relief& r = ReliefOf(folder);
  TerrainHeights bytes{};
  for (int row = 0; row < kestrine::kTerrainSide; ++row)
    for (int col = 0; col < kestrine::kTerrainSide; ++col) {
      const float x = kGridX0 + kGridStep * static_cast<float>(col);
      const float z = kGridZ0 - kGridStep * static_cast<float>(row);
      const float h = std::round(RawHeight(r, x, z));
      bytes[static_cast<size_t>(row) * kestrine::kTerrainSide + col] =
          static_cast<uint8_t>(std::clamp(h, 0.0f, 255.0f));
    }
  return bytes;
}

float TerrainGroundY(const TerrainHeights& heights, float x, float z) {
  constexpr int last = kestrine::kTerrainSide - 1;
  const float fc = std::clamp((x - kGridX0) / kGridStep, 0.0f, static_cast<float>(last));
  const float fr = std::clamp((kGridZ0 - z) / kGridStep, 0.0f, static_cast<float>(last));
  const int c = std::min(static_cast<int>(fc), last - 1), r = std::min(static_cast<int>(fr), last - 1);
  const float tc = fc - static_cast<float>(c), tr = fr - static_cast<float>(r);
  auto at = [&](int cc, int rr) {
    return static_cast<float>(heights[static_cast<size_t>(rr) * kestrine::kTerrainSide + cc]);
  };
  const float top = at(c, r) + (at(c + 1, r) - at(c, r)) * tc;
  const float bottom = at(c, r + 1) + (at(c + 1, r + 1) - at(c, r + 1)) * tc;
  const float b = top + (bottom - top) * tr;
  return 400.0f - 25.0f + b * 40.0f / 256.0f;
}

bool IsDesertFolder(int folder) { return ReliefOf(folder).desert; }

TerrainPainter::TerrainPainter(int folder) : folder_(folder), heights_(MissionTerrainHeights(folder)) {}

engine::Color TerrainPainter::At(float x, float z) const {
  const Relief& r = ReliefOf(folder_);
  const uint32_t seed = r.seed;
  const float coarse = Noise(x, z, 7.0f, seed), fine = Noise(x, z, 1.6f, seed + 1);

  Rgbf c = r.desert ? Rgbf{212, 186, 138} : Rgbf{86, 112, 58};
  const float vary = 0.88f + 0.16f * coarse + 0.08f * fine;
  c = {c.r * vary, c.g * vary, c.b * vary};
  if (r.desert) {
    // Wind ripples across the sand.
    const float ripple = std::sin((x * 0.8f + z * 0.5f) * 0.9f + 4.0f * coarse);
    c = {c.r + 6 * ripple, c.g + 5 * ripple, c.b + 4 * ripple};
  } else if (Noise(x, z, 9.0f, seed + 2) > 1.0f - 0.45f * r.treeCover) {
    // Tree cover, mottled.
    const float m = 0.8f + 0.4f * fine;
    c = {40 * m, 68 * m, 36 * m};
  }

  const MarkSet& set = kMarks[folder_ - 1];
  const float jitter = (fine - 0.5f) * 1.2f;
  for (int i = 0; i < set.count; ++i) {
    const Mark& m = set.marks[i];
    const float k = Coverage(m, x, z, jitter);
    if (k <= 0) continue;
    Rgbf g = GroundColour(m.ground, r.desert);
    if (m.ground == Ground::Field) {
      // Ploughed strips running east-west.
      const float strip = std::fmod(std::fabs(z) + 100.0f, 12.0f) < 6.0f ? 0.9f : 1.08f;
      g = {g.r * strip, g.g * strip, g.b * strip};
    }
    const float v = 0.92f + 0.14f * fine;
    c = {c.r + (g.r * v - c.r) * k, c.g + (g.g * v - c.g) * k, c.b + (g.b * v - c.b) * k};
  }

  // Light from the north-east, where the overhead view's sun stands: slopes facing it are lit.
  const float e = 1.5f;
  const float dx = TerrainGroundY(heights_, x + e, z) - TerrainGroundY(heights_, x - e, z);
  const float dz = TerrainGroundY(heights_, x, z + e) - TerrainGroundY(heights_, x, z - e);
  const float shade = std::clamp(1.0f - 0.3f * (dx + dz) / (2 * e), 0.6f, 1.3f);
  auto channel = [shade](float v) { return static_cast<uint8_t>(std::clamp(v * shade, 1.0f, 254.0f)); };
  return engine::Color{channel(c.r), channel(c.g), channel(c.b)};
}

}  // namespace assetgen
