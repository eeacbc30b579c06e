#include "shell/timed_message.h"

#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int kBoxSize = 300;
constexpr int kPaperR = kLabelR, kPaperG = kLabelG, kPaperB = kLabelB;
constexpr int kLineWidth = 200;    // one line per started 200 pixels of text
constexpr int kRightMargin = 240;  // the box never starts closer than this to the screen's right edge

}  // namespace

void TimedMessage::Create(int32_t newMargin) {
  margin = newMargin;
  box = Engine().engineRoot->CreateBitmap(kBoxSize, kBoxSize);
  box->SetDrawColor(0, 0, 0);
  box->Clear(kPaperR, kPaperG, kPaperB);
  keyR = 255;
  keyG = 255;
  keyB = 192;
  text = Engine().engineRoot->CreateText(0);
  text->SetFontFace(L"MS San Serif");
  text->SetSize(8);
  text->SetBackColor(kPaperR, kPaperG, kPaperB);
  text->SetColor(0, 0, 0);
  framesLeft = 0;
}

void TimedMessage::SetColours(int32_t r, int32_t g, int32_t b) {
  keyR = r;
  keyG = g;
  keyB = b;
  box->SetColorKey(r, g, b);
  text->SetBackColor(r, g, b);
}

void TimedMessage::Show(std::string_view narrowText, float atX, float atY, int32_t frames) {
  framesLeft = 0;
  // Replaying a saved mission re-applies every treatment; its remarks and hints belong to the past.
  if (Sounds().replayingSave || narrowText.empty()) return;

  const std::wstring wide = WidenText(narrowText);
  int32_t w = text->TextWidth(wide) + 2 * margin;
  int32_t h = text->TextHeight(wide);
  const int32_t lines = (w + kLineWidth - 1) / kLineWidth;
  if (lines <= 0) return;
  w /= lines;
  h *= lines + 1;

  box->Clear(keyR, keyG, keyB);
  text->DrawTextRect(box, margin, margin, w, h, wide, engine::EngineTextFont::kWrapWords);

  // Single precision like the positions themselves: 0.9 of 640 is 576, not 575.99...
  if (atX < 1.0f) x = TruncatePixels(atX * static_cast<float>(Engine().screenWidth));
  if (atY < 1.0f) y = TruncatePixels(atY * static_cast<float>(Engine().screenHeight));
  if (Engine().screenWidth - x < kRightMargin) x = Engine().screenWidth - kRightMargin;

  w += 2 * margin;
  h += 2 * margin;
  box->DrawLine(0, 0, w - 1, 0);
  box->DrawLine(w - 1, 0, w - 1, h - 1);
  box->DrawLine(w - 1, h - 1, 0, h - 1);
  box->DrawLine(0, h - 1, 0, 0);
  width = w;
  height = h;
  framesLeft = frames;
}

void TimedMessage::Update() {
  if (framesLeft <= 0) return;
  --framesLeft;
  ScreenText().textOverlay->DrawBitmap(box, 0, 0, 0, width, height, x, y, width, height);
}

void TimedMessage::Release() {
  box.Reset();
  text.Reset();
  // Nothing is left to show: a later Update must not reach for the box that is gone.
  framesLeft = 0;
}

}  // namespace kestrine
