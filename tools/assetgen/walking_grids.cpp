// The walking grid of every terrain folder, built by the game's own builder from what the folder's mission
// lays out: its terrain and its level objects, loaded on the headless engine from the tree written so far.
// The game reads these files and never has to probe the battlefield on a mission's first start.
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "battlefield/casualty_cases.h"
#include "battlefield/mission_load.h"
#include "battlefield/nav_grid_build.h"
#include "battlefield/nav_grid_file.h"
#include "core/engine_internals.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/mission_generators.h"
#include "tools/assetgen/mission_terrain.h"

namespace assetgen {

void WriteWalkingGrids(DataTree& tree) {
  using namespace kestrine;
  // The engine finds the data by paths relative to the working folder, as the game's own does.
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(tree.Root());
  ResetProgramState();
  UseEngine(engine::CreateEngineRoot("headless"));
  engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(false);
  const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
  UseEngine(Engine().engineRoot, stage, stage->GetCamera());
  UseEngineLights(Engine().engineRoot->CreateLight(0), Engine().engineRoot->CreateLight(3));
  CreateTextOverlay();
  CreateOverlays();
  for (int32_t mission = 1; mission <= kTerrainFolderCount; ++mission) {
    GoToMission(mission);
    ChooseDifficulty(0);
    SetUpMissionCasualties();
    LoadMission(mission, 0);
    NavCells grid;
    CopyNavGrid(grid);
    ComputeNavGrid(grid);
    SetNavGrid(grid);
    const std::vector<uint8_t> bytes = EncodeNavGrid(Nav().NavGrid);
    tree.WriteBytes(CanonicalPath(NavGridFilePath(mission)), std::string(bytes.begin(), bytes.end()));
    UnloadMission();
  }
  const std::vector<std::string> damaged = engine::CoreOf(*Engine().engineRoot).DamagedAssets();
  ResetProgramState();
  std::filesystem::current_path(before);
  // A grid built without a model or a height file would be built on the wrong battlefield.
  if (!damaged.empty()) throw std::runtime_error("walking grids: missing or damaged " + damaged.front());
}

}  // namespace assetgen
