// Save games through the whole program, the slot screens worked with the mouse: a briefing saved and loaded
// back from the main menu; a mission saved from the pause menu after the extraction warning with a half-treated
// casualty, quit, and loaded again with its units and helicopter, pack, patients and clocks; and a damaged
// read-only save that is neither written over nor loaded. The game runs in a data folder of its own. Where a
// player would click a tool onto the casualty's body, the test applies that tool to that part.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "battlefield/battle_state.h"
#include "battlefield/casualty_cases.h"
#include "battlefield/extraction.h"
#include "battlefield/mission_state.h"
#include "battlefield/unit_array.h"
#include "casualty/backpack.h"
#include "casualty/body_parts.h"
#include "casualty/casualty_slots.h"
#include "casualty/tool_table.h"
#include "casualty/vitals.h"
#include "casualty/wound_types.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_view.h"
#include "frontend/save_slot_screen.h"
#include "harness.h"
#include "own_data_folder.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "slot_screens.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

constexpr int kFrameMs = 50;

class SaveGames : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER)); }

  void PointAndClick(ScreenPoint p) { scenario::PointAndClick(game, p); }
  void UseSlot(int slot) { scenario::UseSlot(game, slot); }
  static int OutlinePixels(int slot) {
    return CountPixels(ScreenText().textOverlay, 74, 178 + 25 * slot, 228, 1, 255, 255, 0);
  }

  void ToTheMainMenu() {
    scenario::ToTheMainMenu(game);
    ASSERT_EQ(States().gameState, STATE_MAIN_MENU);
  }
  void LoadFromTheMainMenu(int slot) { scenario::LoadFromTheMainMenu(game, slot); }
  // From the disclaimer: ACCEPT, NEW GAME, NOVICE, SELECT.
  void ToANewCampaignsBriefing() {
    game.Click(kAccept.x, kAccept.y);
    game.Click(kNewGame.x, kNewGame.y);
    game.Click(kNovice.x, kNovice.y);
    game.Frame(16);
    PointAndClick(kSelect);
  }

  OwnDataFolder folder;  // before the game: it is the game's working directory
  Harness game;
};

TEST_F(SaveGames, ABriefingSavedInASlotIsLoadedBackFromTheMainMenu) {
  ToANewCampaignsBriefing();
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  game.Frame(16);
  // A campaign some way on.
  GoToMission(4);
  MissionProgress campaign = Progress();
  std::tie(campaign.campaignScore, campaign.campaignMaximum) = std::pair(310, 400);
  campaign.ribbonCount[7] = 1;
  RestoreProgress(campaign);
  SetEffectsVolume(90);
  SetMusicVolume(40);

  PointAndClick(kBriefingSave);
  ASSERT_EQ(States().gameState, STATE_SAVE_GAME);
  EXPECT_EQ(Hotspots().hotspotIndex, -1) << "the briefing's SAVE is no slot to highlight";
  game.Frame(16);
  EXPECT_EQ(SlotScreen().slotLabel[9], "EMPTY");
  EXPECT_GT(CountPixels(ScreenText().textOverlay, 120, 145, 140, 20, 235, 247, 195), 20) << "SAVE GAME over the slots";
  PointAndClick(Slot(2));
  game.Frame(16);
  EXPECT_GT(OutlinePixels(2), 200) << "an empty slot can be saved into";
  PointAndClick(kSlotAct);
  ASSERT_TRUE(fs::exists("savedGames/game4032.txt"));
  game.Frame(16);
  EXPECT_EQ(SlotScreen().slotLabel[2].substr(0, 10), "BRIEF-- 4 ");
  EXPECT_EQ(SlotScreen().slotLabel[2].size(), 27u) << "the whole first line: kind, mission, date, time";
  PointAndClick(kSlotBack);
  EXPECT_EQ(States().gameState, STATE_BRIEFING);

  // A new campaign forgets all of it. An empty slot offers nothing to load; the saved one brings it back.
  ToTheMainMenu();
  PointAndClick(kLoadGame);
  game.Frame(16);
  UseSlot(5);
  EXPECT_EQ(OutlinePixels(5), 0);
  EXPECT_EQ(States().gameState, STATE_LOAD_GAME);
  UseSlot(2);
  EXPECT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 4);
  EXPECT_EQ(std::tuple(Progress().campaignScore, Progress().campaignMaximum, Progress().ribbonCount[7]),
            std::tuple(310, 400, 1));
  EXPECT_EQ(std::pair(Sounds().effectsVolume, Sounds().musicVolume), std::pair(90, 40));
}

