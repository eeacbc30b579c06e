// Cutting the tool icons, loading the cursor pictures and drawing a tool's label box.
#include "casualty_view/tool_images.h"

#include <filesystem>

#include "casualty/tool_table.h"
#include "engine/game_path.h"
#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/tooltip.h"
#include "shell/wide_text.h"

namespace kestrine {

ToolImageState toolImageState;
KESTRINE_PROGRAM_STATE(toolImageState);

const ToolImageState& ToolImages() { return toolImageState; }

void ForgetToolSprites() { toolImageState.toolSpritesLoaded = false; }

void ReleaseToolSpriteSheet() { toolImageState.toolSpriteSheet.Reset(); }

std::array<ToolPictures, kToolCount> toolPictures;
KESTRINE_PROGRAM_STATE(toolPictures);

namespace {

constexpr const wchar_t* kSpriteSheetPath = L"images\\tools\\toolsprites.qjp";
constexpr int kLoadPollMs = 100;
// A label wider than this wraps into a box of this width (plus its margins).
constexpr int kLabelLineWidth = 220;
constexpr int kLabelMargin = 3;
constexpr int kLabelRightGap = 10;

void WaitUntilLoaded(const engine::EngineRef<engine::EngineBitmap>& image) {
  while (!image->IsLoaded()) Engine().engineRoot->Wait(kLoadPollMs);
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
  if (toolImageState.toolSpritesLoaded) return toolImageState.toolIconTotalWidth;
  if (!toolImageState.toolSpriteSheet)
    toolImageState.toolSpriteSheet = Engine().engineRoot->LoadBitmap(kSpriteSheetPath, 0);
  // The icons are copied out of the sheet, so it has to be there before the first copy.
  WaitUntilLoaded(toolImageState.toolSpriteSheet);

  int32_t total = 0;
  for (int row = TOOL_ROLLOVER_DRAG; row < kToolCount; ++row) {
    const int j = FindToolSpriteRect(row);
    if (j >= 0) BuildToolStripImage(row, toolImageState.toolSpriteSheet, j);
    if (toolPictures[row].sprite) total += toolPictures[row].sprite->GetWidth();
  }
  toolImageState.toolCount = kToolCount;
  toolImageState.toolIconTotalWidth = total;
  toolImageState.toolSpritesLoaded = true;
  return total;
}

void BuildToolStripImage(int row, const engine::EngineRef<engine::EngineBitmap>& sheet, int j) {
  const ToolSpriteRect& r = kToolSpriteRects[j];
  engine::EngineRef<engine::EngineBitmap> icon = Engine().engineRoot->CreateBitmap(r.width, r.height);
  toolPictures[row].sprite = icon;
  icon->DrawBitmap(sheet, 0, r.x, r.y, r.width, r.height, 0, 0, r.width, r.height);
  WaitUntilLoaded(icon);
}

void LoadToolImage(int row) {
  const ToolDef& tool = ToolTable[row];
  engine::EngineRef<engine::EngineBitmap>& cursorImage = toolPictures[row].cursorImage;
  if (tool.key[0] == '\0') return;
  const std::string path = ToolImagePath(tool.key);
  if (GameFileExists(path) || !tool.HasParent()) {
    // A missing picture of a row without parent is the engine's to report.
    cursorImage = Engine().engineRoot->LoadBitmap(WidenText(path), 1);
    WaitUntilLoaded(cursorImage);
    return;
  }
  const engine::EngineRef<engine::EngineBitmap>& parentImage = toolPictures[tool.parentRow].cursorImage;
  if (parentImage) {
    cursorImage = parentImage;
  } else if (tool.parentRow == TOOL_ATROPINE_DIAZEPAM) {
    // This vial is its own parent but lives in the medicine syringe's drawer.
    cursorImage = toolPictures[TOOL_MEDICINE_SYRINGE].cursorImage;
  } else {
    cursorImage.Reset();
  }
}

void ReleaseToolImages() {
  for (int row = 0; row < toolImageState.toolCount; ++row) {
    toolPictures[row].sprite.Reset();
    toolPictures[row].cursorImage.Reset();
  }
  toolImageState.toolSpritesLoaded = false;
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
  if (px + width > Engine().screenWidth) px = Engine().screenWidth - width - kLabelRightGap;
  ScreenText().textOverlay->DrawBitmap(ToolTips().toolTip.image, 0, 0, 0, width, height, TruncatePixels(px),
                                       TruncatePixels(py), width, height);
}

}  // namespace kestrine
