#include "battlefield/tracer.h"

#include "shell/engine_setup.h"

namespace kestrine {

namespace {

constexpr int kStreakCollisionGroup = 8;
// The ground, the units and the level objects stop a streak.
constexpr int kStreakTestMask = 7;
constexpr int kStreakTestMode = 3;
constexpr const wchar_t* kBoxFaces[] = {L"front", L"back", L"top", L"left", L"right", L"bottom"};

struct SideColour {
  int r, g, b;
};
constexpr SideColour kSideColours[] = {{10, 250, 10}, {255, 50, 0}, {255, 255, 255}};

}  // namespace

Tracer::~Tracer() { Remove(); }

void Tracer::Remove() {
  idle = true;
  if (object) {
    object->SetVisible(0);
    if (Engine().engineStage) Engine().engineStage->RemoveObject(object);
  }
  object.Reset();
  box.Reset();
  built = false;
}

void Tracer::BuildFacedBox(int side) {
  if (built) return;
  box = Engine().engineRoot->CreateBox(0.2f, 0.2f, 0.8f, 1);
  // A side outside the three is drawn as the player's.
  const SideColour colour = kSideColours[side >= 0 && side < 3 ? side : 2];
  for (const wchar_t* face : kBoxFaces) box->SetFaceColor(face, colour.r, colour.g, colour.b);
  object = Engine().engineRoot->CreateObject();
  object->SetBoundingBox(-0.25f, 0.25f, 0.0f, 1.0f, -0.25f, 0.25f, 0);
  object->SetCollisionMask(kStreakCollisionGroup, 0);
  object->AttachShape(box);
  built = true;
  idle = true;
  remaining = 0.0f;
}

void Tracer::LaunchTracer(Vector3 from, Vector3 to, int shooter) {
  position = from;
  origin = from;
  target = to;
  idle = false;
  index = shooter;
  remaining = 0.0f;
  velocity = target - origin;
  const float length = velocity.Normalize();
  velocity = velocity * kTracerSpeed;
  remaining = length / kTracerSpeed;
  if (!object) return;
  Engine().engineStage->AddObject(object);
  object->SetVisible(1);
  object->MoveTo(position.x, position.y, position.z);
}

void Tracer::UpdateLaunchedObjects(float t) {
  if (idle) return;
  if (remaining == 0.0f) {
    if (object) {
      object->SetVisible(0);
      if (Engine().engineStage) Engine().engineStage->RemoveObject(object);
    }
    idle = true;
    // It stays where it stopped: no further test or move.
    return;
  }

  Vector3 next = position;
  if (remaining > 0.0f) {
    remaining -= t;
    next = position + velocity * t;
  }
  if (remaining < 0.0f) {
    // Only what was left of the flight: the streak ends exactly on its target.
    next = position + velocity * (t + remaining);
    remaining = 0.0f;
  }
  if (object) {
    const engine::EngineRef<engine::EngineHit> hit =
        object->TestCollision(next.x, next.y, next.z, 0, kStreakTestMask, kStreakTestMode, 0, 0);
    if (hit) {
      next = Vector3(hit->GetPoint());
      remaining = 0.0f;
    }
  }
  position = next;
  if (object) object->MoveTo(position.x, position.y, position.z);
}

}  // namespace kestrine
