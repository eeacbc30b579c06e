// The shared hot-spot list: strict hit tests, first entry wins, the click and rollover ticks, the 20-entry
// limit, and the labels the buttons draw.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "screen_2d_fixture.h"
#include "shell/engine_setup.h"
#include "shell/hotspots.h"
#include "shell/sound_table.h"

namespace kestrine {
namespace {

using testing::FindColour;
using testing::PixelBox;
using testing::Rgb;

const engine::Color kHighlight = Rgb(255, 226, 73);

class HotspotsTest : public testing::Screen2dTest {
 protected:
  void SetUp() override {
    Screen2dTest::SetUp();
    CreateOverlays();
    engine::PcmData pcm;
    pcm.samples.assign(22050, 1000);  // one second: still playing right after it starts
    SetSoundSlot(SOUND_TICK_CLICK, engine::MakeEngine<engine::EngineSound>(&engine::CoreOf(*Engine().engineRoot), pcm));
    SetSoundSlot(SOUND_TICK_HOVER, engine::MakeEngine<engine::EngineSound>(&engine::CoreOf(*Engine().engineRoot), pcm));
  }
  // Runs `action` and says which ticks it played: {click, rollover}.
  template <class F>
  std::pair<bool, bool> Ticks(F action) {
    Sounds().soundTable[SOUND_TICK_CLICK]->Stop();
    Sounds().soundTable[SOUND_TICK_HOVER]->Stop();
    action();
    return {Sounds().soundTable[SOUND_TICK_CLICK]->IsPlaying() != 0,
            Sounds().soundTable[SOUND_TICK_HOVER]->IsPlaying() != 0};
  }
};

TEST_F(HotspotsTest, OverlappingEntriesFirstRegisteredWinsAndClearingKeepsTheIndex) {
  AddHotspotRect(0, 0, 0, 0);  // an empty entry: never hit, but it holds index 0
  AddHotspotRect(100, 100, 200, 100);
  AddHotspotRect(150, 120, 50, 50);
  EXPECT_FALSE(HotspotClick(0, 0));
  EXPECT_TRUE(HotspotClick(160, 130));
  EXPECT_EQ(Hotspots().hotspotIndex, 1);
  EXPECT_TRUE(HotspotHover(160, 130));
  EXPECT_EQ(Hotspots().hotspotIndex, 1);

  ClearHotspots();
  EXPECT_EQ(Hotspots().MenuHotspots.count, 0);
  EXPECT_EQ(Hotspots().MenuHotspots.entries[0].kind, HOTSPOT_FREE);
  EXPECT_EQ(Hotspots().hotspotIndex, 1);
  EXPECT_FALSE(HotspotHover(160, 130));
}

TEST_F(HotspotsTest, EdgesAreOutside) {
  AddHotspotRect(100, 200, 50, 20);  // 100..150 x 200..220
  EXPECT_TRUE(HotspotClick(101, 201));
  EXPECT_TRUE(HotspotClick(149, 219));
  // A click exactly on the left edge misses and forgets the previous choice; so do the other edges.
  for (auto [x, y] : {std::pair{100, 210}, {150, 210}, {120, 200}, {120, 220}}) {
    ChooseHotspot(0);
    EXPECT_FALSE(HotspotClick(x, y)) << x << "," << y;
    EXPECT_EQ(Hotspots().hotspotIndex, -1);
    ChooseHotspot(0);
    EXPECT_FALSE(HotspotHover(x, y)) << x << "," << y;
    EXPECT_EQ(Hotspots().hotspotIndex, -1);
  }
}

TEST_F(HotspotsTest, ClickTicksOnEveryHitRolloverOncePerChange) {
  AddHotspotRect(10, 10, 100, 30);  // 0
  AddHotspotRect(10, 50, 100, 30);  // 1
  EXPECT_EQ(Ticks([] { HotspotClick(50, 20); }), std::pair(true, false));
  EXPECT_EQ(Ticks([] { HotspotClick(50, 20); }), std::pair(true, false));
  EXPECT_EQ(Ticks([] { HotspotClick(500, 20); }), std::pair(false, false));

  EXPECT_EQ(Ticks([] { HotspotHover(20, 20); }), std::pair(false, true));
  EXPECT_EQ(Ticks([] { EXPECT_TRUE(HotspotHover(100, 35)); }), std::pair(false, false));  // within the button
  EXPECT_EQ(Ticks([] { HotspotHover(20, 60); }), std::pair(false, true));                 // the next one
  EXPECT_EQ(Hotspots().hotspotIndex, 1);
  EXPECT_EQ(Ticks([] { HotspotHover(21, 61); }), std::pair(false, false));
  // Off every button and back onto the same one counts as a change again.
  EXPECT_EQ(Ticks([] { HotspotHover(300, 300); }), std::pair(false, false));
  EXPECT_EQ(Ticks([] { HotspotHover(21, 61); }), std::pair(false, true));
}

TEST_F(HotspotsTest, TheTwentyFirstEntryIsRefused) {
  for (int i = 0; i < kMaxMenuHotspots; ++i) AddHotspotRect(0, 20 * i, 100, 20);
  engine::CoreOf(*Engine().engineRoot).ClearDebugLog();
  AddHotspotRect(200, 0, 100, 100);
  AddMenuButton(Overlays().menuCanvas, 300, 300, 100, 20, L"EXTRA");
  EXPECT_EQ(Hotspots().MenuHotspots.count, 20);
  EXPECT_NE(engine::CoreOf(*Engine().engineRoot).DebugLog().find("hot-spot list full"), std::string::npos);
  EXPECT_FALSE(HotspotClick(250, 50));
  EXPECT_FALSE(HotspotClick(350, 310));
  EXPECT_TRUE(HotspotClick(50, 395));
  EXPECT_EQ(Hotspots().hotspotIndex, 19);
}

TEST_F(HotspotsTest, MenuButtonDrawsItsLabelCentredAndHighlightedWhenHovered) {
  // The disclaimer's buttons in full-screen units: (402, 435) and (402, 408), 170 x 22.
  AddMenuButton(Overlays().menuCanvas, 402, 435, 170, 22, L"ACCEPT DISCLAIMER");
  ASSERT_EQ(Hotspots().MenuHotspots.count, 1);
  const MenuHotspot& entry = Hotspots().MenuHotspots.entries[0];
  EXPECT_EQ(entry.kind, HOTSPOT_TEXT_BUTTON);
  EXPECT_EQ(std::make_pair(entry.x0, entry.y0), std::make_pair(402.0, 435.0));
  EXPECT_EQ(std::make_pair(entry.x1, entry.y1), std::make_pair(572.0, 457.0));
  const PixelBox ink = FindColour(Overlays().menuCanvas, kPaleYellow);
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 487.0, 4.0);
  EXPECT_GE(ink.top, 435);
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);  // only on the image it was given

