// The patient view in the running program, on the generated data: a mission is started with a casualty
// of facial and arm lacerations, his view is opened as the overhead view's VIEW PATIENT opens it, left with
// Escape and opened again, everything in it back in its place each time, with or without its surroundings;
// the mission then ends and the view is torn down with nothing of it left anywhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battlefield/casualty_cases.h"
#include "casualty/backpack.h"
#include "casualty/body_parts.h"
#include "casualty/casualty_queries.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty/tool_table.h"
#include "casualty/treatment_items.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_speech.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/scene_backdrop.h"
#include "casualty_view/surroundings.h"
#include "casualty_view/treatment_assets.h"
#include "damaged_tree.h"
#include "harness.h"
#include "player_road.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"

namespace kestrine::scenario {
namespace {

using engine::Vec3;

constexpr int32_t kMission = 3;
constexpr int32_t kLacerations = 31;
constexpr int kFrameMs = 50;
constexpr int kEscape = 27;

// A mission started from state 16 whose first casualty has the lacerations.
void StartMission(Harness& game) {
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  const CasualtyCase lacerations{kLacerations, 1, 0};
  ASSERT_TRUE(scenario::StartMission(kMission, 0, &lacerations));
  ASSERT_TRUE(Slots().casualties[0]);
  ASSERT_EQ(Slots().casualties[0]->woundType, kLacerations);
}

void OpenCasualty(Harness& game, int32_t slot) {
  SetCurrentCasualtyIndex(slot);
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(3, kFrameMs);
}

// Clicks on a body part where the camera sees it, with `tool` in hand.
void ClickPart(Harness& game, int32_t tool, int32_t bone) {
  SelectTool(tool);
  ASSERT_TRUE(ClickOnBodyPart(game, bone)) << kBoneNames[bone] << " cannot be seen";
}

bool ChartHas(const Patient& patient, const std::string& text) {
  for (const char* entry : patient.chartEntries)
    if (std::string(entry).find(text) != std::string::npos) return true;
  return false;
}

// The view's objects that stand on the stage by themselves (what hangs on them follows them), to be found
// again after the teardown.
std::vector<engine::EngineRef<engine::EngineNode>> ViewNodes() {
  std::vector<engine::EngineRef<engine::EngineNode>> nodes = {PatientView().sceneActor, PatientView().surroundings,
                                                              PatientView().shadowActor};
  for (const Billboard& billboard : Scenery().billboards) nodes.push_back(billboard.actor);
  nodes.push_back(treatmentAssets.models[ITEM_AMBU_BAG]);
  for (const auto& patient : Slots().casualties)
    if (patient) nodes.push_back(ObjectsOf(*patient).bodyModel);
  return nodes;
}

TEST(PatientView, EveryParkedObjectReturnsToItsPlaceAndTheTeardownLeavesNothing) {
  Harness game;
  StartMission(game);
  std::vector<engine::EngineRef<engine::EngineNode>> nodes = ViewNodes();
  const auto places = [&] {
    std::vector<Vec3> at;
    for (const auto& node : nodes) at.push_back(node ? node->GetPosition()->Value() : Vec3{});
    return at;
  };
  // Parked, the body waits under the ground.
  EXPECT_LT(ObjectsOf(*Slots().casualties[0]).bodyModel->GetPosition()->Value().y, -50.0f);
  // The open ground of this mission is turned and placed for the slot on the first visit; from then on every
  // visit finds everything where the last one left it.
  std::vector<Vec3> parked;

  std::vector<Vec3> shown;
  for (int trip = 0; trip < 3; ++trip) {
    SCOPED_TRACE("trip " + std::to_string(trip));
    OpenCasualty(game, 0);
    ASSERT_EQ(States().gameState, STATE_PATIENT_VIEW);
    EXPECT_NEAR(ObjectsOf(*Slots().casualties[0]).bodyModel->GetPosition()->Value().y, 0.0f, 2.0f);
    // No bushes and rocks round him on the open ground.
    EXPECT_TRUE(IsOpenGroundSurroundings(PatientView().loadedKind));
    EXPECT_FALSE(Engine().engineStage->Contains(Scenery().billboards[0].actor.Get()));
    if (trip == 0) shown = places();
    const std::vector<Vec3> now = places();
    for (size_t i = 0; i < nodes.size(); ++i) EXPECT_NEAR((now[i] - shown[i]).Length(), 0.0f, 1e-3f) << i;
    game.Press(kEscape);
    ASSERT_EQ(States().gameState, STATE_OVERHEAD);
    const std::vector<Vec3> back = places();
    if (trip == 0) parked = back;
    for (size_t i = 0; i < nodes.size(); ++i) EXPECT_NEAR((back[i] - parked[i]).Length(), 0.0f, 1e-3f) << i;
    game.Frames(2, kFrameMs);
  }

  // Slots that hold no model show nothing, and a slot outside the seven is an empty one.
  Slots().casualties[0]->appliedItems |= (1u << 12) | (1u << 15) | (1u << 20) | (1u << 21);
  OpenCasualty(game, 0);
  game.Press(kEscape);
  OpenCasualty(game, 9);
  EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
  EXPECT_EQ(Slots().currentPatient, nullptr);
  // F switches the medic's voice on its way down only.
  const uint8_t voice = PatientSpeech().ownVoiceOn;
  game.Press('F');
  EXPECT_NE(PatientSpeech().ownVoiceOn, voice);
  game.Key('F', true);
  game.Key('F', false);
  EXPECT_EQ(PatientSpeech().ownVoiceOn, voice);
  game.Press(kEscape);

  // Dragged to the landing point meanwhile, he is rolled onto the drag once on the next visit.
  const int records = Slots().casualties[0]->actionRecords.count;
  MarkCasualtyDragged(0);
  OpenCasualty(game, 0);
  EXPECT_EQ(Slots().casualties[0]->dragged, 0);
  ASSERT_EQ(Slots().casualties[0]->actionRecords.count, records + 1);
  EXPECT_EQ(Slots().casualties[0]->actionRecords.entries[records].tool, 4);
  game.Press(kEscape);
  OpenCasualty(game, 0);
  EXPECT_EQ(Slots().casualties[0]->actionRecords.count, records + 1);
  game.Press(kEscape);

  // His blood lies on the ground while he is shown, and is taken off it with him.
  ASSERT_TRUE(ObjectsOf(*Slots().casualties[0]).bloodPools);
  engine::EngineRef<engine::EngineActor> pool = ObjectsOf(*Slots().casualties[0]).bloodPools->actor;
  OpenCasualty(game, 0);
  EXPECT_EQ(pool->Parent(), PatientView().surroundings.Get());
  EXPECT_TRUE(pool->Visible());
  game.Press(kEscape);
  EXPECT_EQ(pool->Parent(), nullptr);
  nodes.push_back(std::move(pool));

  // The mission ends: the debriefing tears the view down, and only this test still holds its objects.
  EndMission(END_MISTAKES);
  ASSERT_TRUE(game.RunUntilState(STATE_DEBRIEFING, kFrameMs, 5000));
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (!nodes[i]) continue;
    EXPECT_FALSE(Engine().engineStage->Contains(nodes[i].Get())) << i;
    EXPECT_EQ(nodes[i]->RefCount(), 1) << i;
  }
  EXPECT_FALSE(PatientView().patientViewBuilt);
}

TEST(PatientView, WithoutItsSurroundingsModelTheViewOpensTreatsAndClosesOnBareGround) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Remove("patient/world/sky/level_3/level3.qsad");
  InFolder inTree(tree.Root());
  Harness game;
  StartMission(game);
  EXPECT_NE(game.DebugLog().find("--- Sky does not exist ----"), std::string::npos);
  EXPECT_FALSE(PatientView().surroundings);
  FillStandardBackpack();
  OpenCasualty(game, 0);
  ASSERT_EQ(States().gameState, STATE_PATIENT_VIEW);
  ClickPart(game, TOOL_BANDAGE, BONE_HEAD);
  EXPECT_TRUE(ChartHas(*Slots().currentPatient, "Bandage applied to facial laceration"));
  game.Press(kEscape);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  OpenCasualty(game, 0);
  game.Press(kEscape);
}

}  // namespace
}  // namespace kestrine::scenario
