// The patient view in the running program, on the generated data: a mission is started with a casualty
// of facial and arm lacerations, his view is opened as the overhead view's VIEW PATIENT opens it, and he
// is treated by the book with clicks on his body (the tool in hand chosen as the tray would choose it),
// left with Escape and opened again; the mission then ends and the view is torn down with nothing of it
// left anywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "battlefield/casualty_cases.h"
#include "casualty/backpack.h"
#include "casualty/body_location.h"
#include "casualty/body_parts.h"
#include "casualty/casualty_queries.h"
#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty/patient_speech.h"
#include "casualty/patient_view.h"
#include "casualty/scene_backdrop.h"
#include "casualty/surroundings.h"
#include "casualty/tool_animation.h"
#include "casualty/tool_table.h"
#include "casualty/treatment_assets.h"
#include "casualty/treatment_items.h"
#include "damaged_tree.h"
#include "harness.h"
#include "shell/game_state.h"
#include "shell/globals.h"

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
  missionNumber = kMission;
  difficulty = 0;
  trainingRun = 0;
  SetUpMissionCasualties();
  casualtyCases[0].woundType = kLacerations;
  casualtyCases[0].severity = 1;
  casualtyCases[0].special = 0;
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(gameState, STATE_OVERHEAD);
  ASSERT_TRUE(casualties[0]);
  ASSERT_EQ(casualties[0]->woundType, kLacerations);
}

void OpenCasualty(Harness& game, int32_t slot) {
  currentCasualtyIndex = slot;
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(3, kFrameMs);
}

// Clicks on a body part where the camera sees it (the first point near its bone, searching outwards, where
// a pick finds that part), with `tool` in hand.
void ClickOn(Harness& game, int32_t tool, const engine::EngineRef<engine::EngineActor>& node, const std::string& name) {
  selectedTool = tool;
  const Vec3 at = node->GetPosition()->Value();
  const auto screen = engineCamera->WorldToScreen(at.x, at.y, at.z);
  const int cx = static_cast<int>(screen->GetX());
  const int cy = static_cast<int>(screen->GetY());
  for (int r = 0; r <= 60; r += 2) {
    for (int dy = -r; dy <= r; dy += 2) {
      for (int dx = -r; dx <= r; dx += 2) {
        if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
        const auto hit = engineCamera->Pick(cx + dx, cy + dy);
        if (!hit || hit->GetEntity()->GetName() != std::wstring(name.begin(), name.end())) continue;
        const int x = cx + dx - (screenWidth - 640) / 2;
        const int y = cy + dy - (screenHeight - 480) / 2;
        ASSERT_LT(y, kHudBandTop) << name << " is under the display";
        game.Click(x, y);
        game.Frames(2, kFrameMs);
        return;
      }
    }
  }
  FAIL() << name << " cannot be seen";
}

void ClickPart(Harness& game, int32_t tool, int32_t bone) {
  ClickOn(game, tool, currentPatient->boneFrames[bone], kBoneNames[bone]);
}

bool ChartHas(const Patient& patient, const std::string& text) {
  for (const char* entry : patient.chartEntries)
    if (std::string(entry).find(text) != std::string::npos) return true;
  return false;
}

// The view's objects that stand on the stage by themselves (what hangs on them follows them), to be found
// again after the teardown.
std::vector<engine::EngineRef<engine::EngineNode>> ViewNodes() {
  std::vector<engine::EngineRef<engine::EngineNode>> nodes = {patientView.sceneActor, patientView.surroundings,
                                                              patientView.shadowActor};
  for (const Billboard& billboard : sceneBackdrop.billboards) nodes.push_back(billboard.actor);
  nodes.push_back(treatmentAssets.models[ITEM_AMBU_BAG]);
  for (const auto& patient : casualties)
    if (patient) nodes.push_back(patient->bodyModel);
  return nodes;
}

