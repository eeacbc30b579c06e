#include "tools/assetgen/speech_files.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/canonical_path.h"

namespace assetgen {

std::string EncodeSpeechWav(const synth::Buffer& voice) {
  // Nothing above the half rate's limit may fold back into the band.
  synth::Buffer band = voice;
  synth::Filter(band, synth::FilterKind::LowPass, 4400.0, 0.7);
  synth::Filter(band, synth::FilterKind::LowPass, 4400.0, 0.7);
  float peak = 0.0f;
  for (float v : band) peak = std::max(peak, std::fabs(v));
  const float gain = peak > 0.0f ? 0.9f / peak : 0.0f;
  std::string data;
  data.reserve(band.size() / 2 + 1);
  for (size_t i = 0; i < band.size(); i += 2) {
    const long v = std::lround(128.0 + 127.0 * static_cast<double>(band[i] * gain));
    data += static_cast<char>(std::clamp(v, 0L, 255L));
  }
  auto le32 = [](std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto le16 = [](std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
  };
  std::string s = "RIFF";
  le32(s, static_cast<uint32_t>(36 + data.size()));
  s += "WAVEfmt ";
  le32(s, 16);
  le16(s, 1);  // PCM
  le16(s, 1);  // mono
  le32(s, kSpeechFileRate);
  le32(s, kSpeechFileRate);  // bytes per second
  le16(s, 1);                // block align
  le16(s, 8);                // bits per sample
  s += "data";
  le32(s, static_cast<uint32_t>(data.size()));
  s += data;
  return s;
}

void WriteSpokenLine(DataTree& tree, const std::string& gamePath, const SpokenLine& line, LipSync lipSync) {
  tree.WriteBytes(CanonicalPath(gamePath + ".qwv"), EncodeSpeechWav(line.sound));
  if (lipSync == LipSync::With)
    tree.WriteBytes(CanonicalPath(gamePath + ".phn"), EncodeLipSync(line.shapes, line.lengthMs));
}

}  // namespace assetgen
