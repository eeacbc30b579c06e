// The tool animations.
#include "casualty_view/tool_animation.h"

#include <algorithm>
#include <iterator>

#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

struct ToolAnimations {
  ToolAnimation animations[kToolAnimationCount];
};
ToolAnimations toolAnimationState;
KESTRINE_PROGRAM_STATE(toolAnimationState);

struct ToolAnimationRow {
  const wchar_t* path;
  int32_t frameWidth, frameHeight, frameCount;
  int32_t a, b;
  bool placed;
  float x, y, z;
  float scale;  // 0: as made
};

const ToolAnimationRow kToolAnimationRows[kToolAnimationCount] = {
    {L"patient\\treatment\\suvival-saw.qpg", 128, 128, 4, 0, -2, false, 0, 0, 0, 0},
    {L"patient\\treatment\\syringe-anim.qpg", 64, 64, 4, -2, 2, false, 0, 0, 0, 0.5f},
    {L"patient\\treatment\\scissor-animation.qpg", 128, 128, 4, 0, 0, true, 0, 4.0f, 0, 0.5f},
    {L"patient\\treatment\\irrgsyng-anm.qpg", 85, 85, 9, 2, -2, true, 0, 3.0f, 3.0f, 0},
    {L"patient\\treatment\\Spong-animation.qpg", 85, 85, 6, 0, 0, true, 0, 3.0f, 0, 0.2f},
    {L"patient\\treatment\\larynscope-animation2.qpg", 85, 85, 9, 2, 0, false, 0, 0, 0, 0.5f},
    {L"patient\\treatment\\gel-animation.qpg", 85, 85, 9, -2, -2, true, 0.2f, 2.3f, 6.4f, 0.25f},
};

// The frames' transparent colour, as the sheets are painted.
constexpr int kKeyR = 255, kKeyG = 0, kKeyB = 0;
constexpr float kSpriteSize = 4.0f;

}  // namespace

const ToolAnimation& ToolAnimationOf(int32_t id) { return toolAnimationState.animations[id]; }

FrameOrigin ToolFrameOrigin(int32_t i, int32_t frameWidth, int32_t frameHeight, int32_t sheetWidth) {
  if (sheetWidth <= 0) return {};
  const int64_t along = static_cast<int64_t>(i) * frameWidth;
  return {static_cast<int32_t>(along % sheetWidth), static_cast<int32_t>(along / sheetWidth * frameHeight)};
}

void ToolAnimation::Load(const wchar_t* path, int32_t frameWidth, int32_t frameHeight, int32_t count, int32_t a,
                         int32_t b) {
  Release();
  const engine::EngineRef<engine::EngineBitmap> sheet = Engine().engineRoot->LoadBitmap(path, 1);
  while (!WaitForAsset(sheet)) {
  }
  frameCount = std::clamp(count, 0, kMaxToolAnimationFrames);
  for (int32_t i = 0; i < frameCount; ++i) {
    const FrameOrigin origin = ToolFrameOrigin(i, frameWidth, frameHeight, sheet->GetWidth());
    frames[i] = Engine().engineRoot->CreateBitmap(frameWidth, frameHeight);
    frames[i]->Clear(kKeyR, kKeyG, kKeyB);
    frames[i]->DrawBitmap(sheet, 0, origin.x, origin.y, frameWidth, frameHeight, 0, 0, frameWidth, frameHeight);
    frames[i]->SetColorKey(kKeyR, kKeyG, kKeyB);
  }
  plane =
      Engine().engineRoot->CreatePlane(kSpriteSize, kSpriteSize, 1, static_cast<float>(a), static_cast<float>(b), 4);
  sprite = Engine().engineRoot->CreateObject();
  sprite->AttachShape(plane);
  sprite->SetVisible(0);
  stepsLeft = -1;
}

void ToolAnimation::SetPosition(float x, float y, float z) {
  if (sprite) sprite->SetPosition(x, y, z);
}

