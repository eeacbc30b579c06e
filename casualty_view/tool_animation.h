// Short flip-book animations of tools at work on the patient (the saw, the syringe, the scissors, the
// irrigation syringe, the sponge, the laryngoscope, the gel): frames cut from one picture sheet, shown on a
// small plane that faces the camera, run forwards and back again for a number of steps, then hidden.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

constexpr int kToolAnimationCount = 7;
constexpr int kMaxToolAnimationFrames = 9;

enum ToolAnimationId : int32_t {
  ANIM_SAW = 0,
  ANIM_SYRINGE = 1,
  ANIM_SCISSORS = 2,
  ANIM_IRRIGATION = 3,
  ANIM_SPONGE = 4,
  ANIM_LARYNGOSCOPE = 5,
  ANIM_GEL = 6,
};

// Where frame i lies on a sheet `sheetWidth` wide: left to right, then the next row down.
struct FrameOrigin {
  int32_t x = 0;
  int32_t y = 0;
};
FrameOrigin ToolFrameOrigin(int32_t i, int32_t frameWidth, int32_t frameHeight, int32_t sheetWidth);

class ToolAnimation {
 public:
  // Loads the sheet and cuts its frames (at most nine), and makes the sprite plane; a and b move the plane
  // off its centre.
  void Load(const wchar_t* path, int32_t frameWidth, int32_t frameHeight, int32_t frameCount, int32_t a, int32_t b);
  void SetPosition(float x, float y, float z);
  void SetScale(float scale);
  // Runs `steps` steps, one every `delay` updates; nothing while a save game is being replayed.
  void Start(int32_t steps, int32_t delay);
  void Stop();
  // Each frame of the patient view.
  void Update();
  void Release();
  bool Running() const { return stepsLeft >= 0; }
  // The six further values of an animation; the game's own seven keep theirs at zero.
  void SetParams(const int32_t (&values)[6]);

  int32_t frame = 0;
  int32_t step = 1;
  int32_t frameCount = 0;
  int32_t stepsLeft = -1;
  int32_t frameDelay = 0;
  int32_t timer = 0;
  int32_t params[6] = {};
  engine::EngineRef<engine::EngineBitmap> frames[kMaxToolAnimationFrames];
  engine::EngineRef<engine::EngineMesh> plane;
  engine::EngineRef<engine::EngineObject> sprite;
};

// The seven are written only here, through the operations below.
const ToolAnimation& ToolAnimationOf(int32_t id);

// Loads the seven animations with their sheets, frame sizes, offsets, places and scales.
void LoadToolAnimations();
void StopToolAnimations();
void UpdateToolAnimations();
void ReleaseToolAnimations();
// The tool's own animation (the saw, the syringe and its vials, the scissors, the irrigation syringe, the
// sponges, the laryngoscope, the gel) started at a world point, `lift` above it; other tools have none.
void StartToolAnimationAt(int32_t tool, float x, float y, float z, float lift);
// True while any of them runs (the body's slides wait for it).
bool AnyToolAnimationRunning();

}  // namespace kestrine
