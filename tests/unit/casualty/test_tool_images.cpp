// Cutting the icons from the sheet, the cursor pictures with their fallbacks, and the label box.
#include "shell/engine_setup.h"
#include "shell/wide_text.h"
#include "tool_screen_fixture.h"

namespace kestrine::testing {
namespace {

using ToolImagesTest = ToolScreenTest;

TEST_F(ToolImagesTest, IconsAreCutFromTheirRectanglesOfTheSheetOnceUntilTheFlagIsCleared) {
  WriteSheet();
  const int32_t total = LoadToolSprites();
  EXPECT_EQ(ToolImages().toolCount, kToolCount);
  EXPECT_TRUE(ToolImages().toolSpritesLoaded);
  EXPECT_EQ(ToolImages().toolIconTotalWidth, total);
  int32_t sum = 0;
  for (int row = 0; row < kToolCount; ++row) {
    const int j = FindToolSpriteRect(row);
    if (j < 0) {
      EXPECT_FALSE(toolPictures[row].sprite) << "row " << row;
      continue;
    }
    const ToolSpriteRect& r = kToolSpriteRects[j];
    const auto& icon = toolPictures[row].sprite;
    ASSERT_TRUE(icon) << "row " << row;
    ASSERT_EQ(icon->GetWidth(), r.width);
    ASSERT_EQ(icon->GetHeight(), r.height);
    // Each corner of the icon is the matching pixel of its rectangle on the sheet.
    EXPECT_EQ(icon->Pixel(0, 0), SheetPixel(r.x, r.y)) << "row " << row;
    EXPECT_EQ(icon->Pixel(r.width - 1, r.height - 1), SheetPixel(r.x + r.width - 1, r.y + r.height - 1));
    sum += r.width;
  }
  EXPECT_EQ(total, sum);

  // Icons already cut are kept until the flag is cleared.
  const engine::EngineBitmap* before = toolPictures[TOOL_BANDAGE].sprite.Get();
  EXPECT_EQ(LoadToolSprites(), total);
  EXPECT_EQ(toolPictures[TOOL_BANDAGE].sprite.Get(), before);
  ForgetToolSprites();
  EXPECT_EQ(LoadToolSprites(), total);
  EXPECT_NE(toolPictures[TOOL_BANDAGE].sprite.Get(), before);
}

TEST_F(ToolImagesTest, AMissingSheetStillGivesIconsOfTheirSizes) {
  const int32_t total = LoadToolSprites();
  ASSERT_TRUE(ToolImages().toolSpriteSheet);
  EXPECT_GT(total, 0);
  EXPECT_EQ(toolPictures[TOOL_GLOVE].sprite->GetWidth(), kToolSpriteRects[FindToolSpriteRect(TOOL_GLOVE)].width);
}

// ---- cursor pictures ----

TEST_F(ToolImagesTest, CursorPicturesFallBackToTheirDrawerOrKitAndFileKeysMatchWithoutCase) {
  WriteSheet();
  LoadToolSprites();
  WritePicture("images/tools/medicinesyringe.qpg", 0x1020A0);  // the key is "MEDICINESYRINGE"
  WritePicture("images/tools/vial_y.qpg", 0xE0E020);
  WritePicture("images/tools/ETTUBE.qpg", 0x30C030);  // the tube's key is "ettube"
  for (int row = 0; row < kToolCount; ++row) LoadToolImage(row);
  const engine::EngineBitmap* syringe = toolPictures[TOOL_MEDICINE_SYRINGE].cursorImage.Get();
  ASSERT_NE(syringe, nullptr);
  EXPECT_EQ(syringe->Pixel(0, 0), 0x1020A0u);
  // A vial without its own picture shows the syringe's; so does the vial that is its own parent.
  for (int row :
       {TOOL_MORPHINE, TOOL_ATROPINE, TOOL_DIAZEPAM, TOOL_MORPHINE_MIDAZOLAM, TOOL_XYLOCAINE, TOOL_ATROPINE_DIAZEPAM})
    EXPECT_EQ(toolPictures[row].cursorImage.Get(), syringe) << "row " << row;
  // A vial with its own file shows it.
  ASSERT_TRUE(toolPictures[TOOL_EPINEPHRINE_BENEDRYL].cursorImage);
  EXPECT_EQ(toolPictures[TOOL_EPINEPHRINE_BENEDRYL].cursorImage->Pixel(0, 0), 0xE0E020u);
  ASSERT_TRUE(toolPictures[TOOL_ET_TUBE].cursorImage);
  EXPECT_EQ(toolPictures[TOOL_ET_TUBE].cursorImage->Pixel(0, 0), 0x30C030u);
  EXPECT_FALSE(toolPictures[TOOL_ET_TUBE].cursorImage->IsPlaceholder());

  // A row without parent loads the engine's stand-in when its file is missing, and the file is reported.
  ASSERT_TRUE(toolPictures[TOOL_BANDAGE].cursorImage);
  EXPECT_TRUE(toolPictures[TOOL_BANDAGE].cursorImage->IsPlaceholder());
  EXPECT_NE(engine::CoreOf(*Engine().engineRoot).DebugLog().find("BANDAGE.qpg"), std::string::npos);
  // A kit part without a picture shows its kit's, whatever that is.
  EXPECT_EQ(toolPictures[TOOL_GEL].cursorImage.Get(), toolPictures[TOOL_ET_KIT].cursorImage.Get());
  EXPECT_EQ(toolPictures[TOOL_SURGERY_SCALPEL].cursorImage.Get(),
            toolPictures[TOOL_MINOR_SURGERY_KIT].cursorImage.Get());
  // Rows without a key have no cursor picture.
  for (int row : {TOOL_ROLLOVER_DRAG, TOOL_HESPAN, TOOL_LACTATED_RINGERS, TOOL_AMBU_BAG_NASAL, TOOL_AMBU_BAG_ET,
                  TOOL_AMBU_BAG_CRICH})
    EXPECT_FALSE(toolPictures[row].cursorImage) << "row " << row;

  // Releasing drops every picture and asks for new icons.
  ReleaseToolImages();
  EXPECT_FALSE(ToolImages().toolSpritesLoaded);
  for (int row = 0; row < kToolCount; ++row) {
    EXPECT_FALSE(toolPictures[row].sprite) << "row " << row;
    EXPECT_FALSE(toolPictures[row].cursorImage) << "row " << row;
  }
}

// ---- labels ----

class ToolLabelTest : public ToolScreenTest {
 protected:
  // The label box as the shared tip font measures it in bold.
  static int LabelWidth(int row) {
    ToolTips().toolTip.text->SetStyleA(1);
    const int w = ToolTips().toolTip.text->TextWidth(WidenText(ToolTable[row].name));
    ToolTips().toolTip.text->SetStyleA(0);
    return w + 6;
  }
  static int LabelHeight(int row) { return ToolTips().toolTip.text->TextHeight(WidenText(ToolTable[row].name)) + 6; }

