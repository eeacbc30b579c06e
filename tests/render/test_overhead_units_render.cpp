// The first mission's overhead view as a newcomer meets it (default camera): the medic a figure of some
// size on his white ring, and the wounded soldier's ring. Each is measured as the pixels that
// change when it alone is taken off the stage and the same scene is drawn again.
#include <algorithm>

#include "battlefield/casualty_cases.h"
#include "battlefield/unit_array.h"
#include "render/sdl_game_fixture.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"

namespace kestrine::scenario {
namespace {

struct Footprint {
  int pixels = 0;
  int width = 0;
  int height = 0;
};

// Where two pictures of the same scene differ: how many pixels, and the size of the box round them.
Footprint Difference(const FrameImage& a, const FrameImage& b) {
  Footprint f;
  int x0 = a->GetWidth(), y0 = a->GetHeight(), x1 = -1, y1 = -1;
  for (int y = 0; y < a->GetHeight(); ++y)
    for (int x = 0; x < a->GetWidth(); ++x) {
      if (a->Pixel(x, y) == b->Pixel(x, y)) continue;
      ++f.pixels;
      x0 = std::min(x0, x);
      y0 = std::min(y0, y);
      x1 = std::max(x1, x);
      y1 = std::max(y1, y);
    }
  if (f.pixels > 0) {
    f.width = x1 - x0 + 1;
    f.height = y1 - y0 + 1;
  }
  return f;
}

class OverheadUnitsRender : public SdlGameFixture {
 protected:
  // The scene drawn again as it stands (no time passes), and its picture.
  FrameImage Redrawn(const std::string& what) {
    Engine().engineRoot->Render();
    return Capture(what);
  }
};

TEST_F(OverheadUnitsRender, TheMedicIsAFigureWithHisPlateAndTheWoundedHaveTheirs) {
  ASSERT_NO_FATAL_FAILURE(StartToTheDisclaimer());
  GoToMission(1);
  ChooseDifficulty(0);
  SetUpMissionCasualties();
  SetGameState(STATE_START_MISSION);
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  game_->Frames(12, 50);  // past the start
  ASSERT_EQ(States().gameState, STATE_OVERHEAD);
  Unit& medic = *Units().units[0];

  const FrameImage all = Redrawn("all");
  medic.body->SetVisible(0);
  const FrameImage noBody = Redrawn("no-body");
  medic.marker->SetVisible(0);
  const FrameImage noMedic = Redrawn("no-medic");
  medic.body->SetVisible(1);
  medic.marker->SetVisible(1);

  const Footprint body = Difference(all, noBody);
  const Footprint plate = Difference(noBody, noMedic);
  // A figure, not a speck; and round him a plate wider than he is.
  EXPECT_GE(std::max(body.width, body.height), 12);
  EXPECT_GE(body.pixels, 40);
  EXPECT_GE(plate.pixels, 250);
  EXPECT_GE(std::min(plate.width, plate.height), 22);

  // A wounded soldier brought into the medic's view lies on his own plate.
  Unit* casualty = nullptr;
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount && !casualty; ++i)
    if (Units().units[i] && Units().units[i]->state == 1) casualty = Units().units[i].get();
  ASSERT_NE(casualty, nullptr);
  casualty->SetPosition(medic.pos + Vector3(8.0f, 0.0f, 4.0f));
  game_->Frames(2, 16);
  const FrameImage withPlate = Redrawn("casualty");
  casualty->marker->SetVisible(0);
  const FrameImage withoutPlate = Redrawn("casualty-no-plate");
  casualty->marker->SetVisible(1);
  const Footprint lying = Difference(withPlate, withoutPlate);
  EXPECT_GE(lying.pixels, 250);
  EXPECT_GE(std::min(lying.width, lying.height), 22);
  game_->Close();
}

}  // namespace
}  // namespace kestrine::scenario
