// The screen of the ten save slots, shared by saving (state 4: from the briefing, the debriefing or the pause
// menu) and loading (state 3: from the main menu or the pause menu). A slot shows the first line of its file
// (the kind, the mission, the date and the time it was saved) or "EMPTY"; a chosen slot is outlined and gets a
// SAVE or LOAD button. An empty slot can be saved into but not loaded.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "frontend/save_slot_file.h"

namespace kestrine {

// The buttons in the order they are registered, which is their index.
enum SlotScreenButton : int32_t {
  SLOT_BUTTON_FIRST = 0,  // 0..9: the slots
  SLOT_BUTTON_BACK = 10,
  SLOT_BUTTON_ACT = 11,  // SAVE or LOAD
};

// Written only by the slot screen; others read the const view.
struct SlotScreenState {
  std::string slotLabel[kSaveSlotCount];
  bool slotEmpty[kSaveSlotCount] = {};
  // The labels are read from the files once per visit, and again after a save.
  bool labelsRead = false;
  int32_t selectedSlot = -1;
  // Which of the two screens is shown (its entry runs before the state is stored).
  bool saving = false;
  engine::EngineRef<engine::EngineBitmap> slotPanelImage;  // images\load.qjp
  engine::EngineRef<engine::EngineBitmap> slotStripImage;  // images\load2.qjp
};
const SlotScreenState& SlotScreen();

// A new visit of the screen: the labels are read from the files again when it is next drawn.
void ReadSlotLabelsAgain();

// Every frame of states 3 and 4 (and their entry): the layers and buttons emptied, the title drawn, then the
// slots.
void OpenLoadGameScreen();
void OpenSaveGameScreen();
// The slots, the chosen one's outline and its SAVE or LOAD button, and BACK.
void SaveSlotScreen();
// Every mouse code of states 3 and 4: a left-button release acts on the button under the pointer, anything
// else highlights it.
void SaveSlotClick(int code, int32_t x, int32_t y);
// At shut-down.
void ReleaseSlotScreenImages();

// The label a slot shows for the first bytes of its file: the first line without its line end; bytes that
// are no printable characters show as '?'.
std::string SlotLabelOf(const std::string& firstBytes);

}  // namespace kestrine
