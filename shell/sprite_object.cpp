#include "shell/sprite_object.h"

#include "shell/engine_setup.h"

namespace kestrine {

SpriteObject::SpriteObject(const engine::EngineRef<engine::EngineRoot>& root,
                           const engine::EngineRef<engine::EngineStage>& stage)
    : stage_(stage) {
  mesh = root->CreatePlane(16, 16, 0, 0, 0, 1);
  object = root->CreateObject();
  object->AttachShape(mesh);
  object->PointAt(Engine().engineCamera, 4);
  object->SetVisible(0);
  object->SetCollisionMask(0, 0);
  visible = 0;
}

SpriteObject::~SpriteObject() {
  // The stage may already be gone at shut-down; then there is nothing left to take the object off.
  if (stage_ && object) stage_->RemoveObject(object);
  object.Reset();
  mesh.Reset();
}

void SpriteObject::SetFrame(const engine::EngineRef<engine::EngineBitmap>& image) {
  mesh->SetFaceBitmap(L"front", image, 1);
  object->SetVisible(1);
}

void SpriteObject::SetPosition(float x, float y, float z) { object->SetPosition(x, y, z); }

void SpriteObject::Show() {
  stage_->AddObject(object);
  visible = 1;
}

void SpriteObject::Hide() {
  stage_->RemoveObject(object);
  visible = 0;
}

}  // namespace kestrine
