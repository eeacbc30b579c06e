// The speech kinds' folders, clip names and needs, and the moans.
#include "casualty_view/speech_paths.h"

#include <algorithm>
#include <cstdio>

#include "casualty/speech_kinds.h"
#include "casualty/wound_types.h"
#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

namespace {

enum SpeechFolder : int32_t {
  FOLDER_VOICE_SET,  // sounds\speech\ws<n>\: the patient's own voice
  FOLDER_SELF,       // sounds\speech\self\: the medic, and the moans
};

struct SpeechKindRow {
  SpeechFolder folder;
  const char* fixedName;  // said in place of the request's name; null: the request's own
  const char* suffix;     // after the name: which of the clip's sets
  int32_t takes;          // a take 1..takes drawn and written after the suffix; 0: none
  bool resetsSilence;
  SpeechNeed need;
  bool soundOnly;
};

const SpeechKindRow kSpeechKinds[kSpeechKindCount] = {
    {FOLDER_VOICE_SET, nullptr, "", 0, false, NEED_SPEECH, false},
    {FOLDER_SELF, nullptr, "", 0, true, NEED_OWN_VOICE, true},
    {FOLDER_VOICE_SET, nullptr, "c", kToolRemarkTakes, true, NEED_SPEECH, false},
    {FOLDER_VOICE_SET, nullptr, "i", kToolRemarkTakes, false, NEED_SPEECH, false},
    {FOLDER_VOICE_SET, nullptr, "c", kWoundRemarkTakes, true, NEED_SPEECH, false},
    {FOLDER_VOICE_SET, nullptr, "i", kWoundRemarkTakes, false, NEED_SPEECH, false},
    {FOLDER_VOICE_SET, nullptr, "l", kWoundRemarkTakes, true, NEED_SPEECH, false},
    {FOLDER_VOICE_SET, kYellClip, "", kYellTakes, false, NEED_ANIMATIONS, false},
    {FOLDER_VOICE_SET, nullptr, "ws", 0, true, NEED_ANIMATIONS, false},
    {FOLDER_SELF, nullptr, "", 0, true, NEED_OWN_VOICE, true},
};

constexpr int32_t kFirstEnemyAppearance = 2;
constexpr int32_t kSpecialCasualtyAppearance = 3;

struct MoanBuffer {
  char name[32] = "";
};
MoanBuffer moanBuffer;
KESTRINE_PROGRAM_STATE(moanBuffer);

}  // namespace

int32_t VoiceSetOf(int32_t casualtySlot) {
  const int32_t set = casualtySlot % kSpeechVoiceSets;
  return (set < 0 ? set + kSpeechVoiceSets : set) + 1;
}

SpeechRequestFiles SpeechFilesOf(int32_t kind, const std::string& name, int32_t appearance, int32_t voiceSet,
                                 int32_t woundType) {
  SpeechRequestFiles files;
  if (kind < 0 || kind >= kSpeechKindCount) return files;
  const SpeechKindRow& row = kSpeechKinds[kind];
  files.known = true;
  files.soundOnly = row.soundOnly;
  files.resetsSilence = row.resetsSilence;
  files.need = row.need;
  files.folder =
      row.folder == FOLDER_SELF ? "sounds\\speech\\self\\" : "sounds\\speech\\ws" + std::to_string(voiceSet) + "\\";
  files.name = row.fixedName != nullptr ? row.fixedName : name;
  if (kind == SPEECH_MOAN) files.name = PickMoanName(appearance, woundType);
  files.tail = row.suffix;
  if (row.takes > 0) files.tail += std::to_string(rand() % row.takes + 1);

  // The enemy wounded groan in their own language whatever they are asked to say; what the medic says
  // and the moans stay as they are.
  if (appearance >= kFirstEnemyAppearance && row.folder != FOLDER_SELF) {
    files.folder = "sounds\\speech\\arab\\";
    files.name = kEnemyGroanClip + std::to_string(rand() % kEnemyGroanTakes + 1);
    files.tail.clear();
  }
  return files;
}

const char* PickMoanName(int32_t appearance, int32_t woundType) {
  const char* stem = nullptr;
  const WoundType* row = IsWoundRow(woundType) ? &WoundTypeTable[woundType] : nullptr;
  const bool awake = row != nullptr && (row->conditionFlags & WOUND_CONSCIOUS) != 0;
  const int32_t severity = row != nullptr ? std::clamp<int32_t>(row->severity, SEVERITY_MAJOR, SEVERITY_LITE) : 0;
  if (appearance == 0 || appearance == 1) {
    stem = awake ? kOwnSoldierMoans.conscious[severity] : kOwnSoldierMoans.unconscious;
  } else if (appearance == kFirstEnemyAppearance) {
    stem = awake ? kEnemyMoans.conscious[severity] : kEnemyMoans.unconscious;
  } else if (appearance == kSpecialCasualtyAppearance) {
    stem = kSpecialCasualtyMoan;
  }
  if (stem != nullptr)
    std::snprintf(moanBuffer.name, sizeof moanBuffer.name, "%s%c", stem, static_cast<char>('a' + rand() % kMoanTakes));
  return moanBuffer.name;
}

void SpellWithUnderscores(std::string& name) { std::replace(name.begin(), name.end(), '-', '_'); }

void SpellWithDashes(std::string& name) { std::replace(name.begin(), name.end(), '_', '-'); }

}  // namespace kestrine
