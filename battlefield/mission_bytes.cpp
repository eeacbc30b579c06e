#include "battlefield/mission_bytes.h"

#include <bit>

namespace kestrine {

bool MissionByteReader::Take(size_t count, uint32_t& bits) {
  if (size_ - pos_ < count) {
    pos_ = size_;  // a cut field ends the buffer: nothing after it can be read either
    return false;
  }
  bits = 0;
  for (size_t i = 0; i < count; ++i) bits |= static_cast<uint32_t>(bytes_[pos_ + i]) << (8 * i);
  pos_ += count;
  return true;
}

bool MissionByteReader::ReadI32(int32_t& value) {
  uint32_t bits = 0;
  if (!Take(4, bits)) return false;
  value = static_cast<int32_t>(bits);
  return true;
}

bool MissionByteReader::ReadF32(float& value) {
  uint32_t bits = 0;
  if (!Take(4, bits)) return false;
  value = std::bit_cast<float>(bits);
  return true;
}

bool MissionByteReader::ReadU8(uint8_t& value) {
  uint32_t bits = 0;
  if (!Take(1, bits)) return false;
  value = static_cast<uint8_t>(bits);
  return true;
}

void MissionByteWriter::Put(uint32_t bits, size_t count) {
  if (capacity_ - pos_ < count) {
    overflowed_ = true;
    return;
  }
  for (size_t i = 0; i < count; ++i) out_[pos_ + i] = static_cast<uint8_t>(bits >> (8 * i));
  pos_ += count;
}

void MissionByteWriter::WriteI32(int32_t value) { Put(static_cast<uint32_t>(value), 4); }
void MissionByteWriter::WriteF32(float value) { Put(std::bit_cast<uint32_t>(value), 4); }
void MissionByteWriter::WriteU8(uint8_t value) { Put(value, 1); }

}  // namespace kestrine
