#include "frontend/briefing_speech.h"

#include <algorithm>

#include "frontend/briefing_screen.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"
#include "shell/wide_text.h"

namespace kestrine {

const char* const BriefingSpeechNames[kScoreTierCount + 2] = {
    "jbad5",  "jbad4",  "jbad3",  "jbad2",  "jbad1",     "jgood1",
    "jgood2", "jgood3", "jgood4", "jgood5", "jmutilate", "jtimedOut",
};

namespace {

BriefingSpeechState briefingSpeechState;
KESTRINE_PROGRAM_STATE(briefingSpeechState);

constexpr int kMutilateName = kScoreTierCount;
constexpr int kTimedOutName = kScoreTierCount + 1;
constexpr int32_t kEndTimedOut = 2;
constexpr int32_t kEndMistakes = 4;
constexpr int32_t kEndFriendlyFire = 5;
constexpr float kIdleSpeed = -1.2f;

// The head's animation of a mouth shape or idle; empty when the head has no such animation.
std::wstring HeadAnimation(int32_t index) {
  if (!Briefing().briefingHead || index < 0 || index >= Briefing().briefingHead->GetAnimationCount()) return {};
  return Briefing().briefingHead->GetAnimationName(index);
}

void PlayIdle(int32_t index) {
  const std::wstring name = HeadAnimation(index);
  if (!name.empty()) Briefing().briefingHead->PlayAnimation(name, 0, 1, kIdleSpeed, 0, 0);
}

void Idle() {
  int32_t& timer = briefingSpeechState.headIdleTimer;
  if (timer > 0) {
    timer = std::max(0, timer - Clock().frameTime);
    PlayIdle(Briefing().briefingIdleA);
    return;
  }
  // The second idle starts on two frames running, then the first plays for one to two seconds.
  PlayIdle(Briefing().briefingIdleB);
  timer = timer == -1 ? kHeadIdleMs + rand() % kHeadIdleSpreadMs : -1;
}

}  // namespace

const BriefingSpeechState& BriefingSpeech() { return briefingSpeechState; }

int32_t ScoreTier(int32_t score, int32_t maximum) {
  const int64_t tier = static_cast<int64_t>(score) * 10 / (maximum == 0 ? 1 : maximum);
  return static_cast<int32_t>(std::clamp<int64_t>(tier, 0, kScoreTierCount - 1));
}

std::string BriefingSpeechName(bool briefing, int32_t mission, int32_t endFlag, int32_t tier) {
  if (briefing) return "hmiss" + std::to_string(mission);
  switch (endFlag) {
    case kEndTimedOut:
      return BriefingSpeechNames[kTimedOutName];
    case kEndMistakes:
      return BriefingSpeechNames[kMutilateName];
    case kEndFriendlyFire:
      return "ff";
    default:
      return BriefingSpeechNames[std::clamp(tier, 0, kScoreTierCount - 1)];
  }
}

void StopBriefingSpeech() {
  const auto& slot = Sounds().soundTable[SOUND_BRIEFING_SPEECH];
  if (slot) slot->Stop();
  ReleaseSoundSlot(SOUND_BRIEFING_SPEECH);
  briefingSpeechState.lipSyncRecords.reset();
}

void EndBriefingSpeech() {
  briefingSpeechState.walk.Restart();
  StopBriefingSpeech();
}

void ResetHeadSpeech() {
  briefingSpeechState.headIdleTimer = 0;
  briefingSpeechState.walk.hold = 0;
  briefingSpeechState.speechCountdown = kFirstSpeechDelayMs;
  briefingSpeechState.walk.pending = 1;
}

void PlayBriefingSpeech() {
  int32_t& countdown = briefingSpeechState.speechCountdown;
  if (countdown < 0) return;
  if (countdown > 0) {
    countdown = std::max(0, countdown - Clock().frameTime);
    return;
  }
  StopBriefingSpeech();
  int32_t tier = 0;
  if (!Briefing().isBriefing) {
    EnsureMissionMaximum();
    tier = ScoreTier(Progress().missionScore, Progress().missionMaximum);
  }
  const std::string name =
      BriefingSpeechName(Briefing().isBriefing != 0, Campaign().missionNumber, Outcome().missionEndFlag, tier);
  // Without its lip-sync the message is not played: the head idles until the screen is built again.
  LipSyncFile timeline = LoadLipSync("sounds\\" + name + ".phn");
  countdown = -1;
  if (timeline.status != LipSyncStatus::Loaded) return;
  briefingSpeechState.lipSyncRecords = std::move(timeline.records);
  SetSoundSlot(SOUND_BRIEFING_SPEECH, Engine().engineRoot->LoadSound(WidenText("sounds\\" + name + ".qwv"), 0));
  briefingSpeechState.walk.Restart();
}

void AnimateBriefingHead() {
  BriefingSpeechState& s = briefingSpeechState;
  if (!s.lipSyncRecords) {
    Idle();
    return;
  }
  const auto& sound = Sounds().soundTable[SOUND_BRIEFING_SPEECH];
  if (!sound || !sound->IsLoaded() || !Briefing().briefingHead->IsReady()) return;

  const LipSyncFrame step = AdvanceLipSync(s.walk, *s.lipSyncRecords, Clock().frameTime);
  if (step.stopShape != kNoMouthShape && !s.currentMouthAnimation.empty())
    Briefing().briefingHead->StopAnimation(s.currentMouthAnimation);
  if (step.ended) {
    StopBriefingSpeech();
    s.speechCountdown = kRepeatSpeechDelayMs + rand() % kRepeatSpeechSpreadMs;
    return;
  }
  if (!step.newRecord) return;
  // The shape being replaced stays until the walk lets it go.
  if (s.walk.index > 0) s.currentMouthAnimation = HeadAnimation(s.walk.heldShape);
  if (step.startSound) {
    sound->SetVolume(Sounds().effectsVolume);
    sound->Play(0, 0);
  }
  const std::wstring mouth = HeadAnimation(step.newShape);
  if (!mouth.empty()) Briefing().briefingHead->PlayAnimationEx(mouth, kIdleSpeed, 0, 0.1f, 0, 1.0f, 0, 1, 0);
}

}  // namespace kestrine