// A pack kept at one briefing is not the loaded game's: its briefing decides its own casualties.
TEST_F(SaveGames, ALoadedBriefingDecidesItsOwnCasualtiesWhateverPackWasKeptBefore) {
  ToANewCampaignsBriefing();
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  game.Frame(16);
  // A campaign at mission 4, expert, saved at its briefing.
  GoToMission(4);
  ChooseDifficulty(2);
  PointAndClick(kBriefingSave);
  game.Frame(16);
  UseSlot(2);
  ASSERT_TRUE(fs::exists("savedGames/game4032.txt"));
  // Another one at mission 1, novice, whose pack the player loads and keeps.
  GoToMission(1);
  ChooseDifficulty(0);
  SetGameState(STATE_BRIEFING);
  game.Frame(16);
  ASSERT_EQ(CasualtyCases().casualtyCaseCount, 3);
  PointAndClick({504, 380});  // LOAD BACKPACK
  ASSERT_EQ(States().gameState, STATE_BACKPACK);
  game.Frame(16);

  LoadFromTheMainMenu(2);
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  EXPECT_EQ(Campaign().missionNumber, 4);
  EXPECT_EQ(CasualtyCases().casualtyCaseCount, 6);  // mission 4 at expert
}

TEST_F(SaveGames, AFolderInASlotsPlaceIsToldAsSuchAndTheOtherSlotsStillSave) {
  ToANewCampaignsBriefing();
  ASSERT_EQ(States().gameState, STATE_BRIEFING);
  game.Frame(16);
  fs::create_directories("savedGames/game4033.txt");
  PointAndClick(kBriefingSave);
  ASSERT_EQ(States().gameState, STATE_SAVE_GAME);
  game.Frame(16);
  UseSlot(3);
  ASSERT_EQ(game.MessageBoxes().size(), 1u);
  EXPECT_EQ(game.MessageBoxes()[0].caption, "Unable To Save");
  EXPECT_EQ(game.MessageBoxes()[0].text,
            "The game was not saved: savedGames/game4033.txt is not a file (a folder or a device is in its place). "
            "What this slot held before is unchanged.");
  EXPECT_TRUE(fs::is_directory("savedGames/game4033.txt"));
  game.Frame(16);
  UseSlot(4);
  EXPECT_EQ(game.MessageBoxes().size(), 1u);
  EXPECT_TRUE(fs::is_regular_file("savedGames/game4034.txt"));
}

// A save cut short by a kill leaves its temporary file; the next start clears it away, and nothing else.
TEST(InterruptedSaves, TheNextStartRemovesWhatTheyLeftAndKeepsTheSaves) {
  OwnDataFolder folder;
  fs::create_directory("savedGames");
  std::ofstream("savedGames/game4031.txt") << "BRIEF-- 2 01/02/03 12:34:56\n";
  std::ofstream("savedGames/game4031.txt.tmp") << "BRIEF-- 3 01/0";
  std::ofstream("savedGames/game4039.txt.tmp") << "MISSION";
  std::ofstream("savedGames/notes.tmp") << "the player's own";
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_FALSE(fs::exists("savedGames/game4031.txt.tmp"));
  EXPECT_FALSE(fs::exists("savedGames/game4039.txt.tmp"));
  EXPECT_TRUE(fs::exists("savedGames/game4031.txt"));
  EXPECT_TRUE(fs::exists("savedGames/notes.tmp"));
}

// ---- a mission ----

// What treatment left on a patient, as one text to compare.
std::string Treatment(const Patient& p) {
  std::ostringstream s;
  s << "clock " << p.clockMs << " score " << p.score << " mistakes " << p.mistakes << " verdict " << p.verdict
    << " side " << p.side << "/" << p.sideBits << " items " << p.appliedItems << " bleed " << p.bleedRate;
  for (const ActionRecord& a : p.actionRecords) s << "\naction " << a.tool << " " << a.part << " " << a.clockMs;
  for (const char* entry : p.chartEntries) s << "\nchart " << entry;
  return s.str();
}

struct UnitSeen {
  float x, y, z;
  int32_t state, health, down, woundType, severity, orders;
  bool operator==(const UnitSeen&) const = default;
};
std::vector<UnitSeen> UnitsSeen() {
  std::vector<UnitSeen> seen;
  for (int32_t i = 0; i < Units().unitCount; ++i) {
    const Unit& u = *Units().units[i];
    seen.push_back({u.pos.x, u.pos.y, u.pos.z, u.state, u.health, u.down, u.woundType, u.severity, u.orders});
  }
  return seen;
}

