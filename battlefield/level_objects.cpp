#include "battlefield/level_objects.h"

#include "battlefield/view_preset.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

LevelObjectState levelObjectState;
KESTRINE_PROGRAM_STATE(levelObjectState);

}  // namespace

const LevelObjectState& LevelObjectTable() { return levelObjectState; }

void DestroyLevelObjects() {
  for (OverheadObject& object : levelObjectState.ohObjects) object.Destroy();
  levelObjectState.objectCount = 0;
}

void ShowLevelObject(int32_t index, bool visible) { levelObjectState.ohObjects[index].Show(visible); }

int32_t MakeLevelObject(ObjType type) {
  const int32_t index = levelObjectState.objectCount;
  if (index < 0 || index >= kLevelObjectCapacity) return -1;
  if (!levelObjectState.ohObjects[index].createObject(type)) return -1;
  levelObjectState.objectCount = index + 1;
  return index;
}

void MoveLevelObjectTo(int32_t index, const Vector3& position) {
  levelObjectState.ohObjects[index].SetPosVector(position);
}

void MoveLevelObjectBy(int32_t index, float dx, float dy, float dz) {
  levelObjectState.ohObjects[index].MoveBy(dx, dy, dz);
}

void TurnLevelObject(int32_t index, float degrees) { levelObjectState.ohObjects[index].rotateY(degrees); }

void TiltLevelObject(int32_t index, float ax, float ay, float az, float degrees) {
  levelObjectState.ohObjects[index].SetOrientation(ax, ay, az, degrees);
}

void ScaleLevelObjectBy(int32_t index, float d) { levelObjectState.ohObjects[index].scaleBy(d); }

void SetLevelObjectScale(int32_t index, const Vector3& scale) {
  levelObjectState.ohObjects[index].scale = scale;
  levelObjectState.ohObjects[index].scaleBy(0.0f);
}

LevelObjectState& LayoutRecords() { return levelObjectState; }

namespace {

void ApplyMaterialsAndScale(const ObjTypeDef& def, const engine::EngineRef<engine::EngineModel>& model) {
  for (const ObjMaterial& m : def.materials)
    if (m.material) model->SetMaterialTextureB(Assets().levelTextures[m.textureSlot], m.material);
  if (def.hasModelScale) model->SetScale(def.modelScale[0], def.modelScale[1], def.modelScale[2]);
}

}  // namespace

int32_t OverheadObject::createObject(ObjType newType) {
  // A record past the ones in use may still hold the objects of an earlier layout; building over them
  // would leave the old group on the stage for good.
  if (group || model || billboard || plane) Destroy();
  type = newType;
  const ObjTypeDef* def = FindObjType(newType);
  if (!def) return 0;

  angle = 0.0f;
  yaw = 0.0f;
  turns.clear();
  scaleApplied = false;
  appliedScale = Vector3();
  scale = Vector3(def->startScale[0], def->startScale[1], def->startScale[2]);

  if (def->billboardSlot >= 0) {
    imageIndex = def->billboardSlot;
    const BitmapRef& image = Assets().levelTextures[imageIndex];
    plane = Engine().engineRoot->CreatePlane(static_cast<float>(image->GetWidth()) / def->planeDivisor,
                                             static_cast<float>(image->GetHeight()) / def->planeDivisor, 1, 0, 0, 1);
    model = Engine().engineRoot->LoadModel(def->model, def->loadFlag);
    while (!model->IsReady()) Engine().engineRoot->Wait(100);
    ApplyMaterialsAndScale(*def, model);
    group = Engine().engineRoot->CreateObject();
    billboard = Engine().engineRoot->CreateActor();
    billboard->AttachShape(plane);
    billboard->TurnTo(1, 0, 0, 90);  // lays the plane over
    billboard->MoveTo(0, def->billboardHeight, 0);
    billboard->PointAt(Engine().engineCamera, 4);  // and keeps it turned to the camera
    group->AddChild(billboard);
    group->AddChild(model);
    Engine().engineStage->AddObject(group);
    plane->SetFaceBitmap(L"front", image, def->faceFlag);
    // A new tree waits hidden until its view shows it.
    group->SetVisible(0);
    model->SetVisible(0);
    billboard->SetVisible(0);
    return 1;
  }

  model = Engine().engineRoot->LoadModel(def->model, def->loadFlag);
  while (!model->IsLoaded()) Engine().engineRoot->Wait(100);
  ApplyMaterialsAndScale(*def, model);
  group = Engine().engineRoot->CreateObject();
  group->AddChild(model);
  // The big building reaches the stage only when the overhead view is entered.
  if (newType != OBJ_BUILDING4) Engine().engineStage->AddObject(group);
  return 1;
}

void OverheadObject::setPos(float x, float y, float z) {
  if (!group) return;
  position = Vector3(x, y, z);
  group->MoveTo(x, y, z);
}

void OverheadObject::SetPosVector(Vector3 p) { setPos(p.x, p.y, p.z); }

void OverheadObject::MoveBy(float dx, float dy, float dz) {
  if (!group) return;
  position = position + Vector3(dx, dy, dz);
  group->MoveTo(position.x, position.y, position.z);
}

void OverheadObject::rotateY(float degrees) {
  if (!group) return;
  angle += degrees;
  axis = Vector3(0.0f, angle, 0.0f);
  group->TurnTo(0, 1, 0, angle);
  // An absolute turn: whatever other turns the group had are gone.
  yaw = angle;
  turns.clear();
}

void OverheadObject::SetOrientation(float ax, float ay, float az, float degrees) {
  if (!group) return;
  axis = Vector3(ax, ay, az);
  group->Rotate(ax, ay, az, degrees, 0);
  angle = degrees;
  turns.push_back({ax, ay, az, degrees});
}

void OverheadObject::scaleBy(float d) {
  if (!group) return;
  scale = Vector3(scale.x + d, scale.y + d, scale.z + d);
  if (scale.x > 0.0f && scale.y > 0.0f && scale.z > 0.0f) {
    group->SetScale(scale.x, scale.y, scale.z);
    scaleApplied = true;
    appliedScale = scale;
  }
}

// In the tilted view a tree shows its billboard; elsewhere only models show. Showing a tree in the tilted
// view leaves its model as an earlier view left it.
void OverheadObject::Show(bool visible) {
  // A saved game's actions are being replayed behind the scenes: nothing on screen changes.
  if (Sounds().replayingSave) return;
  if (ViewPreset().viewPreset == 1) {
    if (billboard)
      billboard->SetVisible(visible ? 1 : 0);
    else if (visible && model)
      model->SetVisible(1);
    if (!visible && model) model->SetVisible(0);
  } else {
    if (billboard) billboard->SetVisible(0);
    if (model) model->SetVisible(visible ? 1 : 0);
  }
}

void OverheadObject::Destroy() {
  if (group && Engine().engineStage) Engine().engineStage->RemoveObject(group);
  plane.Reset();
  model.Reset();
  billboard.Reset();
  group.Reset();
}

}  // namespace kestrine
