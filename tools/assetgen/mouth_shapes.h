// From the sounds of a spoken line to the mouth shapes its lip-sync timeline shows, and the timeline's bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace assetgen {

// The sixteen mouth shapes in the order the lip-sync numbers them (the model's "ph_" animations).
enum MouthShape : int32_t {
  MOUTH_A = 0,
  MOUTH_CH_SH_J = 1,
  MOUTH_C_K_G = 2,
  MOUTH_E = 3,
  MOUTH_F_V = 4,
  MOUTH_I_U = 5,
  MOUTH_M_B_P = 6,
  MOUTH_N_D_T_L = 7,
  MOUTH_O = 8,
  MOUTH_R = 9,
  MOUTH_S_Z = 10,
  MOUTH_TH = 11,
  MOUTH_W_OO_Q = 12,
  MOUTH_BLINK = 13,
  MOUTH_GRIMACE = 14,
  MOUTH_REST = 15,
};

// One mouth shape (0..15) from a time on (ms from the start of the speech).
struct MouthShapeAt {
  int32_t startMs;
  int32_t shape;
};

// A sound of the synthesiser, by its phoneme name, from a time on.
struct PhonemeAt {
  int32_t startMs;
  std::string name;
};

// The shape a phoneme shows, and for a gliding vowel the shape it glides to (-1: it holds one shape).
// A sound the lips take no part in (h, a glottal stop) gives -1 and leaves the mouth as it was.
struct PhonemeShapes {
  int32_t first;
  int32_t second;
};
PhonemeShapes ShapesOfPhoneme(std::string_view name);

// A mouth shape no shorter than this: the player steps one record a frame, so shorter ones would only
// make the mouth fall behind the voice.
constexpr int32_t kMinMouthShapeMs = 40;

// The mouth shapes of a spoken line: at rest from 0, the shape of each phoneme from its start (a gliding
// vowel changes half-way), shapes held too briefly folded into the one before, and at rest from endMs on.
std::vector<MouthShapeAt> MouthShapesOf(const std::vector<PhonemeAt>& phonemes, int32_t endMs);

// The lip-sync file: little-endian 8-byte records {time, shape}, where a record's time is when its shape
// gives way to the next one (plus the 50 ms the player starts early), closed by a record with a negative time.
std::string EncodeLipSync(const std::vector<MouthShapeAt>& shapes, int32_t endMs);

}  // namespace assetgen
