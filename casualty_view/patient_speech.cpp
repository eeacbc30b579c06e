// Taking the shown patient's speech requests one at a time and loading each line's sound and lip-sync.
#include "casualty_view/patient_speech.h"

#include <algorithm>
#include <utility>

#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/speech_kinds.h"
#include "casualty_view/speech_paths.h"
#include "platform/movie/file_access.h"
#include "shell/developer_output.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/program_state.h"
#include "shell/wide_text.h"

namespace kestrine {

PatientSpeechState patientSpeech;
KESTRINE_PROGRAM_STATE(patientSpeech);

const PatientSpeechState& PatientSpeech() { return patientSpeech; }

LipSyncFrame AdvancePatientSpeech(int32_t frameMs) {
  return AdvanceLipSync(patientSpeech.walk, *patientSpeech.timeline, frameMs);
}

void HoldReplacedMouth(std::wstring animation) { patientSpeech.mouthAnimation = std::move(animation); }

std::wstring TakeReplacedMouth() { return std::exchange(patientSpeech.mouthAnimation, std::wstring()); }

void EndMouthFade() { patientSpeech.walk.hold = 0; }

namespace {

// A body with fewer animations has no face to speak with.
constexpr int32_t kSpeakingAnimations = 5;

void Trace(const std::string& text) {
  if (Engine().engineRoot) Engine().engineRoot->DebugPrint(text);
}

void TraceMissing(const std::string& path) { Trace("No speech file: " + path); }

bool Exists(const std::string& gamePath) { return _access(gamePath.c_str(), 0) == 0; }

bool MeetsNeed(const Patient& patient, SpeechNeed need) {
  switch (need) {
    case NEED_SPEECH:
      return patient.canSpeak != 0 && patient.animationCount >= kSpeakingAnimations;
    case NEED_ANIMATIONS:
      return patient.animationCount >= kSpeakingAnimations;
    case NEED_OWN_VOICE:
      return patientSpeech.ownVoiceOn != 0;
  }
  return false;
}

QueuedSpeech TakeFirstRequest(Patient& patient) {
  QueuedSpeech first = std::move(patient.speechQueue[0]);
  const int32_t count = std::clamp(patient.speechCount, 0, kSpeechQueueCapacity);
  for (int32_t i = 1; i < count; ++i) patient.speechQueue[i - 1] = std::move(patient.speechQueue[i]);
  if (count > 0) patient.speechQueue[count - 1] = QueuedSpeech{};
  patient.speechCount = count - 1;
  return first;
}

// Finds the request's sound (sound only) or lip-sync, spelt with '_' first and then with '-'; false, with
// the trace, when neither spelling is there.
bool FindLine(SpeechRequestFiles& files) {
  if (files.soundOnly) {
    if (Exists(files.Path("qwv"))) return true;
    SpellWithDashes(files.name);
    if (Exists(files.Path("qwv"))) return true;
    TraceMissing(files.Path("qwv"));
    return false;
  }
  LipSyncFile lipSync = LoadLipSync(files.Path("phn"));
  if (lipSync.status != LipSyncStatus::Loaded) {
    SpellWithDashes(files.name);
    lipSync = LoadLipSync(files.Path("phn"));
  }
  if (lipSync.status != LipSyncStatus::Loaded) {
    TraceMissing(files.Path("phn"));
    return false;
  }
  patientSpeech.timeline = std::move(lipSync.records);
  patientSpeech.walk.Restart();
  return true;
}

}  // namespace

void ReleasePatientSpeech() {
  if (patientSpeech.speechSound) patientSpeech.speechSound->Stop();
  patientSpeech.speechSound.Reset();
  patientSpeech.timeline.reset();
  patientSpeech.speaker = nullptr;
}

void OnPatientSpeechKey(bool down) {
  if (down) patientSpeech.ownVoiceOn = patientSpeech.ownVoiceOn ? 0 : 1;
}

void PlayPatientSpeech() {
  if (Slots().currentPatient == nullptr) return;
  Patient& patient = *Slots().currentPatient;
  // The line of a patient the player has left stops when another is shown; and a patient whose line was
  // stopped that way counts it as cut short, or he would wait for its end for ever.
  if (patientSpeech.speaker != nullptr && patientSpeech.speaker != &patient) ReleasePatientSpeech();
  if ((patient.speechDelay < 0 || patient.soundOnlySpeech) && patientSpeech.speaker != &patient) {
    patient.soundOnlySpeech = 0;
    patient.speechDelay = kCutShortSpeechDelayMs;
  }

  patient.silenceTime += Clock().frameTime;
  if (patient.speechDelay < 0) return;
  if (patient.speechDelay > 0) {
    patient.speechDelay = std::max(0, patient.speechDelay - Clock().frameTime);
    return;
  }
  ReleasePatientSpeech();

  if (patient.speechCount <= 0) {
    if (patient.silenceTime > kSilenceRemarkMs && IsWoundRow(patient.woundType))
      patient.QueueSpeech(SPEECH_WOUND_SILENCE, WoundTypeTable[patient.woundType].remarkKey);
    return;
  }
  QueuedSpeech request = TakeFirstRequest(patient);
  SpellWithUnderscores(request.name);
  SpeechRequestFiles files = SpeechFilesOf(request.kind, request.name, patient.appearance,
                                           VoiceSetOf(Slots().currentCasualtyIndex), patient.woundType);
  if (!files.known) return;
  // The silence is broken when the request is taken, said or not: a patient who cannot answer is asked
  // again after the next long silence, not every frame.
  if (files.resetsSilence) patient.silenceTime = 0;
  if (!MeetsNeed(patient, files.need)) return;
  if (!FindLine(files)) return;
  patient.soundOnlySpeech = files.soundOnly ? 1 : 0;
  patient.soundStarted = 0;

  const std::string sound = files.Path("qwv");
  if (!Exists(sound) || !Engine().engineRoot) {
    // A lip-sync without its sound would hold the mouth waiting for ever.
    TraceMissing(sound);
    patientSpeech.timeline.reset();
    patient.soundOnlySpeech = 0;
    return;
  }
  patient.speechDelay = -1;
  patientSpeech.speechSound = Engine().engineRoot->LoadSound(WidenText(sound), 0);
  patientSpeech.speaker = &patient;
  DeveloperPrint(sound);
}

}  // namespace kestrine
