// The drawer of the patient view that slides up over the tool tray with the drugs, fluids and kit parts
// of one tray tool. The treatment rules close it when a kit's procedure is complete; the view's tray code
// fills, opens, animates and draws it.
#pragma once

#include <cstdint>

#include "casualty/tool_table.h"
#include "casualty_view/patient_image.h"

namespace kestrine {

enum ToolDrawerState : int32_t {
  DRAWER_CLOSED = 0,
  DRAWER_OPENING = 1,
  DRAWER_OPEN = 2,
  DRAWER_CLOSING = 3,
};

// The drawer's bottom edge (pixels): it rises from here until its whole picture shows.
constexpr int32_t kDrawerBase = 362;
// Pixels per millisecond it slides (6 every 100 ms).
constexpr double kDrawerSpeed = 6.0 / 100.0;
constexpr int32_t kDrawerSlotSpacing = 40;
constexpr int32_t kSyringeSlotSpacing = 23;  // the medicine syringe's six vials sit closer
constexpr int32_t kDrawerFirstSlotX = 20;
constexpr int32_t kDrawerSlotY = 3;
// Where the hit-test of the slots starts, from the drawer's left edge.
constexpr int32_t kDrawerHitInset = 14;

struct ToolDrawer {
  int32_t state = DRAWER_CLOSED;
  PatientImage picture;
  int32_t x = 0;
  double y = kDrawerBase;  // pixels, with the fraction of the slide
  int32_t slotSpacing = kDrawerSlotSpacing;
  int32_t tools[kToolCount] = {};
  int32_t filled = 0;  // slots holding a tool

  // Loads the drawer's picture, closed.
  void Init();
  void Release();
  // The drawer takes the tools stocked under `parent`, in row order, with their icons.
  void Fill(int32_t parent);
  // Puts another tool into a filled slot, icon and all.
  void SetSlot(int32_t k, int32_t row);
  // Starts sliding up at x (below 1.0 a fraction of the screen width), kept clear of the right edge.
  void Open(double atX);
  // Each frame: slides by dt milliseconds and draws the part of the picture risen above the tray.
  void Update(int32_t dt);
  // An opening or open drawer starts to slide shut.
  void Close();

  bool IsOpen() const { return state == DRAWER_OPEN || state == DRAWER_OPENING; }
  // The slot under a pointer x (pixels), -1 for none (left of the first slot or past the filled ones).
  int32_t SlotAt(int32_t px) const;
  // The rows of the picture shown now.
  int32_t VisibleRows() const;

 private:
  void DrawIcons();
};

extern ToolDrawer toolDrawer;

}  // namespace kestrine
