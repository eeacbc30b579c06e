// Reading a model file's typed arrays (glTF accessors) with every offset, stride and count checked
// against the bytes actually there, so a damaged file is refused instead of read past its end.
#pragma once

#include <cstdint>
#include <vector>

#include "core/gltf.h"

namespace engine {

// Element counts above this are refused (no model the game shows comes near it).
constexpr size_t kMaxAccessorElements = size_t{1} << 22;

// The accessor's elements as floats, `components` per element (the accessor must have exactly that many).
// Integer components are scaled to 0..1 (unsigned) or -1..1 (signed) when the accessor is normalized, and
// taken as they are otherwise. False for a missing, sparse or out-of-bounds accessor.
bool ReadAccessorFloats(const tinygltf::Model& model, int accessor, int components, std::vector<float>& out);
// The same for unsigned integer accessors (indices, joint numbers).
bool ReadAccessorUints(const tinygltf::Model& model, int accessor, int components, std::vector<uint32_t>& out);
// The bytes of a buffer view, checked against its buffer. False when they are not all there.
bool BufferViewBytes(const tinygltf::Model& model, int bufferView, const unsigned char*& data, size_t& size);

}  // namespace engine