  // Hovered, then redrawn as the screens do: the second label comes out highlighted.
  AddMenuButton(Overlays().menuCanvas, 402, 408, 170, 22, L"REJECT DISCLAIMER");
  ASSERT_TRUE(HotspotHover(450, 420));
  ClearMenuCanvas();
  ClearHotspots();
  AddMenuButton(Overlays().menuCanvas, 402, 435, 170, 22, L"ACCEPT DISCLAIMER");
  AddMenuButton(Overlays().menuCanvas, 402, 408, 170, 22, L"REJECT DISCLAIMER");
  EXPECT_LT(FindColour(Overlays().menuCanvas, kHighlight).bottom, 435);
  EXPECT_GE(FindColour(Overlays().menuCanvas, kPaleYellow).top, 435);
}

TEST_F(HotspotsTest, FractionsAreOfTheScreen) {
  AddMenuButton(Overlays().menuCanvas, 0.5, 0.5, 0.25, 0.05, L"CONTINUE");
  AddHotspotRectFraction(0.25, 0.5, 0.125, 50.0);
  const MenuHotspot& button = Hotspots().MenuHotspots.entries[0];
  const MenuHotspot& rect = Hotspots().MenuHotspots.entries[1];
  EXPECT_EQ(std::make_pair(button.x0, button.y1), std::make_pair(320.0, 264.0));
  EXPECT_EQ(rect.kind, HOTSPOT_RECT);
  EXPECT_EQ(std::vector<double>({rect.x0, rect.y0, rect.x1, rect.y1}), std::vector<double>({160, 240, 240, 290}));
}

TEST_F(HotspotsTest, MenuTextIsClickableAllOverItsLabel) {
  // The development notes' MAIN MENU, centred at 0.8 of the screen, and a small label near the right edge.
  AddMenuText(0.8, 0.3, 0.5, 0.09, L"MAIN MENU");
  const MenuHotspot& entry = Hotspots().MenuHotspots.entries[0];
  EXPECT_EQ(std::make_pair(entry.x0, entry.x1), std::make_pair(512.0 - 160, 512.0 + 160));
  EXPECT_EQ(entry.y0, 144.0);
  PixelBox ink = FindColour(ScreenText().textOverlay, kPaleYellow);
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 512.0, 4.0);
  EXPECT_TRUE(HotspotClick(ink.left, ink.top + 1));
  EXPECT_TRUE(HotspotClick(ink.right, ink.bottom));

  ClearTextOverlay();
  ClearHotspots();
  ForgetHotspot();  // else the new label 0 would come out highlighted, as the last click chose entry 0
  AddMenuText(0.9, 0.5, 0.1, 0.05, L"OK");
  ink = FindColour(ScreenText().textOverlay, kPaleYellow);
  EXPECT_TRUE(HotspotClick((ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2));
  EXPECT_FALSE(HotspotClick(300, (ink.top + ink.bottom) / 2));
}

}  // namespace
}  // namespace kestrine
