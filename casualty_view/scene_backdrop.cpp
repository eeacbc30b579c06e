// The patient view's backdrop billboards.
#include "casualty_view/scene_backdrop.h"

#include <cmath>
#include <numbers>

#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

namespace {

SceneBackdrop sceneBackdrop;
KESTRINE_PROGRAM_STATE(sceneBackdrop);

}  // namespace

const SceneBackdrop& Scenery() { return sceneBackdrop; }

const BackdropRow kBackdropRows[kBackdropRowCount] = {
    {L"patient\\world\\objects\\bush.qjp", 0.984375f, 0xFFFF, 8, 14},
    {L"patient\\world\\objects\\palmbush.qjp", 0.9453125f, 0xFFFF, 8, 14},
    {L"patient\\world\\objects\\rock.qjp", 0.8125f, 0x1, 5, 10},
    {L"patient\\world\\objects\\rock1.qjp", 0.8984375f, 0x1, 5, 10},
    {L"patient\\world\\objects\\rock2.qjp", 0.8671875f, 0x2, 5, 10},
    {L"patient\\world\\objects\\rock3.qjp", 0.90625f, 0x1, 5, 10},
    {L"patient\\world\\objects\\rock4.qjp", 0.8125f, 0x2, 5, 10},
    {L"patient\\world\\objects\\rock5.qjp", 0.8984375f, 0x2, 5, 10},
    {L"patient\\world\\objects\\rock6.qjp", 0.765625f, 0x3, 5, 10},
};

void ScatterBackdrop() {
  ReleaseSceneParts();
  int32_t taken[kBackdropRowCount];
  int32_t takenCount = 0;
  for (int32_t row = 0; row < kBackdropRowCount; ++row) {
    if (!(kBackdropRows[row].mask & 1u)) continue;
    auto& picture = sceneBackdrop.pictures[row];
    picture = Engine().engineRoot->LoadBitmap(kBackdropRows[row].path, 1);
    while (!WaitForAsset(picture)) {
    }
    picture->SetColorKey(255, 0, 0);
    taken[takenCount++] = row;
  }
  for (Billboard& billboard : sceneBackdrop.billboards) {
    // The draws come in this order: bearing, distance, row, size.
    const double bearing = (rand() % 200 - 100.0) * std::numbers::pi / 100.0;
    const double distance = (rand() % 20 + 60.0) / 2.5;
    const int32_t row = taken[rand() % takenCount];
    const BackdropRow& def = kBackdropRows[row];
    const int32_t span = def.maxSize - def.minSize;
    const int32_t size = def.minSize + (span > 0 ? rand() % span : 0);
    billboard.row = row;
    billboard.size = size;
    billboard.distance = static_cast<float>(distance);
    billboard.plane = Engine().engineRoot->CreatePlane(static_cast<float>(size), static_cast<float>(size), 0, 0, 0, 0);
    billboard.plane->SetFaceBitmap(L"front", sceneBackdrop.pictures[row], 0);
    billboard.actor = Engine().engineRoot->CreateActor();
    billboard.actor->AttachShape(billboard.plane);
    billboard.actor->SetPosition(static_cast<float>(distance * std::cos(bearing)),
                                 (def.heightFactor - 0.5f) * static_cast<float>(size) - 1.0f,
                                 static_cast<float>(distance * std::sin(bearing)));
    billboard.actor->PointAt(Engine().engineCamera, 3);
  }
}

void AttachSceneParts() {
  for (const Billboard& billboard : sceneBackdrop.billboards)
    if (billboard.actor) Engine().engineStage->AddObject(billboard.actor);
  sceneBackdrop.attached = true;
}

void DetachSceneParts() {
  if (Engine().engineStage)
    for (const Billboard& billboard : sceneBackdrop.billboards)
      if (billboard.actor) Engine().engineStage->RemoveObject(billboard.actor);
  sceneBackdrop.attached = false;
}

void ReleaseSceneParts() {
  DetachSceneParts();
  // The pictures go with the billboards: a mission's backdrop is scattered afresh by the next.
  sceneBackdrop = SceneBackdrop{};
}

}  // namespace kestrine
