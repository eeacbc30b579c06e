// Cutting the tool icons, loading the cursor pictures and drawing a tool's label box.
#include "casualty_view/tool_images.h"

#include <filesystem>

#include "casualty/tool_table.h"
#include "engine/game_path.h"
#include "shell/globals.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/tooltip.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

struct ToolImageState {
  int32_t toolCount = 0;
  engine::EngineRef<engine::EngineBitmap> toolSpriteSheet;
  int32_t toolIconTotalWidth = 0;
  bool toolSpritesLoaded = false;
};
ToolImageState toolImageState;
KESTRINE_PROGRAM_STATE(toolImageState);

}  // namespace

int32_t& toolCount = toolImageState.toolCount;
engine::EngineRef<engine::EngineBitmap>& toolSpriteSheet = toolImageState.toolSpriteSheet;
int32_t& toolIconTotalWidth = toolImageState.toolIconTotalWidth;
bool& toolSpritesLoaded = toolImageState.toolSpritesLoaded;

namespace {

constexpr const wchar_t* kSpriteSheetPath = L"images\\tools\\toolsprites.qjp";
constexpr int kLoadPollMs = 100;
// A label wider than this wraps into a box of this width (plus its margins).
constexpr int kLabelLineWidth = 220;
constexpr int kLabelMargin = 3;
constexpr int kLabelRightGap = 10;

void WaitUntilLoaded(const engine::EngineRef<engine::EngineBitmap>& image) {
  while (!image->IsLoaded()) engineRoot->Wait(kLoadPollMs);
}

// Whether a game path names a file under the working directory; the keys say "ETTUBE" where the file
// is "ettube", so the lookup ignores case like every other game path.
bool GameFileExists(const std::string& gamePath) {
  const auto real = engine::ResolveGamePath(gamePath);
  std::error_code error;
  return real && std::filesystem::is_regular_file(*real, error);
}

}  // namespace

std::string ToolImagePath(const char* key) { return std::string("images\\tools\\") + key + ".qpg"; }

int32_t LoadToolSprites() {
  if (toolSpritesLoaded) return toolIconTotalWidth;
  if (!toolSpriteSheet) toolSpriteSheet = engineRoot->LoadBitmap(kSpriteSheetPath, 0);
  // The icons are copied out of the sheet, so it has to be there before the first copy.
  WaitUntilLoaded(toolSpriteSheet);

  int32_t total = 0;
  for (int row = TOOL_ROLLOVER_DRAG; row < kToolCount; ++row) {
    const int j = FindToolSpriteRect(row);
    if (j >= 0) BuildToolStripImage(row, toolSpriteSheet, j);
    if (ToolTable[row].sprite) total += ToolTable[row].sprite->GetWidth();
  }
  toolCount = kToolCount;
  toolIconTotalWidth = total;
  toolSpritesLoaded = true;
  return total;
}

void BuildToolStripImage(int row, const engine::EngineRef<engine::EngineBitmap>& sheet, int j) {
  const ToolSpriteRect& r = kToolSpriteRects[j];
  engine::EngineRef<engine::EngineBitmap> icon = engineRoot->CreateBitmap(r.width, r.height);
  ToolTable[row].sprite = icon;
  icon->DrawBitmap(sheet, 0, r.x, r.y, r.width, r.height, 0, 0, r.width, r.height);
  WaitUntilLoaded(icon);
}

void LoadToolImage(int row) {
  ToolDef& tool = ToolTable[row];
  if (tool.key[0] == '\0') return;
  const std::string path = ToolImagePath(tool.key);
  if (GameFileExists(path) || !tool.HasParent()) {
    // A missing picture of a row without parent is the engine's to report.
    tool.cursorImage = engineRoot->LoadBitmap(WidenText(path), 1);
    WaitUntilLoaded(tool.cursorImage);
    return;
  }
  const ToolDef& parent = ToolTable[tool.parentRow];
  if (parent.cursorImage) {
    tool.cursorImage = parent.cursorImage;
  } else if (tool.parentRow == TOOL_ATROPINE_DIAZEPAM) {
    // This vial is its own parent but lives in the medicine syringe's drawer.
    tool.cursorImage = ToolTable[TOOL_MEDICINE_SYRINGE].cursorImage;
  } else {
    tool.cursorImage.Reset();
  }
}

void ReleaseToolImages() {
  for (int row = 0; row < toolCount; ++row) {
    ToolTable[row].sprite.Reset();
    ToolTable[row].cursorImage.Reset();
  }
  toolSpritesLoaded = false;
}

void DrawToolLabels(int row, double x, double y) {
  if (!IsToolRow(row)) return;
  const std::wstring name = WidenText(ToolTable[row].name);
  // The label takes over the tip's box, so a deferred tip must not be copied over it afterwards.
  StopDeferredToolTip();

  engine::EngineTextFont& font = *ToolTips().toolTip.text;
  font.SetStyleA(1);
  int textWidth = font.TextWidth(name);
  const int lineHeight = font.TextHeight(name);
  const int lines = (textWidth + kLabelLineWidth - 1) / kLabelLineWidth;
  if (lines > 1) textWidth = kLabelLineWidth;
  const int width = textWidth + 2 * kLabelMargin;
  const int height = lineHeight * lines + 2 * kLabelMargin;

  // Whatever an earlier, larger tip or label left in the box must not show through this one.
  ToolTips().toolTip.image->SetDrawColor(kLabelR, kLabelG, kLabelB);
  ToolTips().toolTip.image->FillRect(0, 0, width, height);
  ToolTips().toolTip.image->SetDrawColor(0, 0, 0);
  DrawToolTipFrame(width, height, 1);
  font.DrawText(ToolTips().toolTip.image, kLabelMargin, kLabelMargin, name);
  // The tip shares this text object; its own texts are plain.
  font.SetStyleA(0);

  double px = ScreenX(x);
  const double py = ScreenY(y);
  if (px + width > screenWidth) px = screenWidth - width - kLabelRightGap;
  ScreenText().textOverlay->DrawBitmap(ToolTips().toolTip.image, 0, 0, 0, width, height, TruncatePixels(px),
                                       TruncatePixels(py), width, height);
}

}  // namespace kestrine
