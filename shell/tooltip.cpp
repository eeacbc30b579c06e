#include "shell/tooltip.h"

#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

ToolTipState toolTipState;
KESTRINE_PROGRAM_STATE(toolTipState);

}  // namespace

const ToolTipState& ToolTips() { return toolTipState; }

void CreateToolTip() { toolTipState.toolTip.Create(); }

void ReleaseToolTip() { toolTipState.toolTip.Release(); }

void ShowToolTip(double x, double y, std::string_view text, uint8_t deferred) {
  toolTipState.toolTip.Show(x, y, text, deferred);
}

void DrawToolTip() { toolTipState.toolTip.Draw(); }

void DrawToolTipFrame(int width, int height, int framed) { toolTipState.toolTip.DrawFrame(width, height, framed); }

void StopDeferredToolTip() { toolTipState.toolTipDeferred = 0; }

namespace {

constexpr int kBoxSize = 300;
constexpr int kPaperR = kLabelR, kPaperG = kLabelG, kPaperB = kLabelB;
constexpr int kLineWidth = 100;   // one line per started 100 pixels of text
constexpr int kRightMargin = 60;  // a tip never starts closer than this to the screen's right edge

}  // namespace

void ToolTip::Create() {
  image = Engine().engineRoot->CreateBitmap(kBoxSize, kBoxSize);
  image->SetDrawColor(0, 0, 0);
  text = Engine().engineRoot->CreateText(0);
  text->SetFontFace(L"MS San Serif");
  text->SetSize(8);
  text->SetBackColor(kPaperR, kPaperG, kPaperB);
  text->SetColor(0, 0, 0);
}

void ToolTip::Release() {
  image.Reset();
  text.Reset();
  // A tip whose box is gone cannot be copied any more; a box made later would copy as a blank patch.
  toolTipState.toolTipDeferred = 0;
}

void ToolTip::Show(double x, double y, std::string_view narrowText, uint8_t deferred) {
  if (narrowText.empty()) return;
  const std::wstring wide = WidenText(narrowText);
  int w = text->TextWidth(wide) + 6;
  int h = text->TextHeight(wide);
  const int lines = (w + kLineWidth - 1) / kLineWidth;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  if (lines <= 0) return;

  toolTipState.toolTipDeferred = deferred;
  image->Clear(kPaperR, kPaperG, kPaperB);
  w /= lines;
  h *= lines;
  text->DrawTextRect(image, 3, 3, w, h, wide, engine::EngineTextFont::kWrapWords);

  int px = PixelX(x);
  const int py = PixelY(y);
  if (Engine().screenWidth - px < kRightMargin) px = Engine().screenWidth - kRightMargin;

  image->DrawLine(0, 0, w + 5, 0);
  image->DrawLine(w + 5, 0, w + 5, h + 5);
  image->DrawLine(0, h + 5, w + 5, h + 5);
  image->DrawLine(0, 0, 0, h + 5);

  sourceX = 0;
  sourceY = 0;
  sourceWidth = w + 6;
  sourceHeight = h + 6;
  destX = px;
  destY = py;
  destWidth = w + 6;
  destHeight = h + 6;
  if (!deferred) Draw();
}

void ToolTip::Draw() {
  if (!image) return;
  ScreenText().textOverlay->DrawBitmap(image, 0, sourceX, sourceY, sourceWidth, sourceHeight, destX, destY, destWidth,
                                       destHeight);
}

void ToolTip::DrawFrame(int width, int height, int framed) {
  image->SetColorKey(kPaperR, kPaperG, kPaperB);
  if (!framed) return;
  image->DrawLine(0, 0, width - 1, 0);
  image->DrawLine(width - 1, 0, width - 1, height - 1);
  image->DrawLine(0, height - 1, width - 1, height - 1);
  image->DrawLine(0, 0, 0, height - 1);
}

}  // namespace kestrine
