// What the unit tests share: a headless engine with stage and camera as at start-up, a flat terrain at
// height 400 flagged as ground, an open walking grid on it, and, in a scratch data folder, soldier bodies
// whose animations are named "anim0", "anim1", ... (so a test reads the index played from the name) with
// the hand, pistol and muzzle parts, and the two weapons. Also the seed that makes the game's generator draw
// what a test needs first.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "battlefield/unit.h"
#include "battlefield/unit_array.h"
#include "core/engine_internals.h"
#include "core/model_instance.h"
#include "engine/engine.h"
#include "nav_grid_fixture.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "tools/assetgen/model_builder.h"
#include "unit/shell/headless_engine.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine::testing {

constexpr float kGroundHeight = 400.0f;

// The first seed whose first draw, modulo n, is one `wanted` takes.
inline uint32_t SeedWhere(int32_t n, const std::function<bool(int32_t)>& wanted) {
  for (uint32_t seed = 1;; ++seed) {
    srand(seed);
    if (wanted(rand() % n)) return seed;
  }
}

// A small body: a pelvis moved by each animation, a right hand holding the weapon points.
inline std::string SmallBody(int animations) {
  using assetgen::Turn;
  assetgen::ModelBuilder b;
  const int cloth = b.AddMaterial("cloth", {90, 110, 60});
  const int pelv = b.AddPart("pelv", -1, {0, 1.0f, 0});
  const int hand = b.AddPart("r_hand", pelv, {-0.5f, 0.3f, 0});
  b.AddPart("pistol", hand, {0, 0, -0.2f});
  b.AddPart("muzzle", hand, {0, 0, -0.9f});
  b.AddBox(pelv, cloth, {0, 0, 0}, {0.4f, 1.6f, 0.3f});
  for (int i = 0; i < animations; ++i)
    b.AddAnimation("anim" + std::to_string(i),
                   {{pelv, {0.0f, 1.0f + i * 0.1f}, {Turn({0, 1, 0}, 0), Turn({0, 1, 0}, 10.0f + i)}, {}}});
  return b.WriteRigid();
}

inline std::string TestWeapon() {
  assetgen::ModelBuilder b;
  const int metal = b.AddMaterial("metal", {30, 30, 30});
  b.AddBox(b.AddPart("weapon", -1, {}), metal, {0, 0, -0.2f}, {0.05f, 0.05f, 0.4f});
  return b.WriteRigid();
}

class UnitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessEngine();
    UseSoldierIcon(Engine().engineRoot->CreateBitmap(16, 16));
    SetGameClock(0);
    WriteBodies(16);
    tree_.WriteBytes("chars\\newSold\\pistol\\oh_pistol.qsad", TestWeapon());
    tree_.WriteBytes("chars\\newSold\\rifle\\oh_m16.qsad", TestWeapon());

    auto grid = Engine().engineRoot->CreateGrid(20, 20, 9.5f, 9.5f, -90.25f, 90.25f, 1);
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 20; ++c) grid->SetVertexHeight(c, r, kGroundHeight, 0);
    ground_ = Engine().engineRoot->CreateObject();
    ground_->AttachShape(grid);
    ground_->SetOptionValue(engine::EngineNode::kOptionGround);
    Engine().engineStage->AddObject(ground_);
    NavCells openGrid;
    OpenNavGrid(openGrid, kGroundHeight);
    SetNavGrid(openGrid);
  }

  void TearDown() override {
    ResetProgramState();
    ground_.Reset();
    UseSoldierIcon({});
    StopHeadlessEngine();
  }

  void WriteBodies(int animations) {
    const std::string body = SmallBody(animations);
    for (const char* path : {"chars\\newSold\\ohsold\\oh_soldr.qsad", "chars\\newSold\\oharab\\oh_arab.qsad"})
      tree_.WriteBytes(path, body);
  }

  // A unit of `kind` placed in the next slot, standing on the ground at (x, z).
  Unit& Add(int32_t kind, int32_t side, float x, float z, int32_t state = 0) {
    const int slot = Units().unitCount;
    CountNewUnit();
    PutUnit(slot, std::make_unique<Unit>(Engine().engineRoot, Engine().engineStage, kind));
    Units().units[slot]->Place(Vector3(x, kGroundHeight + 3.0f, z), side, state, slot);
    Units().units[slot]->Update(0);  // the snap to the ground every placed unit gets on its first frame
    return *Units().units[slot];
  }

  // The newest animation playing on the unit's body: its name and track.
  static const engine::AnimationTrack* Playing(const Unit& unit) {
    const auto& tracks = unit.body->Model()->Player().Tracks();
    return tracks.empty() ? nullptr : &tracks.back();
  }
  static std::wstring PlayingName(const Unit& unit) {
    const engine::AnimationTrack* track = Playing(unit);
    return track ? unit.body->GetAnimationName(track->animation) : L"";
  }

  ScratchTree tree_;
  engine::EngineRef<engine::EngineObject> ground_;
};

}  // namespace kestrine::testing
