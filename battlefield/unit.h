// Every actor of the overhead battle: the medic, allied and enemy soldiers, casualties, and (through
// Vehicle) the vehicles. A unit owns its engine models, its marker plate, its movement state, its weapon
// and firing timer, its grenade and shot streak, and its own path table.
#pragma once

#include <cstdint>
#include <string>

#include "battlefield/nav_grid.h"
#include "battlefield/path_search.h"
#include "battlefield/projectile.h"
#include "battlefield/tracer.h"
#include "battlefield/vehicle_kind.h"
#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

// Constructor kinds: an allied soldier or ordinary casualty, an enemy soldier or the special casualty,
// the medic.
constexpr int32_t kUnitKindAlly = 0;
constexpr int32_t kUnitKindEnemy = 1;
constexpr int32_t kUnitKindMedic = 2;

constexpr int32_t kSideAlly = 0;
constexpr int32_t kSideEnemy = 1;
constexpr int32_t kSidePlayer = 2;

// Movement flags.
constexpr uint32_t kMoveOnGround = 0x02;
constexpr uint32_t kMoveInAir = 0x04;
constexpr uint32_t kMoveActionReset = 0x08;
constexpr uint32_t kMoveWalking = 0x10;
constexpr uint32_t kMoveSnapToGround = 0x20;

// Actions (SetAction); 2, 4 and 6 are plain numbers.
constexpr int32_t ACTION_STAND = 1;
constexpr int32_t ACTION_WALK = 3;
constexpr int32_t ACTION_HURT = 5;
constexpr int32_t ACTION_THROW = 7;
constexpr int32_t ACTION_DRAG = 8;
constexpr int32_t ACTION_DOWN = 9;

constexpr int32_t WEAPON_PISTOL = 0;
constexpr int32_t WEAPON_RIFLE = 1;
constexpr int32_t WEAPON_GRENADE = 2;

// Fire modes.
constexpr int32_t FIRE_STOP = 0;
constexpr int32_t FIRE_PISTOL = 1;
constexpr int32_t FIRE_RIFLE = 2;
constexpr int32_t FIRE_GRENADE = 3;

// The action state after ResetAction (UnitStateAt answers it for missing units too).
constexpr int32_t kActionStateReset = 10;
// Names read from a body model; further animations are not used.
constexpr int kMaxUnitAnimations = 15;
constexpr float kUnitStartSpeed = 0.65f;

class Unit {
 public:
  using RootRef = engine::EngineRef<engine::EngineRoot>;
  using StageRef = engine::EngineRef<engine::EngineStage>;

  Unit(const RootRef& root, const StageRef& stage, int32_t kind);
  virtual ~Unit();
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;

  virtual void LoadModels(const RootRef& root);
  virtual void SetAction(int32_t newAction);
  virtual bool IsVehicle() const { return false; }

  // Loads the models by side and camouflage and puts the unit on the stage at `where`.
  void Place(const Vector3& where, int32_t newSide, int32_t newState, int32_t unitIndex);
  void SetPosition(float x, float y, float z);
  void SetPosition(const Vector3& where) { SetPosition(where.x, where.y, where.z); }
  // Scales the unit's models by s from the size they were loaded at.
  void SetScale(float s);
  // One frame of movement: animation stop, ground snapping, the step toward the target point.
  void Update(int32_t ms);
  // Fires at `aim` (modes 0 stop, 1 pistol, 2 rifle, 3 grenade); the impact point, or (0, 0, 0) when it
  // does not fire. A target beyond the weapon's reach is pulled in to it.
  Vector3 Fire(Vector3 aim, int32_t mode);
  void MoveToward(const Vector3& point);
  // Where a shot from a little above the unit toward `aim` stops (the aim itself when nothing is hit).
  Vector3 LineOfFire(const Vector3& aim);
  void SnapToGround();
  void ResetAction();
  void Kill();
  void Relocate();
  void RemoveFromScene();
  // The larger of |dx| and |dz| to the point when both are under `limit`, else `limit`.
  float AxisDistanceWithin(const Vector3& point, float limit) const;

