// The backpack screen of state 15: building the icon strip, drawing the panel every frame, and the clicks
// that load and unload the pack.
#include "casualty_view/backpack_screen.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "casualty/backpack.h"
#include "casualty/backpack_kit.h"
#include "casualty_view/start_mission_confirm.h"
#include "casualty_view/tool_images.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

BackpackScreenState backpackScreenState;
KESTRINE_PROGRAM_STATE(backpackScreenState);

const BackpackScreenState& BackpackScreen() { return backpackScreenState; }

void ScrollToolStrip(int32_t scroll) { backpackScreenState.toolStripScroll = scroll; }

void ReleaseToolStripHighlight() { backpackScreenState.toolStripHighlight.Reset(); }

namespace {

constexpr const wchar_t* kLoadPackPath = L"images\\loadpack.qjp";
constexpr int kLoadPollMs = 100;

constexpr int kKeyR = 255, kKeyG = 0, kKeyB = 0;

// Design units of the 634 x 455 panel.
constexpr int kStripWindowDesignWidth = 270;
constexpr int kStripBottomRowDesignY = 124;
constexpr int kListTextX = 400;
constexpr int kListFirstLineY = 100;
constexpr int kListLinePitch = 13;

// Hot-spot rectangles in pixels.
constexpr int kArrowWidth = 19;
constexpr int kLeftArrowX = 37;
constexpr int kRightArrowX = 330;
constexpr int kListX = 370, kListY = 100, kListWidth = 200, kListHeight = 310;

// Bars and labels as fractions of the screen.
constexpr double kLabelX = 0.0836;
constexpr double kBarX = 0.174;
constexpr double kWeightBarY = 0.751, kVolumeBarY = 0.793;
constexpr double kBarLength = 0.35, kBarHeight = 0.03;
constexpr double kBoxX = 0.0836, kBoxY = 0.407, kBoxWidth = 0.445, kBoxHeight = 0.256;
constexpr int kBoxTextSize = 8;

constexpr const wchar_t* kNoFitText =
    L"You must remove an item in order to add this item.  Use the weight and volume indicators below as a guide.  "
    L"To remove an item from the backpack click on its name in the list on the right.";
constexpr const wchar_t* kLongHelpText =
    L"Place your mouse pointer over a tool to get a description. Click on a tool to add it to your backpack. To "
    L"add more than one, keep clicking until you have the desired amount. Some tools can only be added once. You "
    L"may take any combination of tools you want within your character's weight/volume limit. To remove an item "
    L"from the backpack click on its name on the list to the right.";
constexpr const wchar_t* kShortHelpText =
    L"Place your mouse over a tool to get a description. Click on a tool to add it to your back pack. To add more "
    L"than one, keep clicking until you have the desired amount.  Some tools can only be added once. To remove an "
    L"item from the backpack click on its name on the list to the right.";

void WaitUntilLoaded(const engine::EngineRef<engine::EngineBitmap>& image) {
  while (!image->IsLoaded()) Engine().engineRoot->Wait(kLoadPollMs);
}

int IconWidth(int row) { return toolPictures[row].sprite ? toolPictures[row].sprite->GetWidth() : 0; }

// Lays one strip row's icons side by side from x = 0 and records each row's right edge.
int32_t LayOutStripRow(int firstRow, int lastRow, int y) {
  int32_t x = 0;
  for (int row = firstRow; row <= lastRow; ++row) {
    if (IsPackableTool(row) && toolPictures[row].sprite) {
      const int w = IconWidth(row);
      const int h = toolPictures[row].sprite->GetHeight();
      backpackScreenState.toolStripImage->DrawBitmap(toolPictures[row].sprite, 0, 0, 0, w, h, x, y, w, h);
      x += w;
    }
    backpackScreenState.toolStripRightEdge[row] = x;
  }
  return x;
}

std::wstring NameAndDescription(int row) {
  return WidenText(std::string(ToolTable[row].name) + ": " + ToolTable[row].description);
}

void DrawDescriptionBox(const std::wstring& text) {
  DrawTextInRect(kBoxX, kBoxY, kBoxWidth, kBoxHeight, text, kBoxTextSize, engine::EngineTextFont::kWrapWords, kLabelR,
                 kLabelG, kLabelB, 0, 0);
}

void DrawLoadBars() {
  const Backpack& pack = Pack();
  const float capacityFactor = PackState().capacityFactor;
  ScreenText().textOverlay->SetDrawColor(20, 0, 0);
  FillRectFraction(kBarX, kWeightBarY, kBarLength * capacityFactor, kBarHeight);
  FillRectFraction(kBarX, kVolumeBarY, kBarLength * capacityFactor, kBarHeight);
  ScreenText().textOverlay->SetDrawColor(120, 0, 0);
  FillRectFraction(kBarX, kWeightBarY, pack.weight * kBarLength / pack.maxWeight * capacityFactor, kBarHeight);
  FillRectFraction(kBarX, kVolumeBarY, pack.volume * kBarLength / pack.maxVolume * capacityFactor, kBarHeight);
}

// Lines of the carried, listable tools in list order; every position gets its lower edge for the hit test.
void DrawCarriedList() {
  int k = 0;
  for (int i = 0; i < kToolCount; ++i) {
    const int row = PackState().backpackListOrder[i];
    if (!IsToolRow(row) || Pack().count[row] < 1) {
      backpackScreenState.listRowBottom[i] = 0.0f;
      continue;
    }
    if (!IsPackableTool(row)) {
      backpackScreenState.listRowBottom[i] = kUnlistedRowBottom;
      continue;
    }
    ++k;
    char line[96];
    std::snprintf(line, sizeof line, "%2d       %s", Pack().count[row], ToolTable[row].name);
    const int top = kListFirstLineY + kListLinePitch * k;
    DrawScreenText(PanelX(kListTextX), PanelY(top), WidenText(line), 8, ALIGN_LEFT, kLabelR, kLabelG, kLabelB, 0, 0);
    // The hit test uses the line as drawn: its lower edge is the next line's top pixel row.
    backpackScreenState.listRowBottom[i] = static_cast<float>(PanelY(top + kListLinePitch));
  }
}

void ClearStripHighlight() {
  backpackScreenState.toolStripHighlight->SetDrawColor(kKeyR, kKeyG, kKeyB);
  backpackScreenState.toolStripHighlight->FillRect(0, 0, backpackScreenState.toolStripHighlight->GetWidth(),
                                                   backpackScreenState.toolStripHighlight->GetHeight());
}

// What the pointer over the panel does this frame: scroll the strip, frame a tool, fill the description box.
// Only a tool under the pointer stays framed: off the icons nothing would be added by a click.
void FollowPointer() {
  if (!HotspotHover(Pointer().pointerX, Pointer().pointerY)) {
    ClearStripHighlight();
    DrawDescriptionBox(PackState().noFitShown ? kNoFitText : kLongHelpText);
    return;
  }
  const StripHit hit =
      Hotspots().hotspotIndex == BACKPACK_STRIP ? StripToolAt(Pointer().pointerX, Pointer().pointerY) : StripHit{};
  if (hit.row >= 0) {
    HighlightStripTool(hit.row, hit.topRow);
  } else {
    ClearStripHighlight();
  }
  switch (Hotspots().hotspotIndex) {
    case BACKPACK_SCROLL_LEFT:
      backpackScreenState.toolStripScroll = std::max(0, backpackScreenState.toolStripScroll - kStripScrollStep);
      break;
    case BACKPACK_SCROLL_RIGHT:
      backpackScreenState.toolStripScroll =
          std::min(backpackScreenState.toolStripScroll + kStripScrollStep,
                   std::max(0, backpackScreenState.toolStripWidth - StripWindowWidth()));
      break;
    case BACKPACK_STRIP:
      DrawDescriptionBox(hit.row >= 0 ? NameAndDescription(hit.row) : std::wstring(kShortHelpText));
      break;
    case BACKPACK_LIST: {
      const int32_t position = ListPositionAt(Pointer().pointerY);
      if (position >= 0) {
        DrawDescriptionBox(NameAndDescription(PackState().backpackListOrder[position]));
      } else {
        DrawDescriptionBox(L"Description: This will show the description for tool #" + std::to_wstring(kToolCount));
      }
      break;
    }
    default:
      break;
  }
}

void DrawStripWindow() {
  const int width = StripWindowWidth();
  ScreenText().textOverlay->DrawBitmap(backpackScreenState.toolStripImage, 0, backpackScreenState.toolStripScroll, 0,
                                       width, kToolStripHeight, kStripWindowX, kStripWindowY, width, kToolStripHeight);
  Overlays().menuCanvas->DrawBitmap(backpackScreenState.toolStripHighlight, 0, backpackScreenState.toolStripScroll, 0,
                                    width, kToolStripHeight, kStripWindowX, kStripWindowY, width, kToolStripHeight);
}

}  // namespace