void ToolAnimation::SetScale(float scale) {
  if (sprite) sprite->SetScale(scale, scale, scale);
}

void ToolAnimation::Start(int32_t steps, int32_t delay) {
  // A replayed save re-applies old treatments: nothing is shown for them.
  if (Sounds().replayingSave || !sprite) return;
  stepsLeft = steps;
  frameDelay = delay;
  timer = 0;
  step = 1;
  frame = 0;
  sprite->PointAt(Engine().engineCamera, 3);
  Engine().engineStage->AddObject(sprite);
}

void ToolAnimation::SetParams(const int32_t (&values)[6]) { std::copy(std::begin(values), std::end(values), params); }

void ToolAnimation::Stop() {
  if (sprite) sprite->SetVisible(0);
  stepsLeft = -1;
}

void ToolAnimation::Update() {
  if (!sprite) return;
  if (stepsLeft < 0) {
    sprite->SetVisible(0);
    return;
  }
  if (--timer >= 1) return;
  timer = frameDelay;
  --stepsLeft;
  frame += step;
  // Back and forth: at either end the direction turns and the frame moves on at once.
  if (frame == frameCount || frame == 0) {
    step = -step;
    frame += step;
  }
  if (frame < 0 || frame >= frameCount) return;
  plane->SetFaceBitmap(L"front", frames[frame], 0);
  sprite->SetVisible(1);
}

void ToolAnimation::Release() {
  if (sprite && Engine().engineStage) Engine().engineStage->RemoveObject(sprite);
  for (auto& picture : frames) picture.Reset();
  plane.Reset();
  sprite.Reset();
  stepsLeft = -1;
}

namespace {

// The animation a tool shows at work; -1 none.
int32_t AnimationOfTool(int32_t tool) {
  if (tool >= 12 && tool <= 19) return ANIM_SYRINGE;
  switch (tool) {
    case 20:
      return ANIM_SCISSORS;
    case 28:
      return ANIM_GEL;
    case 29:
      return ANIM_LARYNGOSCOPE;
    case 33:
    case 44:
      return ANIM_SPONGE;
    case 42:
      return ANIM_IRRIGATION;
    case 46:
      return ANIM_SAW;
    default:
      return -1;
  }
}

// Two passes through the frames and back, a picture every few frames.
constexpr int32_t kToolAnimationPasses = 4;
constexpr int32_t kToolAnimationDelay = 3;

}  // namespace

void StartToolAnimationAt(int32_t tool, float x, float y, float z, float lift) {
  const int32_t id = AnimationOfTool(tool);
  if (id < 0) return;
  ToolAnimation& animation = toolAnimationState.animations[id];
  animation.SetPosition(x, y + lift, z);
  animation.Start(kToolAnimationPasses * animation.frameCount, kToolAnimationDelay);
}

void LoadToolAnimations() {
  for (int i = 0; i < kToolAnimationCount; ++i) {
    const ToolAnimationRow& row = kToolAnimationRows[i];
    ToolAnimation& animation = toolAnimationState.animations[i];
    animation.Load(row.path, row.frameWidth, row.frameHeight, row.frameCount, row.a, row.b);
    if (row.placed) animation.SetPosition(row.x, row.y, row.z);
    if (row.scale > 0.0f) animation.SetScale(row.scale);
  }
}

void StopToolAnimations() {
  for (ToolAnimation& animation : toolAnimationState.animations) animation.Stop();
}

void UpdateToolAnimations() {
  for (ToolAnimation& animation : toolAnimationState.animations) animation.Update();
}

void ReleaseToolAnimations() {
  for (ToolAnimation& animation : toolAnimationState.animations) animation.Release();
}

bool AnyToolAnimationRunning() {
  return std::any_of(std::begin(toolAnimationState.animations), std::end(toolAnimationState.animations),
                     [](const ToolAnimation& a) { return a.Running(); });
}

}  // namespace kestrine
