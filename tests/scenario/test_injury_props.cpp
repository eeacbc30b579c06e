// The patients of the wounds that show an object, built in the running program on the generated data as the
// patient view builds its casualties: each has his prop (and the turban when he wears one), the Action
// starts it, and letting him go through his casualty slot leaves nothing on the stage and nothing missing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "harness.h"
#include "shell/globals.h"

namespace kestrine::scenario {
namespace {

TEST(InjuryProps, EveryPropWoundIsBuiltWithItsPropAndLetGoWithNothingLeft) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  const size_t before = engineStage->Objects().size();
  int turbans = 0;
  for (int32_t appearance = 0; appearance < 4; ++appearance) {
    for (int32_t wound : {0, 1, 2, 6, 20, 40, 41, 54}) {
      SCOPED_TRACE("wound " + std::to_string(wound) + ", appearance " + std::to_string(appearance));
      casualties[0] = std::make_unique<Patient>(engineRoot, engineStage, wound, appearance, nullptr);
      Patient& patient = *casualties[0];
      ASSERT_TRUE(patient.prop);
      EXPECT_TRUE(patient.prop->model);
      // (The amputation body, for the vehicle's wound and the run's first own soldier, is never an enemy's.)
      EXPECT_EQ(static_cast<bool>(patient.turban), patient.appearance == 3);
      turbans += patient.turban ? 1 : 0;
      EXPECT_GT(engineStage->Objects().size(), before);
      patient.Body().ShowTreatmentVisual({VISUAL_INJURY_PROP_START, PART_ABDOMEN, TOOL_ACTION});
      for (int frame = 0; frame < 30; ++frame) patient.prop->Update();

      DeleteCasualty(0);
      EXPECT_EQ(engineStage->Objects().size(), before);
    }
  }
  EXPECT_EQ(turbans, 7);  // every wound but the vehicle's, for the enemy with a turban
  EXPECT_EQ(game.DebugLog().find("missing asset"), std::string::npos) << game.DebugLog();
  game.Close();
}

}  // namespace
}  // namespace kestrine::scenario
