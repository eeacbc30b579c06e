// The kinds of speech request a treatment queues: who speaks and which set of clips the name picks from,
// and the names and numbers of the clips each kind chooses among.
#pragma once

#include <cstdint>

namespace kestrine {

enum SpeechKind : int32_t {
  SPEECH_PATIENT_LINE = 0,     // a line of the patient's, by its own name
  SPEECH_MEDIC_FINDING = 1,    // the medic's own voice: a step's clip
  SPEECH_TOOL_RIGHT = 2,       // the patient on a tool that helps him
  SPEECH_TOOL_WRONG = 3,       // the patient on a tool that does him no good
  SPEECH_WOUND_RIGHT = 4,      // the patient on his wound, after a right move
  SPEECH_WOUND_WRONG = 5,      // the patient on his wound, after a wrong move
  SPEECH_WOUND_SILENCE = 6,    // the patient on his wound, after a long silence
  SPEECH_YELL = 7,             // a yell of pain
  SPEECH_PATIENT_WS_LINE = 8,  // a line of the patient's, the "ws" take of its name
  SPEECH_MOAN = 9,             // a moan, sound only
};
inline constexpr int32_t kSpeechKindCount = 10;

// The pause between queued lines: a request queued during a longer pause waits only this long.
inline constexpr int32_t kQueuedSpeechDelayMs = 500;

// The name a yell is queued with; the speech player picks the yell clip itself.
inline constexpr const char* kYellName = "x";

// Own soldiers speak in one of four voices (folders ws1..ws4), chosen by the casualty's slot.
inline constexpr int kSpeechVoiceSets = 4;
// Takes a kind picks from at random: a tool remark <key>c1..c3 or <key>i1..i3; a wound remark <key>c1..c6,
// <key>i1..i6 or <key>l1..l6; a yell "yell1".."yell4"; an enemy's groan "wegroan1".."wegroan8".
inline constexpr int kToolRemarkTakes = 3;
inline constexpr int kWoundRemarkTakes = 6;
inline constexpr const char* kYellClip = "yell";
inline constexpr int kYellTakes = 4;
inline constexpr const char* kEnemyGroanClip = "wegroan";
inline constexpr int kEnemyGroanTakes = 8;

// Moans, by who the patient is and how badly he is hurt; the name ends in one of five letters 'a'..'e'.
struct MoanNames {
  const char* conscious[3];  // by the wound's severity: major, medium, lite
  const char* unconscious;
};
inline constexpr MoanNames kOwnSoldierMoans{{"awakemajor", "awakemedium", "awakelite"}, "unconscious"};
inline constexpr MoanNames kEnemyMoans{{"arabmajor", "arabmajor", "arablite"}, "arabuncon"};
inline constexpr const char* kSpecialCasualtyMoan = "zahreem";
inline constexpr int kMoanTakes = 5;

}  // namespace kestrine
