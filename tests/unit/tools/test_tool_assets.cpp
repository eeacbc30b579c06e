// The tool pictures and backpack-screen files, checked through the game's own loaders: the sheet has an
// icon in every rectangle the table cuts, every tool key finds its cursor picture, the backdrop fills the
// screen, and the four remarks are real, different sounds.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "casualty/tool_table.h"
#include "casualty_view/tool_images.h"
#include "generated_data.h"
#include "shell/engine_setup.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/tool_generators.h"

namespace kestrine {
namespace {

void WriteToolFiles(assetgen::DataTree& tree) {
  assetgen::WriteToolImages(tree);
  assetgen::WriteBackpackScreenAssets(tree);
}

const testing::GeneratedData& Generated() {
  static const testing::GeneratedData data(WriteToolFiles);
  return data;
}

class ToolAssetsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ReleaseToolImages();
    ReleaseToolSpriteSheet();
  }

  testing::InFolder in_{Generated().Dir()};
  testing::HeadlessGame game_;
};

TEST_F(ToolAssetsTest, EveryIconRectangleOfTheSheetHoldsAPicture) {
  LoadToolSprites();
  ASSERT_FALSE(ToolImages().toolSpriteSheet->IsPlaceholder());
  EXPECT_GE(ToolImages().toolSpriteSheet->GetWidth(), 256);
  EXPECT_GE(ToolImages().toolSpriteSheet->GetHeight(), 240);
  for (int row = 0; row < kToolCount; ++row) {
    if (!toolPictures[row].sprite) continue;
    std::set<uint32_t> colours(toolPictures[row].sprite->Pixels().begin(), toolPictures[row].sprite->Pixels().end());
    EXPECT_GT(colours.size(), 4u) << ToolTable[row].name;
  }
}

// The cursor is copied onto the text overlay, whose pure red is see-through: round the tool the patient
// must show, so the picture's corners are that red and the tool itself is not.
// A caption read as one text: a line ending in a hyphen runs on into the next.
std::string Joined(const assetgen::IconCaption& caption) {
  std::string shown;
  for (const std::string& line : caption.lines) {
    if (!shown.empty() && shown.back() == '-') {
      shown.pop_back();
    } else if (!shown.empty()) {
      shown += ' ';
    }
    shown += line;
  }
  return shown;
}

// A name too wide for its icon is broken at a space or set smaller; only one that fits neither way is
// shortened, and then it says so with a full stop. Either way every line fits inside the icon's bevel.
TEST_F(ToolAssetsTest, EveryIconsNameFitsItsIconWholeOrMarkedShort) {
  for (int j = 0; j < kToolSpriteRectCount; ++j) {
    const ToolSpriteRect& r = kToolSpriteRects[j];
    const assetgen::IconCaption caption = assetgen::ToolIconCaption(r.tool, r.width);
    SCOPED_TRACE(ToolTable[r.tool].name);
    ASSERT_FALSE(caption.lines.empty());
    ASSERT_LE(caption.lines.size(), 2u);
    assetgen::paint::TextStyle style;
    style.size = caption.size;
    for (const std::string& line : caption.lines)
      EXPECT_LE(assetgen::paint::LabelWidth(line, style), r.width - 2) << line;
    const std::string shown = Joined(caption);
    if (!shown.empty() && shown.back() == '.') continue;
    EXPECT_TRUE(shown == ToolTable[r.tool].name || shown.size() <= 8) << shown;
  }
  // The two that lost their ends before.
  const auto whole = [](int tool, int width) { return Joined(assetgen::ToolIconCaption(tool, width)); };
  EXPECT_EQ(whole(TOOL_TOURNIQUET, kToolSpriteRects[FindToolSpriteRect(TOOL_TOURNIQUET)].width), "Tourniquet");
  EXPECT_EQ(whole(TOOL_OCCLUSIVE_DRESSING, kToolSpriteRects[FindToolSpriteRect(TOOL_OCCLUSIVE_DRESSING)].width),
            "Occlusive Dressing");
}

TEST_F(ToolAssetsTest, EveryToolKeyFindsItsOwnCursorPictureSeeThroughRoundTheTool) {
  for (int row = 0; row < kToolCount; ++row) LoadToolImage(row);
  for (int row = 0; row < kToolCount; ++row) {
    if (ToolTable[row].key[0] == '\0') continue;
    const auto& cursor = toolPictures[row].cursorImage;
    ASSERT_TRUE(cursor) << ToolTable[row].key;
    EXPECT_FALSE(cursor->IsPlaceholder()) << ToolTable[row].key;
    const int w = cursor->GetWidth(), h = cursor->GetHeight();
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}}) {
      const engine::Color c = cursor->PixelColor(x, y);
      EXPECT_TRUE(c.r == 255 && c.g == 0 && c.b == 0) << ToolTable[row].key << " at " << x << "," << y;
    }
    int tool = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const engine::Color c = cursor->PixelColor(x, y);
        tool += c.r == 255 && c.g == 0 && c.b == 0 ? 0 : 1;
      }
    EXPECT_GT(tool, w * h / 50) << ToolTable[row].key << ": too little of the tool shows";
  }
  EXPECT_EQ(testing::HeadlessGame::Log().find("missing asset"), std::string::npos);
}

TEST_F(ToolAssetsTest, KeysDifferingOnlyInCaseShareOneFile) {
  std::set<std::string> files;
  for (const auto& entry : testing::fs::directory_iterator(Generated().Dir() / "images" / "tools"))
    files.insert(entry.path().filename().string());
  std::set<std::string> keys;
  for (const ToolDef& tool : ToolTable) {
    std::string key = tool.key;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!key.empty()) keys.insert(key);
  }
  EXPECT_EQ(files.size(), keys.size() + 1);  // and the sheet
}

TEST_F(ToolAssetsTest, TheBackdropFillsTheScreen) {
  auto backdrop = Engine().engineRoot->LoadBitmap(L"images\\loadpack.qjp", 1);
  ASSERT_FALSE(backdrop->IsPlaceholder());
  EXPECT_EQ(backdrop->GetWidth(), 640);
  EXPECT_EQ(backdrop->GetHeight(), 480);
}

TEST_F(ToolAssetsTest, TheFourRemarksAreRealAndDifferent) {
  std::set<std::string> bodies;
  for (int n = 1; n <= 4; ++n) {
    const std::wstring path = L"sounds\\speech\\NoFit" + std::to_wstring(n) + L".qwv";
    auto sound = Engine().engineRoot->LoadSound(path, 0);
    ASSERT_FALSE(sound->IsPlaceholder()) << n;
    EXPECT_GT(sound->Pcm().LengthMs(), 300) << n;
    int loud = 0;
    for (int16_t s : sound->Pcm().samples) loud += (s > 2000 || s < -2000) ? 1 : 0;
    EXPECT_GT(loud, 100) << n;
    bodies.insert(std::string(reinterpret_cast<const char*>(sound->Pcm().samples.data()),
                              sound->Pcm().samples.size() * sizeof(int16_t)));
  }
  EXPECT_EQ(bodies.size(), 4u);
}

}  // namespace
}  // namespace kestrine
