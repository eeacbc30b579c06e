#include "battlefield/mission_frame.h"

#include <algorithm>
#include <cmath>

#include "battlefield/battle_state.h"
#include "battlefield/camera_shake.h"
#include "battlefield/developer_switches.h"
#include "battlefield/extraction.h"
#include "battlefield/mini_map.h"
#include "battlefield/mission_state.h"
#include "battlefield/nav_grid.h"
#include "battlefield/overhead_hud.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "battlefield/unit_shooting.h"
#include "battlefield/view_preset.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr int32_t kWaiting = 1;
constexpr int32_t kReadied = 2;
constexpr int32_t kDelivered = 3;
constexpr int32_t kHeldBack = 5;
constexpr int32_t kSerious = 2;
constexpr int32_t kFullHealth = 10;
constexpr int32_t kCalledHealth = 11;  // an ally already sent to the medic by a support call
constexpr int32_t kSupportSpread = 5;

constexpr int32_t kHudStageMiniMap = 5;
constexpr int kMiniMapSource = 128;
// The mini-map shows the world square -90..90 at 0.35 pixels a unit.
constexpr float kMiniMapScale = 0.35f;
constexpr float kMiniMapOffset = 90.0f;

// The marker's brightness swings between these, at 0.2 a millisecond.
constexpr double kPulseLow = 128.0;
constexpr double kPulseHigh = 255.0;
constexpr double kPulsePerMs = 0.2;

constexpr float kDragBehind = 2.0f;
constexpr float kDegreesPerRadian = 57.29578f;
constexpr float kDeliveredWithin = 11.0f;
constexpr float kLandingReach = 13.0f;
constexpr int32_t kExtractionBonusPerLevel = 6;

struct Colour {
  int r, g, b;
};
constexpr Colour kSideColours[] = {{10, 200, 10}, {200, 10, 10}, {255, 255, 255}};
constexpr Colour kGridLineColour = {255, 0, 255};
constexpr Colour kMessageColour = {10, 250, 10};
constexpr int kMessageSize = 13;

struct FrameGeometry {
  int x0, y0;
  bool drawDots;
};

bool MedicGone() { return Units().unitCount < 1 || !Units().units[0]; }

// Serious wounds (and the special casualty's) show orange, the others yellow.
bool SeriousMarker(const Unit& unit) { return unit.severity >= kSerious; }

void SetMarkerColour(Unit& unit, const Colour& c) {
  if (ScreenText().textOverlay) ScreenText().textOverlay->SetDrawColor(c.r, c.g, c.b);
  if (unit.markerMesh) unit.markerMesh->SetFaceColor(L"front", c.r, c.g, c.b);
}

void DrawMiniMap(const FrameGeometry& g) {
  if (ScreenText().textOverlay && missionState.smallMapImage)
    ScreenText().textOverlay->DrawBitmap(missionState.smallMapImage, 0, 0, 0, kMiniMapSource, kMiniMapSource, g.x0,
                                         g.y0, kMiniMapSize, kMiniMapSize);
}

// The links of the walking grid, drawn once when asked for.
void DrawGridLinks() {
  if (!BattleSwitches().showGrid || !ScreenText().textOverlay) return;
  GridLinksDrawn();
  ScreenText().textOverlay->SetDrawColor(kGridLineColour.r, kGridLineColour.g, kGridLineColour.b);
  for (int r = 0; r < kNavGridSize; ++r)
    for (int c = 0; c < kNavGridSize; ++c)
      for (int k = 2; k <= 5; ++k) {
        if ((Nav().NavGrid[r][c].mask & (1 << k)) == 0) continue;
        ScreenText().textOverlay->DrawLine(c * 10, (40 - r) * 10, (c + kNavStepX[k]) * 10,
                                           (40 - (r + kNavStepZ[k])) * 10);
      }
}