TEST(PatientView, LacerationsTreatedByTheBookWithClicksOnTheBody) {
  Harness game;
  StartMission(game);
  // The pack as the backpack screen loads it by default.
  backpack.FillStandardKit();
  const int32_t bandages = backpack.count[TOOL_BANDAGE];
  ASSERT_GE(bandages, 2);
  OpenCasualty(game, 0);
  ASSERT_EQ(gameState, STATE_PATIENT_VIEW);
  Patient& patient = *currentPatient;
  EXPECT_EQ(&patient, casualties[0].get());
  // Entering puts the Glove in hand and the tray at its start.
  EXPECT_EQ(selectedTool, TOOL_GLOVE);
  EXPECT_EQ(trayScroll, 0);
  EXPECT_EQ(patient.visited, 1);
  // His first visit: sitting holding his head, as his wound has him.
  EXPECT_EQ(patient.pose, 10);

  const int32_t arm = (patient.sideBits & LOC_LEFT) ? BONE_L_SHLDR : BONE_R_SHLDR;
  ClickPart(game, TOOL_BANDAGE, BONE_HEAD);
  EXPECT_TRUE(ChartHas(patient, "Bandage applied to facial laceration"));
  // The sleeve is cut away before the arm can be dressed.
  ClickPart(game, TOOL_SCISSORS, arm);
  EXPECT_TRUE(toolAnimations[ANIM_SCISSORS].Running());
  EXPECT_TRUE(toolAnimations[ANIM_SCISSORS].sprite->Visible());
  ClickPart(game, TOOL_BANDAGE, arm);
  EXPECT_TRUE(ChartHas(patient, "Bandage applied to arm laceration"));

  ClickPart(game, TOOL_GLOVE, BONE_HEAD);
  EXPECT_TRUE(ChartHas(patient, "Bleeding stopped."));
  // Two bandages and the final check, 5 points each; nothing wrong done, two bandages used.
  EXPECT_EQ(patient.score, 15);
  EXPECT_EQ(patient.mistakes, 0);
  EXPECT_EQ(backpack.count[TOOL_BANDAGE], bandages - 2);

  // His ammunition goes to the medic's hand or the Action, not to a bandage.
  ClickOn(game, TOOL_BANDAGE, patient.ammoPouch.magazines[0], "Ammo");
  EXPECT_EQ(patient.ammoPouch.taken, 0);
  ClickOn(game, TOOL_ACTION, patient.ammoPouch.magazines[0], "Ammo");
  EXPECT_EQ(patient.ammoPouch.taken, 1);

  // A click on the display's band, or with nothing in hand, never reaches him.
  const int before = patient.chartEntries.count;
  selectedTool = TOOL_BANDAGE;
  game.Click(320, kHudBandTop);
  selectedTool = -1;
  ClickPart(game, -1, BONE_HEAD);
  EXPECT_EQ(patient.chartEntries.count, before);

  game.Press(kEscape);
  EXPECT_EQ(gameState, STATE_OVERHEAD);
  // The overhead view stops what was still playing.
  EXPECT_FALSE(toolAnimations[ANIM_SCISSORS].Running());
  EXPECT_FALSE(toolAnimations[ANIM_SCISSORS].sprite->Visible());

  // Dragged to the landing point meanwhile, he is rolled onto the drag once on the next visit.
  const int records = patient.actionRecords.count;
  MarkCasualtyDragged(0);
  OpenCasualty(game, 0);
  EXPECT_EQ(patient.dragged, 0);
  ASSERT_EQ(patient.actionRecords.count, records + 1);
  EXPECT_EQ(patient.actionRecords.entries[records].tool, 4);
  game.Press(kEscape);
  OpenCasualty(game, 0);
  EXPECT_EQ(patient.actionRecords.count, records + 1);
  game.Close();
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
  EXPECT_LT(casualties[0]->bodyModel->GetPosition()->Value().y, -50.0f);
  // The open ground of this mission is turned and placed for the slot on the first visit; from then on every
  // visit finds everything where the last one left it.
  std::vector<Vec3> parked;

  std::vector<Vec3> shown;
  for (int trip = 0; trip < 3; ++trip) {
    SCOPED_TRACE("trip " + std::to_string(trip));
    OpenCasualty(game, 0);
    ASSERT_EQ(gameState, STATE_PATIENT_VIEW);
    EXPECT_NEAR(casualties[0]->bodyModel->GetPosition()->Value().y, 0.0f, 2.0f);
    // No bushes and rocks round him on the open ground.
    EXPECT_TRUE(IsOpenGroundSurroundings(patientView.loadedKind));
    EXPECT_FALSE(engineStage->Contains(sceneBackdrop.billboards[0].actor.Get()));
    if (trip == 0) shown = places();
    const std::vector<Vec3> now = places();
    for (size_t i = 0; i < nodes.size(); ++i) EXPECT_NEAR((now[i] - shown[i]).Length(), 0.0f, 1e-3f) << i;
    game.Press(kEscape);
    ASSERT_EQ(gameState, STATE_OVERHEAD);
    const std::vector<Vec3> back = places();
    if (trip == 0) parked = back;
    for (size_t i = 0; i < nodes.size(); ++i) EXPECT_NEAR((back[i] - parked[i]).Length(), 0.0f, 1e-3f) << i;
    game.Frames(2, kFrameMs);
  }

  // Slots that hold no model show nothing, and a slot outside the seven is an empty one.
  casualties[0]->appliedItems |= (1u << 12) | (1u << 15) | (1u << 20) | (1u << 21);
  OpenCasualty(game, 0);
  game.Press(kEscape);
  OpenCasualty(game, 9);
  EXPECT_EQ(gameState, STATE_PATIENT_VIEW);
  EXPECT_EQ(currentPatient, nullptr);
  // F switches the medic's voice on its way down only.
  const uint8_t voice = patientSpeech.ownVoiceOn;
  game.Press('F');
  EXPECT_NE(patientSpeech.ownVoiceOn, voice);
  game.Key('F', true);
  game.Key('F', false);
  EXPECT_EQ(patientSpeech.ownVoiceOn, voice);
  game.Press(kEscape);

  // His blood lies on the ground while he is shown, and is taken off it with him.
  ASSERT_TRUE(casualties[0]->bloodPools);
  engine::EngineRef<engine::EngineActor> pool = casualties[0]->bloodPools->actor;
  OpenCasualty(game, 0);
  EXPECT_EQ(pool->Parent(), patientView.surroundings.Get());
  EXPECT_TRUE(pool->Visible());
  game.Press(kEscape);
  EXPECT_EQ(pool->Parent(), nullptr);
  nodes.push_back(std::move(pool));

  // The mission ends: the debriefing tears the view down, and only this test still holds its objects.
  missionEndFlag = 4;
  ASSERT_TRUE(game.RunUntilState(STATE_DEBRIEFING, kFrameMs, 5000));
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (!nodes[i]) continue;
    EXPECT_FALSE(engineStage->Contains(nodes[i].Get())) << i;
    EXPECT_EQ(nodes[i]->RefCount(), 1) << i;
  }
  EXPECT_FALSE(patientView.patientViewBuilt);
  game.Close();
}

TEST(PatientView, WithoutItsSurroundingsModelTheViewOpensTreatsAndClosesOnBareGround) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Remove("patient/world/sky/level_3/level3.qsad");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(tree.Root());
  {
    Harness game;
    StartMission(game);
    EXPECT_NE(game.DebugLog().find("--- Sky does not exist ----"), std::string::npos);
    EXPECT_FALSE(patientView.surroundings);
    backpack.FillStandardKit();
    OpenCasualty(game, 0);
    ASSERT_EQ(gameState, STATE_PATIENT_VIEW);
    ClickPart(game, TOOL_BANDAGE, BONE_HEAD);
    EXPECT_TRUE(ChartHas(*currentPatient, "Bandage applied to facial laceration"));
    game.Press(kEscape);
    EXPECT_EQ(gameState, STATE_OVERHEAD);
    OpenCasualty(game, 0);
    game.Press(kEscape);
    game.Close();
  }
  std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace kestrine::scenario