  static bool Black(int x, int y) { return ScreenText().textOverlay->Pixel(x, y) == 0u; }
  static int CountBlack() {
    int n = 0;
    for (uint32_t p : ScreenText().textOverlay->Pixels()) n += p == 0u ? 1 : 0;
    return n;
  }
};

TEST_F(ToolLabelTest, EveryToolNameFitsOnOneLabelLine) {
  ToolTips().toolTip.text->SetStyleA(1);
  for (int row = 0; row < kToolCount; ++row)
    EXPECT_LE(ToolTips().toolTip.text->TextWidth(WidenText(ToolTable[row].name)), 220) << ToolTable[row].name;
  ToolTips().toolTip.text->SetStyleA(0);
}

TEST_F(ToolLabelTest, TheFramedBoxLandsAtItsPixelOrFractionOfTheScreenAndEndsTenPixelsBeforeTheRightEdge) {
  DrawToolLabels(-1, 100, 100);
  DrawToolLabels(kToolCount, 100, 100);
  EXPECT_EQ(CountBlack(), 0) << "rows outside the table draw nothing";

  const int w = LabelWidth(TOOL_TOURNIQUET), h = LabelHeight(TOOL_TOURNIQUET);
  DrawToolLabels(TOOL_TOURNIQUET, 100, 388);
  EXPECT_TRUE(Black(100, 388));
  EXPECT_TRUE(Black(100 + w - 1, 388 + h - 1));
  EXPECT_FALSE(Black(100 + w, 388 + h - 1));  // just outside: untouched overlay
  EXPECT_FALSE(Black(99, 388));

  DrawToolLabels(TOOL_GLOVE, 0.5, 0.5);
  EXPECT_TRUE(Black(320, 240));
  EXPECT_FALSE(Black(319, 239));

  const int wide = LabelWidth(TOOL_IRRIGATION_SYRINGE);
  DrawToolLabels(TOOL_IRRIGATION_SYRINGE, 630, 100);
  EXPECT_TRUE(Black(640 - 10 - wide, 100));
  EXPECT_TRUE(Black(640 - 11, 100));
  EXPECT_FALSE(Black(640 - 10, 100));
}

TEST_F(ToolLabelTest, ALabelTakesOverTheTipBoxAndLeavesTheTipFontPlain) {
  ShowToolTip(10, 10, "A rather long tool-tip that wraps over several lines of the box", 1);
  ASSERT_EQ(ToolTips().toolTipDeferred, 1);
  ClearTextOverlay();
  DrawToolLabels(TOOL_GLOVE, 200, 300);
  EXPECT_EQ(ToolTips().toolTipDeferred, 0);
  EXPECT_FALSE(ToolTips().toolTip.text->Bold());
  // Nothing of the longer tip shows inside or beside the label's box.
  const int w = LabelWidth(TOOL_GLOVE), h = LabelHeight(TOOL_GLOVE);
  for (int y = 300 + 1; y < 300 + h - 1; ++y)
    for (int x = 200 + w - 3; x < 200 + w - 1; ++x) EXPECT_FALSE(Black(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace kestrine::testing
