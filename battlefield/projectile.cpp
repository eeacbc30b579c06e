#include "battlefield/projectile.h"

#include "battlefield/blast.h"
#include "battlefield/terrain_images.h"
#include "shell/engine_setup.h"
#include "shell/explosion.h"
#include "shell/random.h"

namespace kestrine {

namespace {

constexpr int kGrenadeCollisionGroup = 8;
// In the air the grenade is tested against the ground, and counts as ground itself while it flies.
constexpr int kGroundCollisionGroup = 1;
constexpr int kFlightTestMask = 1;
constexpr int kFlightTestMode = 3;

}  // namespace

Projectile::~Projectile() { Remove(); }

void Projectile::Remove() {
  idle = true;
  if (!model) return;
  model->SetVisible(0);
  if (Engine().engineStage) Engine().engineStage->RemoveObject(model);
  model.Reset();
  loaded = false;
}

void Projectile::LoadGrenadeModel() {
  if (loaded) return;
  model = Engine().engineRoot->LoadModel(L"chars\\Weap\\grenade.qsad", 2);
  while (!model->IsLoaded()) Engine().engineRoot->Wait(100);
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
    Engine().engineStage->AddObject(model);
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

void Projectile::UpdateProjectiles(float t) {
  if (idle) return;
  const float step = t > kGrenadeMaxStep ? kGrenadeMaxStep : t;

  Vector3 next;
  next.x = position.x + step * velocity.x;
  next.z = position.z + step * velocity.z;
  velocity.y -= step * kGrenadeGravity;
  next.y = position.y + step * velocity.y;

  if (model) {
    model->SetCollisionMask(kGroundCollisionGroup, 0);
    const engine::EngineRef<engine::EngineHit> hit =
        model->TestCollision(next.x, next.y, next.z, 0, kFlightTestMask, kFlightTestMode, 1, 0);
    if (hit) {
      // The surface's normal weighs each component: on flat ground the grenade loses its run and bounces
      // straight up with nine tenths of its fall.
      const Vector3 s(hit->GetSecondVector());
      velocity.x = s.x * kGrenadeBounce * velocity.x;
      velocity.z = s.z * kGrenadeBounce * velocity.z;
      velocity.y = -s.y * kGrenadeBounce * velocity.y;
    }
  }
  position = position + velocity * step;
  if (model) model->MoveTo(position.x, position.y, position.z);

  age += step;
  if (!(age > kGrenadeFuse)) return;

  StartExplosion(position.x, position.y, position.z);
  PaintCrater(position.x, position.z);
  if (model) {
    model->SetVisible(0);
    if (Engine().engineStage) Engine().engineStage->RemoveObject(model);
    // Off the stage it must not stay behind as a piece of invisible ground.
    model->SetCollisionMask(kGrenadeCollisionGroup, 0);
  }
  idle = true;
  // Last: the blast may end the mission and take this grenade's unit with it.
  BlastAt(position, origin);
}

}  // namespace kestrine
