// Everything said in the patient view: the medic's spoken findings (the step clips), the wounded soldiers'
// remarks about their wounds and about the tools used on them, their yells, the enemy wounded's groans, and
// the moans. Spoken lines are read by the speech synthesiser in each man's voice, with a lip-sync timeline
// where a face speaks them; moans and breathing are synthesised sounds. Names come from the wound table, the
// tool table and the speech kinds, so new content gets its files without anyone listing them here.
#pragma once

#include <string>

#include "tools/assetgen/generators.h"

namespace assetgen {

// The game paths, without extension. A '-' in a name becomes '_', the spelling the game looks for first.
std::string MedicClipPath(const std::string& clip);
std::string RemarkPath(int voiceSet, const std::string& key, char kind, int take);  // kind 'c', 'i' or 'l'
std::string YellPath(int voiceSet, int take);
std::string EnemyGroanPath(int take);
std::string MoanPath(const std::string& name, int take);  // take 1..5 -> letters 'a'..'e'

// The remark kinds a wound's key has: right move, wrong move, long silence.
constexpr char kRemarkKinds[] = {'c', 'i', 'l'};
// A tool's key has the first two.
constexpr char kToolRemarkKinds[] = {'c', 'i'};

// The line a patient says for a remark of a wound (hurt part as he names it) or of a tool (its name).
std::string WoundRemarkLine(char kind, int take, const std::string& hurtPart);
std::string ToolRemarkLine(char kind, int take, const std::string& toolName);

void WritePatientSpeech(DataTree& tree);

}  // namespace assetgen
