// Text objects: widths of known strings in the faces the game names, as the font files give them; drawing that
// keeps colours exact; and laying text out in a rectangle.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/engine_text.h"

namespace engine {
namespace {

EngineRef<EngineTextFont> Font(const std::wstring& face, int points, bool bold = false, bool italic = false) {
  auto font = MakeEngine<EngineTextFont>();
  font->SetFontFace(face);
  font->SetSize(points);
  font->SetStyleA(bold ? 1 : 0);
  font->SetStyleB(italic ? 1 : 0);
  return font;
}

constexpr uint32_t kKey = 0xFF0000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

EngineRef<EngineBitmap> Canvas(int width, int height) {
  auto image = MakeEngine<EngineBitmap>(width, height);
  image->Clear(255, 0, 0);
  return image;
}

int Count(const EngineBitmap& image, uint32_t packed, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += image.Pixel(x, y) == packed ? 1 : 0;
  return n;
}

// ---- measuring ----

// The sum of each character's hinted advance in the font files at 96 dpi. The monospaced face is 0.6 em wide a
// character: 8 pixels at 10 points (13.3 pixels an em), 11 at 14 points.
TEST(TextMeasure, WidthsOfKnownStringsMatchTheFontFiles) {
  struct Case {
    std::wstring face;
    int points;
    bool bold, italic;
    std::wstring text;
    int width;
  };
  const Case cases[] = {
      {L"Arial", 10, false, false, L"Tourniquet applied", 105},
      {L"ARIAL", 10, false, false, L"Tourniquet applied", 105},  // face names ignore case
      {L"Ariel", 14, false, false, L"The patient is in major shock!", 245},
      {L"MS San Serif", 8, false, false, L"Medal of Honor (1944)", 108},
      {L"MS Sans Serif", 8, false, false, L"Medal of Honor (1944)", 108},
      {L"Wingdings of War", 24, false, false, L"W", 32},  // unknown faces fall back to sans
      {L"Arial", 14, true, false, L"Tourniquet applied", 176},
      {L"Arial", 10, false, true, L"Medal of Honor (1944)", 127},
      {L"Arial", 24, true, true, L"i,j;l:1", 76},
      {L"Courier New", 10, false, false, L"i,j;l:1", 7 * 8},
      {L"COURIER NEW", 10, false, false, L"i,j;l:1", 7 * 8},
      {L"Courier New", 14, true, false, L"Tourniquet applied", 18 * 11},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Font(c.face, c.points, c.bold, c.italic)->TextWidth(c.text), c.width)
        << std::string(c.face.begin(), c.face.end()) << " " << c.points << "pt";
  auto mono = Font(L"Courier New", 10);
  for (wchar_t c = 32; c < 127; ++c) ASSERT_EQ(mono->TextWidth(std::wstring(1, c)), 8) << static_cast<int>(c);
}

TEST(TextMeasure, WidthsAddUpControlCharactersTakeNoRoomAndHeightIsTheLineOfTheFace) {
  auto font = Font(L"Arial", 11);
  EXPECT_EQ(font->TextWidth(L""), 0);
  EXPECT_EQ(font->TextWidth(L"Morphine"), font->TextWidth(L"Mor") + font->TextWidth(L"phine"));
  EXPECT_EQ(font->TextWidth(L"a\tb\nc\r"), font->TextWidth(L"abc"));
  EXPECT_EQ(MakeEngine<EngineTextFont>()->TextHeight(L"Ag"), 14);  // the 14-pixel rows of the scrolling texts
  EXPECT_EQ(font->TextHeight(L""), font->TextHeight(L"gjpqy"));
  EXPECT_LT(Font(L"Arial", 8)->TextHeight(L"x"), Font(L"Arial", 16)->TextHeight(L"x"));
  // Out-of-range sizes are held to something drawable rather than failing.
  EXPECT_GT(Font(L"Arial", 0)->TextHeight(L"x"), 0);
  EXPECT_GT(Font(L"Arial", -5)->TextWidth(L"x"), 0);
}

// ---- drawing ----

TEST(TextDraw, PaintsTheBoxInTheBackColourAndTheGlyphsInTheTextColourOrOnlyTheGlyphsOverTheKey) {
  auto font = Font(L"Arial", 12);
  font->SetColor(255, 255, 255);
  font->SetBackColor(0, 0, 0);
  auto image = Canvas(200, 60);
  const std::wstring text = L"Hello, medic";
  const int w = font->TextWidth(text), h = font->TextHeight(text);
  font->DrawText(image, 10, 20, text);
  const int ink = Count(*image, kWhite, 10, 20, 10 + w, 20 + h);
  const int back = Count(*image, kBlack, 10, 20, 10 + w, 20 + h);
  EXPECT_GT(ink, 20);
  EXPECT_GT(back, ink);
  EXPECT_EQ(ink + back, w * h);  // only the two colours inside the box: no blended edges
  EXPECT_EQ(Count(*image, kKey, 0, 0, 200, 60), 200 * 60 - w * h);  // nothing outside it

  font->SetColor(10, 200, 30);
  font->SetBackColor(255, 0, 0);
  auto keyed = Canvas(120, 30);
  font->DrawText(keyed, 2, 2, L"Bandage");
  EXPECT_EQ(std::set<uint32_t>(keyed->Pixels().begin(), keyed->Pixels().end()), (std::set<uint32_t>{kKey, 0x0AC81E}));
  EXPECT_THROW(font->DrawText(EngineRef<EngineBitmap>(), 0, 0, L"x"), EngineError);
  EXPECT_THROW(font->DrawTextRect(EngineRef<EngineBitmap>(), 0, 0, 10, 10, L"x", 16), EngineError);
}

TEST(TextDraw, TextOverTheEdgesIsClippedToWhatAWholeDrawingShows) {
  auto font = Font(L"Arial", 14, true);
  font->SetColor(255, 255, 255);
  font->SetBackColor(0, 0, 0);
  const std::wstring text = L"Evacuate now";
  const int positions[][2] = {{-25, 3}, {3, -9}, {40, 3}, {3, 12}, {-30, -10}, {60, 15}, {500, 500}, {-500, 0}};
  for (const auto& p : positions) {
    constexpr int kPad = 100;
    auto whole = Canvas(80 + 2 * kPad, 25 + 2 * kPad);
    font->DrawText(whole, p[0] + kPad, p[1] + kPad, text);
    auto clipped = Canvas(80, 25);
    font->DrawText(clipped, p[0], p[1], text);
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 80; ++x)
        ASSERT_EQ(clipped->Pixel(x, y), whole->Pixel(x + kPad, y + kPad))
            << p[0] << "," << p[1] << " " << x << "," << y;
  }
}

// ---- laying out in a rectangle ----

class TextRectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = Font(L"MS San Serif", 8);
    font_->SetColor(0, 0, 0);
    font_->SetBackColor(235, 247, 195);
    line_ = font_->TextHeight(L"x");
  }
  // What the rectangle should show: each expected line drawn on its own, one line height apart.
  EngineRef<EngineBitmap> Expected(int x, int y, const std::vector<std::wstring>& lines) {
    auto image = Canvas(kWidth, kHeight);
    for (size_t i = 0; i < lines.size(); ++i) font_->DrawText(image, x, y + static_cast<int>(i) * line_, lines[i]);
    return image;
  }
  static constexpr int kWidth = 220;
  static constexpr int kHeight = 90;
  EngineRef<EngineTextFont> font_;
  int line_ = 0;
};

