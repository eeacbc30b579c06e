// Patients built in the running program on the generated data, as the patient view builds its casualties:
// every appearance for wounds with bodies or props of their own and ordinary ones, the Action starting the
// prop, each let go again through his casualty slot with nothing left on the stage; a look at him through the
// camera finds the bone or the ammunition the look is aimed at; and a queued remark is heard from his voice's
// folder while his jaw moves through several shapes, then his face rests.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/speech_kinds.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_speech.h"
#include "casualty_view/spurt.h"
#include "harness.h"
#include "shell/engine_setup.h"

namespace kestrine::scenario {
namespace {

using engine::Vec3;

std::wstring Wide(const std::string& name) { return std::wstring(name.begin(), name.end()); }

using PatientBodies = AtTheDisclaimer;

TEST_F(PatientBodies, EveryAppearanceOfTheseWoundsIsBuiltWithItsPropAndLetGoWithNothingLeftOnTheStage) {
  const size_t before = Engine().engineStage->Objects().size();
  int turbans = 0;
  for (int32_t appearance = 0; appearance < 4; ++appearance) {
    // Besides his actor and the spurt's drops, on the stage (-1: not counted here): the two blood pools of
    // each of these wounds, the gut out on the belly of wound 0 and the vehicle with its shadow of wound 6.
    const struct {
      int32_t wound;
      int extra;
      bool prop;  // a wound that shows an object
    } wounds[] = {{0, 3, true},   {1, -1, true},  {2, -1, true},  {4, 2, false},  {6, 4, true},
                  {20, -1, true}, {31, 2, false}, {40, -1, true}, {41, -1, true}, {54, 2, true}};
    for (const auto [wound, extra, prop] : wounds) {
      SCOPED_TRACE("wound " + std::to_string(wound) + ", appearance " + std::to_string(appearance));
      PlaceCasualty(0, BuildPatient(Engine().engineRoot, Engine().engineStage, wound, appearance, nullptr));
      Patient& patient = *Slots().casualties[0];
      EXPECT_EQ(patient.boneCount, 27);
      for (int32_t bone = 0; bone < kBoneTableSize; ++bone)
        EXPECT_TRUE(ObjectsOf(patient).boneFrames[bone]) << kBoneNames[bone];
      EXPECT_GE(patient.animationCount, 45);
      // The amputation body for its wound and for the run's first own soldier of an ordinary wound (never an
      // enemy's).
      const bool amputation = wound == 6 || (appearance == 0 && wound == 0);
      EXPECT_EQ(patient.noBoots, amputation ? 1 : 0);
      EXPECT_EQ(static_cast<bool>(ObjectsOf(patient).leftStump), amputation);
      if (extra >= 0) {
        EXPECT_EQ(Engine().engineStage->Objects().size(), before + 1 + kSpurtDropCount + extra);
      }
      if (prop) {
        ASSERT_TRUE(ObjectsOf(patient).prop);
        EXPECT_TRUE(ObjectsOf(patient).prop->model);
        EXPECT_EQ(static_cast<bool>(ObjectsOf(patient).turban), patient.appearance == 3);
        turbans += ObjectsOf(patient).turban ? 1 : 0;
        patient.Body().ShowTreatmentVisual({VISUAL_INJURY_PROP_START, PART_ABDOMEN, TOOL_ACTION});
        for (int frame = 0; frame < 30; ++frame) ObjectsOf(patient).prop->Update();
      }

      const engine::EngineRef<engine::EngineModel> body = ObjectsOf(patient).bodyModel;
      DeleteCasualty(0);
      EXPECT_EQ(Engine().engineStage->Objects().size(), before);
      EXPECT_EQ(body->RefCount(), 1);
    }
  }
  EXPECT_EQ(turbans, 7);  // every prop wound but the vehicle's, for the enemy with a turban
  EXPECT_EQ(game.DebugLog().find("missing asset"), std::string::npos) << game.DebugLog();
  EXPECT_EQ(game.DebugLog().find("File not found:"), std::string::npos) << game.DebugLog();
}

// Looks at `target` from `distance` away along `from`, and picks what is under it on the screen.
std::wstring PickFrom(const Vec3& target, const Vec3& from, float distance) {
  const Vec3 eye = target + from.Normalized() * distance;
  Engine().engineCamera->SetPosition(eye.x, eye.y, eye.z);
  engine::EngineRef<engine::EngineActor> mark = Engine().engineRoot->CreateActor();
  mark->MoveTo(target.x, target.y, target.z);
  Engine().engineCamera->PointAt(mark, 1);
  const engine::EngineRef<engine::EngineVector> screen =
      Engine().engineCamera->WorldToScreen(target.x, target.y, target.z);
  const auto hit = Engine().engineCamera->Pick(static_cast<int>(screen->GetX()), static_cast<int>(screen->GetY()));
  return hit ? hit->GetEntity()->GetName() : L"(nothing)";
}

TEST_F(PatientBodies, ARayAtAPickShapeFindsItsBoneAndOneAtAMagazineTheAmmunition) {
  PlaceCasualty(0, BuildPatient(Engine().engineRoot, Engine().engineStage, 31, 2, nullptr));
  Patient& patient = *Slots().casualties[0];
  // Shown, as the patient view shows him: lifted from where he was parked and made visible.
  ObjectsOf(patient).bodyModel->MoveTo(0, 0, 0);
  ObjectsOf(patient).bodyModel->SetVisible(1);
  const auto at = [](const engine::EngineRef<engine::EngineActor>& actor) { return actor->GetPosition()->Value(); };
  const Vec3 middle = at(ObjectsOf(patient).boneFrames[BONE_PELV]);

  // Each from outside the body, looking back at it along the line from his middle.
  for (int32_t bone : {BONE_HEAD, BONE_L_HAND, BONE_R_HAND, BONE_R_ANKLE, BONE_L_KNEE, BONE_RIGHT_ELBOW}) {
    const Vec3 shape = at(ObjectsOf(patient).boneFrames[bone]);
    EXPECT_EQ(PickFrom(shape, shape - middle, 30), Wide(kBoneNames[bone])) << kBoneNames[bone];
  }
  // The chest from straight above.
  EXPECT_EQ(PickFrom(at(ObjectsOf(patient).boneFrames[BONE_SPINE2]), {0, 1, 0}, 30), L"spine2");
  const Vec3 belt = at(ObjectsOf(patient).boneFrames[BONE_SPINEBASE]);
  const Vec3 magazine = at(ObjectsOf(patient).ammoPouch.magazines[0]);
  EXPECT_EQ(PickFrom(magazine, magazine - belt, 30), kAmmoName);

  // Hidden, he has nothing to pick.
  ObjectsOf(patient).bodyModel->SetVisible(0);
  EXPECT_EQ(PickFrom(at(ObjectsOf(patient).boneFrames[BONE_HEAD]), {0, 1, 0}, 30), L"(nothing)");
  DeleteCasualty(0);
}

TEST_F(PatientBodies, AQueuedRemarkIsHeardWithHisMouthMoving) {
  constexpr int32_t kEvisceration = 0;  // awake, able to speak, with a remark about his wound
  PlaceCasualty(2, BuildPatient(Engine().engineRoot, Engine().engineStage, kEvisceration, 1, nullptr));
  Patient& patient = *Slots().casualties[2];
  SetCurrentCasualtyIndex(2);
  SetCurrentPatient(&patient);
  patient.QueueSpeech(SPEECH_WOUND_RIGHT, WoundTypeTable[kEvisceration].remarkKey);

  const auto jaw = [&] { return ObjectsOf(patient).bodyModel->FindPart(L"lo_mouth")->LocalRotation().f.y; };
  std::set<int> jawAngles;  // in hundredths
  int soundFrames = 0;
  int frames = 0;
  for (; frames < 400; ++frames) {
    game.Frame(20);
    PlayPatientSpeech();
    patient.UpdateAnimation();
    patient.UpdateIdleTimer();
    if (PatientSpeech().speechSound && PatientSpeech().speechSound->IsPlaying()) ++soundFrames;
    jawAngles.insert(static_cast<int>(jaw() * 100));
    if (frames > 10 && !PatientSpeech().timeline) break;
  }
  EXPECT_NE(game.DebugLog().find("sounds\\speech\\ws3\\intestinec"), std::string::npos) << game.DebugLog();
  EXPECT_EQ(game.DebugLog().find("No speech file"), std::string::npos);
  // A remark of a few words: well over half a second of sound, and ended within the frames given.
  EXPECT_GT(soundFrames, 25);
  EXPECT_LT(frames, 400);
  EXPECT_GE(jawAngles.size(), 3u);
  EXPECT_GE(patient.speechDelay, 5000);

  DeleteCasualty(2);
  EXPECT_FALSE(PatientSpeech().speechSound);
}

}  // namespace
}  // namespace kestrine::scenario
