// The kinds of speech request a treatment queues: who speaks and which set of clips the name picks from.
#pragma once

#include <cstdint>

namespace kestrine {

enum SpeechKind : int32_t {
  SPEECH_MEDIC_FINDING = 1,  // the medic's own voice: a step's clip
  SPEECH_TOOL_RIGHT = 2,     // the patient on a tool that helps him
  SPEECH_TOOL_WRONG = 3,     // the patient on a tool that does him no good
  SPEECH_WOUND_RIGHT = 4,    // the patient on his wound, after a right move
  SPEECH_WOUND_WRONG = 5,    // the patient on his wound, after a wrong move
  SPEECH_YELL = 7,           // a yell of pain
};

// The name a yell is queued with; the speech player picks the yell clip itself.
inline constexpr const char* kYellName = "x";

}  // namespace kestrine