void Respawn(Unit& unit, int32_t dt) {
  unit.respawnTime -= dt;
  if (unit.respawnTime > 0) return;
  unit.respawnTime = 0;
  unit.health = kFullHealth;
  if (unit.body) unit.body->SetVisible(1);
  if (unit.marker) unit.marker->SetVisible(1);
  if (unit.down) {
    unit.down = false;
    Vector3 spawn;
    if (PickSpawnPoint(spawn)) unit.SetPosition(spawn);
  }
  SendUnitTo(unit, unit.pos);
}

// Allies answer a support call by coming to the medic's side; once it is over they count as ordinary
// soldiers again.
void AnswerSupportCall(Unit& unit) {
  if (!Battle().supportActive) {
    unit.health = std::min(unit.health, kFullHealth);
    return;
  }
  if (unit.health >= kCalledHealth || unit.vehicleKind != MAN || MedicGone()) return;
  Vector3 point(Units().units[0]->pos.x, 0.0f, Units().units[0]->pos.z);
  point = RandomOffset(point, kSupportSpread);
  SendUnitTo(unit, point);
  unit.home = point;
  unit.health = kCalledHealth;
}

void NoteNearest(Unit& unit, int32_t i) {
  if (!IsUnitSlot(Battle().playerUnit)) return;
  const Vector3 d = unit.pos - Units().units[Battle().playerUnit]->pos;
  unit.playerDistance = std::fabs(d.x) + std::fabs(d.y) + std::fabs(d.z);
  OfferNearestPatient(i, unit.playerDistance);
}

// A dragged casualty is pulled along two steps behind whoever drags him, facing the way he goes.
void FollowDragger(Unit& unit) {
  if (unit.draggedBy < 0 || !IsUnitSlot(unit.draggedBy)) return;
  const Unit& dragger = *Units().units[unit.draggedBy];
  if (dragger.vel.x == 0.0f && dragger.vel.z == 0.0f) return;
  unit.SetPosition(dragger.pos - dragger.vel * kDragBehind);
  if (unit.body) unit.body->TurnTo(0, 1, 0, std::atan2(dragger.vel.x, dragger.vel.z) * kDegreesPerRadian);
}

void PulseMarker(Unit& unit) {
  const double step = Clock().frameTime * kPulsePerMs;
  if (!unit.pulseRising) {
    unit.pulse -= step;
    if (unit.pulse <= kPulseLow) {
      unit.pulseRising = 1;
      unit.pulse = kPulseLow;
    }
  } else {
    unit.pulse += step;
    if (unit.pulse >= kPulseHigh) {
      unit.pulseRising = 0;
      unit.pulse = kPulseHigh;
    }
  }
  const int v = static_cast<int>(unit.pulse);
  SetMarkerColour(unit, SeriousMarker(unit) ? Colour{255, v - 50, 0} : Colour{v, v, 0});
}

// A casualty's frame by his state; returns true while he is still pending (waiting or held back).
bool CasualtyFrame(Unit& unit, int32_t i) {
  switch (unit.state) {
    case kWaiting:
      PulseMarker(unit);
      unit.vel.x = unit.vel.y = unit.vel.z = 0.0f;
      unit.moveFlags |= kMoveActionReset;
      unit.moveFlags &= ~kMoveWalking;
      unit.SetAction(ACTION_DOWN);
      unit.arrived = true;
      NoteNearest(unit, i);
      FollowDragger(unit);
      return true;
    case kReadied:
      if ((unit.pos - Battle().evacuationPoint).Length() < kDeliveredWithin) unit.state = kDelivered;
      [[fallthrough]];
    case kDelivered:
      unit.SetAction(ACTION_DOWN);
      NoteNearest(unit, i);
      FollowDragger(unit);
      SetMarkerColour(unit, SeriousMarker(unit) ? Colour{255, 180, 0} : Colour{255, 255, 0});
      return false;
    case kHeldBack:
      return true;
    default:
      return false;
  }
}

// The walk along the path table: at the goal cell the walk ends; otherwise one cell on. A table with no way
// on (a failed search) ends the walk where the unit is.
void StepPath(Unit& unit, int32_t i) {
  if (!unit.arrived) return;
  if (unit.cell == unit.targetCell) {
    unit.ResetAction();
    if (i == 0) unit.SetAction(ACTION_STAND);
    return;
  }
  if (!unit.StepAlongPath()) unit.targetCell = unit.cell;
}

