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

ExplosionState explosionState;
KESTRINE_PROGRAM_STATE(explosionState);

}  // namespace

const ExplosionState& Explosion() { return explosionState; }

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
    explosionState.explosionFrames[n] = Engine().engineRoot->LoadBitmap(*path, 1);
    while (!explosionState.explosionFrames[n]->IsLoaded()) Engine().engineRoot->Wait(100);
    explosionState.explosionFrames[n]->SetColorKey(255, 255, 255);
    ++n;
  }
  index->Close();

  // Frames of an earlier, longer list must not outlive it.
  for (int i = n; i < kMaxExplosionFrames; ++i) explosionState.explosionFrames[i].Reset();

  explosionState.explosionSprite = std::make_unique<SpriteObject>(Engine().engineRoot, Engine().engineStage);
  explosionState.explosionSprite->frames = n;
  explosionState.explosionSprite->SetPosition(0, 5, 0);
}

void InitExplosion() {
  LoadExplosion();
  const int frames = explosionState.explosionSprite->frames;
  // An empty list gives an explosion that shows nothing and hides at once; no division by zero.
  explosionState.explosionFrameReciprocal = frames > 0 ? 1.0f / static_cast<float>(frames) : 0.0f;
  explosionState.explosionFadeStart = static_cast<float>(frames) * 0.6f;
  explosionState.explosionFrameIndex = 0;
}

void StartExplosion(float x, float y, float z) {
  if (!explosionState.explosionSprite) return;
  explosionState.explosionFrameIndex = 0;
  explosionState.explosionSprite->SetPosition(x, y, z);
  explosionState.explosionSprite->Show();
  // Tuned for the grenade's flip-book: the fade begins after the seventh frame whatever the frame count.
  explosionState.explosionFadeStart = 7.0f;
  AdvanceExplosionFrame();
}

void AdvanceExplosionFrame() {
  if (!explosionState.explosionSprite || !explosionState.explosionSprite->visible) return;
  SpriteObject& sprite = *explosionState.explosionSprite;

  if (explosionState.explosionFrameIndex <= 0) PlayEffect(SOUND_GRENADE_BLAST);
  if (explosionState.explosionFrameIndex >= 0 && explosionState.explosionFrameIndex < sprite.frames)
    sprite.SetFrame(explosionState.explosionFrames[explosionState.explosionFrameIndex]);
  ++explosionState.explosionFrameIndex;

  int opacity = 255;
  if (static_cast<float>(explosionState.explosionFrameIndex) > explosionState.explosionFadeStart) {
    opacity = static_cast<int>(static_cast<float>(sprite.frames - explosionState.explosionFrameIndex) * 250.0f *
                               explosionState.explosionFrameReciprocal);
    if (opacity < 0) opacity = 0;
  }
  sprite.mesh->SetFaceOpacity(L"front", opacity);
  sprite.object->MoveBy(0, 0, 0.2f);

  if (explosionState.explosionFrameIndex > sprite.frames) sprite.Hide();
}

void HideExplosion() {
  if (explosionState.explosionSprite) explosionState.explosionSprite->Hide();
}

void ReleaseExplosion() {
  for (auto& frame : explosionState.explosionFrames) frame.Reset();
  explosionState.explosionSprite.reset();
}

}  // namespace kestrine
