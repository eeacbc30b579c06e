// The patient view's scene: which surroundings a mission's casualties share, the backdrop scattered round
// the patient, and the tool animations cut from their sheets and played back and forth.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

#include "casualty_view/scene_backdrop.h"
#include "casualty_view/surroundings.h"
#include "casualty_view/tool_animation.h"
#include "core/engine_internals.h"
#include "shell/engine_setup.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "tools/assetgen/generators.h"
#include "unit/casualty/headless_stage_fixture.h"

namespace kestrine {
namespace {

bool (&Occupied(std::initializer_list<int> slots))[kSurroundingsSlots] {
  static bool occupied[kSurroundingsSlots];
  for (bool& o : occupied) o = false;
  for (int slot : slots) occupied[slot] = true;
  return occupied;
}

TEST(Surroundings, TheKindOfMostCasualtiesIsLoadedAndATieGoesToTheOneMetFirst) {
  // Mission 6: tent wall, tent wall, road, tent, road, tent, tent.
  EXPECT_EQ(MostCommonSurroundingsKind(6, Occupied({0, 1, 2, 3, 4, 5, 6})), 12);
  // Two tent walls and two roads: the tent wall is met first.
  EXPECT_EQ(MostCommonSurroundingsKind(6, Occupied({0, 1, 2, 3, 4})), 10);
  // Mission 9 slots 1..4: lower, road, road, lower. The lower ground comes first, though the road is the
  // first to reach two.
  EXPECT_EQ(MostCommonSurroundingsKind(9, Occupied({1, 2, 3, 4})), 19);
  // Only the empty slots count for nothing: mission 3's last two lie on the road.
  EXPECT_EQ(MostCommonSurroundingsKind(3, Occupied({5, 6})), 14);
  EXPECT_TRUE(IsTentSurroundings(23));
  EXPECT_FALSE(IsTentSurroundings(11));
  // The open ground of mission 5 is turned for each slot; slot 6 has no row and changes nothing.
  ASSERT_TRUE(OpenGroundPlacement(9, 1));
  EXPECT_EQ(OpenGroundPlacement(9, 1)->turn, 90.0f);
  EXPECT_TRUE(OpenGroundPlacement(9, 0)->facing);
  EXPECT_FALSE(OpenGroundPlacement(9, 6));
  EXPECT_FALSE(OpenGroundPlacement(5, 5));
  EXPECT_FALSE(OpenGroundPlacement(3, 0));
}

using SceneTest = HeadlessStageTest;

TEST_F(SceneTest, BillboardsStandInARingOfBushesAndTheRocksMarkedForTheView) {
  for (uint32_t seed : {1u, 77u, 4096u}) {
    srand(seed);
    ScatterBackdrop();
    for (const Billboard& b : Scenery().billboards) {
      ASSERT_TRUE(b.actor);
      const engine::Vec3 at = b.actor->LocalPosition();
      const float distance = std::hypot(at.x, at.z);
      EXPECT_GE(distance, 24.0f - 1e-4f);
      EXPECT_LE(distance, 31.6f + 1e-4f);
      EXPECT_NE(b.row, 4);
      EXPECT_NE(b.row, 6);
      EXPECT_NE(b.row, 7);
      if (b.row <= 1) {
        EXPECT_GE(b.size, 8);
        EXPECT_LE(b.size, 13);
      } else {
        EXPECT_GE(b.size, 5);
        EXPECT_LE(b.size, 9);
      }
    }
    EXPECT_FALSE(Scenery().pictures[4]);
    EXPECT_TRUE(Scenery().pictures[8]);
  }
  AttachSceneParts();
  EXPECT_TRUE(Engine().engineStage->Contains(Scenery().billboards[3].actor.Get()));
  const auto picture = Scenery().pictures[0];
  const auto actor = Scenery().billboards[3].actor;
  // The pictures go with the billboards, and a second release finds nothing left.
  ReleaseSceneParts();
  ReleaseSceneParts();
  EXPECT_FALSE(Engine().engineStage->Contains(actor.Get()));
  EXPECT_EQ(picture->RefCount(), 1);
  EXPECT_EQ(actor->RefCount(), 1);
}

TEST(ToolAnimationFrames, FramesAreCutLeftToRightThenDownTheSheet) {
  // Nine 85-pixel frames on a sheet three wide.
  EXPECT_EQ(ToolFrameOrigin(2, 85, 85, 255).x, 170);
  EXPECT_EQ(ToolFrameOrigin(3, 85, 85, 255).x, 0);
  EXPECT_EQ(ToolFrameOrigin(3, 85, 85, 255).y, 85);
  EXPECT_EQ(ToolFrameOrigin(8, 85, 85, 255).y, 170);
  // Frames taller than wide step down by their height.
  EXPECT_EQ(ToolFrameOrigin(1, 64, 100, 64).y, 100);
}

TEST_F(SceneTest, AnAnimationOfFourFramesRunForSixStepsShowsThemBackAndForthThenHides) {
  // Four 8-pixel frames two to a row, each its own colour.
  const engine::EngineRef<engine::EngineBitmap> sheet = Engine().engineRoot->CreateBitmap(16, 16);
  const engine::Color colours[4] = {{10, 0, 0}, {0, 20, 0}, {0, 0, 30}, {40, 40, 0}};
  for (int i = 0; i < 4; ++i) {
    sheet->SetDrawColor(colours[i].r, colours[i].g, colours[i].b);
    sheet->FillRect(i % 2 * 8, i / 2 * 8, 8, 8);
  }
  tree_.WriteBytes("anim.qpg", assetgen::EncodePng(*sheet));
  ToolAnimation animation;
  animation.Load(L"anim.qpg", 8, 8, 4, 0, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(animation.frames[i]->PixelColor(4, 4), colours[i]) << i;

  animation.Start(6, 1);
  std::vector<int> shown;
  for (int update = 0; update < 8; ++update) {
    animation.Update();
    if (!animation.sprite->Visible()) break;
    const auto* face = animation.plane->FindFace(L"front");
    for (int i = 0; i < 4; ++i)
      if (face->image.Get() == animation.frames[i].Get()) shown.push_back(i);
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 3, 2, 1, 1}));
  EXPECT_EQ(animation.stepsLeft, -1);

  // Stopping one that is not running leaves it hidden and stopped.
  animation.Stop();
  EXPECT_FALSE(animation.sprite->Visible());
  EXPECT_EQ(animation.stepsLeft, -1);
  // Its six further values are zero until they are set, and then all six are kept.
  EXPECT_EQ(std::vector<int32_t>(std::begin(animation.params), std::end(animation.params)),
            (std::vector<int32_t>{0, 0, 0, 0, 0, 0}));
  animation.SetParams({3, -1, 4, 1, -5, 9});
  EXPECT_EQ(std::vector<int32_t>(std::begin(animation.params), std::end(animation.params)),
            (std::vector<int32_t>{3, -1, 4, 1, -5, 9}));
  animation.Release();
}

}  // namespace
}  // namespace kestrine