int32_t StripWindowWidth() { return PanelX(kStripWindowDesignWidth); }

StripHit StripToolAt(int32_t x, int32_t y) {
  StripHit hit;
  const int32_t stripX = (x - kStripWindowX) * Engine().screenWidth / 634 + backpackScreenState.toolStripScroll;
  hit.topRow = y < PanelY(kStripBottomRowDesignY);
  const int first = hit.topRow ? 0 : kToolStripLastTopRow + 1;
  const int last = hit.topRow ? kToolStripLastTopRow : kToolCount - 1;
  for (int row = first; row <= last; ++row) {
    if (stripX < backpackScreenState.toolStripRightEdge[row]) {
      // A row without an icon has no width of its own: the x lies on an icon before it or on none.
      if (IsPackableTool(row)) hit.row = row;
      break;
    }
  }
  return hit;
}

int32_t ListPositionAt(int32_t y) {
  for (int i = 0; i < kToolCount; ++i)
    if (backpackScreenState.listRowBottom[i] > static_cast<float>(y)) return i;
  return -1;
}

void HighlightStripTool(int row, bool topRow) {
  ClearStripHighlight();
  if (!IsToolRow(row)) return;
  const int w = IconWidth(row);
  const int x0 = backpackScreenState.toolStripRightEdge[row] - w;
  const int x1 = x0 + w;
  const int y0 = topRow ? 0 : kToolIconHeight;
  const int y1 = y0 + kToolIconHeight - 1;
  backpackScreenState.toolStripHighlight->SetDrawColor(250, 250, 0);
  backpackScreenState.toolStripHighlight->DrawLine(x0, y0, x1, y0);
  backpackScreenState.toolStripHighlight->DrawLine(x1, y0, x1, y1);
  backpackScreenState.toolStripHighlight->DrawLine(x1, y1, x0, y1);
  backpackScreenState.toolStripHighlight->DrawLine(x0, y1, x0, y0);
}

