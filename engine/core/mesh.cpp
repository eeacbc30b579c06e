// Generated shapes: their faces, measures and (for grids) vertex heights.
#include <algorithm>
#include <cmath>

#include "core/engine_core.h"
#include "core/geometry.h"
#include "engine/engine_scene.h"

namespace engine {

namespace {

// Height-map bytes run 0..255; the range given to a grid spans 0..256 of them.
constexpr float kHeightScale = 256.0f;
// A grid bigger than this (vertices) is refused rather than allocated.
constexpr int64_t kMaxGridVertices = 1 << 22;

}  // namespace

EngineMesh::EngineMesh(Kind kind, std::vector<float> params) : kind_(kind), params_(std::move(params)) {
  switch (kind_) {
    case Kind::Box:
      for (const wchar_t* f : {L"front", L"back", L"left", L"right", L"top", L"bottom"}) faces_[f] = Face{};
      break;
    case Kind::Plane:
    case Kind::Grid:
      faces_[L"front"] = Face{};
      faces_[L"back"] = Face{};
      break;
    case Kind::Cylinder:
    case Kind::Sphere:
      faces_[L"front"] = Face{};
      break;
  }
  if (kind_ == Kind::Grid) {
    if (static_cast<int64_t>(GridColumns()) * GridRows() > kMaxGridVertices)
      throw EngineError(kStatusInvalidArgument, "EngineMesh", "a grid of more than 4 million vertices");
    heights_.assign(static_cast<size_t>(GridColumns()) * GridRows(), 0.0f);
  }
}

EngineMesh::~EngineMesh() = default;

EngineMesh::Face* EngineMesh::FindFace(const std::wstring& name) {
  auto it = faces_.find(name);
  return it == faces_.end() ? nullptr : &it->second;
}

const EngineMesh::Face* EngineMesh::FindFace(const std::wstring& name) const {
  auto it = faces_.find(name);
  return it == faces_.end() ? nullptr : &it->second;
}

EngineMesh::Face& EngineMesh::FaceOrThrow(const std::wstring& name, const char* op) {
  Face* f = FindFace(name);
  if (!f) throw EngineError(kStatusInvalidArgument, "EngineMesh", std::string(op) + " of unknown face " + ToUtf8(name));
  return *f;
}

void EngineMesh::SetFaceColor(const std::wstring& face, int r, int g, int b) {
  Face& f = FaceOrThrow(face, "SetFaceColor");
  const Color colour = EngineBitmap::MakeColor(r, g, b);
  if (f.color == colour) return;
  f.color = colour;
  NoteSceneChange();
}

void EngineMesh::SetFaceBitmap(const std::wstring& face, const EngineRef<EngineBitmap>& image, int /*mode*/) {
  Face& f = FaceOrThrow(face, "SetFaceBitmap");
  if (f.image == image) return;
  f.image = image;
  NoteSceneChange();
}

void EngineMesh::SetFaceOpacity(const std::wstring& face, int opacity) {
  Face& f = FaceOrThrow(face, "SetFaceOpacity");
  const int clamped = std::clamp(opacity, 0, 255);
  if (f.opacity == clamped) return;
  f.opacity = clamped;
  NoteSceneChange();
}

int EngineMesh::GridColumns() const {
  if (kind_ != Kind::Grid || params_.empty() || !std::isfinite(params_[0])) return 0;
  return std::clamp(static_cast<int>(std::min(params_[0], 1e9f)), 1, 1 << 30);
}

int EngineMesh::GridRows() const {
  if (kind_ != Kind::Grid || params_.size() < 2 || !std::isfinite(params_[1])) return 0;
  return std::clamp(static_cast<int>(std::min(params_[1], 1e9f)), 1, 1 << 30);
}

void EngineMesh::SetVertexHeight(int column, int row, float height, int /*flags*/) {
  if (kind_ != Kind::Grid) throw EngineError(kStatusInvalidArgument, "EngineMesh", "SetVertexHeight on a non-grid");
  if (column < 0 || row < 0 || column >= GridColumns() || row >= GridRows())
    throw EngineError(kStatusInvalidArgument, "EngineMesh", "SetVertexHeight outside the grid");
  float& at = heights_[static_cast<size_t>(row) * GridColumns() + column];
  if (at == height) return;
  at = height;
  Changed();
}

float EngineMesh::VertexHeight(int column, int row) const {
  if (column < 0 || row < 0 || column >= GridColumns() || row >= GridRows()) return 0.0f;
  const float h = heights_[static_cast<size_t>(row) * GridColumns() + column];
  return hasHeightRange_ ? heightLow_ + h * (heightHigh_ - heightLow_) / kHeightScale : h;
}

void EngineMesh::SetOptionPair(float low, float high) {
  if (kind_ != Kind::Grid) return;
  hasHeightRange_ = true;
  heightLow_ = low;
  heightHigh_ = high;
  Changed();
}

void EngineMesh::Resize(float width, float height, float depth) {
  // Only the measures of the shape's own kind change: a plane's flags and centre stay as they were.
  auto set = [this](size_t i, float v) {
    if (i < params_.size()) params_[i] = v;
  };
  switch (kind_) {
    case Kind::Plane:
      set(0, width);
      set(1, height);
      break;
    case Kind::Box:
      set(0, width);
      set(1, height);
      set(2, depth);
      break;
    case Kind::Cylinder:
      set(0, width);
      set(1, height);
      break;
    case Kind::Sphere:
      set(0, width);
      break;
    case Kind::Grid:
      return;
  }
  Changed();
}

void EngineMesh::SetScale(float x, float y, float z) {
  const Vec3 scale{x, y, z};
  if (scale == scale_) return;
  scale_ = scale;
  NoteSceneChange();
}

void EngineMesh::Changed() {
  ++revision_;
  NoteSceneChange();
}

}  // namespace engine
