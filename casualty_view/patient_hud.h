// Where the patient view's head-up display, tool tray, drawer, case chart and mouse hang off the view.
// The view calls these at their places in its build, its frame and its release.
#pragma once

#include <cstdint>

namespace kestrine {

// In the build: the tray strip from the carried tools, the drawer picture, the HUD pictures, the radio
// menu and the developer wound pickers.
void LoadPatientHud();
// First in the frame: the camera glide and the camera keys.
void MovePatientCamera(int32_t dt);
// After the overlays are cleared: the cursor of the tool in hand, the cross-hair and the tray.
void DrawPatientTray();
// After the vitals: the HUD picture and read-outs, the drawer, the case chart, the hot-spots, the buttons,
// the label under the pointer.
void DrawPatientHud();
// With the timed messages: the developer wound pickers when open.
void DrawPatientPopups();
// The engine's mouse events in state 18 (x, y in the 640 x 480 view; 2 move, 6/7 left down/up, 9/10 right
// down/up). True when consumed.
bool OnPatientViewMouse(int32_t x, int32_t y, int32_t code);
// With the view's teardown.
void ReleasePatientHud();

}  // namespace kestrine
