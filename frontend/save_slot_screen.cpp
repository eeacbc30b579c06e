#include "frontend/save_slot_screen.h"

#include <ctime>

#include "frontend/save_failure_box.h"
#include "frontend/save_game_gather.h"
#include "frontend/save_game_restore.h"
#include "platform/message_box.h"
#include "shell/engine_setup.h"
#include "shell/game_files.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/main_window.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

SlotScreenState slotScreenState;
KESTRINE_PROGRAM_STATE(slotScreenState);

constexpr int kPaleR = kLabelR, kPaleG = kLabelG, kPaleB = kLabelB;
constexpr const char* kEmptyLabel = "EMPTY";
// The first line of a save is under 30 characters; a label is never taken from more than this.
constexpr size_t kLabelBytes = 48;

// Places on the 640 x 480 design space.
constexpr int kPanelX = 74, kPanelY = 178, kPanelWidth = 228, kPanelHeight = 246;
constexpr int kRowPitch = 25;
constexpr int kSlotLabelY = 181;
constexpr int kButtonHeight = 23;
constexpr int kSideX = 358, kSideWidth = 229;
constexpr int kStripY = 378, kActY = 380, kBackY = 407;
constexpr int kBackPlateY = kBackY - (kActY - kStripY);

bool Saving() { return slotScreenState.saving; }

void LoadSlotImages() {
  SlotScreenState& s = slotScreenState;
  if (!s.slotPanelImage) s.slotPanelImage = Engine().engineRoot->LoadBitmap(L"images\\load.qjp", 2);
  if (!s.slotStripImage) s.slotStripImage = Engine().engineRoot->LoadBitmap(L"images\\load2.qjp", 2);
}

void ReadSlotLabels() {
  SlotScreenState& s = slotScreenState;
  for (int slot = 0; slot < kSaveSlotCount; ++slot) {
    uint8_t bytes[kLabelBytes];
    size_t got = 0;
    const GameFileRead read = ReadGameFile(SaveSlotPath(slot), bytes, sizeof bytes, got);
    s.slotEmpty[slot] = read == GameFileRead::kMissing;
    if (s.slotEmpty[slot]) {
      s.slotLabel[slot] = kEmptyLabel;
    } else {
      s.slotLabel[slot] = SlotLabelOf(std::string(reinterpret_cast<const char*>(bytes), got));
    }
  }
  s.selectedSlot = -1;
  s.labelsRead = true;
}

void SlotScreenTitle(const wchar_t* title, bool saving) {
  slotScreenState.saving = saving;
  ClearHotspots();
  ClearTextOverlay();
  ClearMenuCanvas();
  DrawScreenText(FullX(188), FullY(155), title, 11, ALIGN_CENTRE, kPaleR, kPaleG, kPaleB, 1, 0);
  SaveSlotScreen();
}

// The save of the screen the player came from: the debriefing, the briefing, or else the mission he paused.
SaveGame GatherSave(std::time_t now) {
  if (States().previousGameState == STATE_DEBRIEFING) return GatherDebriefingSave(now);
  if (States().previousGameState == STATE_BRIEFING) return GatherBriefingSave(now);
  return GatherMissionSave(now);
}

void SaveIntoSelectedSlot() {
  const int32_t slot = slotScreenState.selectedSlot;
  TellSaveFailure("The game", SaveSlotPath(slot), SaveIntoSlot(slot, GatherSave(std::time(nullptr))),
                  "What this slot held before is unchanged.");
}

void LoadSelectedSlot() {
  if (ReadSaveGame(slotScreenState.selectedSlot)) return;
  // The game goes on as it was; the labels are read again in case the file went away meanwhile.
  slotScreenState.labelsRead = false;
  MessageBox(mainWindow.Handle(), "This saved game is damaged and cannot be loaded.", "Unable To Load", MB_OK);
}

