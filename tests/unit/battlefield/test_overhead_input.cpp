// The overhead view's input and head-up display on a small battlefield of the test's making: the buttons'
// regions by the medic's reach, the rifle's bursts and clip change, letting go of a casualty by the landing
// point, the mini-map's corner, where a casualty's patient view is set, the labels on their plates, the
// display's texts, the strategy marker's glow and the editor's out-of-range fields.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "battlefield/battle_state.h"
#include "battlefield/medic_drag.h"
#include "battlefield/mini_map.h"
#include "battlefield/mission_state.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/overhead_hud.h"
#include "battlefield/overhead_keys.h"
#include "battlefield/overhead_mouse.h"
#include "battlefield/strategy_editor_display.h"
#include "battlefield/strategy_markers.h"
#include "battlefield/strategy_table.h"
#include "casualty/backpack.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/screen_text.h"
#include "strategy_fixture.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::kGroundHeight;

class OverheadInputTest : public testing::UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    StoreGameStateWithoutEntry(STATE_OVERHEAD);
    SetGameClock(50000);
    // Straight down on the middle of the battlefield: the screen's centre picks the ground at (0, 0).
    Engine().engineCamera->SetPosition(0, 600, 0);
    Engine().engineCamera->SetDirectionUp(0, -1, 0, 0, 0, 1);
    Add(kUnitKindMedic, kSidePlayer, 20, 0);
  }
  Unit& Medic() { return *Units().units[0]; }
  void ClickCentre() {
    SetGameClock(Clock().gameClock + 2000);  // past any wait for the next shot
    OverheadMouse(engine::kMouseLeftUp, 320, 240);
  }
  static void Press(int32_t id) {
    const HotspotBox box = OverheadHotspotBox(id);
    OverheadMouse(engine::kMouseLeftUp, box.x + box.width / 2, box.y + box.height / 2);
  }
};

TEST_F(OverheadInputTest, TheCasualtyButtonsAreThereOnlyWithinSevenOfTheNearestCasualty) {
  const HotspotBox view = OverheadHotspotBox(OVERHEAD_VIEW_PATIENT);
  EXPECT_EQ(view.x, 230);  // 228 x 640 / 634
  EXPECT_EQ(view.y, 418);  // 397 x 480 / 455
  SetNearestPatient(Battle().nearestPatientUnit, 7.0);
  SetOverheadHotspots();
  ASSERT_EQ(Hotspots().MenuHotspots.count, kOverheadHotspotCount);
  for (int id : {OVERHEAD_VIEW_PATIENT, OVERHEAD_DRAG_PATIENT}) {
    const MenuHotspot& e = Hotspots().MenuHotspots.entries[id];
    EXPECT_EQ(e.x0 + e.y0 + e.x1 + e.y1, 0.0) << id;
  }
  EXPECT_FALSE(HotspotClick(view.x + 60, view.y + 11));
  EXPECT_TRUE(HotspotClick(view.x + 150, view.y + 20));  // the pistol beside it is always there
  EXPECT_EQ(Hotspots().hotspotIndex, OVERHEAD_PISTOL);

  SetNearestPatient(Battle().nearestPatientUnit, 6.99);
  SetOverheadHotspots();
  EXPECT_TRUE(HotspotClick(view.x + 60, view.y + 11));
  EXPECT_EQ(Hotspots().hotspotIndex, OVERHEAD_VIEW_PATIENT);
}

TEST_F(OverheadInputTest, TheRifleFiresInBurstsOfThreeAndAFreshClipHoldsTheNextShotASecond) {
  Medic().weapon = WEAPON_RIFLE;
  SetToolCount(1, 31);
  ClickCentre();
  EXPECT_EQ(Pack().count[1], 30);
  EXPECT_TRUE(Medic().firing) << "the shot went before the clip change held the next one back";
  EXPECT_EQ(Medic().nextShotTime, Clock().gameClock + 1000);
  OverheadMouse(engine::kMouseLeftUp, 320, 240);  // within the second: nothing
  EXPECT_EQ(Pack().count[1], 30);
  ClickCentre();
  EXPECT_EQ(Pack().count[1], 27);
  EXPECT_EQ(Medic().nextShotTime, Clock().gameClock + 200);  // the rifle's own pace
  SetToolCount(1, 2);
  ClickCentre();
  EXPECT_EQ(Pack().count[1], 0);
  EXPECT_EQ(Medic().nextShotTime, Clock().gameClock + 1000);
  ClickCentre();  // empty: no shot
  EXPECT_EQ(Pack().count[1], 0);
  EXPECT_LT(Medic().nextShotTime, Clock().gameClock);
}

