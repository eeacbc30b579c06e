// Builds RIFF WAVE files byte by byte, so the sound tests can make exactly the odd files they need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wavtest {

inline void PutU16(std::string& s, uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}

inline void PutU32(std::string& s, uint32_t v) {
  PutU16(s, v & 0xFFFF);
  PutU16(s, v >> 16);
}

inline std::string Chunk(const std::string& id, const std::string& body, bool pad = true) {
  std::string s = id;
  PutU32(s, static_cast<uint32_t>(body.size()));
  s += body;
  if (pad && body.size() % 2 == 1) s += '\0';
  return s;
}

inline std::string FmtBody(int channels, int rate, int bits, int tag = 1) {
  std::string s;
  PutU16(s, static_cast<uint32_t>(tag));
  PutU16(s, static_cast<uint32_t>(channels));
  PutU32(s, static_cast<uint32_t>(rate));
  PutU32(s, static_cast<uint32_t>(static_cast<uint64_t>(rate) * channels * bits / 8));
  PutU16(s, static_cast<uint32_t>(channels * bits / 8));
  PutU16(s, static_cast<uint32_t>(bits));
  return s;
}

inline std::string Riff(const std::string& chunks) {
  std::string s = "RIFF";
  PutU32(s, static_cast<uint32_t>(4 + chunks.size()));
  return s + "WAVE" + chunks;
}

inline std::string Samples16(const std::vector<int16_t>& v) {
  std::string s;
  for (int16_t x : v) PutU16(s, static_cast<uint16_t>(x));
  return s;
}

// A plain 16-bit wave of `frames` frames of a ramp (so the samples are not all alike).
inline std::string Wave16(int channels, int rate, size_t frames) {
  std::vector<int16_t> v(frames * static_cast<size_t>(channels));
  for (size_t i = 0; i < v.size(); ++i) v[i] = static_cast<int16_t>((i * 37) % 20000 - 10000);
  return Riff(Chunk("fmt ", FmtBody(channels, rate, 16)) + Chunk("data", Samples16(v)));
}

}  // namespace wavtest
