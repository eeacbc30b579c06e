// A unit's shot: the turn to the target, the weapon's reach, the line of fire, the streak or grenade,
// the sound and the wait before the next shot.
#include <algorithm>
#include <cmath>

#include "battlefield/unit.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr float kDegreesPerRadian = 57.2957795f;
constexpr int kLineOfFireMask = 5;
// The shot's screen points stay above the head-up display's strip.
constexpr int kHudStripHeight = 85;

struct FireMode {
  float reach;
  int32_t nextShotAfter;  // ms
};
// Indexed by mode 1..3.
constexpr FireMode kFireModes[] = {{0.0f, 0}, {35.0f, 500}, {70.0f, 200}, {30.0f, 3000}};

engine::EngineRef<engine::EngineVector> ScreenPoint(const Vector3& world, bool clampToView) {
  const engine::EngineRef<engine::EngineVector> p = Engine().engineCamera->WorldToScreen(world.x, world.y, world.z);
  if (!clampToView) return p;
  return engine::MakeEngine<engine::EngineVector>(
      std::min(p->GetX(), static_cast<float>(Engine().screenWidth)),
      std::min(p->GetY(), static_cast<float>(Engine().screenHeight - kHudStripHeight)), p->GetZ());
}

}  // namespace

Vector3 Unit::LineOfFire(const Vector3& aim) {
  if (!body) return aim;
  // From a little above the unit, so its own ground and low cover do not stop the shot.
  body->MoveTo(pos.x, pos.y + 5.0f, pos.z);
  const engine::EngineRef<engine::EngineHit> hit =
      body->TestCollision(aim.x, aim.y + 3.0f, aim.z, 0, kLineOfFireMask, 3, 0, 0);
  body->MoveTo(pos.x, pos.y, pos.z);
  return hit ? Vector3(hit->GetPoint()) : aim;
}

Vector3 Unit::Fire(Vector3 aim, int32_t mode) {
  if (Clock().gameClock < nextShotTime) return Vector3();
  // Turned the way a walk toward the target would turn it (x before z), so the shooter faces his target;
  // with the arguments the other way round he would face its mirror image across the diagonal.
  const float heading = std::atan2(aim.x - pos.x, aim.z - pos.z) * kDegreesPerRadian + 180.0f;
  if (vehicleKind == MAN && body) body->TurnTo(0, 1, 0, heading);
  TurnMarker(heading);
  Vector3 toward = aim - pos;
  const float distance = toward.Length();
  if (mode < FIRE_PISTOL || mode > FIRE_GRENADE) {
    firing = false;
    return Vector3();
  }

  const FireMode& row = kFireModes[mode];
  // Out of reach: the target itself is pulled in along the line to the weapon's reach.
  if (distance > row.reach) aim = pos + toward * (row.reach / distance);
  const Vector3 impact = LineOfFire(aim);

  if (mode == FIRE_GRENADE) {
    shotScreen[0] = ScreenPoint(pos, false);
    shotScreen[1] = ScreenPoint(impact, false);
    projectile.LaunchProjectile(pos, aim, 0);
    PlayEffect(SOUND_GRENADE_PIN);
  } else {
    Vector3 muzzle = pos;
    if (vehicleKind == MAN && body)
      muzzle = Vector3(body->FindPart(mode == FIRE_PISTOL ? L"pistol" : L"muzzle")->GetPosition());
    shotScreen[0] = ScreenPoint(muzzle, true);
    shotScreen[1] = ScreenPoint(impact, true);
    tracer.LaunchTracer(muzzle, aim, 0);
    if (mode == FIRE_PISTOL) {
      PlayEffect(kind == kUnitKindEnemy ? SOUND_ENEMY_FIRE : SOUND_PISTOL);
    } else if (IsMedic()) {
      if (Sounds().soundTable.IsLoaded(SOUND_RIFLE)) Sounds().soundTable[SOUND_RIFLE]->SetPan(0);
      PlayEffect(SOUND_RIFLE);
    }
  }
  nextShotTime = Clock().gameClock + row.nextShotAfter;
  firing = true;
  return impact;
}

}  // namespace kestrine