TEST_F(OverheadInputTest, ACasualtyReadiedForEvacuationIsDeliveredWhenLetGoWithinTwelveOfTheLandingPoint) {
  SetFirstPatientUnit(Units().unitCount);
  Unit& casualty = Add(kUnitKindAlly, kSideAlly, 22, 0, 2);
  SetEvacuationPoint(Vector3(-30, kGroundHeight, 0));
  for (const auto& [distance, state] : {std::pair{11.9f, 3}, std::pair{12.0f, 2}}) {
    casualty.state = 2;
    SetNearestPatient(Units().firstPatientUnit, Battle().nearestPatientDistance);
    SetNearestPatient(Battle().nearestPatientUnit, 2.0);
    SetOverheadHotspots();
    Press(OVERHEAD_DRAG_PATIENT);
    ASSERT_TRUE(MedicDrag().dragging);
    EXPECT_EQ(casualty.draggedBy, 0);
    EXPECT_EQ(MedicDrag().draggedUnit, Units().firstPatientUnit);
    casualty.SetPosition(Battle().evacuationPoint + Vector3(distance, 0, 0));
    Press(OVERHEAD_DRAG_PATIENT);
    EXPECT_EQ(casualty.state, state) << distance;
    EXPECT_FALSE(MedicDrag().dragging);
    EXPECT_EQ(casualty.draggedBy, -1);
    EXPECT_EQ(MedicDrag().draggedUnit, 0);
  }
}

TEST_F(OverheadInputTest, CLetsGoOfTheCasualtyBeingDraggedEvenWhenAnotherIsNowNearest) {
  SetFirstPatientUnit(Units().unitCount);
  Unit& dragged = Add(kUnitKindAlly, kSideAlly, 22, 0, 1);
  Unit& other = Add(kUnitKindAlly, kSideAlly, 18, 0, 1);
  SetNearestPatient(Units().firstPatientUnit, Battle().nearestPatientDistance);
  StartDragging();
  ASSERT_EQ(dragged.draggedBy, 0);
  SetNearestPatient(Units().firstPatientUnit + 1, Battle().nearestPatientDistance);
  OverheadKey('C', true);
  EXPECT_EQ(dragged.draggedBy, -1);
  EXPECT_EQ(other.draggedBy, -1);
  EXPECT_FALSE(MedicDrag().dragging);
}

TEST_F(OverheadInputTest, AButtonPressForAStaleNearestIndexDoesNothing) {
  // Left over from a bigger mission: no unit, or a soldier rather than a casualty.
  SetFirstPatientUnit(Units().unitCount);
  Add(kUnitKindAlly, kSideAlly, 22, 0, 0);
  SetNearestPatient(Battle().nearestPatientUnit, 2.0);
  SetOverheadHotspots();
  for (int32_t stale : {7, 1}) {
    SetNearestPatient(stale, Battle().nearestPatientDistance);
    Press(OVERHEAD_DRAG_PATIENT);
    EXPECT_FALSE(MedicDrag().dragging);
    Press(OVERHEAD_VIEW_PATIENT);
    EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  }
}

TEST_F(OverheadInputTest, TheMiniMapsCornersAreTheWorldSquaresAndARightClickThereWalksTheMedic) {
  const MiniMapCorner corner = MiniMapOrigin();
  EXPECT_EQ(corner.x, 19);   // 640 x 19 / 634
  EXPECT_EQ(corner.y, 363);  // 480 x 345 / 455
  const Vector3 top = MiniMapToWorld(corner.x, corner.y);
  EXPECT_FLOAT_EQ(top.x, -90.0f);
  EXPECT_FLOAT_EQ(top.y, 415.0f);
  EXPECT_FLOAT_EQ(top.z, 90.0f);
  const Vector3 bottom = MiniMapToWorld(corner.x + 64, corner.y + 64);
  EXPECT_FLOAT_EQ(bottom.x, 90.0f);
  EXPECT_FLOAT_EQ(bottom.z, -90.0f);

  SetNearestPatient(Battle().nearestPatientUnit, 999.0);
  SetOverheadHotspots();
  // 16 pixels in from the left and 32 up from the bottom: x = 16 x 2.8125 - 90 = -45, z = 0.
  OverheadMouse(engine::kMouseRightUp, corner.x + 16, corner.y + 32);
  EXPECT_EQ(Medic().targetCell, CellAt(Vector3(-45.0f, 0.0f, 0.0f)));
}

