// The bushes and rocks standing round the patient in his view: fifteen billboards, pictures on planes that
// face the camera, scattered at random once per mission.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

constexpr int kBillboardCount = 15;
constexpr int kBackdropRowCount = 9;

struct BackdropRow {
  const wchar_t* path;
  float heightFactor;  // how much of the picture's height stands above its foot
  uint32_t mask;       // bit 0: scattered round the patient
  int32_t minSize;
  int32_t maxSize;
};
extern const BackdropRow kBackdropRows[kBackdropRowCount];

struct Billboard {
  engine::EngineRef<engine::EngineMesh> plane;
  engine::EngineRef<engine::EngineActor> actor;
  int32_t row = -1;    // the backdrop row it shows
  int32_t size = 0;    // width and height
  float distance = 0;  // from the patient
};

struct SceneBackdrop {
  Billboard billboards[kBillboardCount];
  // The pictures of the rows taken, by row (empty for rows not taken).
  engine::EngineRef<engine::EngineBitmap> pictures[kBackdropRowCount];
  bool attached = false;
};
// The backdrop as it stands, to look at.
const SceneBackdrop& Scenery();

// Loads the pictures of the rows whose mask has bit 0 and scatters the billboards round the patient (at the
// origin): each at a random bearing and distance, of a random taken row and size, its foot on the ground.
// Earlier billboards are released first.
void ScatterBackdrop();
// On and off the stage; ReleaseSceneParts takes them off and lets go of the billboards and their pictures
// (a second call finds nothing to do).
void AttachSceneParts();
void DetachSceneParts();
void ReleaseSceneParts();

}  // namespace kestrine
