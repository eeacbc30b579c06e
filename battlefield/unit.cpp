// A unit's life on the stage: construction with its marker plate, its models by side and camouflage,
// placement, scale, knock-down, death and removal.
#include "battlefield/unit.h"

#include <algorithm>
#include <cmath>

#include "battlefield/spawn_points.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "shell/events.h"

namespace kestrine {

namespace {

constexpr float kSoldierScale = 0.7f;
constexpr int kUnitCollisionGroup = 2;
constexpr float kDegreesPerRadian = 57.2957795f;

// The marker plate's colour by side: allies green, enemies red, the player white.
struct MarkerColour {
  int r, g, b;
};
constexpr MarkerColour kMarkerColours[] = {{10, 255, 10}, {255, 10, 10}, {255, 255, 255}};

const wchar_t* BodyModelPath(int32_t side, int32_t camouflage) {
  if (side == kSideEnemy)
    return Developer().altEnemyModel ? L"chars\\newSold\\pink\\oh_arabpink.qsad"
                                     : L"chars\\newSold\\oharab\\oh_arab.qsad";
  return camouflage == 1 ? L"chars\\newSold\\dc\\oh_dcsold.qsad" : L"chars\\newSold\\ohsold\\oh_soldr.qsad";
}

engine::EngineRef<engine::EngineModel> LoadWaited(const Unit::RootRef& root, const wchar_t* path) {
  engine::EngineRef<engine::EngineModel> model = root->LoadModel(path, 2);
  while (!model->IsLoaded()) root->Wait(100);
  return model;
}

}  // namespace

Unit::Unit(const RootRef& root, const StageRef& stage, int32_t unitKind) : kind(unitKind), stage_(stage) {
  // The plate is a fifth of the soldier icon's size in units (16 pixels give 3.2).
  const float width = static_cast<float>(Assets().soldierIconImage->GetWidth()) / 5.0f;
  const float height = static_cast<float>(Assets().soldierIconImage->GetHeight()) / 5.0f;
  markerMesh = root->CreatePlane(width, height, 1, 0, 0, 1);
  markerMesh->SetFaceOpacity(L"front", 128);
  markerMesh->SetFaceBitmap(L"front", Assets().soldierIconImage, 0);
  marker = root->CreateObject();
  marker->AttachShape(markerMesh);
  stage_->AddObject(marker);
  marker->MoveTo(pos.x, pos.y, pos.z);
  marker->SetVisible(0);
  marker->SetCollisionMask(0, 0);
  projectile.LoadGrenadeModel();
  tracer.BuildFacedBox(kind);
}

Unit::~Unit() { RemoveFromScene(); }

void Unit::ReleaseModels() {
  for (engine::EngineRef<engine::EngineModel>* model : {&body, &pistol, &rifle}) {
    if (!*model) continue;
    (*model)->SetVisible(0);
    if (stage_) stage_->RemoveObject(*model);
    model->Reset();
  }
}

void Unit::LoadModels(const RootRef& root) {
  // A unit placed again gets fresh models; the old ones leave the stage first.
  ReleaseModels();
  body = LoadWaited(root, BodyModelPath(side, camouflage));
  pistol = LoadWaited(root, L"chars\\newSold\\pistol\\oh_pistol.qsad");
  rifle = LoadWaited(root, L"chars\\newSold\\rifle\\oh_m16.qsad");
  const engine::EngineRef<engine::EngineNode> hand = body->FindPart(L"r_hand");
  hand->AddChild(pistol);
  hand->AddChild(rifle);
  rifle->SetVisible(1);
  rifle->TurnTo(0, 0, 1, 180);
  rifle->Rotate(0, 1, 0, -90, 1);
  pistol->SetVisible(0);
  pistol->TurnTo(0, 0, 1, 180);

  body->SetScale(kSoldierScale, kSoldierScale, kSoldierScale);
  bodyLoadScale_ = kSoldierScale;
  markerLoadScale_ = 1.0f;
  body->SetVisible(0);
  body->MoveTo(pos.x, pos.y, pos.z);
  // The plate lies under the body; pointed up at it, it lies flat with its picture upward.
  marker->MoveTo(pos.x, pos.y - 0.5f, pos.z);
  marker->PointAt(body, 1);

  animCount = body->GetAnimationCount();
  if (animCount == 0) {
    root->Wait(100);
    animCount = body->GetAnimationCount();
  }
  // Only the first names are kept: the actions use indexes below 15.
  animCount = std::clamp(animCount, 0, kMaxUnitAnimations);
  for (int i = 0; i < kMaxUnitAnimations; ++i) animNames[i] = i < animCount ? body->GetAnimationName(i) : L"";

  body->SetBoundingBox(-0.8f, 0.8f, -0.7f, 0.7f, -0.8f, 0.8f, 0);
  body->SetCollisionMask(kUnitCollisionGroup, 0);
}

void Unit::Place(const Vector3& where, int32_t newSide, int32_t newState, int32_t unitIndex) {
  side = newSide;
  state = newState;
  draggedBy = -1;
  nextShotTime = 0;
  LoadModels(Engine().engineRoot);
  body->Prepare();
  body->SetTag(unitIndex);
  marker->Prepare();
  stage_->AddObject(body);
  const MarkerColour colour = kMarkerColours[side >= 0 && side < 3 ? side : kSidePlayer];
  markerMesh->SetFaceColor(L"front", colour.r, colour.g, colour.b);
  orders = side == kSidePlayer ? 1 : 0;
  // Played, not only recorded, so a placed unit stands in its stance from the first frame.
  SetAction(ACTION_STAND);
  health = 10;
  moveFlags |= kMoveSnapToGround;
  down = false;
  SetPosition(where);
}

void Unit::SetPosition(float x, float y, float z) {
  if (body) body->MoveTo(x, y, z);
  if (marker) marker->MoveTo(x, y, z);
  pos.Set(x, y, z);
}

void Unit::SetScale(float s) {
  // The load scales carry each model's own size (a hummer's model is drawn much larger than a truck's),
  // so a mission's scale multiplies them rather than replacing them.
  if (body) body->SetScale(bodyLoadScale_ * s, bodyLoadScale_ * s, bodyLoadScale_ * s);
  if (marker) marker->SetScale(markerLoadScale_ * s, markerLoadScale_ * s, markerLoadScale_ * s);
}

void Unit::TurnMarker(float heading) {
  if (!marker) return;
  // Facing up, with the picture's top along the heading the body faces.
  const float radians = heading / kDegreesPerRadian;
  marker->SetOrientation(0, 1, 0, -std::sin(radians), 0, -std::cos(radians));
}

void Unit::ResetAction() {
  arrived = true;
  moveFlags |= kMoveActionReset;
  moveFlags &= ~kMoveWalking;
  actionState = kActionStateReset;
  SetAction(health < 8 ? ACTION_HURT : ACTION_STAND);
}

void Unit::Kill() {
  health = -10;
  if (marker) marker->SetVisible(0);
  down = true;
  SetAction(ACTION_DOWN);
  downTime = Clock().gameClock + 5000;
  arrived = true;
}

void Unit::Relocate() {
  if (body) body->SetVisible(0);
  if (marker) marker->SetVisible(0);
  down = true;
  Vector3 spawn;
  if (side == kSideEnemy && PickSpawnPoint(spawn)) SetPosition(spawn);
  arrived = true;
  SnapToGround();
}

void Unit::RemoveFromScene() {
  ReleaseModels();
  if (marker) {
    marker->SetVisible(0);
    if (stage_) stage_->RemoveObject(marker);
    marker.Reset();
  }
  markerMesh.Reset();
  projectile.Remove();
}

float Unit::AxisDistanceWithin(const Vector3& point, float limit) const {
  const float dx = std::fabs(point.x - pos.x);
  const float dz = std::fabs(point.z - pos.z);
  if (dx < limit && dz < limit) return std::max(dx, dz);
  return limit;
}

}  // namespace kestrine
