// The patient view as the real renderer shows it (SDL engine, offscreen driver): a mission's casualty opened
// from the overhead view lies in his surroundings, his body where the camera looks, the ground round him and
// under the band of the head-up display, nothing of the overhead world in sight.
#include "battlefield/casualty_cases.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_view.h"
#include "render/sdl_game_fixture.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

class PatientViewRender : public SdlGameFixture {};

TEST_F(PatientViewRender, TheCasualtyLiesInHisSurroundingsWithTheGroundUnderTheDisplayBand) {
  ASSERT_NO_FATAL_FAILURE(StartToTheDisclaimer());
  GoToMission(1);
  ChooseDifficulty(0);
  EndTraining();
  SetUpMissionCasualties();
  SetCasualtyWound(0, 31);
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  SetCurrentCasualtyIndex(0);
  SetGameState(STATE_PATIENT_VIEW);
  game_->Frames(3, 16);

  const auto frame = Capture("patient_view");
  ASSERT_TRUE(frame);
  ASSERT_EQ(frame->GetWidth(), 640);

  // His chest where the camera sees it: the uniform, not the ground's colour round it.
  const engine::Vec3 chest = ObjectsOf(*Slots().currentPatient).boneFrames[BONE_SPINE2]->GetPosition()->Value();
  const auto at = Engine().engineCamera->WorldToScreen(chest.x, chest.y, chest.z);
  const int cx = static_cast<int>(at->GetX()), cy = static_cast<int>(at->GetY());
  ASSERT_GT(cx, 20);
  ASSERT_LT(cx, 620);
  ASSERT_GT(cy, 20);
  ASSERT_LT(cy, kHudBandTop);
  EXPECT_EQ(Lit(frame, {cx - 5, cy - 5, 10, 10}), 100);
  const engine::Color body = frame->PixelColor(cx, cy);
  const engine::Color ground = frame->PixelColor(320, 470);
  EXPECT_GT(std::abs(body.r - ground.r) + std::abs(body.g - ground.g) + std::abs(body.b - ground.b), 30);
  // The display covers its band, the black case chart window apart (0.18612, 0.76044 of the screen,
  // 0.32808 x 0.21099 of it: 209 x 101 pixels at 119, 365).
  const int chart = Lit(frame, {119, 365, 209, 101});
  EXPECT_LT(chart, 209 * 101 / 10) << "the empty chart is black";
  EXPECT_GT(Lit(frame, {0, kHudBandTop, 640, 480 - kHudBandTop}) - chart,
            (640 * (480 - kHudBandTop) - 209 * 101) * 9 / 10);
  EXPECT_GT(Lit(frame, {0, 200, 640, 100}), 640 * 100 * 9 / 10);
  game_->Close();
}

}  // namespace
}  // namespace kestrine::scenario