  // Searches the path toward `goal` and moves the unit's cell one step along it. True when the goal cell
  // is the unit's own or a path exists.
  bool FindPath(Vector3 goal);
  // Walks to a point picked on the ground (clamped to the battlefield). Also known as Unit::MoveTo.
  void MoveToPick(const engine::EngineRef<engine::EngineHit>& hit);
  // One step of the walk along the path table: the cell moves on in the stored direction and the unit is
  // steered to that cell's centre. Where the table holds no way on (an unvisited cell, or a step that
  // would leave the grid, as after a failed search) the walk ends with ResetAction and false.
  bool StepAlongPath();
  // The ground point of the unit's current cell.
  Vector3 CellCentre() const;
  bool IsMedic() const { return kind == kUnitKindMedic; }

  // ---- models and animation ----
  engine::EngineRef<engine::EngineModel> body;
  engine::EngineRef<engine::EngineModel> pistol;
  engine::EngineRef<engine::EngineModel> rifle;
  int32_t animCount = 0;
  std::wstring animNames[kMaxUnitAnimations];
  int32_t currentAnimation = -1;
  int32_t previousAnimation = -1;
  float stopDelay = 0.0f;  // seconds until the previous animation is stopped

  // ---- place and movement ----
  Vector3 pos{0.0f, 10.0f, -18.0f};
  Vector3 home;  // the strategy or spawn position (save games keep it)
  Vector3 vel;   // unit direction of travel; y carries a climb term
  Vector3 target{0.0f, 10.0f, -18.0f};
  float probeScratch[3] = {0.0f, 0.0f, 0.0f};
  bool arrived = false;
  uint32_t moveFlags = kMoveInAir | kMoveSnapToGround;
  int32_t action = 0;

  // ---- orders and condition ----
  int32_t patrol = 0;
  int32_t orders = 0;
  int32_t health = 0;
  int32_t side = 0;
  // 0 a fighting unit; casualties: 5 held back, 1 waiting, 2 readied for evacuation, 3 delivered.
  int32_t state = 0;
  int32_t woundType = 0;
  int32_t severity = 0;

  engine::EngineRef<engine::EngineMesh> markerMesh;
  engine::EngineRef<engine::EngineObject> marker;
  Projectile projectile;
  Tracer tracer;

  float baseSpeed = kUnitStartSpeed;
  float curSpeed = kUnitStartSpeed;
  bool down = false;
  int32_t targetUnit = 0;
  int64_t downTime = 0;  // game clock (ms) after which a killed unit may be moved off
  int32_t draggedBy = -1;
  int32_t actionState = 0;  // 0 while walking, 10 after ResetAction
  CellIndex prevCell;       // the cell the walk stepped from
  int32_t camouflage = 0;   // 0 woodland, 1 desert

  // ---- firing ----
  // Screen points of the muzzle (or the unit) and of the impact of the last shot.
  engine::EngineRef<engine::EngineVector> shotScreen[2];
  bool firing = false;
  int64_t nextShotTime = 0;  // game clock (ms)
  int32_t kind = kUnitKindAlly;
  int32_t weapon = WEAPON_RIFLE;

  // ---- path search ----
  CellIndex cell;
  CellIndex targetCell;
  int32_t pathPending = 0;  // 0 = no path yet
  PathTable path;
  int32_t stuckCount = 0;
  int32_t respawnTime = 0;
  int32_t vehicleKind = MAN;
  int32_t patientLoc = 0;  // casualties: their casualty case and patient location

  // ---- a casualty on the battlefield ----
  // His marker's brightness (128..255) and whether it is rising, while he waits for the medic.
  double pulse = 255.0;
  uint8_t pulseRising = 0;
  // |dx| + |dy| + |dz| to the player's unit, measured each frame.
  double playerDistance = 0.0;
  // Within reach of the helicopter's landing point at the last count.
  uint8_t atExtraction = 0;
  // An enemy the medic's shot missed narrowly has turned on him.
  uint8_t alert = 0;

 protected:
  // Hides, removes from the stage and lets go of the body and weapon models.
  void ReleaseModels();
  // Lays the marker plate flat under the unit, its picture turned to `heading` degrees.
  void TurnMarker(float heading);
  void StopPreviousAnimation();
  // Takes one step of `step` along the velocity, with the obstacle and ground tests.
  void Walk(float step);
  // The search again toward the goal cell, and the steering to the next cell.
  void ReplanToTargetCell();

  // The stage the unit's objects are on (held, so they can always be taken off it). The engine root is not
  // held: a unit left over at exit must not keep the whole engine alive.
  StageRef stage_;
  // The scales the models were loaded at; SetScale multiplies them.
  float bodyLoadScale_ = 1.0f;
  float markerLoadScale_ = 1.0f;
};

}  // namespace kestrine