TEST_F(TextRectTest, WrappingBreaksAfterTheLastWordThatFitsDropsTheSpacesThereAndKeepsIndentsAndBreaks) {
  struct Case {
    std::wstring text;
    std::wstring fits;  // the rectangle is one pixel wider than this
    std::vector<std::wstring> lines;
  };
  const Case cases[] = {
      {L"Apply pressure to the wound", L"Apply pressure to", {L"Apply pressure to", L"the wound"}},
      {L"Splint the leg\n   then check the pulse",
       L"   then check",
       {L"Splint the leg", L"   then check", L"the pulse"}},
      // Two spaces at the break: neither ends the first line's box nor opens the second line.
      {L"Stop the  bleeding", L"Stop the", {L"Stop the", L"bleeding"}},
  };
  for (const Case& c : cases) {
    auto image = Canvas(kWidth, kHeight);
    font_->DrawTextRect(image, 5, 4, font_->TextWidth(c.fits) + 1, kHeight, c.text, EngineTextFont::kWrapWords);
    EXPECT_EQ(image->Pixels(), Expected(5, 4, c.lines)->Pixels()) << std::string(c.fits.begin(), c.fits.end());
  }
}

TEST_F(TextRectTest, AWordWiderThanTheLineIsSplitNotLostAndAnIndentIsNoPlaceToBreak) {
  for (const std::wstring& text : {std::wstring(L"Cricothyroidotomy"), std::wstring(L"  Tracheostomy")}) {
    const int width = font_->TextWidth(text.substr(0, 8)) + 1;
    // The longest run of characters that still fits starts each line.
    std::vector<std::wstring> expected;
    std::wstring rest = text;
    while (!rest.empty()) {
      size_t n = 1;
      while (n < rest.size() && font_->TextWidth(rest.substr(0, n + 1)) <= width) ++n;
      expected.push_back(rest.substr(0, n));
      rest = rest.substr(n);
    }
    ASSERT_GE(expected.size(), 2u);
    ASSERT_EQ(expected[0], text.substr(0, 8));
    auto image = Canvas(kWidth, kHeight);
    font_->DrawTextRect(image, 3, 3, width, kHeight, text, EngineTextFont::kWrapWords);
    EXPECT_EQ(image->Pixels(), Expected(3, 3, expected)->Pixels());
  }
}

