// The patient's body and face animations: which pose may play when, the idle after a hold, the item
// changes held back until an animation ends, blinking, and the mouth following the line being said.
#include <algorithm>
#include <cstddef>
#include <iterator>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_speech.h"
#include "engine/engine.h"
#include "shell/events.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kLieStillPose = 16;
constexpr int32_t kRebarRollPose = 18;
constexpr int32_t kBlinkPose = 36;
constexpr int32_t kRestingFacePose = 38;
constexpr int32_t kIdlePose = 39;
constexpr int32_t kFirstFitPose = 43;
constexpr int32_t kFitPoses = 3;
constexpr int32_t kLastPsychosisPose = 46;
// Poses that hold until they are played backwards: the arm slings, rolled over, the trapped leg pulled,
// the restraints.
constexpr int32_t kHeldPoses[] = {14, 15, 41, 42, 46};
// Poses after which he lies on the ground: lying back holding his wound, lying still, rolled off the rebar
// or over, his trapped leg pulled free.
constexpr int32_t kLyingPoses[] = {1, 3, 5, 7, 9, 11, 13, 16, 18, 20, 22, 41, 42};

constexpr int32_t kPsychosisWound = 41;
constexpr int32_t kImpalementWound = 2;
constexpr int32_t kAmputationWound = 6;

// Body animations play at 0.6 of their authored pace; a hold lasts its length divided by that.
constexpr double kBodyPace = 0.6;
constexpr float kBodySpeed = static_cast<float>(kBodyPace);
constexpr float kFaceSpeed = -1.2f;
constexpr float kMouthFadeInSeconds = 0.1f;
constexpr int32_t kSpeakingAnimations = 5;
constexpr int32_t kBlinkMs = 500;
constexpr int32_t kFitMs = 8000;
constexpr int32_t kFitSpreadMs = 500;
constexpr int32_t kLastSpeechSpreadMs = 5000;

template <size_t N>
bool Contains(const int32_t (&poses)[N], int32_t pose) {
  return std::find(std::begin(poses), std::end(poses), pose) != std::end(poses);
}

}  // namespace

std::wstring Patient::AnimationOfPose(int32_t pose) const {
  if (pose < 0 || pose >= kPoseCount) return {};
  const int32_t index = animationIndex[pose];
  if (index < 0 || index >= animationCount) return {};
  return animationNames[index];
}

int32_t Patient::PlayAnimation(int32_t n) {
  BodyObjects& o = ObjectsOf(*this);
  if (currentWound == kPsychosisWound && (n < kFirstFitPose || n > kLastPsychosisPose)) return 0;
  const int32_t poseNumber = n & kPoseNumberMask;
  const std::wstring name = AnimationOfPose(poseNumber);
  if (name.empty() || !o.bodyModel) return 0;
  const bool backwards = (n & kPlayBackwards) != 0;
  const bool looped = (n & kPlayLooped) != 0;
  if (currentWound == kImpalementWound && pose == kRebarRollPose && poseNumber != kRebarRollPose) return 0;
  if (holdLock && !(backwards && poseNumber == currentAnimation)) return 0;

  const float length = o.bodyModel->GetAnimationLength(name);
  // Still on the rebar, a pose played backwards begins where it begins forwards.
  const float start = backwards && currentWound != kImpalementWound ? length : 0.0f;
  o.bodyModel->PlayAnimation(name, looped ? 1 : 0, 1, backwards ? -kBodySpeed : kBodySpeed, start, 0);
  currentAnimation = n & 0xff;
  if (Contains(kLyingPoses, poseNumber)) laidDown = 1;
  if (looped) {
    animationTimer = -1;
    returnToIdle = 0;
    return 1;
  }
  if (Contains(kHeldPoses, poseNumber)) {
    holdLock = backwards ? 0 : 1;
    returnToIdle = 0;
  } else {
    returnToIdle = poseNumber == kLieStillPose || poseNumber == kRebarRollPose ? 0 : 1;
  }
  animationTimer = static_cast<int32_t>(length * 1000.0 / kBodyPace);
  return 1;
}

void Patient::PlayFace(int32_t pose) {
  BodyObjects& o = ObjectsOf(*this);
  const std::wstring name = AnimationOfPose(pose);
  if (!name.empty() && o.bodyModel) o.bodyModel->PlayAnimation(name, 0, 1, kFaceSpeed, 0, 0);
}

bool HoldBackItemChange(Patient& patient, int32_t action, const engine::EngineRef<engine::EngineActor>& item,
                        const engine::EngineRef<engine::EngineActor>& parent) {
  if (patient.animationTimer <= 0 || !item) return false;
  BodyObjects& o = ObjectsOf(patient);
  // The latest change of an item is the one that counts.
  for (int32_t k = 0; k < kPendingActionCount; ++k) {
    if (patient.pendingAction[k] == PENDING_NONE || o.pendingItem[k].Get() != item.Get()) continue;
    patient.pendingAction[k] = PENDING_NONE;
    o.pendingItem[k].Reset();
    o.pendingParent[k].Reset();
  }
  for (int32_t k = 0; k < kPendingActionCount; ++k) {
    if (patient.pendingAction[k] != PENDING_NONE) continue;
    patient.pendingAction[k] = action;
    o.pendingItem[k] = item;
    o.pendingParent[k] = parent;
    return true;
  }
  return false;
}

