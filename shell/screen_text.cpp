#include "shell/screen_text.h"

#include <utility>

#include "shell/engine_setup.h"
#include "shell/font_width_table.h"
#include "shell/layout.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

ScreenTextState screenTextState;
KESTRINE_PROGRAM_STATE(screenTextState);

}  // namespace

const ScreenTextState& ScreenText() { return screenTextState; }

void UseTextOverlay(engine::EngineRef<engine::EngineBitmap> image) { screenTextState.textOverlay = std::move(image); }

void ReleaseTextOverlaySprite() { screenTextState.textOverlaySprite.Reset(); }

void ReleaseTextOverlay() { screenTextState.textOverlay.Reset(); }

namespace {

constexpr int kKeyR = 255, kKeyG = 0, kKeyB = 0;

struct BackColour {
  int r, g, b;
};
constexpr BackColour kOnKey{kKeyR, kKeyG, kKeyB};
constexpr BackColour kOnBlack{0, 0, 0};

// Screens redraw their text every frame, each call with an object of its own: nothing set by one label
// (size, style, colour) can leak into the next.
engine::EngineRef<engine::EngineTextFont> MakeArial(int size, int r, int g, int b, int styleA, int styleB,
                                                    BackColour back) {
  engine::EngineRef<engine::EngineTextFont> font = Engine().engineRoot->CreateText(0);
  font->SetFontFace(L"Arial");
  font->SetSize(size);
  font->SetStyleA(styleA ? 1 : 0);
  font->SetStyleB(styleB ? 1 : 0);
  font->SetColor(r, g, b);
  font->SetBackColor(back.r, back.g, back.b);
  return font;
}

void DrawAligned(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, const std::wstring& text, int size,
                 int align, int r, int g, int b, int styleA, int styleB, BackColour back) {
  const engine::EngineRef<engine::EngineTextFont> font = MakeArial(size, r, g, b, styleA, styleB, back);
  if (align == ALIGN_RIGHT) {
    x -= font->TextWidth(text);
  } else if (align == ALIGN_CENTRE) {
    x -= font->TextWidth(text) / 2;  // integer half, toward zero
  }
  font->DrawText(image, x, y, text);
}

void Outline(const engine::EngineRef<engine::EngineBitmap>& image, int x1, int y1, int x2, int y2) {
  image->SetDrawColor(255, 255, 0);
  image->DrawLine(x1, y1, x2, y1);
  image->DrawLine(x2, y1, x2, y2);
  image->DrawLine(x2, y2, x1, y2);
  image->DrawLine(x1, y2, x1, y1);
}

}  // namespace

void CreateTextOverlay() {
  screenTextState.textOverlay = Engine().engineRoot->CreateBitmap(Engine().screenWidth, Engine().screenHeight);
  screenTextState.textOverlay->Clear(kKeyR, kKeyG, kKeyB);
  screenTextState.textOverlay->SetColorKey(kKeyR, kKeyG, kKeyB);
  screenTextState.textOverlay->SetColorA(255, 255, 255);
  screenTextState.textOverlay->SetColorB(kKeyR, kKeyG, kKeyB);
  screenTextState.textOverlaySprite = Engine().engineCamera->CreateSprite(screenTextState.textOverlay, 1);
}

void ClearTextOverlay() {
  screenTextState.textOverlay->SetDrawColor(kKeyR, kKeyG, kKeyB);
  screenTextState.textOverlay->FillRect(0, 0, Engine().screenWidth, Engine().screenHeight);
}

void DrawTextAtPixel(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, const std::wstring& text,
                     int size, int align, int r, int g, int b, int styleA, int styleB) {
  DrawAligned(image, x, y, text, size, align, r, g, b, styleA, styleB, kOnKey);
}

void DrawScreenText(double x, double y, const std::wstring& text, int size, int align, int r, int g, int b, int styleA,
                    int styleB) {
  DrawAligned(screenTextState.textOverlay, PixelX(x), PixelY(y), text, size, align, r, g, b, styleA, styleB, kOnKey);
}

void DrawScreenTextOnBlack(double x, double y, const std::wstring& text, int size, int align, int r, int g, int b,
                           int styleA, int styleB) {
  DrawAligned(screenTextState.textOverlay, PixelX(x), PixelY(y), text, size, align, r, g, b, styleA, styleB, kOnBlack);
}

void DrawTextOnImage(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, const std::wstring& text,
                     int size, int align, int r, int g, int b, int styleA, int styleB) {
  DrawAligned(image, PixelX(x), PixelY(y), text, size, align, r, g, b, styleA, styleB, kOnKey);
}

void DrawTextInRect(double x, double y, double width, double height, const std::wstring& text, int size, int flags,
                    int r, int g, int b, int styleA, int styleB) {
  // The line boxes get the key colour like every other overlay text, so only the glyphs show.
  const engine::EngineRef<engine::EngineTextFont> font = MakeArial(size, r, g, b, styleA, styleB, kOnKey);
  font->DrawTextRect(screenTextState.textOverlay, PixelX(x), PixelY(y), PixelX(width), PixelY(height), text, flags);
  WriteFontWidthTable(L"Arial", size);
}

void MakeTextFont(engine::EngineRef<engine::EngineTextFont>& out, const std::wstring& face, int size, int r, int g,
                  int b) {
  out = Engine().engineRoot->CreateText(0);
  out->SetFontFace(face);
  out->SetSize(size);
  out->SetStyleA(0);
  out->SetStyleB(0);
  out->SetColor(r, g, b);
  out->SetBackColor(kKeyR, kKeyG, kKeyB);
}

void DrawSmallText(double x, double y, const std::wstring& text, int size, int r, int g, int b) {
  engine::EngineRef<engine::EngineTextFont> font = Engine().engineRoot->CreateText(0);
  font->SetFontFace(L"MS San Serif");
  font->SetSize(size);
  font->SetStyleA(0);
  font->SetStyleB(0);
  font->SetColor(r, g, b);
  font->SetBackColor(0, 0, 0);
  font->DrawText(screenTextState.textOverlay, PixelX(x), PixelY(y), text);
}

void OutlineRectOverlay(double x1, double y1, double x2, double y2) {
  Outline(screenTextState.textOverlay, TruncatePixels(x1), TruncatePixels(y1), TruncatePixels(x2), TruncatePixels(y2));
}

void OutlineRect(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, double width,
                 double height) {
  Outline(image, TruncatePixels(x), TruncatePixels(y), TruncatePixels(x + width), TruncatePixels(y + height));
}

void FillRectFraction(double x, double y, double width, double height) {
  screenTextState.textOverlay->FillRect(
      TruncatePixels(x * Engine().screenWidth), TruncatePixels(y * Engine().screenHeight),
      TruncatePixels(width * Engine().screenWidth), TruncatePixels(height * Engine().screenHeight));
}

void FillRectPixels(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, double width,
                    double height) {
  image->FillRect(TruncatePixels(x), TruncatePixels(y), TruncatePixels(width), TruncatePixels(height));
}

}  // namespace kestrine
