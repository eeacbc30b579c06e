// The tool drawer: filled from the tool table, sliding at the same speed at any frame rate.
#include "casualty_view/tool_drawer.h"

#include <algorithm>
#include <cmath>

#include "casualty_view/tool_images.h"
#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace kestrine {

ToolDrawer toolDrawer;
KESTRINE_PROGRAM_STATE(toolDrawer);

namespace {

constexpr int32_t kMedicineSyringe = TOOL_MEDICINE_SYRINGE;
// The strip of the picture that holds the icons.
constexpr int32_t kIconStripWidth = 140;
constexpr int32_t kRightMargin = 40;

}  // namespace

void ToolDrawer::Init() {
  LoadPatientImage(picture, L"patient\\treatment\\subtray.qpg", PATIENT_KEY_YELLOW);
  if (picture.image) picture.image->SetDrawColor(0, 0, 0);
  state = DRAWER_CLOSED;
  y = kDrawerBase;
}

void ToolDrawer::Release() { *this = ToolDrawer{}; }

void ToolDrawer::DrawIcons() {
  if (!picture.image) return;
  picture.image->SetDrawColor(0, 0, 0);
  picture.image->FillRect(kDrawerFirstSlotX, kDrawerSlotY, kIconStripWidth, kToolIconHeight);
  for (int32_t k = 0; k < filled; ++k) {
    const auto& icon = toolPictures[static_cast<size_t>(tools[k])].sprite;
    if (!icon) continue;
    const int w = icon->GetWidth(), h = icon->GetHeight();
    picture.image->DrawBitmap(icon, 0, 0, 0, w, h, k * slotSpacing + kDrawerFirstSlotX, kDrawerSlotY, w, h);
  }
}

void ToolDrawer::Fill(int32_t parent) {
  slotSpacing = parent == kMedicineSyringe ? kSyringeSlotSpacing : kDrawerSlotSpacing;
  filled = 0;
  const int32_t rows = std::min<int32_t>(ToolImages().toolCount, kToolCount);
  for (int32_t r = 0; r < rows; ++r) {
    // Rows 4 and 15 name themselves as parent; a row is never its own drawer's content.
    if (ToolTable[static_cast<size_t>(r)].parentRow == parent && r != parent) tools[filled++] = r;
  }
  DrawIcons();
}

void ToolDrawer::SetSlot(int32_t k, int32_t row) {
  if (k < 0 || k >= filled || !IsToolRow(row)) return;
  tools[k] = row;
  DrawIcons();
}

void ToolDrawer::Open(double atX) {
  state = DRAWER_OPENING;
  const double px = ScreenX(atX);
  x = std::min(TruncatePixels(px), Engine().screenWidth - kRightMargin - picture.width);
  y = kDrawerBase;
}

void ToolDrawer::Update(int32_t dt) {
  const double top = kDrawerBase - picture.height;
  const double step = std::max(dt, 0) * kDrawerSpeed;
  if (state == DRAWER_OPENING) {
    if (y <= top) {
      state = DRAWER_OPEN;
    } else {
      y = std::max(y - step, top);
    }
  } else if (state == DRAWER_CLOSING) {
    if (y < kDrawerBase) {
      y = std::min(y + step, static_cast<double>(kDrawerBase));
    } else {
      state = DRAWER_CLOSED;
    }
  }
  if (state == DRAWER_CLOSED || !picture.image || !ScreenText().textOverlay) return;
  const int32_t rows = VisibleRows();
  if (rows <= 0) return;
  ScreenText().textOverlay->DrawBitmap(picture.image, 0, 0, 0, picture.width, rows, x, static_cast<int>(std::floor(y)),
                                       picture.width, rows);
}

int32_t ToolDrawer::VisibleRows() const {
  // Never more rows than the picture has.
  const int32_t rows = static_cast<int32_t>((kDrawerBase - std::floor(y)) * Engine().screenHeight / 455);
  return std::clamp(rows, 0, picture.height);
}

void ToolDrawer::Close() {
  if (state == DRAWER_OPEN || state == DRAWER_OPENING) state = DRAWER_CLOSING;
}

int32_t ToolDrawer::SlotAt(int32_t px) const {
  const int32_t offset = px - x - kDrawerHitInset;
  if (offset < 0 || slotSpacing <= 0) return -1;
  const int32_t k = offset / slotSpacing;
  return k < filled ? k : -1;
}

}  // namespace kestrine
