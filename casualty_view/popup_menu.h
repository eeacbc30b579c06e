// A small list of text rows drawn over the patient view, one row highlighted under the pointer: the radio
// menu and the two developer wound pickers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace kestrine {

enum PopupMenuState : int32_t { POPUP_HIDDEN = 0, POPUP_OPEN = 1, POPUP_CLICKED = 2 };

class PopupMenu {
 public:
  // The rows (copied), the menu's text object and its image.
  void SetItems(int32_t rowCount, const char* const* rowTexts);
  // Shows the menu with its top-left corner at (x, y), kept clear of the screen's right edge.
  void Open(int32_t px, int32_t py);
  // Each frame while open: the row under the pointer highlighted and the menu copied onto the text overlay.
  void Draw(int32_t pointerX, int32_t pointerY);
  // Closes the menu; the row clicked, or -1 for a click outside it (or on a menu never placed).
  int32_t Click(int32_t px, int32_t py);
  void Release();

  bool IsOpen() const { return state == POPUP_OPEN; }
  // The row under a point, -1 when the point is not strictly inside the menu.
  int32_t RowAt(int32_t px, int32_t py) const;

  int32_t state = POPUP_HIDDEN;
  engine::EngineRef<engine::EngineBitmap> image;
  engine::EngineRef<engine::EngineTextFont> text;
  int32_t count = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t selectedRow = -1;
  std::vector<std::string> items;
  int32_t rowHeight = 0;
  int32_t inset = 4;
  int32_t width = 200;
  int32_t height = 0;
};

// The radio menu's rows.
enum RadioMenuRow : int32_t { RADIO_ROW_EVACUATE = 0, RADIO_ROW_RETURN = 1, RADIO_ROW_SUPPORT = 2 };

struct PopupMenus {
  PopupMenu radioMenu;
  PopupMenu woundPicker1;  // wound types 0..28
  PopupMenu woundPicker2;  // wound types 29..57
};
// Written only here, through the operations below.
const PopupMenus& Popups();

// The first wound type of the second picker.
constexpr int32_t kSecondPickerFirstWound = 29;

// The radio menu's rows and the two pickers' wound titles.
void FillPopupMenus();
void FillWoundPickers();
// The developer key: both pickers open side by side at the top of the screen.
void OpenWoundPickers();
// The radio menu opens at a point (kept clear of the screen's right edge).
void OpenRadioMenu(int32_t px, int32_t py);
// The radio menu, when open, with the row under the pointer in reverse colours.
void DrawRadioMenu(int32_t pointerX, int32_t pointerY);
// A click on the radio menu: its row's call is made (the first two only in the patient view).
int32_t ClickRadioMenu(int32_t px, int32_t py);
// A click while a picker is open: the picker closes, and a chosen row becomes the shown patient's wound.
// True when a wound was chosen.
bool ClickWoundPickers(int32_t px, int32_t py);
// Each frame: the open pickers drawn under the pointer.
void DrawWoundPickers(int32_t pointerX, int32_t pointerY);
void ReleasePopupMenus();

}  // namespace kestrine