// Returns false when the medic died during it (the mission is gone).
bool UnitFrame(int32_t i, int32_t dt, const FrameGeometry& g, int32_t& pending) {
  Unit& unit = *Units().units[i];
  if (unit.firing) {
    unit.firing = false;
    // A grenade being thrown holds the thrower for the frame.
    if (unit.weapon == WEAPON_GRENADE) return true;
  }
  if (unit.respawnTime != 0) Respawn(unit, dt);
  if (unit.down && unit.downTime < Clock().gameClock && unit.vehicleKind == MAN) unit.Relocate();

  const int mx = static_cast<int>((unit.pos.x + kMiniMapOffset) * kMiniMapScale + static_cast<float>(g.x0));
  const int my =
      static_cast<int>(static_cast<float>(g.y0 + kMiniMapSize) - (unit.pos.z + kMiniMapOffset) * kMiniMapScale);
  const Colour& side = kSideColours[unit.side >= 0 && unit.side < 3 ? unit.side : 2];
  if (ScreenText().textOverlay) ScreenText().textOverlay->SetDrawColor(side.r, side.g, side.b);

  // Soldiers only: a casualty cannot answer a call, and the medic is the one calling.
  if (unit.side == kSideAlly && unit.state == 0 && i > 0) AnswerSupportCall(unit);
  if (CasualtyFrame(unit, i)) ++pending;

  if (!unit.projectile.idle) {
    // The grenade may blow up the medic, and the mission with him.
    unit.projectile.UpdateProjectiles(static_cast<float>(dt / 700.0));
    if (MedicGone()) return false;
  }
  if (!unit.tracer.idle) unit.tracer.UpdateLaunchedObjects(static_cast<float>(dt / 700.0));
  if (!unit.down) unit.Update(dt);
  StepPath(unit, i);
  if (g.drawDots && !unit.down && ScreenText().textOverlay) ScreenText().textOverlay->FillRect(mx - 1, my - 1, 3, 3);
  return true;
}

void DrawMessage(int32_t y480, const wchar_t* text) {
  if (!ScreenText().textOverlay) return;
  DrawTextOnImage(ScreenText().textOverlay, Engine().screenWidth * 400 / 640, Engine().screenHeight * y480 / 480, text,
                  kMessageSize, ALIGN_CENTRE, kMessageColour.r, kMessageColour.g, kMessageColour.b, 1, 0);
}

void ShowTimeUp() {
  if (!Battle().timeUpImage) {
    engine::EngineRef<engine::EngineBitmap> image = Engine().engineRoot->LoadBitmap(L"images\\time-up.qjp", 0);
    while (!image->IsLoaded()) Engine().engineRoot->Wait(100);
    KeepTimeUpImage(std::move(image));
  }
  DrawBackdrop(Battle().timeUpImage);
  ShowOverlay();
}

void CallEvacuation() {
  StartExtraction();
  ChooseExtractionPoint();
  CreateEvacHelicopter();
}

// Every casualty (held back ones too) must be within reach of the landing point; the count stops at the
// first who is not.
bool AllAtLandingPoint() {
  for (int32_t i = 1; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    Unit* unit = Units().units[i].get();
    if (!unit || unit->state <= 0) continue;
    if (!(unit->AxisDistanceWithin(Battle().evacuationPoint, kLandingReach) < kLandingReach)) {
      unit->atExtraction = 0;
      return false;
    }
    unit->atExtraction = 1;
  }
  return true;
}