namespace {

uint64_t RevisionOf(const engine::EngineRef<engine::EngineBitmap>& image) { return image ? image->Revision() : 0; }

// Everything the panel's picture is drawn from. A frame that would draw it from the same, onto layers nobody
// touched since, leaves the picture as it is: an idle screen costs no drawing.
struct BackpackPicture {
  int32_t pointerX = 0, pointerY = 0, hotspot = 0, scroll = 0;
  bool noFit = false;
  float capacity = 0, weight = 0, volume = 0, maxWeight = 0, maxVolume = 0;
  int32_t count[kToolCount] = {};
  int32_t order[kToolCount] = {};
  int32_t screenWidth = 0, screenHeight = 0;
  bool operator==(const BackpackPicture&) const = default;
};

struct BackpackRedraw {
  bool drawn = false;
  BackpackPicture picture;  // what the panel was last drawn from
  // Revisions of the text layer, the menu canvas and the strip's two images as that drawing left them.
  uint64_t layersAfter[4] = {};
};
BackpackRedraw backpackRedraw;
KESTRINE_PROGRAM_STATE(backpackRedraw);

void NoteLayers(uint64_t (&layers)[4]) {
  layers[0] = RevisionOf(ScreenText().textOverlay);
  layers[1] = RevisionOf(Overlays().menuCanvas);
  layers[2] = RevisionOf(backpackScreenState.toolStripImage);
  layers[3] = RevisionOf(backpackScreenState.toolStripHighlight);
}

BackpackPicture PictureNow() {
  BackpackPicture p;
  p.pointerX = Pointer().pointerX;
  p.pointerY = Pointer().pointerY;
  p.hotspot = Hotspots().hotspotIndex;
  p.scroll = backpackScreenState.toolStripScroll;
  p.noFit = PackState().noFitShown;
  p.capacity = PackState().capacityFactor;
  p.weight = Pack().weight;
  p.volume = Pack().volume;
  p.maxWeight = Pack().maxWeight;
  p.maxVolume = Pack().maxVolume;
  std::copy(std::begin(Pack().count), std::end(Pack().count), p.count);
  std::copy(std::begin(PackState().backpackListOrder), std::end(PackState().backpackListOrder), p.order);
  p.screenWidth = Engine().screenWidth;
  p.screenHeight = Engine().screenHeight;
  return p;
}

// True when the panel on the layers is what this frame would draw; otherwise notes what it will be drawn from.
bool BackpackPictureUnchanged() {
  const BackpackPicture now = PictureNow();
  // Anyone else drawing on the layers since shows as a newer revision.
  uint64_t layers[4];
  NoteLayers(layers);
  const bool untouched = std::equal(std::begin(layers), std::end(layers), backpackRedraw.layersAfter);
  if (backpackRedraw.drawn && untouched && now == backpackRedraw.picture) return true;
  backpackRedraw.picture = now;
  return false;
}

}  // namespace

