// The overhead view played with the mouse and the keys only, on the generated mission 3: the medic walked to
// a casualty by right clicks, his patient view opened with VIEW PATIENT, the casualty dragged to the landing
// point and let go there, support called, the team sent off, an enemy shot, a grenade thrown, the game paused
// and continued, the weapons and camera views stepped through.
//
// The way back from the patient view is its "Overhead" button; the casualty is readied for evacuation with
// the developer's key.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "battlefield/battle_state.h"
#include "battlefield/casualty_cases.h"
#include "battlefield/developer_switches.h"
#include "battlefield/extraction.h"
#include "battlefield/medic_drag.h"
#include "battlefield/mission_state.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/overhead_input.h"
#include "battlefield/strategy_entry.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "battlefield/view_preset.h"
#include "casualty/backpack.h"
#include "casualty/casualty_slots.h"
#include "casualty_view/hud_hotspots.h"
#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_frames.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

constexpr int kFrameMs = 50;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_UP = 0x26;
constexpr int VK_DOWN = 0x28;
constexpr int VK_F8 = 0x77;

class OverheadPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game_.RunUntilState(STATE_DISCLAIMER));
    ASSERT_TRUE(StartMission(3, 0));
    // The walks and clicks are the point here, not whether the enemy happens to hit the medic on the way.
    SetInvulnerable(true);
    game_.Frames(12, kFrameMs);
    ASSERT_EQ(MissionTime().missionStartCountdown, 0);
  }

  bool WalkTo(const Vector3& where, float reach, int clicks = 40) {
    return WalkMedicTo(game_, where, reach, clicks, /*defend=*/false);
  }

  Harness game_;
};

TEST_F(OverheadPlay, TheMedicWalksToACasualtyOpensHimDragsHimToTheLandingPointAndLetsGo) {
  Unit* casualty = Waiting();
  ASSERT_NE(casualty, nullptr);
  int32_t index = 0;
  for (int32_t i = 0; i < Units().unitCount; ++i)
    if (Units().units[i].get() == casualty) index = i;

  // Out of reach the casualty buttons are not there: the click lands on the battlefield.
  FullDisplayTurn(game_);
  PressOverhead(game_, OVERHEAD_VIEW_PATIENT);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);

  ASSERT_TRUE(WalkTo(casualty->pos, 5.0f))
      << "the medic got no nearer than " << (Units().units[0]->pos - casualty->pos).Length();
  FullDisplayTurn(game_);
  ASSERT_LT(Battle().nearestPatientDistance, 7.0);
  EXPECT_EQ(Battle().nearestPatientUnit, index);
  PressOverhead(game_, OVERHEAD_VIEW_PATIENT);
  EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
  EXPECT_EQ(Slots().currentCasualtyIndex, index - Units().firstPatientUnit);
  EXPECT_EQ(Hotspots().MenuHotspots.count, 0) << "the overhead buttons went with its screen";
  game_.Frames(4, kFrameMs);

  // Back, with the casualty readied for evacuation (the developer's X).
  ClickHud(game_, HUD_OVERHEAD);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  game_.Press(VK_F8);
  game_.Press('X');
  EXPECT_EQ(casualty->state, 2);
  game_.Frames(2, kFrameMs);

  // The landing point as the evacuation call chooses it; the medic drags him there.
  ChooseExtractionPoint();
  PressOverhead(game_, OVERHEAD_DRAG_PATIENT);
  ASSERT_TRUE(MedicDrag().dragging);
  EXPECT_EQ(casualty->draggedBy, 0);
  ASSERT_TRUE(WalkTo(Battle().evacuationPoint, 6.0f, 60))
      << "the medic got no nearer than " << (Units().units[0]->pos - Battle().evacuationPoint).Length();
  FullDisplayTurn(game_);
  PressOverhead(game_, OVERHEAD_DRAG_PATIENT);
  EXPECT_FALSE(MedicDrag().dragging);
  EXPECT_EQ(casualty->draggedBy, -1);
  EXPECT_EQ(casualty->state, 3);
  EXPECT_LT((casualty->pos - Battle().evacuationPoint).Length(), 12.0f);
}

