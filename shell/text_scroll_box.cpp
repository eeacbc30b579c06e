#include "shell/text_scroll_box.h"

#include <algorithm>

#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

TextScrollBox sharedTextBox;
KESTRINE_PROGRAM_STATE(sharedTextBox);

namespace {

constexpr int kRowStep = 14;
constexpr int kScrollPeriodMs = 100;

constexpr int kBold = 1;
constexpr int kFirstColour = 2;
constexpr int kLastColour = 5;
constexpr int kFirstText = 10;  // the first byte that is text rather than a control byte
constexpr uint8_t kColours[][3] = {{200, 100, 100}, {100, 200, 100}, {100, 100, 200}, {200, 100, 200}};

// The next scroll time after a scroll that was due at `due`. Counting on from the due time keeps the pace
// at one row per 100 ms whatever the frame rate; after a long pause (hover just began, or a slow frame) we
// start counting from now rather than catch up in a burst.
int64_t NextScrollAfter(int64_t due) {
  if (Clock().gameClock - due <= kScrollPeriodMs) return due + kScrollPeriodMs;
  return Clock().gameClock + kScrollPeriodMs;
}

}  // namespace

void TextScrollBox::Layout(const char* const* newLines, int32_t newTotal, float atX, float atY, float newWidth,
                           float newHeight) {
  newTotal = std::max(newTotal, 0);
  visible = TruncatePixels(newHeight / 14.0);
  visible = std::max(visible, 1);
  visible = std::min(visible, newTotal);
  total = newTotal;
  first = 0;
  lineHeight = 15;
  lines = newLines;
  x = TruncatePixels(atX);
  y = TruncatePixels(atY);
  width = TruncatePixels(newWidth);
  height = TruncatePixels(newHeight);

  text.Reset();
  text = Engine().engineRoot->CreateText(0);
  text->SetFontFace(L"Arial");
  text->SetSize(8);
  text->SetStyleA(0);
  text->SetStyleB(0);
  text->SetColor(kLabelR, kLabelG, kLabelB);
  text->SetBackColor(255, 0, 0);

  autoScrollDown = 0;
  autoScrollUp = 0;
}

void TextScrollBox::ScrollDown() {
  if (first < total - visible) ++first;
}

void TextScrollBox::ScrollUp() {
  if (first >= 1) --first;
}

void TextScrollBox::AutoScroll() {
  if (autoScrollDown && nextScrollTime < Clock().gameClock) {
    ScrollDown();
    nextScrollTime = NextScrollAfter(nextScrollTime);
  }
  if (autoScrollUp && nextScrollTime < Clock().gameClock) {
    ScrollUp();
    nextScrollTime = NextScrollAfter(nextScrollTime);
  }
}

void TextScrollBox::Draw(const engine::EngineRef<engine::EngineBitmap>& image) {
  AutoScroll();
  image->SetDrawColor(255, 0, 0);
  FillRectPixels(image, x, y, width, height + 9);
  // Released (or never laid out): the box stays empty rather than end the game over a missing font.
  if (!text || !lines) return;

  for (int32_t row = 0; row < visible && first + row < total; ++row) {
    const char* line = lines[first + row];
    if (!line) continue;
    text->SetStyleA(0);
    text->SetColor(kLabelR, kLabelG, kLabelB);
    const unsigned char* p = reinterpret_cast<const unsigned char*>(line);
    for (; *p != 0 && *p < kFirstText; ++p) {
      if (*p == kBold) {
        text->SetStyleA(1);
      } else if (*p >= kFirstColour && *p <= kLastColour) {
        const uint8_t* c = kColours[*p - kFirstColour];
        text->SetColor(c[0], c[1], c[2]);
      }
    }
    text->DrawText(image, x, y + kRowStep * row, WidenText(reinterpret_cast<const char*>(p)));
  }
}

void TextScrollBox::Release() { text.Reset(); }

}  // namespace kestrine
