// The posed triangles of loaded models, streamed to the GPU once per frame in one buffer. A model's pose
// changes as it animates, and a model may go at any time, so nothing of it is kept from frame to frame
// (keeping a model alive for a cache would keep it in the collision tests too).
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <vector>

#include "core/geometry.h"

namespace engine {

class ModelStream {
 public:
  ModelStream() = default;
  ~ModelStream();  // the GL context must be current
  ModelStream(const ModelStream&) = delete;
  ModelStream& operator=(const ModelStream&) = delete;

  void Begin() { vertices_.clear(); }
  // Adds a batch; returns its first vertex in the frame's buffer.
  GLint Add(const std::vector<GeometryVertex>& batch);
  // Sends the frame's vertices; call once, after the last Add and before drawing.
  void Upload();
  GLuint Vao() const { return vao_; }

 private:
  std::vector<GeometryVertex> vertices_;
  GLuint vao_ = 0, vbo_ = 0;
};

}  // namespace engine
