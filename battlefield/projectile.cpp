#include "battlefield/projectile.h"

#include "shell/globals.h"
#include "shell/random.h"

namespace kestrine {

namespace {

constexpr int kGrenadeCollisionGroup = 8;

}  // namespace

Projectile::~Projectile() { Remove(); }

void Projectile::Remove() {
  if (!model) return;
  model->SetVisible(0);
  if (engineStage) engineStage->RemoveObject(model);
  model.Reset();
  loaded = false;
}

void Projectile::LoadGrenadeModel() {
  if (loaded) return;
  model = engineRoot->LoadModel(L"chars\\Weap\\grenade.qsad", 2);
  while (!model->IsLoaded()) engineRoot->Wait(100);
  model->SetScale(0.5f, 0.5f, 0.5f);
  model->SetBoundingBox(-1, 1, -1, 1, -1, 1, 0);
  model->SetCollisionMask(kGrenadeCollisionGroup, 0);
  loaded = true;
  idle = true;
  age = 0.0f;
}

void Projectile::LaunchProjectile(Vector3 from, Vector3 to, int launcher) {
  position = Vector3(from.x, from.y + kGrenadeLift, from.z);
  origin = from;
  target = to;
  idle = false;
  index = launcher;
  velocity = Vector3((to.x - from.x) / kGrenadeFlightTime, kGrenadeUpwardSpeed, (to.z - from.z) / kGrenadeFlightTime);
  if (model) {
    engineStage->AddObject(model);
    model->SetVisible(1);
  }
  age = 0.0f;
  // The spin: four draws in this order.
  const float a = static_cast<float>(rand() % 10) / 20.0f + 0.5f;
  const float b = static_cast<float>(rand() % 10) / 50.0f + 0.79f;
  const float c = -static_cast<float>(rand() % 10) / 50.0f - 0.7f;
  const float d = static_cast<float>(rand() % 250) + 350.0f;
  if (model) {
    model->SetRotationB(a, b, c, d);
    model->MoveTo(position.x, position.y, position.z);
  }
}

}  // namespace kestrine