class MissionSaves : public SaveGames {
 protected:
  // Mission 3 started as the briefing starts it, past its start countdown, with a patient for each casualty
  // as the patient view builds them.
  void StartTheMission() {
    ToTheMainMenu();
    GoToMission(3);
    ChooseDifficulty(0);
    SetUpMissionCasualties();
    SetCasualtyWound(0, WOUND_FACE_LACERATIONS);
    FillStandardBackpack();
    SetGameState(STATE_START_MISSION);
    ASSERT_EQ(States().gameState, STATE_OVERHEAD);
    game.Frames(12, kFrameMs);
    for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i) {
      const int32_t slot = i - Units().firstPatientUnit;
      if (HasCasualty(slot)) continue;  // the mission's start built him already
      PlaceCasualty(slot, BuildPatient(Engine().engineRoot, Engine().engineStage, Units().units[i]->woundType, Units().units[i]->severity,
                                       nullptr));
    }
    ASSERT_TRUE(HasCasualty(0));
  }
  // The first casualty opened in the patient view (as VIEW PATIENT opens him): his face bandaged, a sleeve cut
  // and both arms bandaged (one through the sleeve), each at its moment on his clock as the view's frames run
  // it; his other wounds are left for later, and Escape takes the medic back to the overhead view.
  void TreatTheFirstCasualtyHalfway() {
    SetCurrentCasualtyIndex(0);
    SetGameState(STATE_PATIENT_VIEW);
    ASSERT_EQ(Slots().currentPatient, Slots().casualties[0].get());
    const struct {
      int32_t tool, part, waitMs;
    } steps[] = {{TOOL_BANDAGE, PART_HEAD, 2300},
                 {TOOL_SCISSORS, PART_RIGHT_UPPER_ARM, 1750},
                 {TOOL_BANDAGE, PART_LEFT_UPPER_ARM, 4000},
                 {TOOL_BANDAGE, PART_RIGHT_UPPER_ARM, 900}};
    for (const auto& step : steps) {
      game.Frames(step.waitMs / kFrameMs, kFrameMs);
      ASSERT_EQ(States().gameState, STATE_PATIENT_VIEW);
      // What a click on that part of his body does with the tool in hand.
      SelectTool(step.tool);
      Slots().currentPatient->ApplyTool(step.tool, step.part, 320, 200, 0);
    }
    game.Frames(30, kFrameMs);
    ASSERT_EQ(Slots().currentPatient->actionRecords.count, 4);
    ASSERT_GT(Slots().currentPatient->score, 0);
    game.Press(27);  // Escape
    ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  }
  void ToThePauseMenu() {
    game.Press(27);  // Escape
    ASSERT_EQ(States().gameState, STATE_PAUSE_MENU);
    game.Frame(16);
  }
};

