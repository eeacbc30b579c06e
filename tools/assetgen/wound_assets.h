// The files the wound table names: the medic's spoken findings, the patients' remarks about their wounds
// (with lip-sync timelines) and the wound skin textures. The names are read from the table itself, so a
// new clip, remark key or texture in the content gets its file without anyone listing it here.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/assetgen/generators.h"

namespace assetgen {

struct WoundAssetNames {
  std::map<std::string, std::string> clips;       // the medic's clip -> the words he says
  std::map<std::string, std::string> remarkKeys;  // a wound's remark key -> the hurt part, as the patient says it
  std::set<std::string> textures;                 // texture sets and the textures of texture-change steps
};

// Every clip, remark key and texture name of the wound table and its step lists.
WoundAssetNames CollectWoundAssetNames();

// Voice sets of the patients' remarks (folders ws1..ws4), remark kinds (right move, wrong move, silence)
// and the number of takes of each.
constexpr int kVoiceSetCount = 4;
constexpr char kRemarkKinds[] = {'c', 'i', 'l'};
constexpr int kRemarkTakes = 6;

// The game paths of a medic's clip and of one remark take, without extension.
std::string MedicClipPath(const std::string& clip);
std::string RemarkPath(int voiceSet, const std::string& key, char kind, int take);

// One mouth shape (0..15) from a time on (ms from the start of the speech).
struct MouthShapeAt {
  int32_t startMs;
  int32_t shape;
};
// The lip-sync file: little-endian 8-byte records {time, shape}, where a record's time is when its shape
// gives way to the next one (plus the 50 ms the player starts early), closed by a record with a negative time.
std::string EncodeLipSync(const std::vector<MouthShapeAt>& shapes, int32_t endMs);

// Every skin texture path a wound texture name needs: one for each skin the game looks under first or falls
// back to (light, dark and enemy skin; desert skins fall back to the woodland ones).
std::vector<std::string> WoundTexturePaths(const std::string& name);
constexpr int kWoundTextureSize = 128;

void WriteWoundSpeech(DataTree& tree);
void WriteWoundTextures(DataTree& tree);

}  // namespace assetgen
