#include "shell/explosion.h"

#include <optional>
#include <string>

#include "shell/data_path.h"
#include "shell/engine_setup.h"
#include "shell/narrow.h"
#include "shell/program_state.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

struct ExplosionState {
  std::unique_ptr<SpriteObject> explosionSprite;
  engine::EngineRef<engine::EngineBitmap> explosionFrames[kMaxExplosionFrames];
  int32_t explosionFrameIndex = 0;
  float explosionFadeStart = 0.0f;
  float explosionFrameReciprocal = 0.0f;
};
ExplosionState explosionState;
KESTRINE_PROGRAM_STATE(explosionState);

}  // namespace

std::unique_ptr<SpriteObject>& explosionSprite = explosionState.explosionSprite;
engine::EngineRef<engine::EngineBitmap> (&explosionFrames)[kMaxExplosionFrames] = explosionState.explosionFrames;
int32_t& explosionFrameIndex = explosionState.explosionFrameIndex;
float& explosionFadeStart = explosionState.explosionFadeStart;
float& explosionFrameReciprocal = explosionState.explosionFrameReciprocal;

namespace {

constexpr const char* kIndexPath = "sprites\\explo1\\index.qtxt";

// The frame's path below the explosion's folder; nothing when the line names a file outside the data tree.
std::optional<std::wstring> FramePath(const std::wstring& line) {
  std::wstring copy = line;
  const std::string name = NarrowInPlace(copy.data());
  if (!StaysInDataTree(name)) return std::nullopt;
  std::wstring path = L"sprites\\explo1\\";
  for (const char c : name) path += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

}  // namespace

void LoadExplosion() {
  engine::EngineRef<engine::EngineTextFile> index = Engine().engineRoot->OpenFile(L"sprites\\explo1\\index.qtxt", 1, 2);
  while (!index->IsLoaded()) Engine().engineRoot->Wait(100);

  int n = 0;
  // Only as many frames as there are places for; the rest of a longer list is ignored.
  while (!index->IsEndOfFile() && n < kMaxExplosionFrames) {
    const std::wstring line = index->ReadLine();
    const std::optional<std::wstring> path = FramePath(line);
    if (!path) {
      Engine().engineRoot->DebugPrint(std::string("refused frame outside the data tree in ") + kIndexPath);
      continue;
    }
    explosionFrames[n] = Engine().engineRoot->LoadBitmap(*path, 1);
    while (!explosionFrames[n]->IsLoaded()) Engine().engineRoot->Wait(100);
    explosionFrames[n]->SetColorKey(255, 255, 255);
    ++n;
  }
  index->Close();

  // Frames of an earlier, longer list must not outlive it.
  for (int i = n; i < kMaxExplosionFrames; ++i) explosionFrames[i].Reset();

  explosionSprite = std::make_unique<SpriteObject>(Engine().engineRoot, Engine().engineStage);
  explosionSprite->frames = n;
  explosionSprite->SetPosition(0, 5, 0);
}

void InitExplosion() {
  LoadExplosion();
  const int frames = explosionSprite->frames;
  // An empty list gives an explosion that shows nothing and hides at once; no division by zero.
  explosionFrameReciprocal = frames > 0 ? 1.0f / static_cast<float>(frames) : 0.0f;
  explosionFadeStart = static_cast<float>(frames) * 0.6f;
  explosionFrameIndex = 0;
}

void StartExplosion(float x, float y, float z) {
  if (!explosionSprite) return;
  explosionFrameIndex = 0;
  explosionSprite->SetPosition(x, y, z);
  explosionSprite->Show();
  // Tuned for the grenade's flip-book: the fade begins after the seventh frame whatever the frame count.
  explosionFadeStart = 7.0f;
  AdvanceExplosionFrame();
}

void AdvanceExplosionFrame() {
  if (!explosionSprite || !explosionSprite->visible) return;
  SpriteObject& sprite = *explosionSprite;

  if (explosionFrameIndex <= 0) PlayEffect(SOUND_GRENADE_BLAST);
  if (explosionFrameIndex >= 0 && explosionFrameIndex < sprite.frames)
    sprite.SetFrame(explosionFrames[explosionFrameIndex]);
  ++explosionFrameIndex;

  int opacity = 255;
  if (static_cast<float>(explosionFrameIndex) > explosionFadeStart) {
    opacity =
        static_cast<int>(static_cast<float>(sprite.frames - explosionFrameIndex) * 250.0f * explosionFrameReciprocal);
    if (opacity < 0) opacity = 0;
  }
  sprite.mesh->SetFaceOpacity(L"front", opacity);
  sprite.object->MoveBy(0, 0, 0.2f);

  if (explosionFrameIndex > sprite.frames) sprite.Hide();
}

void HideExplosion() {
  if (explosionSprite) explosionSprite->Hide();
}

void ReleaseExplosion() {
  for (auto& frame : explosionFrames) frame.Reset();
  explosionSprite.reset();
}

}  // namespace kestrine
