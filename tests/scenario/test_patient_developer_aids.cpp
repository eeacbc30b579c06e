// The patient view's developer aids typed on the keyboard: M E D I C then B stands a marker on every bone
// of the shown casualty and takes them away again; H moves the head bone of the casualties built after it.
#include <gtest/gtest.h>

#include <memory>

#include "battlefield/casualty_cases.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/treatment_switches.h"
#include "casualty_view/bone_markers.h"
#include "casualty_view/model_body.h"
#include "harness.h"
#include "player_road.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"

namespace kestrine::scenario {
namespace {

constexpr int kFrameMs = 50;
constexpr float kNear = 1e-4f;

void Type(Harness& game, const char* keys) {
  for (const char* k = keys; *k != '\0'; ++k) game.Press(*k);
  game.Frames(2, kFrameMs);
}

TEST(PatientDeveloperAids, BoneMarkersStandOnHisBonesAndTheHeadCheckMovesTheHeadOfCasualtiesBuiltAfter) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  const CasualtyCase thigh{.woundType = 22, .severity = 1, .special = 0};
  ASSERT_TRUE(StartMission(3, 0, &thigh, /*packed=*/true));
  SetCurrentCasualtyIndex(0);
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(3, kFrameMs);
  const Patient& patient = *Slots().currentPatient;

  for (const bool on : {true, false}) {
    Type(game, "MEDICB");
    int marked = 0;
    for (int32_t bone = 0; bone < kMaxBones; ++bone) {
      if (!ObjectsOf(patient).boneFrames[bone]) continue;
      const auto& marker = BoneMarker(bone);
      ASSERT_TRUE(marker) << bone;
      EXPECT_EQ(marker->Visible(), on) << bone;
      const engine::Vec3 want = ObjectsOf(patient).boneFrames[bone]->GetPosition()->Value();
      const engine::Vec3 got = marker->GetPosition()->Value();
      if (on) {
        EXPECT_NEAR(got.x - want.x, 0, kNear) << bone;
        EXPECT_NEAR(got.y - want.y, 0, kNear) << bone;
        EXPECT_NEAR(got.z - want.z, 0, kNear) << bone;
      }
      ++marked;
    }
    EXPECT_EQ(marked, 27) << "every bone of the table has its pick actor";
  }

  // The head bone of a casualty built with the check on stands (1, 1, 0) from where it stands without it.
  engine::Vec3 head[2];
  for (int check = 0; check < 2; ++check) {
    Type(game, "H");
    ASSERT_EQ(Switches().headShiftMode, check == 0 ? 1 : 0);
    const std::unique_ptr<Patient> built = BuildPatient(Engine().engineRoot, Engine().engineStage, 22, 1, nullptr);
    head[check] = ObjectsOf(*built).bodyModel->GetBone(built->headBone)->LocalPosition();
    built->Body().ReleasePatient();
  }
  EXPECT_NEAR(head[0].x - head[1].x, 1.0f, kNear);
  EXPECT_NEAR(head[0].y - head[1].y, 1.0f, kNear);
  EXPECT_NEAR(head[0].z - head[1].z, 0.0f, kNear);
}

}  // namespace
}  // namespace kestrine::scenario
