// A patient on the headless engine whose body has every pose, each moving a part of its own (so no pose
// hides another and what plays can be read off the model), speech files of the test's own making, and
// frames of the patient view run by hand: speech, then animation.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "casualty/casualty_slots.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_speech.h"
#include "core/engine_internals.h"
#include "core/model_instance.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "tools/assetgen/model_builder.h"
#include "unit/casualty/headless_stage_fixture.h"

namespace kestrine::testing {

constexpr int32_t kOrdinaryWound = 31;
constexpr float kPoseSeconds = 1.5f;

// The first `count` poses, each by its first name, keyed over kPoseSeconds.
inline std::string PoseBody(size_t count) {
  assetgen::ModelBuilder b;
  const int skin = b.AddMaterial("head1", {200, 160, 130});
  std::set<int32_t> poses;
  for (const PoseName& row : kPoseNames) {
    if (poses.size() == count || !poses.insert(row.pose).second) continue;
    const int part = b.AddPart(row.name, -1, {0.1f, 0, 0});
    b.AddAnimation(row.name, {{part, {0, kPoseSeconds}, {{}, {}}, {}}});
  }
  b.AddBox(0, skin, {}, {0.1f, 0.1f, 0.1f});
  return b.WriteSkinned();
}

inline std::string Phn(std::initializer_list<std::pair<int32_t, int32_t>> records) {
  std::string out;
  for (auto [time, shape] : records)
    for (int32_t v : {time, shape})
      for (int i = 0; i < 4; ++i) out += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
  return out;
}

class PatientFaceTest : public HeadlessStageTest {
 protected:
  static constexpr int32_t kFrameMs = 20;

  void SetUp() override {
    HeadlessStageTest::SetUp();
    ClampNextFrames(0);
    SetFrameTime(kFrameMs);
  }

  // A conscious own soldier who can speak, in casualty slot `slot`, shown.
  Patient& Build(int slot = 0, int32_t wound = kOrdinaryWound, size_t animations = kPoseCount) {
    for (const char* path : {"patient\\pv-sold\\pv_sold.qsad", "patient\\injury\\pv-legamp\\pv_legamp.qsad"})
      tree_.WriteBytes(path, PoseBody(animations));
    DeleteCasualty(slot);
    PlaceCasualty(slot, BuildPatient(Engine().engineRoot, Engine().engineStage, wound, 1, nullptr));
    Slots().casualties[slot]->conscious = Slots().casualties[slot]->canSpeak = 1;
    Show(slot);
    return *Slots().casualties[slot];
  }
  static void Show(int slot) {
    SetCurrentCasualtyIndex(slot);
    SetCurrentPatient(Slots().casualties[slot].get());
  }
  // A line with its lip-sync (when given) and a second of sound.
  void WriteLine(const std::string& path, const std::string& phn) {
    if (!phn.empty()) tree_.WriteBytes(path + ".phn", phn);
    tree_.WriteWav(path + ".qwv", 1000);
  }
  static void Frame() {
    PlayPatientSpeech();
    Slots().currentPatient->UpdateAnimation();
    Engine().engineRoot->Wait(kFrameMs);
  }
  // The track of the shown patient's animation of that name, or null when it does not play.
  static const engine::AnimationTrack* Track(const std::wstring& name) {
    for (const auto& track : ObjectsOf(*Slots().currentPatient).bodyModel->Model()->Player().Tracks())
      if (ObjectsOf(*Slots().currentPatient).bodyModel->GetAnimationName(track.animation) == name) return &track;
    return nullptr;
  }
  static bool Speaking() { return PatientSpeech().speechSound && PatientSpeech().speechSound->IsPlaying(); }
  static bool Logged(const std::string& text) {
    return engine::CoreOf(*Engine().engineRoot).DebugLog().find(text) != std::string::npos;
  }

  ScratchTree tree_;
};

}  // namespace kestrine::testing
