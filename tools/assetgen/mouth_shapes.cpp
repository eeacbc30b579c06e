// The synthesiser names its phonemes in a plain-letter alphabet ("aI", "tS", "T", "_:"). The mouth does
// not care about most of the detail: what counts is whether the lips close, round or spread, where the
// tongue is seen, and how wide the jaw opens.
#include "tools/assetgen/mouth_shapes.h"

#include <algorithm>

namespace assetgen {

namespace {

constexpr int32_t kNone = -1;
// The player moves on to the next shape 50 ms before a record's time.
constexpr int32_t kPlayerLeadMs = 50;

int32_t VowelShape(char c) {
  switch (c) {
    case 'a':
    case 'A':
    case 'V':
    case '&':
      return MOUTH_A;
    case 'e':
    case 'E':
    case '@':
      return MOUTH_E;
    case '3':  // the r-coloured vowel of "bird"
      return MOUTH_R;
    case 'i':
    case 'I':
    case 'y':
    case 'Y':
    case 'U':
      return MOUTH_I_U;
    case 'o':
    case 'O':
    case '0':
      return MOUTH_O;
    case 'u':
      return MOUTH_W_OO_Q;
    default:
      return kNone;
  }
}

int32_t ConsonantShape(char c) {
  switch (c) {
    case 'p':
    case 'b':
    case 'm':
      return MOUTH_M_B_P;
    case 'f':
    case 'v':
      return MOUTH_F_V;
    case 'T':
    case 'D':
      return MOUTH_TH;
    case 's':
    case 'z':
      return MOUTH_S_Z;
    case 'S':
    case 'Z':
      return MOUTH_CH_SH_J;
    case 'k':
    case 'g':
    case 'N':
    case 'x':
    case 'q':
    case 'G':
    case 'X':
    case 'c':
      return MOUTH_C_K_G;
    case 't':
    case 'd':
    case 'n':
    case 'l':
    case 'L':
      return MOUTH_N_D_T_L;
    case 'r':
    case 'R':
      return MOUTH_R;
    case 'w':
    case 'W':
      return MOUTH_W_OO_Q;
    case 'j':  // the glide of "yes" spreads the lips like "ee"
      return MOUTH_I_U;
    default:  // h, glottal and throat sounds: the lips stay as they were
      return kNone;
  }
}

}  // namespace

PhonemeShapes ShapesOfPhoneme(std::string_view name) {
  if (name.empty()) return {kNone, kNone};
  if (name[0] == '_' || name == "||") return {MOUTH_REST, kNone};
  if (name.starts_with("tS") || name.starts_with("dZ")) return {MOUTH_CH_SH_J, kNone};
  const int32_t vowel = VowelShape(name[0]);
  if (vowel == kNone) return {ConsonantShape(name[0]), kNone};
  // Gliding vowels ("aI" of "my", "aU" of "now", "oU" of "go") end spread or rounded.
  int32_t glide = kNone;
  if (name.size() >= 2 && name[1] == 'I') glide = MOUTH_I_U;
  if (name.size() >= 2 && name[1] == 'U') glide = MOUTH_W_OO_Q;
  return {vowel, glide == vowel ? kNone : glide};
}

std::vector<MouthShapeAt> MouthShapesOf(const std::vector<PhonemeAt>& phonemes, int32_t endMs) {
  std::vector<MouthShapeAt> raw{{0, MOUTH_REST}};
  for (size_t i = 0; i < phonemes.size(); ++i) {
    const PhonemeShapes shapes = ShapesOfPhoneme(phonemes[i].name);
    if (shapes.first == kNone) continue;
    const int32_t start = std::clamp(phonemes[i].startMs, 0, endMs);
    raw.push_back({start, shapes.first});
    if (shapes.second != kNone) {
      const int32_t next = i + 1 < phonemes.size() ? std::clamp(phonemes[i + 1].startMs, start, endMs) : endMs;
      raw.push_back({start + (next - start) / 2, shapes.second});
    }
  }
  raw.push_back({endMs, MOUTH_REST});

  std::vector<MouthShapeAt> out;
  for (const MouthShapeAt& next : raw) {
    if (out.empty()) {
      out.push_back(next);
    } else if (next.startMs - out.back().startMs < kMinMouthShapeMs) {
      // Too brief to be seen: the next sound takes its place (the lips run a little ahead, as lips do).
      out.back().shape = next.shape;
    } else if (next.shape != out.back().shape) {
      out.push_back(next);
    }
    while (out.size() >= 2 && out[out.size() - 2].shape == out.back().shape) out.pop_back();
  }
  return out;
}

std::string EncodeLipSync(const std::vector<MouthShapeAt>& shapes, int32_t endMs) {
  std::string out;
  auto le32 = [&out](int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  for (size_t i = 0; i < shapes.size(); ++i) {
    const int32_t until = i + 1 < shapes.size() ? shapes[i + 1].startMs : endMs;
    le32(until + kPlayerLeadMs);
    le32(shapes[i].shape);
  }
  le32(-1);
  le32(MOUTH_REST);
  return out;
}

}  // namespace assetgen