TEST_F(OverheadInputTest, ThePatientLocationIsTheCheapestReachablePlaceAndAtMostSix) {
  auto place = [](int32_t e, int32_t injury, float x, float z) {
    EditStrategyEntry(e, [&](StrategyEntry& edited) { edited.injury = injury; });
    EditStrategyEntry(e, [&](StrategyEntry& edited) { edited.pos = Vector3(x, kGroundHeight, z); });
  };
  // Entry 0 is no casualty's; entry 1 lies on a walled-in pair of cells; entry 2 is far, entry 3 near.
  place(0, 0, 24, 0);
  place(1, 1, 40, 40);
  place(2, 1, -60, -60);
  place(3, 1, 28, 0);
  NavCells grid;
  CopyNavGrid(grid);
  testing::BlockCell(grid, 30, 30);
  testing::BlockCell(grid, 31, 30);
  grid[30][30].mask |= 1 << 2;
  grid[30][31].mask |= 1 << 6;
  SetNavGrid(grid);
  const Vector3 at(20, kGroundHeight, 0);
  EXPECT_EQ(ChoosePatientLocation(at), 2);
  place(3, 0, 28, 0);
  EXPECT_EQ(ChoosePatientLocation(at), 1) << "the walled-in place is never the nearest";
  place(2, 0, 0, 0);
  EXPECT_EQ(ChoosePatientLocation(at), 0) << "nothing reachable";
  for (int32_t e = 4; e < 12; ++e) place(e, 1, 70, 70);
  place(12, 1, 24, 0);  // the tenth casualty place is the nearest
  EXPECT_EQ(ChoosePatientLocation(at), 6);
}

// Pixels of exactly (r, g, b) in a rectangle of the text overlay.
int Pixels(int x, int y, int w, int h, int r, int g, int b) {
  int n = 0;
  const uint32_t want = engine::EngineBitmap::MakeColor(r, g, b).Packed();
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) n += ScreenText().textOverlay->Pixel(i, j) == want ? 1 : 0;
  return n;
}

TEST_F(OverheadInputTest, LabelsAreDrawnOnTheirPlatesAndDropReplacesDragWithoutATrace) {
  CreateTextOverlay();
  missionState.overheadImage = Engine().engineRoot->CreateBitmap(640, 125);
  missionState.overheadImage->Clear(40, 46, 34);
  auto freshStrip = [] {
    ClearTextOverlay();
    ScreenText().textOverlay->DrawBitmap(missionState.overheadImage, 0, 0, 0, 640, 125, 0, 355, 640, 125);
  };
  SetFirstPatientUnit(Units().unitCount);
  Add(kUnitKindAlly, kSideAlly, 22, 0, 1);
  SetNearestPatient(Units().firstPatientUnit, Battle().nearestPatientDistance);
  const HotspotBox drag = OverheadHotspotBox(OVERHEAD_DRAG_PATIENT);

  SetNearestPatient(Battle().nearestPatientUnit, 7.0);
  freshStrip();
  DrawOverheadLabels();
  EXPECT_GT(Pixels(drag.x, drag.y - 4, drag.width, drag.height + 8, 150, 150, 150), 20);
  EXPECT_EQ(Pixels(drag.x, drag.y - 4, drag.width, drag.height + 8, 235, 247, 195), 0);

  SetNearestPatient(Battle().nearestPatientUnit, 3.0);
  DrawOverheadLabels();
  EXPECT_GT(Pixels(drag.x, drag.y - 4, drag.width, drag.height + 8, 235, 247, 195), 20);
  EXPECT_EQ(Pixels(drag.x, drag.y - 4, drag.width, drag.height + 8, 150, 150, 150), 0) << "the grey is painted over";
  EXPECT_EQ(Pixels(0, 355, 640, 125, 255, 0, 0), 0) << "no label punches through its plate";

  const auto labelPixels = [&] {
    DrawOverheadLabels();
    std::vector<uint32_t> pixels;
    for (int j = drag.y - 4; j < drag.y + drag.height + 4; ++j)
      for (int i = drag.x; i < drag.x + drag.width; ++i) pixels.push_back(ScreenText().textOverlay->Pixel(i, j));
    return pixels;
  };
  StartDrag(MedicDrag().draggedUnit);
  const std::vector<uint32_t> redrawn = labelPixels();
  freshStrip();
  EXPECT_EQ(labelPixels(), redrawn) << "DROP PATIENT over DRAG PATIENT looks as on a fresh strip";
  missionState.overheadImage.Reset();
}

