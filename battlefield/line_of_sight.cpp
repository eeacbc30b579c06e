#include "battlefield/line_of_sight.h"

#include "shell/engine_setup.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

SightProbeState sightProbeState;
KESTRINE_PROGRAM_STATE(sightProbeState);

}  // namespace

const SightProbeState& SightProbe() { return sightProbeState; }

namespace {

// Its own group, which no test of the game's selects, so probes never see each other.
constexpr int kProbeCollisionGroup = 128;

engine::EngineActor& Probe() {
  if (!sightProbeState.ready || !sightProbeState.probe) {
    sightProbeState.probe = Engine().engineRoot->CreateActor();
    sightProbeState.probe->SetBoundingBox(-kSightProbeHalfExtent, kSightProbeHalfExtent, -kSightProbeHalfExtent,
                                          kSightProbeHalfExtent, -kSightProbeHalfExtent, kSightProbeHalfExtent, 0);
    sightProbeState.probe->SetCollisionMask(kProbeCollisionGroup, 0);
    Engine().engineStage->AddObject(sightProbeState.probe);
    sightProbeState.ready = true;
  }
  return *sightProbeState.probe;
}

}  // namespace

int LineOfSight(Vector3 from, Vector3& to, int mask) {
  engine::EngineActor& probe = Probe();
  probe.MoveTo(from.x, from.y, from.z);
  const engine::EngineRef<engine::EngineHit> hit = probe.TestCollision(to.x, to.y, to.z, 0, mask, 3, 0, 0);
  if (!hit) return 1;
  to.AssignFromEngine(hit->GetPoint());
  return 0;
}

void SetSightProbeExtent(float half) { Probe().SetBoundingBox(-half, half, -half, half, -half, half, 0); }

void ReleaseSightProbe() {
  if (sightProbeState.probe && Engine().engineStage) Engine().engineStage->RemoveObject(sightProbeState.probe);
  sightProbeState = SightProbeState{};
}

}  // namespace kestrine
