// Screen text and shapes on the text overlay, checked on the overlay's pixels.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "screen_2d_fixture.h"
#include "shell/engine_setup.h"
#include "shell/screen_text.h"

namespace kestrine {
namespace {

using testing::FindColour;
using testing::PixelBox;
using testing::Rgb;

class ScreenTextTest : public testing::Screen2dTest {
 protected:
  // The overlay as it looks with the text drawn left-aligned at a whole pixel: what an aligned call must match.
  std::vector<uint32_t> ReferenceAt(int x, int y, const std::wstring& text, int size) {
    const std::vector<uint32_t> saved = ScreenText().textOverlay->Pixels();
    ClearTextOverlay();
    DrawTextAtPixel(ScreenText().textOverlay, x, y, text, size, ALIGN_LEFT, 235, 247, 195, 1, 0);
    std::vector<uint32_t> reference = ScreenText().textOverlay->Pixels();
    ScreenText().textOverlay->MutablePixels() = saved;
    return reference;
  }
};

TEST_F(ScreenTextTest, CentredAtHalfAndAt320DrawTheSamePixels) {
  const std::wstring text = L"ACCEPT DISCLAIMER";
  const int width = Font(L"Arial", 11, true)->TextWidth(text);
  DrawScreenText(0.5, 100, text, 11, ALIGN_CENTRE, 235, 247, 195, 1, 0);
  const std::vector<uint32_t> byFraction = ScreenText().textOverlay->Pixels();
  ClearTextOverlay();
  DrawScreenText(320.0, 100, text, 11, ALIGN_CENTRE, 235, 247, 195, 1, 0);
  EXPECT_EQ(ScreenText().textOverlay->Pixels(), byFraction);
  EXPECT_EQ(byFraction, ReferenceAt(320 - width / 2, 100, text, 11));

  ClearTextOverlay();
  DrawScreenText(400, 50, L"SCORE", 10, ALIGN_RIGHT, 235, 247, 195, 1, 0);
  EXPECT_EQ(ScreenText().textOverlay->Pixels(),
            ReferenceAt(400 - Font(L"Arial", 10, true)->TextWidth(L"SCORE"), 50, L"SCORE", 10));
}

TEST_F(ScreenTextTest, TheKeyedOverlayOnTheCameraTakesTextWithNoVisibleBoxAndXOfOneIsOnePixel) {
  ASSERT_EQ(Engine().engineCamera->Sprites().size(), 1u);
  EXPECT_EQ(Engine().engineCamera->Sprites()[0]->Image().Get(), ScreenText().textOverlay.Get());
  EXPECT_EQ(ScreenText().textOverlay->ColorKey(), kRed);
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);

  DrawScreenText(1.0, 1.0, L"Keep him warm.", 12, ALIGN_LEFT, 255, 255, 0, 0, 0);
  const PixelBox ink = FindColour(ScreenText().textOverlay, Rgb(255, 255, 0));
  ASSERT_GT(ink.count, 30);
  EXPECT_LT(ink.left, 5);  // at the left edge, not at the right one
  EXPECT_LT(ink.bottom, 40);
  // Every pixel is the key or exactly the text colour: no box, no blended edges.
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), ink.count);
  ClearTextOverlay();
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);
}

TEST_F(ScreenTextTest, OnBlackAndSmallTextPaintTheirBox) {
  DrawScreenTextOnBlack(100, 200, L"Pulse 80", 10, ALIGN_LEFT, 255, 255, 255, 0, 0);
  DrawSmallText(0.5, 10, L"BP 120/80", 8, 0, 255, 0);
  for (auto [x, y, text, face, size] :
       {std::tuple{100, 200, L"Pulse 80", L"Arial", 10}, std::tuple{320, 10, L"BP 120/80", L"MS San Serif", 8}}) {
    engine::EngineRef<engine::EngineTextFont> font = Font(face, size);
    const int w = font->TextWidth(text), h = font->TextHeight(text);
    int black = 0;
    for (int row = y; row < y + h; ++row) {
      for (int col = x; col < x + w; ++col) black += ScreenText().textOverlay->PixelColor(col, row) == Rgb(0, 0, 0);
    }
    EXPECT_GT(black, w * h / 2) << x;
    EXPECT_EQ(ScreenText().textOverlay->PixelColor(x - 1, y), kRed);
    EXPECT_EQ(ScreenText().textOverlay->PixelColor(x, y + h), kRed);
  }
  EXPECT_GT(FindColour(ScreenText().textOverlay, Rgb(0, 255, 0)).count, 10);
}

TEST_F(ScreenTextTest, OnImageFractionsAreOfTheScreen) {
  engine::EngineRef<engine::EngineBitmap> image = Engine().engineRoot->CreateBitmap(300, 100);
  image->Clear(255, 0, 0);
  DrawTextOnImage(image, 0.25, 0.1, L"MOVE TEAM", 11, ALIGN_LEFT, 10, 250, 10, 1, 0);
  const PixelBox ink = FindColour(image, Rgb(10, 250, 10));
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 160);  // a quarter of 640, not of 300
  EXPECT_GE(ink.top, 48);
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), 0);
}

TEST_F(ScreenTextTest, OutlinesAreYellowWhateverTheDrawColour) {
  ScreenText().textOverlay->SetDrawColor(255, 10, 10);
  OutlineRectOverlay(1.0, 1.0, 639.0, 479.0);
  const PixelBox yellow = FindColour(ScreenText().textOverlay, Rgb(255, 255, 0));
  EXPECT_EQ(yellow.left, 1);
  EXPECT_EQ(yellow.top, 1);
  EXPECT_EQ(yellow.right, 639);
  EXPECT_EQ(yellow.bottom, 479);
  EXPECT_EQ(yellow.count, 2 * 639 + 2 * 477);  // four sides, corners once

  engine::EngineRef<engine::EngineBitmap> image = Engine().engineRoot->CreateBitmap(400, 400);
  OutlineRect(image, 70.0, 262.9, 280.0, 18.0);  // the high-score row being named
  const PixelBox row = FindColour(image, Rgb(255, 255, 0));
  EXPECT_EQ(row.left, 70);
  EXPECT_EQ(row.top, 262);
  EXPECT_EQ(row.right, 350);
  EXPECT_EQ(row.bottom, 280);  // 262.9 + 18 truncated
  EXPECT_EQ(row.count, 2 * 281 + 2 * 17);
}

TEST_F(ScreenTextTest, FillsUseTheCurrentDrawColour) {
  ScreenText().textOverlay->SetDrawColor(200, 10, 10);
  FillRectFraction(0.5, 0.5, 0.25, 0.1);  // 320, 240, 160 x 48
  PixelBox box = FindColour(ScreenText().textOverlay, Rgb(200, 10, 10));
  EXPECT_EQ(box.left, 320);
  EXPECT_EQ(box.top, 240);
  EXPECT_EQ(box.count, 160 * 48);
  EXPECT_EQ(box.Width(), 160);

  engine::EngineRef<engine::EngineBitmap> image = Engine().engineRoot->CreateBitmap(100, 100);
  image->SetDrawColor(1, 2, 3);
  FillRectPixels(image, 10.9, 20.2, 5.7, 3.0);
  box = FindColour(image, Rgb(1, 2, 3));
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.top, 20);
  EXPECT_EQ(box.count, 5 * 3);
}

}  // namespace
}  // namespace kestrine