void MissionClockAndExtraction(int32_t pending) {
  const int32_t warnTime = missionState.extractionWarnTime;
  if (MissionTime().missionClock < 0 && !MissionTime().clockFrozen) {
    int32_t n = 0;
    SetExtractionBonus(0);
    DrawMessage(States().gameState == STATE_PATIENT_VIEW ? 300 : 340,
                L"You are forced to evacuate now.  You took too long.");
    if (pending == 0) {
      n = FlagUnitsAtExtraction();
      SetExtractionBonus((Campaign().difficulty + 1) * kExtractionBonusPerLevel * n);
    }
    if (n < 1) {
      EndMission(END_TIME_OUT);
      ShowTimeUp();
      FlagUnitsAtExtraction();
    } else {
      EndMission(END_TIME_OUT_SOLDIERS_OUT);
    }
  } else if (MissionTime().missionClock < warnTime && !Battle().extractionStarted) {
    CallEvacuation();
  }
  if (!Battle().extractionStarted && (pending == 0 || BattleSwitches().forceExtraction)) {
    // Nobody left to wait for: the time not needed is cut off the clock (and counted in the player's favour).
    if (MissionTime().missionClock > warnTime) {
      SetEarlyFinishTime(MissionTime().missionClock - warnTime);
      SetMissionClock(warnTime);
    }
    CallEvacuation();
  }
  if (Battle().extractionStarted && AllAtLandingPoint()) {
    DrawMessage(345, L"Stand by for extraction.");
    EndMission(END_EVACUATED);
    FlagUnitsAtExtraction();
  }
}

// One computer unit's turn. Returns false when the medic died during it.
bool NextUnitsTurn() {
  const int32_t cursor = AdvanceOrderCursor(Units().unitCount);
  if (!IsUnitSlot(cursor)) return true;
  Unit& unit = *Units().units[cursor];
  // Casualties lying wounded neither shoot nor take orders.
  if (unit.state != 0 && unit.state != kHeldBack) return true;
  if (!unit.down) {
    UnitShootingTick(cursor);
    if (MedicGone()) return false;
  }
  if (Units().units[cursor] && Units().units[cursor]->respawnTime == 0 && Units().units[cursor]->arrived)
    RunOrders(cursor);
  return true;
}

}  // namespace

void FollowPlayerWithCamera() {
  if (!Engine().engineCamera || !IsUnitSlot(Battle().playerUnit)) return;
  const float limitX = static_cast<float>(ViewPreset().panLimitX);
  const float limitZ = static_cast<float>(ViewPreset().panLimitZ);
  const Vector3& at = Units().units[Battle().playerUnit]->pos;
  const float x = std::clamp(at.x, -limitX, limitX);
  float z = std::min(at.z, limitZ);
  // The high view looks a little further toward the near edge.
  z = std::max(z, ViewPreset().viewPreset == 0 ? -(limitZ + 15.0f) : -limitZ);
  Engine().engineCamera->SetPosition(x, static_cast<float>(ViewPreset().cameraHeight),
                                     z - static_cast<float>(ViewPreset().cameraZOffset));
}

void MissionFrame(int32_t dt, bool hud) {
  ForgetNearestPatient();
  const MiniMapCorner corner = MiniMapOrigin();
  FrameGeometry g{corner.x, corner.y, false};
  if (Shake().shakeTimer > 0) CameraShake(dt, true);

  if (Battle().hudStage == kHudStageMiniMap) {
    DrawPatientProgress();
    DrawMiniMap(g);
  } else if (States().gameState == STATE_PATIENT_VIEW) {
    DrawPatientProgress();
    ShowHudStage(kHudStageMiniMap);
  }
  g.drawDots = Battle().hudStage == kHudStageMiniMap || States().gameState == STATE_PATIENT_VIEW;
  if (StrategyTable().strategyCount > 0) PulseStrategyMarker(dt);
  DrawGridLinks();

  int32_t pending = 0;
  for (int32_t i = 0; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    if (!Units().units[i]) continue;
    if (!UnitFrame(i, dt, g, pending)) return;
  }

  MissionClockAndExtraction(pending);
  TickSupportCall(dt);
  if (!NextUnitsTurn()) return;

  if (hud) {
    FollowPlayerWithCamera();
    DrawHudStage();
    DrawDeveloperDisplays();
  }
}

}  // namespace kestrine
