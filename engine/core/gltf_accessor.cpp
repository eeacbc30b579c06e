#include "core/gltf_accessor.h"

#include <algorithm>
#include <cstring>

namespace engine {

namespace {

struct Layout {
  const unsigned char* first = nullptr;  // the first element
  size_t stride = 0;
  size_t count = 0;
  int componentType = 0;
  int componentSize = 0;
  bool normalized = false;
};

bool Locate(const tinygltf::Model& model, int index, int components, Layout& out) {
  if (index < 0 || static_cast<size_t>(index) >= model.accessors.size()) return false;
  const tinygltf::Accessor& acc = model.accessors[static_cast<size_t>(index)];
  if (acc.sparse.isSparse || acc.count == 0 || acc.count > kMaxAccessorElements) return false;
  if (tinygltf::GetNumComponentsInType(static_cast<uint32_t>(acc.type)) != components) return false;
  const int size = tinygltf::GetComponentSizeInBytes(static_cast<uint32_t>(acc.componentType));
  if (size != 1 && size != 2 && size != 4) return false;
  if (acc.componentType == TINYGLTF_COMPONENT_TYPE_DOUBLE) return false;
  const unsigned char* view = nullptr;
  size_t viewSize = 0;
  if (!BufferViewBytes(model, acc.bufferView, view, viewSize)) return false;
  const size_t element = static_cast<size_t>(size) * static_cast<size_t>(components);
  const int declared = model.bufferViews[static_cast<size_t>(acc.bufferView)].byteStride;
  if (declared < 0) return false;
  const size_t stride = declared > 0 ? static_cast<size_t>(declared) : element;
  if (stride < element || stride > 1024) return false;
  // Counts are capped above, so these products cannot overflow.
  const size_t needed = (acc.count - 1) * stride + element;
  if (acc.byteOffset > viewSize || needed > viewSize - acc.byteOffset) return false;
  out.first = view + acc.byteOffset;
  out.stride = stride;
  out.count = acc.count;
  out.componentType = acc.componentType;
  out.componentSize = size;
  out.normalized = acc.normalized;
  return true;
}

float ComponentAsFloat(const unsigned char* p, int type, bool normalized) {
  switch (type) {
    case TINYGLTF_COMPONENT_TYPE_FLOAT: {
      float f;
      std::memcpy(&f, p, 4);
      return f;
    }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE:
      return normalized ? p[0] / 255.0f : static_cast<float>(p[0]);
    case TINYGLTF_COMPONENT_TYPE_BYTE: {
      const auto v = static_cast<int8_t>(p[0]);
      return normalized ? std::max(v / 127.0f, -1.0f) : static_cast<float>(v);
    }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: {
      uint16_t v;
      std::memcpy(&v, p, 2);
      return normalized ? v / 65535.0f : static_cast<float>(v);
    }
    case TINYGLTF_COMPONENT_TYPE_SHORT: {
      int16_t v;
      std::memcpy(&v, p, 2);
      return normalized ? std::max(v / 32767.0f, -1.0f) : static_cast<float>(v);
    }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: {
      uint32_t v;
      std::memcpy(&v, p, 4);
      return static_cast<float>(v);
    }
    default: {
      int32_t v;
      std::memcpy(&v, p, 4);
      return static_cast<float>(v);
    }
  }
}

}  // namespace

bool BufferViewBytes(const tinygltf::Model& model, int bufferView, const unsigned char*& data, size_t& size) {
  if (bufferView < 0 || static_cast<size_t>(bufferView) >= model.bufferViews.size()) return false;
  const tinygltf::BufferView& view = model.bufferViews[static_cast<size_t>(bufferView)];
  if (view.buffer < 0 || static_cast<size_t>(view.buffer) >= model.buffers.size()) return false;
  const std::vector<unsigned char>& bytes = model.buffers[static_cast<size_t>(view.buffer)].data;
  if (view.byteOffset > bytes.size() || view.byteLength > bytes.size() - view.byteOffset) return false;
  data = bytes.data() + view.byteOffset;
  size = view.byteLength;
  return true;
}

bool ReadAccessorFloats(const tinygltf::Model& model, int accessor, int components, std::vector<float>& out) {
  Layout l;
  if (!Locate(model, accessor, components, l)) return false;
  out.resize(l.count * static_cast<size_t>(components));
  for (size_t i = 0; i < l.count; ++i) {
    const unsigned char* e = l.first + i * l.stride;
    for (int c = 0; c < components; ++c)
      out[i * static_cast<size_t>(components) + static_cast<size_t>(c)] =
          ComponentAsFloat(e + c * l.componentSize, l.componentType, l.normalized);
  }
  return true;
}

bool ReadAccessorUints(const tinygltf::Model& model, int accessor, int components, std::vector<uint32_t>& out) {
  Layout l;
  if (!Locate(model, accessor, components, l)) return false;
  if (l.componentType != TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE &&
      l.componentType != TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT &&
      l.componentType != TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT)
    return false;
  out.resize(l.count * static_cast<size_t>(components));
  for (size_t i = 0; i < l.count; ++i) {
    const unsigned char* e = l.first + i * l.stride;
    for (int c = 0; c < components; ++c) {
      const unsigned char* p = e + c * l.componentSize;
      uint32_t v = 0;
      if (l.componentSize == 1) {
        v = p[0];
      } else if (l.componentSize == 2) {
        uint16_t s;
        std::memcpy(&s, p, 2);
        v = s;
      } else {
        std::memcpy(&v, p, 4);
      }
      out[i * static_cast<size_t>(components) + static_cast<size_t>(c)] = v;
    }
  }
  return true;
}

}  // namespace engine
