// The briefing officer's talking head: the message he speaks (by mission on the briefing, by how the
// mission ended and by the score tier on the debriefing), its lip-sync walked against the sound, and the
// idling between messages. The message starts 3 s after the screen is built and comes again every one to
// two minutes while the screen stays open. It plays in the briefing's speech slot of the sound table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "casualty/lip_sync.h"
#include "casualty_view/lip_sync_walk.h"

namespace kestrine {

// Before the first message, after each build of the screen.
constexpr int32_t kFirstSpeechDelayMs = 3000;
// After a message was spoken: 60 s plus up to 60 s more.
constexpr int32_t kRepeatSpeechDelayMs = 60000;
constexpr int32_t kRepeatSpeechSpreadMs = 60000;
// An idle phase of the head: 1 s plus up to 1 s more.
constexpr int32_t kHeadIdleMs = 1000;
constexpr int32_t kHeadIdleSpreadMs = 1000;
constexpr int kScoreTierCount = 10;

// Written only by the speech; others read the const view.
struct BriefingSpeechState {
  int32_t speechCountdown = -1;  // ms until the message loads; -1 off
  // The message's timeline while one is loaded (empty for a timeline without records).
  std::optional<std::vector<LipSyncRecord>> lipSyncRecords;
  LipSyncWalk walk;
  std::wstring currentMouthAnimation;  // the replaced mouth shape still showing
  int32_t headIdleTimer = 0;
};
const BriefingSpeechState& BriefingSpeech();

// By score tier 0..9, then the time-out and the too-many-mistakes messages.
extern const char* const BriefingSpeechNames[kScoreTierCount + 2];

// The tier of a mission score: score x 10 / maximum, truncated, held to 0..9. A maximum of 0 counts as 1.
int32_t ScoreTier(int32_t score, int32_t maximum);
// The message of a screen: the mission's on the briefing; on the debriefing the end's own message for a
// time-out (2), too many mistakes (4) and friendly fire (5), else the tier's.
std::string BriefingSpeechName(bool briefing, int32_t mission, int32_t endFlag, int32_t tier);

// Every frame of the briefing and the debriefing, in this order.
void PlayBriefingSpeech();
void AnimateBriefingHead();
// Lets go of the message's sound and timeline.
void StopBriefingSpeech();
// The head leaves the screen: the message stops, and the next one waits for its start again.
void EndBriefingSpeech();
// A freshly built screen: the head idles from the start and speaks in 3 s.
void ResetHeadSpeech();

}  // namespace kestrine