bool HoldsBackShowing(const Patient& patient, const engine::EngineRef<engine::EngineActor>& item) {
  const BodyObjects& o = ObjectsOf(patient);
  for (int32_t k = 0; k < kPendingActionCount; ++k) {
    const bool showing =
        patient.pendingAction[k] == PENDING_SHOW_ITEM || patient.pendingAction[k] == PENDING_ATTACH_AND_SHOW;
    if (showing && item && o.pendingItem[k].Get() == item.Get()) return true;
  }
  return false;
}

void Patient::CarryOutPendingActions() {
  BodyObjects& o = ObjectsOf(*this);
  for (int32_t k = 0; k < kPendingActionCount; ++k) {
    engine::EngineRef<engine::EngineActor>& item = o.pendingItem[k];
    switch (pendingAction[k]) {
      case PENDING_SHOW_ITEM:
        if (item) item->SetVisible(1);
        animationTimer = -1;
        break;
      case PENDING_HIDE_ITEM:
        if (item) item->SetVisible(0);
        animationTimer = -1;
        break;
      case PENDING_RESTORE_BODY_FLAGS:
        bodyFlags = savedBodyFlags;
        break;
      case PENDING_ATTACH_AND_SHOW:
        if (item && o.pendingParent[k]) o.pendingParent[k]->AddChild(item);
        if (item) item->SetVisible(1);
        break;
      default:
        continue;
    }
    pendingAction[k] = PENDING_NONE;
    item.Reset();
    o.pendingParent[k].Reset();
  }
}

void Patient::UpdateAnimation() {
  bool still = animationCount < kSpeakingAnimations || animationsOff != 0;
  if (!still && !conscious) {
    // Out cold: flat on his back, eyes shut. Laid still once, not started again every frame, so that the
    // lying still comes to its end and the item changes held back for it are made.
    if (currentAnimation != kLieStillPose) PlayAnimation(kLieStillPose);
    PlayFace(kBlinkPose);
    still = true;
  }
  if (animationTimer > 0) {
    animationTimer -= Clock().frameTime;
    if (animationTimer < 1 && returnToIdle) {
      PlayAnimation(kPlayLooped | kIdlePose);
      returnToIdle = 0;
    }
  }
  if (animationTimer < 1) CarryOutPendingActions();

  const PatientSpeechState& speech = PatientSpeech();
  if (soundOnlySpeech) {
    const engine::EngineRef<engine::EngineSound>& sound = speech.speechSound;
    if (!sound || speech.speaker != this || (soundStarted && !sound->IsPlaying())) {
      soundOnlySpeech = 0;
      ReleasePatientSpeech();
      EndMouthFade();
      speechDelay = kQueuedSpeechDelayMs;
    } else if (!soundStarted && sound->IsLoaded()) {
      sound->Play(0, 1);
      soundStarted = 1;
    }
    return;
  }
  if (still) {
    const bool cutShort = speech.timeline.has_value();
    ReleasePatientSpeech();
    // Only a line that was being said leaves a pause behind; a patient who cannot speak at all must not
    // hold everybody's speech up.
    if (cutShort) {
      EndMouthFade();
      speechDelay = kCutShortSpeechDelayMs;
    }
    return;
  }
  if (!speech.timeline) {
    if (woundType == kAmputationWound) return;
    if (blinkTimer == 0) {
      PlayFace(kBlinkPose);
      blinkTimer = kBlinkMs + rand() % kBlinkMs;
    } else {
      blinkTimer = std::max(0, blinkTimer - Clock().frameTime);
      PlayFace(kRestingFacePose);
    }
    return;
  }
  FollowSpeech();
}

void Patient::FollowSpeech() {
  BodyObjects& o = ObjectsOf(*this);
  const PatientSpeechState& speech = PatientSpeech();
  // The mouth waits for the sound, and for the frames after a load to come at their true length.
  if (!speech.speechSound || !speech.speechSound->IsLoaded() || Clock().clampCountdown != 0) return;
  const LipSyncFrame step = AdvancePatientSpeech(Clock().frameTime);
  if (step.stopShape != kNoMouthShape && !speech.mouthAnimation.empty() && o.bodyModel) {
    o.bodyModel->StopAnimation(TakeReplacedMouth());
  }
  if (step.ended) {
    ReleasePatientSpeech();
    EndMouthFade();
    speechDelay = speechCount == 0 ? kLastSpeechDelayMs + rand() % kLastSpeechSpreadMs : kQueuedSpeechDelayMs;
    return;
  }
  if (!step.newRecord) return;
  // The shape being replaced stays while the new one blends in.
  if (speech.walk.index > 0 && speech.walk.heldShape != kNoMouthShape) {
    const std::wstring held = AnimationOfPose(kFirstMouthPose + speech.walk.heldShape);
    if (!held.empty()) HoldReplacedMouth(held);
  }
  if (step.startSound) {
    speech.speechSound->SetVolume(Sounds().effectsVolume);
    speech.speechSound->Play(0, 0);
  }
  if (step.newShape == kNoMouthShape) return;
  const std::wstring mouth = AnimationOfPose(kFirstMouthPose + step.newShape);
  if (!mouth.empty() && o.bodyModel)
    o.bodyModel->PlayAnimationEx(mouth, kFaceSpeed, 0, kMouthFadeInSeconds, 0, 1.0f, 0, 1, 0);
}

void Patient::UpdateIdleTimer() {
  idleTimer -= Clock().frameTime;
  if (idleTimer > 0) return;
  if (woundType == kPsychosisWound && !restrained) {
    PlayAnimation(kFirstFitPose + rand() % kFitPoses);
    PlayEffect(SOUND_PISTOL);
  }
  idleTimer = kFitMs + rand() % kFitSpreadMs;
}

}  // namespace kestrine
