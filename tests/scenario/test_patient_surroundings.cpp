// The land round a casualty in the patient view is the land of his mission: a woodland mission's patient lies
// on green earth, a desert mission's on sand. The mission is started, its first casualty opened, and the
// ground of the surroundings model the view loaded is read from the data the game read it from.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "casualty/casualty_slots.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/surroundings.h"
#include "casualty_view/surroundings_kinds.h"
#include "core/gltf_reader.h"
#include "engine/game_path.h"
#include "harness.h"
#include "player_road.h"
#include "shell/game_state.h"

namespace kestrine::scenario {
namespace {

// The colour of the "ground" material of the surroundings model of `kind`, as the data holds it.
engine::Color GroundOfKind(int32_t kind) {
  const auto path = engine::ResolveGamePath(SurroundingsModelPath(kind));
  EXPECT_TRUE(path) << "no model for kind " << kind;
  if (!path) return {};
  std::ifstream in(*path, std::ios::binary);
  std::string error;
  const auto model =
      engine::ReadModelFile(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), error);
  EXPECT_TRUE(model) << error;
  if (!model) return {};
  for (const auto& material : model->materials)
    if (material.name == L"ground") return material.color;
  ADD_FAILURE() << "kind " << kind << " has no ground";
  return {};
}

class PatientSurroundings : public AtTheDisclaimer {
 protected:
  // The ground the first casualty of `mission` lies on when the player opens him.
  engine::Color GroundOfFirstCasualty(int32_t mission) {
    EXPECT_TRUE(StartMission(mission, 0));
    SetCurrentCasualtyIndex(0);
    SetGameState(STATE_PATIENT_VIEW);
    game.Frames(2, 16);
    EXPECT_EQ(States().gameState, STATE_PATIENT_VIEW);
    EXPECT_EQ(PatientView().loadedKind, SurroundingsKindFor(mission, 0));
    return GroundOfKind(PatientView().loadedKind);
  }
};

TEST_F(PatientSurroundings, TheWoodlandTrainingMissionLiesOnGreenEarth) {
  const engine::Color ground = GroundOfFirstCasualty(11);
  EXPECT_GT(ground.g, ground.r);
  EXPECT_GT(ground.g, ground.b);
}

TEST_F(PatientSurroundings, TheFirstCampaignMissionLiesOnSand) {
  const engine::Color ground = GroundOfFirstCasualty(1);
  EXPECT_GT(ground.r, ground.g);
  EXPECT_GT(ground.g, ground.b);
}

}  // namespace
}  // namespace kestrine::scenario
