// The blood pools on the ground: made by the wound, spread by the bleeding, carried by the ground.
#include "casualty_view/blood_pools.h"

#include <cmath>

#include "casualty/patient.h"
#include "casualty_view/injury_prop.h"
#include "casualty_view/model_body.h"

namespace kestrine {

namespace {

constexpr int kPicturePollMs = 100;
// A pool's growth per frame, for each unit of its rate.
constexpr float kGrowthPerRate = 0.0001f;
// The pool's grid: 8 x 8 points a unit apart, lying flat; scaled down to nothing until blood spreads.
constexpr float kFlat = 0.001f;
constexpr float kStartScale = 0.001f;

void ParkPool(BloodPool& pool) {
  pool.actor->SetScale(1, 1, 1);
  pool.actor->MoveTo(pool.x, kParkedDrop, pool.z);
}

}  // namespace

// clang-format off
const BloodPoolOffset BloodPoolOffsets[kWoundTypeCount] = {
    {1, 1},       {3, 1},  {3, 1},    {0, 0},    {-3, -6}, {-3, -8},    {-1.4f, -5.5f}, {0, 0},
    {0, 0},       {0, 0},  {0, 0},    {-3, -5},  {0, 0},   {0, 0},      {2.5f, 0},      {0, 0},
    {0, 0},       {-3, 1}, {0, 0},    {-3, 5},   {-4.5f, -1}, {-4.5f, -1}, {-3, -3},    {-1.5f, -5.5f},
    {1, 3},       {0, 0},  {0, 0},    {0, 0},    {0, 0},   {0, 0},      {0, 0},         {1, 6},
    {-3, 1},      {0, 0},  {0, 0},    {0, 0},    {1, 6},   {0, 0},      {0, 0},         {0, 0},
    {-1, 1},      {0, 0},  {1, 7},    {-3, 5},   {0, 0},   {1, -1},     {1, 6},         {1, 4},
    {-3, -3},     {-3, -3}, {-3, -3}, {0, 0},    {0, 0},   {0, 0},      {-2.1f, 6.6f},  {0, 0},
    {0, 0},       {0, 0},
};
// clang-format on

void AddBloodPool(Patient& patient, float rate, float x, float z) {
  auto pool = std::make_unique<BloodPool>();
  pool->actor = ObjectsOf(patient).root->CreateActor();
  pool->image = ObjectsOf(patient).root->LoadBitmap(kBloodPoolPicture, 1);
  while (!pool->image->IsLoaded()) ObjectsOf(patient).root->Wait(kPicturePollMs);
  pool->image->SetColorKey(255, 0, 0);
  pool->mesh = ObjectsOf(patient).root->CreateGrid(8, 8, 1, 1, -4, 4, 0);
  pool->mesh->SetFaceBitmap(L"front", pool->image, 0);
  pool->mesh->SetFaceBitmap(L"back", pool->image, 0);
  pool->actor->AttachShape(pool->mesh);
  ObjectsOf(patient).stage->AddObject(pool->actor);
  pool->rate = rate;
  pool->x = x;
  pool->z = z;
  ParkPool(*pool);
  pool->mesh->SetScale(kStartScale, kStartScale, kStartScale);
  pool->actor->SetVisible(1);
  pool->next = std::move(ObjectsOf(patient).bloodPools);
  ObjectsOf(patient).bloodPools = std::move(pool);
}

void SetBloodPoolId(Patient& patient, int32_t id) {
  if (ObjectsOf(patient).bloodPools) ObjectsOf(patient).bloodPools->id = id;
}

void ShowBloodPool(Patient& patient) {
  if (ObjectsOf(patient).bloodPools) ObjectsOf(patient).bloodPools->visible = 1;
}

void SetBloodPoolRate(Patient& patient, int32_t id, float rate) {
  for (BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get())
    if (pool->id == id) pool->rate = rate;
}

void ToggleBloodPools(Patient& patient) {
  for (BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get())
    if (pool->id != -1) pool->visible = pool->visible ? 0 : 1;
}

void AddBloodPoolsToScene(Patient& patient, const engine::EngineRef<engine::EngineNode>& ground) {
  for (BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get()) {
    if (ground) {
      // The ground is drawn larger than its model; a pool keeps its own size and its place in ground
      // units all the same.
      const engine::Vec3 s = ground->Scale();
      const auto inverse = [](float k) { return k != 0.0f ? 1.0f / k : 1.0f; };
      ground->AddChild(pool->actor);
      pool->actor->SetScale(inverse(s.x), inverse(s.y), inverse(s.z));
      pool->actor->MoveTo(pool->x * inverse(s.x), 0, pool->z * inverse(s.z));
    } else {
      ObjectsOf(patient).stage->AddObject(pool->actor);
      pool->actor->SetScale(1, 1, 1);
      pool->actor->MoveTo(pool->x, 0, pool->z);
    }
    // Blood once spilt stays where it is, whichever pool is growing now.
    pool->actor->SetVisible(1);
  }
}

void RemoveBloodPoolsFromScene(Patient& patient) {
  for (BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get()) {
    if (pool->actor->Parent() != nullptr) pool->actor->Parent()->RemoveChild(pool->actor);
    pool->actor->SetVisible(0);
    ParkPool(*pool);
  }
}

void UpdateBloodPools(Patient& patient) {
  if (!patient.laidDown || patient.animationTimer > 0) return;
  for (BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get()) {
    if (pool->rate < 0.0f) pool->rate = 0.0f;
    if (!pool->visible) continue;
    pool->actor->SetVisible(1);
    pool->size += kGrowthPerRate * pool->rate;
    const float across = std::sqrt(pool->size);
    pool->mesh->SetScale(across, kFlat, across);
  }
}

void CreateBloodPools(Patient& patient, int32_t woundRow) {
  ReleaseBloodPools(patient);
  if (!IsWoundRow(woundRow)) return;
  const BloodPoolOffset& at = BloodPoolOffsets[woundRow];
  if (at.x == 0.0f && at.z == 0.0f) return;
  const float rate = static_cast<float>(patient.bleedRate);
  // The second pool is the one that grows: on his left for a left-side wound, mirrored for the right.
  const float first = patient.side == 1 ? at.x : -at.x;
  AddBloodPool(patient, rate, first, at.z);
  SetBloodPoolId(patient, kWoundPoolId);
  AddBloodPool(patient, rate, -first, at.z);
  SetBloodPoolId(patient, kWoundPoolId);
  ShowBloodPool(patient);
}

void ReleaseBloodPools(Patient& patient) {
  for (BloodPool* pool = ObjectsOf(patient).bloodPools.get(); pool != nullptr; pool = pool->next.get()) {
    if (pool->actor->Parent() != nullptr) pool->actor->Parent()->RemoveChild(pool->actor);
    if (ObjectsOf(patient).stage) ObjectsOf(patient).stage->RemoveObject(pool->actor);
    pool->actor.Reset();
    pool->image.Reset();
    pool->mesh.Reset();
  }
  // Freed one by one, so a long list does not free itself by recursion.
  while (ObjectsOf(patient).bloodPools) ObjectsOf(patient).bloodPools = std::move(ObjectsOf(patient).bloodPools->next);
}

}  // namespace kestrine
