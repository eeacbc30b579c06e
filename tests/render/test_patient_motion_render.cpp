// The body's motions as the real renderer shows them: rolled over with the view's button, the casualty is
// drawn anew where he lies while the scene round him stays as it was; his left trouser leg cut, the
// composed trousers change his legs and nothing else.
#include <algorithm>
#include <initializer_list>

#include "battlefield/casualty_cases.h"
#include "casualty/backpack.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty/tool_table.h"
#include "casualty_view/hud_hotspots.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_view.h"
#include "render/sdl_game_fixture.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

struct Changes {
  int inside = 0;
  int outside = 0;
  int outsideArea = 0;
};

class PatientMotionRender : public SdlGameFixture {
 protected:
  void Open(int32_t wound) {
    ASSERT_NO_FATAL_FAILURE(StartToTheDisclaimer());
    ResumeCampaign(1, 0, false);
    SetUpMissionCasualties();
    SetCasualtyWound(0, wound);
    FillStandardBackpack();
    SetGameState(STATE_START_MISSION);
    ASSERT_EQ(States().gameState, STATE_OVERHEAD);
    SetCurrentCasualtyIndex(0);
    SetGameState(STATE_PATIENT_VIEW);
    game_->Frames(10, 16);
  }

  // The screen box round the bones of the shown patient (and round `also`), widened by margin, above the
  // display's band.
  static Rect AroundBones(std::initializer_list<int> bones, int margin, Rect also = {640, kHudBandTop, 0, 0}) {
    int x0 = also.x, y0 = also.y, x1 = also.x + also.width, y1 = also.y + also.height;
    for (const int bone : bones) {
      const engine::Vec3 at = ObjectsOf(*Slots().currentPatient).boneFrames[bone]->GetPosition()->Value();
      const auto p = Engine().engineCamera->WorldToScreen(at.x, at.y, at.z);
      x0 = std::min(x0, static_cast<int>(p->GetX()) - margin);
      y0 = std::min(y0, static_cast<int>(p->GetY()) - margin);
      x1 = std::max(x1, static_cast<int>(p->GetX()) + margin);
      y1 = std::max(y1, static_cast<int>(p->GetY()) + margin);
    }
    x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, 640), y1 = std::min(y1, kHudBandTop);
    return {x0, y0, std::max(x1 - x0, 0), std::max(y1 - y0, 0)};
  }

  static bool In(Rect r, int x, int y) { return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height; }

  // Pixels changed by more than 40 over the three channels: in `box`, and in the scene outside `him` (his
  // breathing moves him between the pictures).
  static Changes Changed(const FrameImage& before, const FrameImage& after, Rect box, Rect him) {
    Changes c;
    for (int y = 0; y < kHudBandTop; ++y)
      for (int x = 0; x < 640; ++x) {
        const engine::Color a = before->PixelColor(x, y), b = after->PixelColor(x, y);
        const int changed = std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 40 ? 1 : 0;
        c.inside += In(box, x, y) ? changed : 0;
        c.outside += In(him, x, y) ? 0 : changed;
        c.outsideArea += In(him, x, y) ? 0 : 1;
      }
    return c;
  }
};

TEST_F(PatientMotionRender, RolledOverHeIsDrawnAnewWhereHeLiesAndTheSceneStays) {
  ASSERT_NO_FATAL_FAILURE(Open(31));
  // The pointer on the button first: the cursor's picture stays where it is in both pictures.
  const HudRect button = HudHotspotRect(HUD_ROLL_OVER);
  game_->MoveTo(button.x + button.width / 2, button.y + button.height / 2);
  game_->Frames(2, 16);
  const auto before = Capture("before_roll");
  const Rect box = AroundBones({BONE_HEAD, BONE_L_ANKLE, BONE_R_ANKLE, BONE_L_HAND, BONE_R_HAND}, 60);
  game_->Click(button.x + button.width / 2, button.y + button.height / 2);
  game_->Frames(150, 16);
  ASSERT_EQ(Slots().currentPatient->rolledOver, 1);
  ASSERT_EQ(Slots().currentPatient->liftCounter, 0) << "the lift is over";
  const auto after = Capture("rolled_over");
  // Where he lay and where he lies now.
  const Rect both = AroundBones({BONE_HEAD, BONE_L_ANKLE, BONE_R_ANKLE, BONE_L_HAND, BONE_R_HAND}, 60, box);
  const Changes c = Changed(before, after, both, both);
  EXPECT_GT(c.inside, box.width * box.height / 20);
  EXPECT_LT(c.outside, c.outsideArea / 50);
  game_->Close();
}

TEST_F(PatientMotionRender, TheCutTrouserLegShowsTheComposedTrousersOnHisLegsAlone) {
  ASSERT_NO_FATAL_FAILURE(Open(22));
  const Rect box = AroundBones({BONE_L_HIP, BONE_R_HIP, BONE_L_KNEE, BONE_R_KNEE, BONE_L_ANKLE, BONE_R_ANKLE}, 30);
  // The scissors in hand and the pointer where the camera sees his left thigh; the cursor and the part's
  // name stand there in both pictures.
  SelectTool(TOOL_SCISSORS);
  const engine::Vec3 at = ObjectsOf(*Slots().currentPatient).boneFrames[BONE_L_HIP]->GetPosition()->Value();
  const auto p = Engine().engineCamera->WorldToScreen(at.x, at.y, at.z);
  int cx = -1, cy = -1;
  for (int r = 0; r <= 40 && cx < 0; r += 2)
    for (int dy = -r; dy <= r && cx < 0; dy += 2)
      for (int dx = -r; dx <= r && cx < 0; dx += 2) {
        const int x = static_cast<int>(p->GetX()) + dx, y = static_cast<int>(p->GetY()) + dy;
        const auto hit = Engine().engineCamera->Pick(x, y);
        if (hit && hit->GetEntity()->GetName() == L"l_hip" && y < kHudBandTop) cx = x, cy = y;
      }
  ASSERT_GE(cx, 0);
  game_->MoveTo(cx, cy);
  game_->Frames(2, 16);
  const auto before = Capture("before_cut");
  game_->Click(cx, cy);
  game_->Frames(40, 16);  // the scissors' own animation over
  ASSERT_EQ(Slots().currentPatient->composedFlags, 0x2u | 0x8u);
  const auto after = Capture("trousers_cut");
  const Rect him = AroundBones({BONE_HEAD, BONE_L_ANKLE, BONE_R_ANKLE, BONE_L_HAND, BONE_R_HAND}, 30, box);
  const Changes c = Changed(before, after, box, him);
  EXPECT_GT(c.inside, box.width * box.height / 20);
  EXPECT_LT(c.outside, c.outsideArea / 50);
  game_->Close();
}

}  // namespace
}  // namespace kestrine::scenario