TEST_F(TextRectTest, TheRectangleCutsALineAtItsRightEdgeAndNothingIsDrawnBelowItOrWhenEmpty) {
  const std::wstring text = L"Apply pressure to the wound";
  const int width = font_->TextWidth(L"Apply pres");
  auto image = Canvas(kWidth, kHeight);
  font_->DrawTextRect(image, 5, 4, width, kHeight, text, 0);
  auto whole = Expected(5, 4, {text});
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const bool inside = x >= 5 && x < 5 + width && y >= 4;
      ASSERT_EQ(image->Pixel(x, y), inside ? whole->Pixel(x, y) : kKey) << x << "," << y;
    }
  // Unwrapped too, a Windows line end is one break, as are a lone one of either kind.
  auto broken = Canvas(kWidth, kHeight);
  font_->DrawTextRect(broken, 5, 4, kWidth, kHeight, L"Splint\r\nthen\rcheck\nit", 0);
  EXPECT_EQ(broken->Pixels(), Expected(5, 4, {L"Splint", L"then", L"check", L"it"})->Pixels());

  const int wrapWidth = font_->TextWidth(L"three") + 1;
  const int height = line_ + line_ / 2;  // one and a half lines
  auto cut = Canvas(kWidth, kHeight);
  font_->DrawTextRect(cut, 0, 0, wrapWidth, height, L"one two three four", EngineTextFont::kWrapWords);
  auto full = Canvas(kWidth, kHeight);
  font_->DrawTextRect(full, 0, 0, wrapWidth, kHeight, L"one two three four", EngineTextFont::kWrapWords);
  EXPECT_GT(Count(*cut, kBlack, 0, line_, wrapWidth, height), 0);  // the second line's top half shows
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(cut->Pixel(x, y), y < height ? full->Pixel(x, y) : kKey) << x << "," << y;

  auto empty = Canvas(kWidth, kHeight);
  font_->DrawTextRect(empty, 0, 0, 0, 50, L"nothing", EngineTextFont::kWrapWords);
  font_->DrawTextRect(empty, 0, 0, 50, -1, L"nothing", 0);
  font_->DrawTextRect(empty, 0, 0, 50, 50, L"", EngineTextFont::kWrapWords);
  font_->DrawTextRect(empty, kWidth, 0, 50, 50, L"outside", 0);
  EXPECT_EQ(Count(*empty, kKey, 0, 0, kWidth, kHeight), kWidth * kHeight);
}

}  // namespace
}  // namespace engine