TEST_F(MissionSaves, SavedMidMissionQuitAndLoadedComesBackWithItsUnitsPackPatientsAndClocks) {
  StartTheMission();
  TreatTheFirstCasualtyHalfway();
  game.Frames(20, kFrameMs);  // the battle moves on a little
  SetToolCount(TOOL_BANDAGE, 2);
  // The extraction warning as the battle gives it: the landing point chosen, the helicopter called in.
  StartExtraction();
  ChooseExtractionPoint();
  CreateEvacHelicopter();

  ToThePauseMenu();
  PointAndClick(kPauseSave);
  ASSERT_EQ(States().gameState, STATE_SAVE_GAME);
  game.Frame(16);
  const std::vector<UnitSeen> saved = UnitsSeen();
  const int32_t clock = MissionTime().missionClock;
  const int32_t first = Units().firstPatientUnit;
  const Backpack pack = Pack();
  std::vector<std::string> patients;
  for (int slot = 0; HasCasualty(slot); ++slot) patients.push_back(Treatment(*Slots().casualties[slot]));
  const int32_t maximum = Progress().missionMaximum;
  UseSlot(1);
  ASSERT_TRUE(fs::exists("savedGames/game4031.txt"));
  PointAndClick(kSlotBack);
  ASSERT_EQ(States().gameState, STATE_PAUSE_MENU);
  game.Frame(16);

  PointAndClick(kPauseQuit);
  PointAndClick(kYes);
  ASSERT_EQ(States().gameState, STATE_MAIN_MENU);
  ASSERT_EQ(Units().unitCount, 0) << "the mission was let go";
  ASSERT_FALSE(HasCasualty(0));

  LoadFromTheMainMenu(1);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_EQ(States().previousGameState, STATE_START_MISSION);
  EXPECT_EQ(Campaign().missionNumber, 3);
  EXPECT_EQ(MissionTime().missionClock, clock);
  EXPECT_EQ(Clock().clampCountdown, 5);
  EXPECT_EQ(MissionTime().missionStartCountdown, 500);
  EXPECT_EQ(Sounds().replayingSave, 0);
  ASSERT_EQ(Units().unitCount, static_cast<int32_t>(saved.size()));
  EXPECT_EQ(Units().firstPatientUnit, first);
  EXPECT_EQ(Units().units[Units().unitCount - 1]->vehicleKind, HELICOPTER);
  EXPECT_TRUE(Battle().extractionStarted);
  EXPECT_TRUE(Sounds().soundTable[SOUND_HELI_LOOP]->IsPlaying());
  EXPECT_EQ(missionState.extractionWarnTime, 3 * 40000) << "40 seconds for each of the three casualties";
  for (int32_t i = 0; i < Units().unitCount; ++i) {
    // Put down 3 above where he stood, to drop back onto the ground; places keep six decimals in the file.
    UnitSeen expected = saved[i];
    const UnitSeen loaded = UnitsSeen()[i];
    EXPECT_NEAR(loaded.x, expected.x, 1e-5) << "unit " << i;
    EXPECT_NEAR(loaded.y, expected.y + 3.0f, 1e-5) << "unit " << i;
    EXPECT_NEAR(loaded.z, expected.z, 1e-5) << "unit " << i;
    expected.x = loaded.x, expected.y = loaded.y, expected.z = loaded.z;
    EXPECT_EQ(loaded, expected) << "unit " << i;
  }
  EXPECT_EQ(std::pair(Pack().weight, Pack().maxWeight), std::pair(pack.weight, pack.maxWeight));
  EXPECT_EQ(std::vector<int32_t>(std::begin(Pack().count), std::end(Pack().count)),
            std::vector<int32_t>(std::begin(pack.count), std::end(pack.count)));
  for (size_t slot = 0; slot < patients.size(); ++slot) {
    ASSERT_TRUE(HasCasualty(static_cast<int>(slot)));
    EXPECT_EQ(Treatment(*Slots().casualties[slot]), patients[slot]) << "patient " << slot;
  }
  EXPECT_FALSE(HasCasualty(static_cast<int>(patients.size())));
  EXPECT_EQ(Progress().missionMaximum, maximum);

  // The mission goes on from there: the start countdown, then the clock.
  game.Frames(20, kFrameMs);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  EXPECT_LT(MissionTime().missionClock, clock);
  EXPECT_LT(UnitsSeen()[0].y, saved[0].y + 3.0f) << "the medic came down onto the ground";
  // The half-treated casualty opens in the view as he was left, his clock running on from there.
  SetCurrentCasualtyIndex(0);
  SetGameState(STATE_PATIENT_VIEW);
  game.Frames(10, kFrameMs);
  ASSERT_EQ(States().gameState, STATE_PATIENT_VIEW);
  EXPECT_EQ(Slots().currentPatient->actionRecords.count, 4);
  // The face and the arm whose sleeve was cut are dressed; the other arm's bandage met its sleeve.
  EXPECT_EQ(Slots().currentPatient->dressingParts, (1u << PART_HEAD) | (1u << PART_RIGHT_UPPER_ARM));
  game.Press(27);
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
}

// The player keeps a damaged save read-only: saving over it is refused with a box, loading it too, and the
// mission goes on as it was.
TEST_F(MissionSaves, ADamagedReadOnlySaveIsNeitherOverwrittenNorLoaded) {
  StartTheMission();
  fs::create_directory("savedGames");
  const std::string damaged = "MISSION 14 01/02/03 12:34:56\n0\n";
  std::ofstream("savedGames/game4034.txt") << damaged;
  fs::permissions("savedGames/game4034.txt", fs::perms::owner_read);
  const std::vector<UnitSeen> before = UnitsSeen();

  ToThePauseMenu();
  PointAndClick(kPauseSave);
  game.Frame(16);
  EXPECT_EQ(SlotScreen().slotLabel[4], "MISSION 14 01/02/03 12:34:56");
  UseSlot(4);
  std::ifstream file("savedGames/game4034.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), damaged);
  PointAndClick(kSlotBack);
  game.Frame(16);
  PointAndClick(kPauseLoad);
  game.Frame(16);
  UseSlot(4);
  EXPECT_EQ(States().gameState, STATE_LOAD_GAME);
  ASSERT_EQ(game.MessageBoxes().size(), 2u);
  EXPECT_EQ(game.MessageBoxes()[0].caption, "Unable To Save");
  EXPECT_EQ(game.MessageBoxes()[1].caption, "Unable To Load");
  EXPECT_EQ(UnitsSeen(), before);
  EXPECT_TRUE(HasCasualty(0));
  PointAndClick(kSlotBack);
  EXPECT_EQ(States().gameState, STATE_PAUSE_MENU);
}

}  // namespace
}  // namespace kestrine::scenario
