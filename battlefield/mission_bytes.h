// Fields of the mission files (strategy table, patient locations, walking grid): little-endian 32-bit
// integers and IEEE single floats, one after another with no header or padding. A reader over a byte
// buffer hands out whole fields only: a field the buffer ends inside is not read, so the caller's value
// stays as it was.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrine {

class MissionByteReader {
 public:
  MissionByteReader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}

  // False (and `value` untouched) when fewer than the field's bytes are left.
  bool ReadI32(int32_t& value);
  bool ReadF32(float& value);
  bool ReadU8(uint8_t& value);
  size_t Position() const { return pos_; }

 private:
  bool Take(size_t count, uint32_t& bits);
  const uint8_t* bytes_;
  size_t size_;
  size_t pos_ = 0;
};

class MissionByteWriter {
 public:
  // Writes into out[0 .. capacity); a field that would not fit is dropped and Overflowed() says so.
  MissionByteWriter(uint8_t* out, size_t capacity) : out_(out), capacity_(capacity) {}

  void WriteI32(int32_t value);
  void WriteF32(float value);
  void WriteU8(uint8_t value);
  size_t Position() const { return pos_; }
  bool Overflowed() const { return overflowed_; }

 private:
  void Put(uint32_t bits, size_t count);
  uint8_t* out_;
  size_t capacity_;
  size_t pos_ = 0;
  bool overflowed_ = false;
};

}  // namespace kestrine