void SlotButtonAction(int32_t button) {
  SlotScreenState& s = slotScreenState;
  if (button >= SLOT_BUTTON_FIRST && button < SLOT_BUTTON_FIRST + kSaveSlotCount) {
    s.selectedSlot = button - SLOT_BUTTON_FIRST;
    return;
  }
  switch (button) {
    case SLOT_BUTTON_BACK:
      s.labelsRead = false;
      if (States().previousGameState == STATE_DEBRIEFING) {
        // The debriefing adds the mission to the campaign again as it is rebuilt.
        UnbankMission();
      }
      SetGameState(States().previousGameState);
      break;
    case SLOT_BUTTON_ACT:
      if (Saving()) {
        s.labelsRead = false;
        SaveIntoSelectedSlot();
      } else {
        LoadSelectedSlot();
      }
      break;
    default:
      break;
  }
}

}  // namespace

const SlotScreenState& SlotScreen() { return slotScreenState; }

void ReadSlotLabelsAgain() { slotScreenState.labelsRead = false; }

std::string SlotLabelOf(const std::string& firstBytes) {
  std::string label;
  for (char c : firstBytes) {
    if (c == '\n' || c == '\r') break;
    label += c >= ' ' && c <= '~' ? c : '?';
  }
  return label;
}

void OpenLoadGameScreen() { SlotScreenTitle(L"LOAD GAME", false); }
void OpenSaveGameScreen() { SlotScreenTitle(L"SAVE GAME", true); }

void SaveSlotScreen() {
  SlotScreenState& s = slotScreenState;
  LoadSlotImages();
  if (!s.labelsRead) ReadSlotLabels();

  ScreenText().textOverlay->DrawBitmap(s.slotPanelImage, 0, 0, 0, kPanelWidth, kPanelHeight, FullX(kPanelX),
                                       FullY(kPanelY), kPanelWidth, kPanelHeight);
  for (int slot = 0; slot < kSaveSlotCount; ++slot) {
    AddMenuButton(Overlays().menuCanvas, FullX(kPanelX), FullY(kSlotLabelY + kRowPitch * slot), kPanelWidth,
                  kButtonHeight, WidenText(s.slotLabel[slot]));
  }
  // BACK has no place on the backdrop the slot screens share with the menus: it gets the strip that SAVE and
  // LOAD are drawn on, as its plate.
  ScreenText().textOverlay->DrawBitmap(s.slotStripImage, 0, 0, 0, kSideWidth, kButtonHeight, FullX(kSideX),
                                       FullY(kBackPlateY), kSideWidth, kButtonHeight);
  AddMenuButton(Overlays().menuCanvas, FullX(kSideX), FullY(kBackY), kSideWidth, kButtonHeight, L"BACK");

  const int32_t slot = s.selectedSlot;
  if (slot < 0 || slot >= kSaveSlotCount) return;
  // An empty slot can be saved into, but there is nothing in it to load.
  if (s.slotEmpty[slot] && !Saving()) return;
  OutlineRect(ScreenText().textOverlay, FullX(kPanelX), FullY(kPanelY + kRowPitch * slot), kPanelWidth, kRowPitch);
  ScreenText().textOverlay->DrawBitmap(s.slotStripImage, 0, 0, 0, kSideWidth, kButtonHeight, FullX(kSideX),
                                       FullY(kStripY), kSideWidth, kButtonHeight);
  AddMenuButton(Overlays().menuCanvas, FullX(kSideX), FullY(kActY), kSideWidth, kButtonHeight,
                Saving() ? L"SAVE" : L"LOAD");
}

void SaveSlotClick(int code, int32_t x, int32_t y) {
  if (code != 7) {
    HotspotHover(x, y);
    return;
  }
  if (HotspotClick(x, y)) SlotButtonAction(Hotspots().hotspotIndex);
}

void ReleaseSlotScreenImages() {
  slotScreenState.slotPanelImage.Reset();
  slotScreenState.slotStripImage.Reset();
}

}  // namespace kestrine
