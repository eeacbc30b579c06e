#include "core/wav_reader.h"

#include <cstdint>
#include <cstring>

namespace engine {

namespace {

// Sound files come from outside: every size field is checked against the bytes actually there, and
// nothing is allocated beyond what the file holds.
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxSampleRate = 1'000'000;

// The tail every PCM sub-format GUID of an extensible header shares (after its 16-bit format code).
constexpr unsigned char kPcmGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                            0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t ReadU16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

uint32_t ReadU32(const std::string& b, size_t at) {
  return static_cast<uint32_t>(ReadU16(b, at)) | (static_cast<uint32_t>(ReadU16(b, at + 2)) << 16);
}

struct WaveFormat {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
};

std::optional<WaveFormat> ParseFormat(const std::string& b, size_t at, size_t size) {
  if (size < 16) return std::nullopt;
  uint16_t tag = ReadU16(b, at);
  WaveFormat f;
  f.channels = ReadU16(b, at + 2);
  uint32_t rate = ReadU32(b, at + 4);
  f.bitsPerSample = ReadU16(b, at + 14);
  if (tag == kFormatExtensible) {
    // cbSize (2) + valid bits (2) + channel mask (4) + sub-format GUID (16) follow the basic 16 bytes.
    if (size < 40) return std::nullopt;
    if (ReadU16(b, at + 24) != kFormatPcm) return std::nullopt;
    if (std::memcmp(b.data() + at + 26, kPcmGuidTail, sizeof kPcmGuidTail) != 0) return std::nullopt;
  } else if (tag != kFormatPcm) {
    return std::nullopt;
  }
  if (f.channels != 1 && f.channels != 2) return std::nullopt;
  if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return std::nullopt;
  if (rate == 0 || rate > static_cast<uint32_t>(kMaxSampleRate)) return std::nullopt;
  f.sampleRate = static_cast<int>(rate);
  return f;
}

}  // namespace

std::optional<PcmData> DecodeWav(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return std::nullopt;

  // The RIFF size is often wrong in files cut short or written by streaming tools, so the chunks are
  // walked over the bytes that exist instead.
  std::optional<WaveFormat> format;
  size_t dataAt = 0, dataSize = 0;
  bool haveData = false;
  size_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const size_t bodyAt = pos + 8;
    const size_t available = bytes.size() - bodyAt;
    const uint64_t declared = ReadU32(bytes, pos + 4);
    const size_t size = declared < available ? static_cast<size_t>(declared) : available;
    if (bytes.compare(pos, 4, "fmt ") == 0 && !format) {
      format = ParseFormat(bytes, bodyAt, size);
      if (!format) return std::nullopt;
    } else if (bytes.compare(pos, 4, "data") == 0 && !haveData) {
      // A data chunk cut short still holds the frames that made it into the file.
      haveData = true;
      dataAt = bodyAt;
      dataSize = size;
    }
    if (declared >= available) break;
    // Chunks start on even offsets: an odd-sized chunk is followed by one pad byte.
    pos = bodyAt + size + (size & 1);
  }
  if (!format || !haveData) return std::nullopt;

  PcmData pcm;
  pcm.sampleRate = format->sampleRate;
  pcm.channels = format->channels;
  const size_t bytesPerSample = static_cast<size_t>(format->bitsPerSample / 8);
  const size_t frameBytes = bytesPerSample * static_cast<size_t>(format->channels);
  const size_t frames = dataSize / frameBytes;
  const size_t count = frames * static_cast<size_t>(format->channels);
  pcm.samples.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const size_t at = dataAt + i * bytesPerSample;
    if (bytesPerSample == 1) {
      // 8-bit PCM is unsigned around 128.
      pcm.samples[i] = static_cast<int16_t>((static_cast<int>(static_cast<unsigned char>(bytes[at])) - 128) * 256);
    } else {
      pcm.samples[i] = static_cast<int16_t>(ReadU16(bytes, at));
    }
  }
  return pcm;
}

}  // namespace engine
