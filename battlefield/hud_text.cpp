#include "battlefield/hud_text.h"

#include <algorithm>

#include "battlefield/mission_state.h"
#include "shell/engine_setup.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr int kStripWidth = 640;
constexpr int kStripHeight = 125;

engine::EngineRef<engine::EngineTextFont> HudFont(int size, int r, int g, int b, int styleA, int styleB) {
  engine::EngineRef<engine::EngineTextFont> font = Engine().engineRoot->CreateText(0);
  font->SetFontFace(L"Arial");
  font->SetSize(size);
  font->SetStyleA(styleA ? 1 : 0);
  font->SetStyleB(styleB ? 1 : 0);
  font->SetColor(r, g, b);
  font->SetBackColor(255, 0, 0);
  return font;
}

HudBox BoxOf(const engine::EngineTextFont& font, int x, int y, const std::wstring& text, int align) {
  const int width = font.TextWidth(text);
  if (align == ALIGN_RIGHT) {
    x -= width;
  } else if (align == ALIGN_CENTRE) {
    x -= width / 2;
  }
  return {x, y, width, font.TextHeight(text)};
}

}  // namespace

HudBox HudTextBox(int x, int y, const std::wstring& text, int size, int align, int styleA, int styleB) {
  return BoxOf(*HudFont(size, 255, 255, 255, styleA, styleB), x, y, text, align);
}

void RestoreHudStrip(int x, int y, int width, int height) {
  if (!ScreenText().textOverlay || width <= 0 || height <= 0) return;
  ScreenText().textOverlay->SetDrawColor(255, 0, 0);
  ScreenText().textOverlay->FillRect(x, y, width, height);
  const engine::EngineRef<engine::EngineBitmap>& strip = missionState.overheadImage;
  if (!strip || Engine().screenWidth <= 0) return;
  // The strip lies stretched across the bottom of the screen, 125 rows high.
  const int stripTop = Engine().screenHeight - kStripHeight;
  const int top = std::max(y, stripTop);
  const int bottom = std::min(y + height, Engine().screenHeight);
  const int left = std::max(x, 0);
  const int right = std::min(x + width, Engine().screenWidth);
  if (top >= bottom || left >= right) return;
  const int sx = left * kStripWidth / Engine().screenWidth;
  const int sw = std::max(1, (right - left) * kStripWidth / Engine().screenWidth);
  ScreenText().textOverlay->DrawBitmap(strip, 0, sx, top - stripTop, sw, bottom - top, left, top, right - left,
                                       bottom - top);
}

void DrawHudGlyphs(int x, int y, const std::wstring& text, int size, int align, int r, int g, int b, int styleA,
                   int styleB) {
  if (!ScreenText().textOverlay || text.empty()) return;
  const engine::EngineRef<engine::EngineTextFont> font = HudFont(size, r, g, b, styleA, styleB);
  const HudBox box = BoxOf(*font, x, y, text, align);
  if (box.width <= 0 || box.height <= 0) return;
  // Drawn on a see-through card first; the card's key-coloured box is then skipped by the copy.
  const engine::EngineRef<engine::EngineBitmap> card = Engine().engineRoot->CreateBitmap(box.width, box.height);
  card->Clear(255, 0, 0);
  card->SetColorKey(255, 0, 0);
  font->DrawText(card, 0, 0, text);
  ScreenText().textOverlay->DrawBitmap(card, 0, 0, 0, box.width, box.height, box.x, box.y, box.width, box.height);
}

}  // namespace kestrine