void BuildBackpackScreen() {
  ApplyPlayerFigureLimits(Progress().playerFigure);
  const int32_t iconsWidth = LoadToolSprites();
  StartPackingBackpack();

  backpackScreenState.toolStripScroll = 0;
  const int stripWidth = std::max(1, iconsWidth);
  backpackScreenState.toolStripImage = Engine().engineRoot->CreateBitmap(stripWidth, kToolStripHeight);
  if (!backpackScreenState.toolStripHighlight)
    backpackScreenState.toolStripHighlight = Engine().engineRoot->CreateBitmap(stripWidth, kToolStripHeight);
  backpackScreenState.toolStripHighlight->SetColorKey(kKeyR, kKeyG, kKeyB);
  ClearStripHighlight();

  const int32_t topEnd = LayOutStripRow(0, kToolStripLastTopRow, 0);
  const int32_t bottomEnd = LayOutStripRow(kToolStripLastTopRow + 1, kToolCount - 1, kToolIconHeight);
  backpackScreenState.toolStripWidth = std::max(topEnd, bottomEnd);

  backpackScreenState.loadPackImage = Engine().engineRoot->LoadBitmap(kLoadPackPath, 1);
  WaitUntilLoaded(backpackScreenState.loadPackImage);
  DrawBackdrop(backpackScreenState.loadPackImage);

  LoadStartingKit(Campaign().difficulty);
  // The briefing's buttons are still registered until the first frame draws ours; a click arriving before
  // it must not be read by their indices.
  ClearHotspots();
  backpackScreenState.backpackScreenBuilt = true;
  KeepBackpack(true);
  backpackRedraw.drawn = false;
}

void DrawBackpackScreen() {
  if (BackpackPictureUnchanged()) return;
  StartMissionConfirm();

  DrawScreenText(kLabelX, 0.697, L"Tool Totals:", 11, ALIGN_LEFT, kLabelR, kLabelG, kLabelB, 0, 0);
  DrawScreenText(kLabelX, 0.741, L"Weight:", 11, ALIGN_LEFT, kLabelR, kLabelG, kLabelB, 0, 0);
  DrawScreenText(kLabelX, 0.785, L"Volume:", 11, ALIGN_LEFT, kLabelR, kLabelG, kLabelB, 0, 0);
  DrawLoadBars();

  AddHotspotRect(kLeftArrowX, kStripWindowY, kArrowWidth, kToolStripHeight);
  AddHotspotRect(kRightArrowX, kStripWindowY, kArrowWidth, kToolStripHeight);
  AddHotspotRect(kStripWindowX, kStripWindowY, StripWindowWidth(), kToolStripHeight);
  AddHotspotRect(kListX, kListY, kListWidth, kListHeight);

  DrawScreenText(PanelX(470), PanelY(82), L"ITEMS IN BACKPACK", 11, ALIGN_CENTRE, kLabelR, kLabelG, kLabelB, 0, 0);
  DrawScreenText(PanelX(400), PanelY(98), L"Qty    Tool Name", 9, ALIGN_LEFT, kLabelR, kLabelG, kLabelB, 0, 0);
  DrawCarriedList();

  FollowPointer();
  if (PackState().noFitShown) DrawDescriptionBox(kNoFitText);
  DrawStripWindow();
  NoteLayers(backpackRedraw.layersAfter);
  backpackRedraw.drawn = true;
}

bool OnBackpackClick(int32_t x, int32_t y, int32_t code) {
  if (code == engine::kMouseMove) {
    HideNoFitMessageAfter(Clock().gameClock);
    MovePointer(x, y);
    return true;
  }
  if (code != engine::kMouseLeftUp || !HotspotClick(x, y)) return true;
  switch (Hotspots().hotspotIndex) {
    case BACKPACK_START_MISSION:
      ClearTextOverlay();
      ClearMenuCanvas();
      SetGameState(STATE_START_MISSION);
      break;
    case BACKPACK_BACK:
      SetGameState(STATE_BRIEFING);
      break;
    case BACKPACK_STRIP: {
      const StripHit hit = StripToolAt(x, y);
      if (hit.row >= 0) AddToBackpack(hit.row);
      break;
    }
    case BACKPACK_LIST: {
      const int32_t position = ListPositionAt(y);
      if (position >= 0) RemoveFromBackpack(PackState().backpackListOrder[position]);
      break;
    }
    default:
      break;
  }
  return true;
}

void UnloadBackpackScreen() {
  if (!backpackScreenState.backpackScreenBuilt) return;
  ForgetToolSprites();
  backpackScreenState.toolStripImage.Reset();
  backpackScreenState.toolStripHighlight.Reset();
  backpackScreenState.loadPackImage.Reset();
  backpackScreenState.backpackScreenBuilt = false;
}

}  // namespace kestrine
