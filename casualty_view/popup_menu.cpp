// The popup menus: laid out once in a bold small face, redrawn each frame with the row under the pointer
// in reverse colours.
#include "casualty_view/popup_menu.h"

#include <algorithm>

#include "casualty/casualty_slots.h"
#include "casualty/step_interpreter.h"
#include "casualty/wound_types.h"
#include "casualty_view/radio_calls.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"
#include "shell/events.h"

namespace kestrine {

PopupMenus popupMenus;
KESTRINE_PROGRAM_STATE(popupMenus);

const PopupMenus& Popups() { return popupMenus; }

namespace {

constexpr int kMenuR = kLabelR, kMenuG = kLabelG, kMenuB = kLabelB;
// A menu keeps this far from the screen's right edge.
constexpr int32_t kRightMargin = 240;
constexpr int32_t kPickerY = 4;
constexpr int32_t kPicker1X = 10;
constexpr int32_t kPicker2X = 200;

constexpr const char* kRadioRows[] = {"Call for Med-Evac", "Return patient to action", "Call for Support"};

}  // namespace

void PopupMenu::SetItems(int32_t rowCount, const char* const* rowTexts) {
  items.clear();
  for (int32_t i = 0; i < rowCount && rowTexts != nullptr; ++i) items.emplace_back(rowTexts[i] ? rowTexts[i] : "");
  count = static_cast<int32_t>(items.size());
  if (!Engine().engineRoot) return;
  text = Engine().engineRoot->CreateText(0);
  text->SetFontFace(L"Ariel");
  text->SetSize(8);
  text->SetStyleA(1);
  text->SetBackColor(0, 0, 0);
  text->SetColor(kMenuR, kMenuG, kMenuB);
  rowHeight = std::max(1, text->TextHeight(L"Ag"));
  inset = 4;
  width = 200;
  height = count * rowHeight;
  image = Engine().engineRoot->CreateBitmap(width, std::max(height, 1));
  image->Clear(0, 0, 0);
}

void PopupMenu::Open(int32_t px, int32_t py) {
  state = POPUP_OPEN;
  selectedRow = -1;
  x = std::min(px, Engine().screenWidth - kRightMargin);
  y = py;
}

int32_t PopupMenu::RowAt(int32_t px, int32_t py) const {
  if (rowHeight <= 0 || px <= x || px >= x + width || py <= y || py >= y + height) return -1;
  return std::min((py - y) / rowHeight, count - 1);
}

void PopupMenu::Draw(int32_t pointerX, int32_t pointerY) {
  if (!image || !text) return;
  image->SetColorKey(255, 0, 0);
  selectedRow = RowAt(pointerX, pointerY);
  for (int32_t row = 0; row < count; ++row) {
    const bool selected = row == selectedRow;
    text->SetColor(selected ? 0 : kMenuR, selected ? 0 : kMenuG, selected ? 0 : kMenuB);
    text->SetBackColor(selected ? kMenuR : 0, selected ? kMenuG : 0, selected ? kMenuB : 0);
    text->DrawText(image, inset, row * rowHeight, WidenText(items[static_cast<size_t>(row)]));
  }
  text->SetColor(kMenuR, kMenuG, kMenuB);
  text->SetBackColor(0, 0, 0);
  if (ScreenText().textOverlay)
    ScreenText().textOverlay->DrawBitmap(image, 0, 0, 0, width, height, x, y, width, height);
}

int32_t PopupMenu::Click(int32_t px, int32_t py) {
  state = POPUP_CLICKED;
  if (x == 0 || y == 0) return -1;
  selectedRow = RowAt(px, py);
  return selectedRow;
}

void PopupMenu::Release() { *this = PopupMenu{}; }

void FillPopupMenus() {
  popupMenus.radioMenu.SetItems(3, kRadioRows);
  FillWoundPickers();
}

void FillWoundPickers() {
  const char* titles[kWoundTypeCount];
  for (int i = 0; i < kWoundTypeCount; ++i) titles[i] = WoundTypeTable[i].title;
  popupMenus.woundPicker1.SetItems(kSecondPickerFirstWound, titles);
  popupMenus.woundPicker2.SetItems(kWoundTypeCount - kSecondPickerFirstWound, titles + kSecondPickerFirstWound);
}

void OpenWoundPickers() {
  popupMenus.woundPicker1.Open(kPicker1X, kPickerY);
  popupMenus.woundPicker2.Open(kPicker2X, kPickerY);
}

void OpenRadioMenu(int32_t px, int32_t py) { popupMenus.radioMenu.Open(px, py); }

void DrawRadioMenu(int32_t pointerX, int32_t pointerY) {
  if (popupMenus.radioMenu.IsOpen()) popupMenus.radioMenu.Draw(pointerX, pointerY);
}

int32_t ClickRadioMenu(int32_t px, int32_t py) {
  const int32_t row = popupMenus.radioMenu.Click(px, py);
  const bool inView = States().gameState == STATE_PATIENT_VIEW;
  if (row == RADIO_ROW_EVACUATE && inView) CallForEvacuation(RADIO_FROM_MENU);
  if (row == RADIO_ROW_RETURN && inView) CallReturnToAction(RADIO_FROM_MENU);
  if (row == RADIO_ROW_SUPPORT) CallForSupport(RADIO_FROM_MENU);
  return row;
}

bool ClickWoundPickers(int32_t px, int32_t py) {
  // A picker only picks a wound: the radio menu's calls never run from it.
  int32_t wound = -1;
  if (popupMenus.woundPicker1.IsOpen()) {
    const int32_t row = popupMenus.woundPicker1.Click(px, py);
    if (row >= 0) wound = row;
  }
  if (popupMenus.woundPicker2.IsOpen()) {
    const int32_t row = popupMenus.woundPicker2.Click(px, py);
    if (row >= 0) wound = row + kSecondPickerFirstWound;
  }
  if (wound < 0 || Slots().currentPatient == nullptr) return false;
  ChangeWound(*Slots().currentPatient, wound);
  return true;
}

void DrawWoundPickers(int32_t pointerX, int32_t pointerY) {
  if (popupMenus.woundPicker1.IsOpen()) popupMenus.woundPicker1.Draw(pointerX, pointerY);
  if (popupMenus.woundPicker2.IsOpen()) popupMenus.woundPicker2.Draw(pointerX, pointerY);
}

void ReleasePopupMenus() {
  popupMenus.radioMenu.Release();
  popupMenus.woundPicker1.Release();
  popupMenus.woundPicker2.Release();
}

}  // namespace kestrine
