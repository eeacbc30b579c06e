// The patient view (game state 18): the close 3D view of one casualty in his surroundings, built once per
// mission for all its casualties, entered each time the medic opens one and left for the overhead view
// while the battle runs on. Everything the view shows stays parked 100 units under the ground (and off the
// stage where it can be) while the overhead view is shown.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "shell/timed_message.h"

namespace kestrine {

class Patient;

// The Glove: in hand whenever the view is entered.
constexpr int32_t kViewStartTool = 8;
// Clicks below this line (the head-up display) never reach the body.
constexpr int32_t kHudBandTop = 314;
// Parked this far under the ground while the overhead view is shown.
constexpr float kViewParkDepth = 100.0f;
constexpr int kPatientPictureCount = 2;

// A casualty of the mission as the view builds him: his wound row and his appearance (the unit's severity
// code). Slot = his place in the list.
struct ViewCasualty {
  int32_t woundType = 0;
  int32_t appearance = 0;
  bool present = true;  // false: the slot stays empty
};
// The battlefield says who the mission's casualties are; it registers this once at start-up.
using ViewCasualtySource = std::vector<ViewCasualty> (*)();
void RegisterCasualtyCaseSource(ViewCasualtySource source);

struct PatientViewState {
  bool patientViewBuilt = false;
  int32_t selectedTool = -1;  // the tool row in hand, -1 none
  int32_t trayScroll = 0;     // pixels
  // The pointer as the view's mouse handler last saw it, and the buttons held (bit 0 left, bit 1 right).
  int32_t viewPointerX = 0;
  int32_t viewPointerY = 0;
  uint32_t buttons = 0;
  // Camera keys held.
  bool orbitLeft = false;
  bool orbitRight = false;
  bool cameraUp = false;
  bool cameraDown = false;
  bool zoomModifier = false;

  // The point the camera looks at, at the patient's middle.
  engine::EngineRef<engine::EngineActor> sceneActor;
  engine::EngineRef<engine::EngineModel> surroundings;
  int32_t loadedKind = -1;  // the surroundings kind loaded (-1 none)
  engine::EngineRef<engine::EngineBitmap> camouflageNet;
  engine::EngineRef<engine::EngineBitmap> patientPictures[kPatientPictureCount];
  engine::EngineRef<engine::EngineMesh> shadowPlane;
  engine::EngineRef<engine::EngineActor> shadowActor;
  engine::EngineRef<engine::EngineTextFont> viewFont;
  TimedMessage hintBox;

  // True while the view's objects are under the ground; each switch lifts or parks them once.
  bool parked = true;
  // The patient whose objects were lifted (the one to park again).
  Patient* liftedPatient = nullptr;
  // Where the overhead camera stood when the view was entered, given back when it is left.
  bool overheadCameraSaved = false;
  engine::Vec3 overheadCameraPosition, overheadCameraDirection, overheadCameraUp;

  // The developer key sequence and the aids it unlocks.
  int32_t developerStep = 0;
  bool developerUnlocked = false;
  bool developerFreeHints = false;
  bool boneMarkers = false;
};
// Only casualty_view/patient_view.cpp writes the view's record; its key and mouse handlers and everyone else
// read it here and change it through the operations below.
const PatientViewState& PatientView();

// Takes a tool into the hand (-1: the hand is empty).
void SelectTool(int32_t tool);
// The tray scrolls one step of dt ms to the left (-1) or right (+1).
void ScrollTray(int32_t dir, int32_t dt);

// The pointer over the scene, and the buttons held (bit 0 left, bit 1 right) going down and up.
void MoveViewPointer(int32_t x, int32_t y);
void PressViewButtons(uint32_t bits);
void ReleaseViewButtons(uint32_t bits);
// The hint box at (x, y), as fractions of the screen, for a number of frames.
void ShowViewHint(std::string_view text, float x, float y, int32_t frames);

enum ViewCameraKey { VIEW_ORBIT_LEFT, VIEW_ORBIT_RIGHT, VIEW_CAMERA_UP, VIEW_CAMERA_DOWN, VIEW_ZOOM_MODIFIER };
// A camera key held down or let go.
void HoldCameraKey(ViewCameraKey key, bool down);

// The developer key sequence: the next step to match, and the aids unlocked at its end.
void SetDeveloperStep(int32_t step);
void UnlockDeveloperAids();
// An aid was run: the aids lock again and the sequence starts over.
void LockDeveloperAids();
void ToggleDeveloperFreeHints();
void ToggleBoneMarkers();

// Builds the view for the mission's casualties: pictures, treatment visuals, one patient per casualty (read
// from `loading` when a save game is being loaded), the backdrop, the surroundings and the shadow.
void BuildPatientView(std::FILE* loading);
// Entry of state 18: the current casualty is lifted into view, with the Glove in hand.
void SwitchToPatientView();
// Entry of state 17: everything of the view goes back under the ground and the overhead camera returns.
void SwitchToOverheadView();
// Each frame of state 18 while the mission runs.
void UpdatePatientView(int32_t dt);
// A left click on the body at (x, y) of the 640 x 480 view applies the tool in hand to the part hit.
void PickPatientPart(int32_t x, int32_t y);
// The view's keys (virtual-key codes).
void OnPatientViewKey(int32_t key, bool down);
// On entry: the open-ground surroundings turned and placed for the shown slot and the camera moved, or for
// every other kind the camera alone.
void PlacePatientViewProps();
// The view's half of the teardown: lets go of everything BuildPatientView made but the patients.
void ReleasePatientViewScene();

}  // namespace kestrine
