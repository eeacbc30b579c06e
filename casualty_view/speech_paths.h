// Where a speech request's files are: the folder of the voice that says it, the clip's name with the take
// drawn for it, and what the patient must be able to do for it to be said at all. Also the moan a patient
// gives, by who he is and how badly he is hurt.
#pragma once

#include <cstdint>
#include <string>

namespace kestrine {

// What a kind of speech needs of the patient before it is said.
enum SpeechNeed : int32_t {
  NEED_SPEECH,      // he can speak, and his body has its face (at least five animations)
  NEED_ANIMATIONS,  // his body has its face: a yell comes out even from a man who cannot talk
  NEED_OWN_VOICE,   // the medic's own voice is switched on
};

// The files of one request, path without extension: folder + name + tail. The name is kept apart because
// a name written with '-' is looked for with '_' first, then again with '-'.
struct SpeechRequestFiles {
  bool known = false;      // the kind is one of the ten
  bool soundOnly = false;  // the medic's voice and the moans: heard, no face moves
  bool resetsSilence = false;
  SpeechNeed need = NEED_SPEECH;
  std::string folder;
  std::string name;
  std::string tail;

  // The file with this extension ("phn" for the lip-sync, "qwv" for the sound).
  std::string Path(const char* extension) const { return folder + name + tail + "." + extension; }
};

// Own soldiers speak in voice set 1..4 by their casualty slot.
int32_t VoiceSetOf(int32_t casualtySlot);

// The files of a request of `kind` with `name` (already spelt with '_'), for a patient of `appearance`
// (2 and 3 are the enemy, who says everything but the medic's lines and moans as a groan of his own) in
// `voiceSet`, built with wound row `woundType`. Draws the kind's take first, then the enemy's groan.
SpeechRequestFiles SpeechFilesOf(int32_t kind, const std::string& name, int32_t appearance, int32_t voiceSet,
                                 int32_t woundType);

// The moan of a patient: own soldiers and the enemy by the severity of a wound row that leaves them awake,
// their own moan when it does not, the special casualty his own. The last letter of the name is one of five
// drawn at random. The name lives in one buffer, which an appearance outside 0..3 leaves as it was.
const char* PickMoanName(int32_t appearance, int32_t woundType);

// Every '-' of a name becomes '_', or every '_' a '-'.
void SpellWithUnderscores(std::string& name);
void SpellWithDashes(std::string& name);

}  // namespace kestrine
