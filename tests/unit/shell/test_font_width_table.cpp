// Text laid out in a rectangle, and the development font-width table it leaves behind: its exact lines, written
// once, and never in the way when it cannot be. Run in a folder of their own, as the table lands in the working one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "scratch_tree.h"
#include "screen_2d_fixture.h"
#include "shell/font_width_table.h"

namespace kestrine {
namespace {

namespace fs = std::filesystem;
using testing::FindColour;

class InTempFolderTest : public testing::Screen2dTest {
 protected:
  static std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  testing::ScratchTree tree_;
};

TEST_F(InTempFolderTest, TextInRectWrapsInsideTheRectangleAndWritesTheWidthTableOnce) {
  const std::wstring text = L"Bandages: sterile dressings for open wounds, applied with firm pressure over the wound.";
  // 0.0836 x 640 = 53, 0.407 x 480 = 195, 0.445 x 640 = 284, 0.256 x 480 = 122
  DrawTextInRect(0.0836, 0.407, 0.445, 0.256, text, 8, 16, 235, 247, 195, 0, 0);
  const testing::PixelBox ink = FindColour(ScreenText().textOverlay, kPaleYellow);
  EXPECT_GE(ink.left, 53);
  EXPECT_LT(ink.right, 53 + 284);
  EXPECT_GE(ink.top, 195);
  EXPECT_GT(ink.Height(), Font(L"Arial", 8)->TextHeight(text));  // more than one line
  EXPECT_EQ(testing::CountOther(ScreenText().textOverlay, kRed), ink.count);

  // One line per printable character, in the font of the first call.
  const std::string table = ReadAll("font.dat");
  engine::EngineRef<engine::EngineTextFont> font = Font(L"Arial", 8);
  std::string expected;
  for (int code = 32; code <= 125; ++code) {
    const int width = font->TextWidth(std::wstring(1, static_cast<wchar_t>(code)));
    expected += "\t" + std::to_string(width) + ",\t// '" + std::string(1, static_cast<char>(code)) + "'\n";
  }
  EXPECT_EQ(table, expected);

  // Later calls, even for another face and size, find the file and leave it as it is.
  WriteFontWidthTable(L"Courier New", 20);
  EXPECT_EQ(ReadAll("font.dat"), table);
  { std::ofstream("font.dat", std::ios::trunc) << "kept"; }
  WriteFontWidthTable(L"Arial", 8);
  EXPECT_EQ(ReadAll("font.dat"), "kept");
}

TEST_F(InTempFolderTest, AFileThatCannotBeCreatedIsNoError) {
  // Working in a folder that has gone away: nothing can be created there, not even by the superuser.
  const fs::path gone = tree_.PathOf("gone");
  fs::create_directory(gone);
  fs::current_path(gone);
  fs::remove(gone);
  EXPECT_NO_THROW(WriteFontWidthTable(L"Arial", 8));
  fs::current_path(tree_.PathOf("."));
  EXPECT_FALSE(fs::exists(gone));
}

}  // namespace
}  // namespace kestrine
