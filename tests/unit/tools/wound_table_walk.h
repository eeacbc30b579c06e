// The names the wound table uses, found by walking each row's tracks as the game reaches them, rather than
// through the generator's own list.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "casualty/wound_types.h"

namespace kestrine_test {

using namespace kestrine;

struct TableNames {
  std::set<std::string> clips, remarkKeys, textures;
};

inline TableNames WalkTable() {
  TableNames names;
  std::set<const StepList*> seen;
  std::vector<const StepList*> open;
  auto reach = [&](const StepList* list) {
    if (list != nullptr && seen.insert(list).second) open.push_back(list);
  };
  for (const WoundType& row : WoundTypeTable) {
    if (*row.textureSet != '\0') names.textures.insert(row.textureSet);
    if (*row.remarkKey != '\0') names.remarkKeys.insert(row.remarkKey);
    for (const StepList* list : row.lists) reach(list);
  }
  while (!open.empty()) {
    const StepList* list = open.back();
    open.pop_back();
    for (const TreatmentStep* step = list; !IsListEnd(step); ++step) {
      if (*step->clip != '\0') names.clips.insert(step->clip);
      if (step->tool == kTextureChange) names.textures.insert(step->reading);
      reach(step->next);
      reach(step->extra);
    }
  }
  return names;
}

}  // namespace kestrine_test
