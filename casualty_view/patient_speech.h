// What the patients say, one line at a time for the whole program: the speech sound and lip-sync timeline
// of the line being said (they belong to the patient who started them), the walk of his mouth along it,
// and the switch that lets the medic's own voice be heard.
//
// Each frame of the patient view runs, in this order, PlayPatientSpeech(), then the shown patient's
// UpdateAnimation() (which moves his mouth along the timeline) and UpdateIdleTimer().
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "casualty/lip_sync.h"
#include "casualty_view/lip_sync_walk.h"
#include "engine/engine.h"

namespace kestrine {

class Patient;

// After a long silence the patient speaks of his wound again.
constexpr int32_t kSilenceRemarkMs = 15000;
// Pauses after a line: one cut short, between queued lines, and after the last (plus up to as much again).
constexpr int32_t kCutShortSpeechDelayMs = 100;
constexpr int32_t kQueuedSpeechDelayMs = 500;
constexpr int32_t kLastSpeechDelayMs = 5000;

struct PatientSpeechState {
  engine::EngineRef<engine::EngineSound> speechSound;
  // The line's timeline while one is loaded (empty for a timeline without records).
  std::optional<std::vector<LipSyncRecord>> timeline;
  LipSyncWalk walk;
  std::wstring mouthAnimation;       // the replaced mouth shape, stopped when mouthFade runs out
  const Patient* speaker = nullptr;  // who started the sound and timeline
  uint8_t ownVoiceOn = 0;            // the patient-speech switch: the medic's lines and the moans are heard
};
// Written only here; the walk's fields are the line's phonemeIndex (index), speechElapsed (clock), mouthFade
// (hold) and newSpeech (pending).
const PatientSpeechState& PatientSpeech();

// The speaking patient's mouth, each frame: the walk moves on along the loaded timeline by frameMs.
LipSyncFrame AdvancePatientSpeech(int32_t frameMs);

// The mouth shape being replaced: kept while the new one blends in, then taken to be stopped.
void HoldReplacedMouth(std::wstring animation);
std::wstring TakeReplacedMouth();

// No replaced mouth shape waits to be stopped any more.
void EndMouthFade();

// Each frame of the patient view: the shown patient's next speech request, when he is silent and his pause
// is over, becomes the line being said (or is dropped, with a trace when its files are missing).
void PlayPatientSpeech();

// Lets go of the line being said: its sound stops and its timeline is freed. Letting a patient go does it,
// so no line outlives the patients.
void ReleasePatientSpeech();

// The patient view's key for the switch: it toggles when the key goes down, never when it comes up.
void OnPatientSpeechKey(bool down);

}  // namespace kestrine
