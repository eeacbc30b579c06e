// The body's motions as the player starts them in the patient view, with the mouse: Roll Over lifts him,
// turns him over and onto his side and changes his pools over; the pinned soldier's leg cut free pulls him
// out from under the vehicle; the impaled soldier moved off the bar has the ground slide away under him;
// scissors on a trouser leg show in the trousers; an item put on while he moves appears when he is still;
// a game saved and loaded has him as he was.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "battlefield/casualty_cases.h"
#include "casualty/backpack.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/treatment_items.h"
#include "casualty_view/blood_pools.h"
#include "casualty_view/hud_hotspots.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/texture_bands.h"
#include "casualty_view/texture_templates.h"
#include "casualty_view/tool_animation.h"
#include "casualty_view/treatment_assets.h"
#include "harness.h"
#include "own_data_folder.h"
#include "player_road.h"
#include "shell/game_state.h"
#include "slot_screens.h"

namespace kestrine::scenario {
namespace {

constexpr int kFrameMs = 50;
constexpr float kNear = 1e-3f;
constexpr int32_t kRebar = 2;
constexpr int32_t kPinned = 6;
constexpr int32_t kThighWound = 22;

// Mission 3 with `wound` in casualty slot 0 and the standard kit packed.
void StartWith(Harness& game, int32_t wound) {
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  const CasualtyCase first{.woundType = wound, .severity = 1, .special = 0};
  ASSERT_TRUE(StartMission(3, 0, &first, /*packed=*/true));
}

// Casualty `slot` opened in the patient view.
void Open(Harness& game, int32_t slot) {
  if (States().gameState == STATE_PATIENT_VIEW) SetGameState(STATE_OVERHEAD);
  SetCurrentCasualtyIndex(slot);
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(3, kFrameMs);
  ASSERT_EQ(States().gameState, STATE_PATIENT_VIEW);
}

std::vector<int32_t> GrowingPools(const Patient& patient) {
  std::vector<int32_t> growing;
  for (const BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get())
    growing.push_back(pool->visible);
  return growing;
}

// v turned by `degrees` about +y (right-handed), after being turned half round about z.
engine::Vec3 TurnedOver(const engine::Vec3& v, float degrees) {
  const float a = degrees * 3.14159265f / 180.0f;
  const engine::Vec3 flipped{-v.x, -v.y, v.z};
  return {flipped.x * std::cos(a) + flipped.z * std::sin(a), flipped.y,
          -flipped.x * std::sin(a) + flipped.z * std::cos(a)};
}

void ExpectAxes(const engine::Mat3& is, const engine::Mat3& start, float degrees, const char* when) {
  for (const engine::Vec3 axis : {engine::Vec3{1, 0, 0}, engine::Vec3{0, 1, 0}, engine::Vec3{0, 0, 1}}) {
    const engine::Vec3 want = degrees == 0.0f ? start.Apply(axis) : TurnedOver(start.Apply(axis), degrees);
    const engine::Vec3 got = is.Apply(axis);
    EXPECT_NEAR(got.x, want.x, kNear) << when;
    EXPECT_NEAR(got.y, want.y, kNear) << when;
    EXPECT_NEAR(got.z, want.z, kNear) << when;
  }
}

float Moved(const engine::Vec3& from, const engine::EngineRef<engine::EngineNode>& node) {
  const engine::Vec3 to = node->LocalPosition();
  return std::sqrt((to.x - from.x) * (to.x - from.x) + (to.y - from.y) * (to.y - from.y) +
                   (to.z - from.z) * (to.z - from.z));
}

// Roll Over: he is lifted to 3.2 while turned half round about his length and set down, then turned
// 11 steps of 4 degrees onto the side away from his wound (about -y onto his left, +y onto his right); his
// other pool grows. Rolled back, the same motions bring him to where he lay. The thigh wound's side is drawn
// at random: these two seeds draw one of each.
TEST(PatientMotion, RollOverLiftsTurnsHimOverAndOntoTheSideAwayFromHisWound) {
  const struct {
    uint32_t seed, wounded;
    float degrees;  // rolled onto the other side
  } kCases[] = {{1, LOC_RIGHT, -44.0f}, {2, LOC_LEFT, 44.0f}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.seed);
    HarnessOptions options;
    options.seed = c.seed;
    Harness game(options);
    StartWith(game, kThighWound);
    Open(game, 0);
    Patient& patient = *Slots().currentPatient;
    ASSERT_EQ(patient.sideBits & kSideBits, c.wounded);
    ASSERT_TRUE(patient.movable);
    const engine::Mat3 start = ObjectsOf(patient).bodyModel->LocalRotation();
    const float rest = ObjectsOf(patient).bodyModel->LocalPosition().y;
    const std::vector<int32_t> pools = GrowingPools(patient);

    for (int roll = 1; roll <= 2; ++roll) {
      ClickHud(game, HUD_ROLL_OVER);
      EXPECT_EQ(patient.rolledOver, roll == 1 ? 1 : 0);
      EXPECT_GT(patient.liftCounter, 20);
      float top = rest;
      for (int frame = 0; frame < 30 && patient.liftCounter > 0; ++frame) {
        game.Frame(kFrameMs);
        top = std::max(top, ObjectsOf(patient).bodyModel->LocalPosition().y);
      }
      EXPECT_FLOAT_EQ(top, 3.2f);
      // Set down: on his front 1.6 higher than on his back, where four sinking steps of 0.4 leave him.
      EXPECT_NEAR(ObjectsOf(patient).bodyModel->LocalPosition().y, roll == 1 ? rest + 1.6f : rest, kNear) << "set down";
      game.Frames(15, kFrameMs);
      ExpectAxes(ObjectsOf(patient).bodyModel->LocalRotation(), start, roll == 1 ? c.degrees : 0.0f,
                 roll == 1 ? "rolled over" : "rolled back");
      std::vector<int32_t> flipped = pools;
      if (roll == 1)
        for (int32_t& growing : flipped) growing = growing ? 0 : 1;
      EXPECT_EQ(GrowingPools(patient), flipped);
    }
    // With none left to roll him with, he is neither rolled nor lifted.
    SetToolCount(TOOL_ROLLOVER_DRAG, 0);
    ClickHud(game, HUD_ROLL_OVER);
    EXPECT_EQ(patient.rolledOver, 0);
    EXPECT_LT(patient.liftCounter, 1);
  }
}

// The pinned soldier's left leg cut through: his stump's pose, and the ground, the vehicle, its shadow and
// the lower leg slide 19 steps of 0.2 once the saw's own animation is over.
TEST(PatientMotion, TheLegCutFreePullsThePinnedSoldierOutFromUnderTheVehicle) {
  Harness game;
  StartWith(game, kPinned);
  Open(game, 0);
  Patient& patient = *Slots().currentPatient;
  ASSERT_TRUE(ObjectsOf(patient).prop && ObjectsOf(patient).prop->model && ObjectsOf(patient).prop->shadow);
  const engine::EngineRef<engine::EngineNode> moving[] = {PatientView().surroundings, ObjectsOf(patient).prop->model,
                                                          ObjectsOf(patient).prop->shadow,
                                                          ObjectsOf(patient).leftStump};
  std::vector<engine::Vec3> from;
  for (const auto& node : moving) {
    ASSERT_TRUE(node);
    from.push_back(node->LocalPosition());
  }
  // The trouser leg first: the saw needs bare skin.
  ASSERT_TRUE(TakeTool(game, TOOL_SCISSORS));
  ASSERT_TRUE(ClickOnBodyPart(game, PART_LEFT_CALF));
  game.Frames(20, kFrameMs);
  ASSERT_EQ(patient.slideCounter, -1);
  ASSERT_TRUE(TakeTool(game, TOOL_SURVIVAL_SAW));
  ASSERT_TRUE(ClickOnBodyPart(game, PART_LEFT_CALF));
  for (int frame = 0; frame < 100 && (AnyToolAnimationRunning() || patient.slideCounter < -1); ++frame)
    game.Frame(kFrameMs);
  EXPECT_EQ(patient.slideCounter, -1);
  EXPECT_EQ(patient.currentAnimation, 42);
  EXPECT_EQ(patient.holdLock, 1);
  for (size_t i = 0; i < from.size(); ++i) EXPECT_NEAR(Moved(from[i], moving[i]), 19 * 0.2f, kNear) << i;
  // A second cut frees nothing more.
  ASSERT_TRUE(ClickOnBodyPart(game, PART_LEFT_CALF));
  game.Frames(60, kFrameMs);
  EXPECT_NEAR(Moved(from[0], moving[0]), 19 * 0.2f, kNear);
}

// Moved off the bar: the roll takes its animation's length / 0.6; while it has under 4 s to go the ground
// and the bar slide 0.2 a frame, and his other pool grows.
TEST(PatientMotion, MovedOffTheBarTheGroundAndTheBarSlideWhileHeRollsOff) {
  Harness game;
  StartWith(game, kRebar);
  Open(game, 0);
  Patient& patient = *Slots().currentPatient;
  ASSERT_TRUE(ObjectsOf(patient).prop && ObjectsOf(patient).prop->model);
  const int32_t roll = patient.animationIndex[18];
  ASSERT_GE(roll, 0);
  const int32_t rollMs = static_cast<int32_t>(
      ObjectsOf(patient).bodyModel->GetAnimationLength(patient.animationNames[roll]) * 1000.0 / 0.6);
  ASSERT_GT(rollMs, 0);
  // Frames of 50 ms from the click's on: those that begin with under 4000 ms and over 0 left.
  int slides = 0;
  for (int32_t left = rollMs; left > 0; left -= kFrameMs) slides += left < 4000 ? 1 : 0;
  const engine::Vec3 ground = PatientView().surroundings->LocalPosition();
  const engine::Vec3 bar = ObjectsOf(patient).prop->model->LocalPosition();
  const std::vector<int32_t> pools = GrowingPools(patient);

  ASSERT_TRUE(TakeTool(game, TOOL_ACTION));
  ASSERT_TRUE(ClickOnBodyPart(game, PART_ABDOMEN));

  EXPECT_EQ(patient.impaled, 0);
  EXPECT_EQ(patient.rollOffTime, rollMs - 2 * kFrameMs) << "two frames after the click";
  game.Frames(rollMs / kFrameMs + 2, kFrameMs);
  EXPECT_LE(patient.rollOffTime, 0);
  EXPECT_NEAR(Moved(ground, PatientView().surroundings), 0.2f * static_cast<float>(slides), kNear);
  EXPECT_NEAR(Moved(bar, ObjectsOf(patient).prop->model), 0.2f * static_cast<float>(slides), kNear);
  std::vector<int32_t> flipped = pools;
  for (int32_t& growing : flipped) growing = growing ? 0 : 1;
  EXPECT_EQ(GrowingPools(patient), flipped);
}

// The scissors on his left thigh take away the trousers' left pieces: (0, 70, 50, 160) of the first piece
// picture and (0, 280, 60, 120) of the second over the base, and both trouser legs wear the result. An item
// put on while he moves appears when he is still.
TEST(PatientMotion, TheLeftTrouserLegCutShowsTheCutPiecesAndASplintAppearsWhenHeIsStill) {
  Harness game;
  StartWith(game, kThighWound);
  Open(game, 0);
  Patient& patient = *Slots().currentPatient;
  ASSERT_EQ(patient.bodyFlags, 0u);
  ASSERT_TRUE(TakeTool(game, TOOL_SCISSORS));
  ASSERT_TRUE(ClickOnBodyPart(game, PART_LEFT_THIGH));
  EXPECT_EQ(patient.bodyFlags, 0x2u | 0x8u);
  EXPECT_EQ(patient.composedFlags, patient.bodyFlags);

  const UniformPictures& pictures = Uniforms();
  ASSERT_TRUE(pictures.composed && pictures.base && pictures.firstPieces && pictures.secondPieces);
  enum From { BASE, FIRST, SECOND };
  const struct {
    int x, y;
    From from;
  } kPoints[] = {
      {0, 70, FIRST},    {49, 229, FIRST}, {0, 69, BASE},   {50, 70, BASE}, {0, 230, BASE},  {0, 280, SECOND},
      {59, 399, SECOND}, {0, 279, BASE},   {60, 280, BASE}, {84, 70, BASE}, {74, 280, BASE}, {100, 300, BASE},
  };
  for (const auto& p : kPoints) {
    const auto& source = p.from == FIRST    ? pictures.firstPieces
                         : p.from == SECOND ? pictures.secondPieces
                                            : pictures.base;
    EXPECT_EQ(pictures.composed->Pixel(p.x, p.y), source->Pixel(p.x, p.y)) << p.x << "," << p.y;
  }
  // The leg's texture is the composed picture stretched over it: a texel samples the middle of its span.
  for (const char* material : {"u_left_leg1", "u_right_leg1"}) {
    const auto& texture =
        ObjectsOf(patient).textureState.working[FindTextureRow(ObjectsOf(patient).textureState, material)];
    ASSERT_TRUE(texture);
    const int w = texture->GetWidth(), h = texture->GetHeight();
    for (int ty = 0; ty < h; ty += 7) {
      for (int tx = 0; tx < w; tx += 5) {
        const int sx = (2 * tx + 1) * 140 / (2 * w), sy = (2 * ty + 1) * 400 / (2 * h);
        ASSERT_EQ(texture->Pixel(tx, ty), pictures.composed->Pixel(sx, sy)) << material << " " << tx << "," << ty;
      }
    }
  }

  // A splint put on the bared thigh while he is tended for it shows when the tending is over, not before.
  const auto& splint = treatmentAssets.models[ITEM_LEFT_THIGH_SPLINT];
  ASSERT_TRUE(splint && TakeTool(game, TOOL_RIGID_SPLINT));
  ASSERT_TRUE(ClickOnBodyPart(game, PART_LEFT_THIGH));
  EXPECT_TRUE(patient.appliedItems & ItemBit(ITEM_LEFT_THIGH_SPLINT));
  ASSERT_GT(patient.animationTimer, 0);
  for (int frame = 0; patient.animationTimer > 0 && frame < 400; ++frame) {
    EXPECT_FALSE(splint->Visible()) << "tending, " << patient.animationTimer << " ms to go";
    game.Frame(kFrameMs);
  }
  EXPECT_TRUE(splint->Visible());
}

// Rolled over and his trouser leg cut, saved from the pause menu, quit and loaded: the treatments replayed
// leave him lying as he lay, in the same trousers, the same pool growing.
TEST(PatientMotion, ALoadedGameHasHimLyingAsHeLayInTheSameTrousersWithTheSamePoolGrowing) {
  OwnDataFolder folder;  // before the game: it is the game's working directory
  Harness game;
  StartWith(game, kThighWound);
  Open(game, 0);
  ASSERT_TRUE(TakeTool(game, TOOL_SCISSORS));
  ASSERT_TRUE(ClickOnBodyPart(game, PART_LEFT_THIGH));
  ClickHud(game, HUD_ROLL_OVER);
  game.Frames(60, kFrameMs);
  const engine::Mat3 rotation = ObjectsOf(*Slots().currentPatient).bodyModel->LocalRotation();
  const float height = ObjectsOf(*Slots().currentPatient).bodyModel->LocalPosition().y;
  const std::vector<int32_t> pools = GrowingPools(*Slots().currentPatient);
  ASSERT_EQ(Slots().currentPatient->composedFlags, 0xau);

  game.Press(27);  // Escape: the overhead view
  game.Press(27);  // and its pause menu
  ASSERT_EQ(States().gameState, STATE_PAUSE_MENU);
  game.Frame(16);
  PointAndClick(game, kPauseSave);
  game.Frame(16);
  UseSlot(game, 1);
  PointAndClick(game, kSlotBack);
  game.Frame(16);
  PointAndClick(game, kPauseQuit);
  PointAndClick(game, kYes);
  ASSERT_EQ(States().gameState, STATE_MAIN_MENU);
  LoadFromTheMainMenu(game, 1);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  Open(game, 0);
  game.Frames(2, kFrameMs);
  const Patient& loaded = *Slots().currentPatient;
  ExpectAxes(ObjectsOf(loaded).bodyModel->LocalRotation(), rotation, 0.0f, "loaded");
  EXPECT_NEAR(ObjectsOf(loaded).bodyModel->LocalPosition().y, height, kNear);
  EXPECT_EQ(loaded.composedFlags, 0xau);
  EXPECT_EQ(loaded.rolledOver, 1);
  EXPECT_EQ(GrowingPools(loaded), pools);
}

}  // namespace
}  // namespace kestrine::scenario