TEST(OverheadHudTexts, ClockRoundsAndProgress) {
  EXPECT_EQ(HudClockText(61500), L"Time: 01:01");
  EXPECT_EQ(HudClockText(999), L"Time: 00:00");
  EXPECT_EQ(HudClockText(-400), L"Time: 00:00");
  EXPECT_EQ(HudClockText(600000), L"Time: 10:00");
  EXPECT_EQ(RifleRoundsText(45), L"  45/15");
  EXPECT_EQ(RifleRoundsText(300), L" 300/ 0");
  EXPECT_EQ(PatientProgressText(10, 2), L"You: 100%  ");
  EXPECT_EQ(PatientProgressText(5, 1), L"You:  44%  ");  // 4 x 100 / 9
  EXPECT_EQ(PatientProgressText(2, 2), L"You: 1%    ");
}

TEST_F(OverheadInputTest, TheStrategyMarkerGlowsDownToSixtyThenUpToFullInItsSidesColour) {
  strategyMarkerState.strategyMarkerPlanes[0] = Engine().engineRoot->CreatePlane(2, 2, 1, 0, 0, 1);
  EditStrategyEntry(0, [&](StrategyEntry& edited) { edited.side = ENEMY; });
  SetStrategyCursor(0);
  EXPECT_EQ(StrategyMarkerPulse(), 128);
  PulseStrategyMarker(100);
  EXPECT_EQ(StrategyMarkerPulse(), 108);
  EXPECT_EQ(strategyMarkerState.strategyMarkerPlanes[0]->FindFace(L"front")->color,
            engine::EngineBitmap::MakeColor(108, 10, 10));
  int32_t lowest = 255, highest = 0;
  for (int i = 0; i < 40; ++i, PulseStrategyMarker(100)) {
    lowest = std::min(lowest, StrategyMarkerPulse());
    highest = std::max(highest, StrategyMarkerPulse());
  }
  EXPECT_EQ(std::pair(lowest, highest), std::pair(60, 255));
  EditStrategyEntry(0, [&](StrategyEntry& edited) { edited.side = ALLY; });
  EditStrategyEntry(0, [&](StrategyEntry& edited) { edited.injury = 2; });
  PulseStrategyMarker(0);
  const int v = StrategyMarkerPulse();
  EXPECT_EQ(strategyMarkerState.strategyMarkerPlanes[0]->FindFace(L"front")->color,
            engine::EngineBitmap::MakeColor(v, v, 10));
  strategyMarkerState.strategyMarkerPlanes[0].Reset();
}

TEST(StrategyEditorDisplay, FieldsOutOfRangeAreShownAsTheirDefaults) {
  StrategyEntry e;
  std::tie(e.orders, e.injury, e.patrol, e.vehicle, e.side) = std::tuple(12, 7, 35, 5, 4);
  KeepStrategyEntryInRange(e);
  EXPECT_EQ(std::tuple(e.orders, e.injury, e.patrol, e.vehicle, e.side), std::tuple(0, 0, 0, 0, 1));
  std::tie(e.orders, e.injury, e.patrol, e.vehicle, e.side) = std::tuple(11, 6, 34, 4, 3);
  KeepStrategyEntryInRange(e);
  EXPECT_EQ(std::tuple(e.orders, e.injury, e.patrol, e.vehicle, e.side), std::tuple(11, 6, 34, 4, 3));
  e.side = -1;
  e.orders = -1;
  KeepStrategyEntryInRange(e);
  EXPECT_EQ(e.side, 1);
  EXPECT_EQ(e.orders, 0);
}

}  // namespace
}  // namespace kestrine