TEST_F(OverheadPlay, SupportTheTeamAShotAGrenadeThePauseTheWeaponsAndTheViews) {
  FullDisplayTurn(game_);
  PressOverhead(game_, OVERHEAD_SUPPORT);
  EXPECT_TRUE(Battle().supportActive);
  EXPECT_GT(Battle().supportTimer, 19000);

  // MOVE TEAM, then a right click on the ground for the team's leader.
  ASSERT_GT(missionState.teamLeader, 0);
  Unit& leader = *Units().units[missionState.teamLeader];
  PressOverhead(game_, OVERHEAD_MOVE_TEAM);
  EXPECT_TRUE(OverheadInput().teamPlacement);
  EXPECT_GT(CountPixels(ScreenText().textOverlay, 200, 345, 420, 30, 10, 250, 10), 20) << "the right-click message";
  const Vector3 post = Units().units[0]->pos + Vector3(10.0f, 0.0f, 10.0f);
  RightClick(game_, OnScreen(post));
  EXPECT_FALSE(OverheadInput().teamPlacement);
  EXPECT_EQ(leader.orders, ORDERS_DEFENDNDRAG);
  EXPECT_LT(std::fabs(leader.home.x - post.x) + std::fabs(leader.home.z - post.z), 3.0f);
  EXPECT_EQ(CountPixels(ScreenText().textOverlay, 200, 345, 420, 30, 10, 250, 10), 0) << "the message is gone";

  // The pistol at an enemy standing 6 from the medic.
  Unit* enemy = nullptr;
  for (int32_t i = 1; i < Units().firstPatientUnit && !enemy; ++i)
    if (Units().units[i]->side == kSideEnemy && Units().units[i]->vehicleKind == MAN) enemy = Units().units[i].get();
  ASSERT_NE(enemy, nullptr);
  enemy->SetPosition(Units().units[0]->pos + Vector3(6.0f, 0.0f, 0.0f));
  enemy->SnapToGround();
  enemy->orders = ORDERS_NONMOVING;
  SendUnitTo(*enemy, enemy->pos);
  PressOverhead(game_, OVERHEAD_PISTOL);
  EXPECT_EQ(Units().units[0]->weapon, WEAPON_PISTOL);
  const int32_t rounds = Pack().count[2];
  ASSERT_GT(rounds, 0);
  const int32_t health = enemy->health;
  game_.Frames(12, kFrameMs);
  const ScreenPoint at = OnScreen(enemy->pos);
  game_.Click(at.x, at.y);
  EXPECT_EQ(Pack().count[2], rounds - 1);
  EXPECT_TRUE(enemy->health < health || enemy->down);
  EXPECT_EQ(Battle().friendlyFireCount, 0);

  // A grenade 15 away.
  PressOverhead(game_, OVERHEAD_GRENADE);
  const int32_t grenades = Pack().count[0];
  ASSERT_GT(grenades, 0);
  game_.Frames(12, kFrameMs);
  const ScreenPoint throwAt = OnScreen(Units().units[0]->pos + Vector3(-15.0f, 0.0f, 0.0f));
  game_.Click(throwAt.x, throwAt.y);
  EXPECT_EQ(Pack().count[0], grenades - 1);
  EXPECT_FALSE(Units().units[0]->projectile.idle);

  // Escape pauses; CONTINUE goes back.
  game_.Press(VK_ESCAPE);
  EXPECT_EQ(States().gameState, STATE_PAUSE_MENU);
  game_.Frame(kFrameMs);
  ASSERT_GT(Hotspots().MenuHotspots.count, 3);
  const MenuHotspot& resume = Hotspots().MenuHotspots.entries[3];
  const int cx = static_cast<int>((resume.x0 + resume.x1) / 2), cy = static_cast<int>((resume.y0 + resume.y1) / 2);
  game_.MoveTo(cx, cy);
  game_.Click(cx, cy);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  const std::vector<int> states = game_.TracedStates();
  EXPECT_EQ(std::count(states.begin(), states.end(), STATE_PAUSE_MENU), 1) << "one pause per Escape";

  // 'R' steps the weapons, Up and Down the camera views.
  Units().units[0]->weapon = WEAPON_RIFLE;
  game_.Press('R');
  EXPECT_EQ(Units().units[0]->weapon, WEAPON_PISTOL);
  game_.Press('R');
  EXPECT_EQ(Units().units[0]->weapon, WEAPON_GRENADE);
  EXPECT_EQ(ViewPreset().viewPreset, 1);
  game_.Press(VK_UP);
  EXPECT_EQ(ViewPreset().viewPreset, 2);
  game_.Press(VK_DOWN);
  EXPECT_EQ(ViewPreset().viewPreset, 0);
  game_.Press(VK_DOWN);
  EXPECT_EQ(ViewPreset().viewPreset, 1);
}

}  // namespace
}  // namespace kestrine::scenario
