// The names the wound table gives its files: the medic's spoken findings, the patients' remarks about their
// wounds and the wound skin textures; and the textures themselves (the speech is in patient_speech.h). The
// names are read from the table itself, so a new clip, remark key or texture in the content gets its file
// without anyone listing it here.
#pragma once

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

// Every skin texture path a wound texture name needs: one for each skin the game looks under first or falls
// back to (light, dark and enemy skin; desert skins fall back to the woodland ones).
std::vector<std::string> WoundTexturePaths(const std::string& name);
constexpr int kWoundTextureSize = 128;
// The row, as a fraction of the picture's height, a wound texture's wound is drawn round: on a limb, where
// the segment it names lies in the limb's pictures; elsewhere the middle (an amputation: the bottom edge).
double WoundRow(const std::string& name);

void WriteWoundTextures(DataTree& tree);

}  // namespace assetgen
