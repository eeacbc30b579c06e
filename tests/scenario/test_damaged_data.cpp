// The game on a damaged data tree: it still reaches the disclaimer, with stand-ins for what it could not
// read, and once there tells the player in one box how many files are damaged and which came first. An
// intact tree says nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "damaged_tree.h"
#include "harness.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;

// The distinct files named by "missing ...: <file>" and "unreadable ...: <file> (...)" traces, in order.
std::vector<std::string> DamagedInTraces(const std::string& log) {
  std::vector<std::string> files;
  std::set<std::string> seen;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("missing ", 0) != 0 && line.rfind("unreadable ", 0) != 0) continue;
    std::string file = line.substr(line.find(": ") + 2);
    file = file.substr(0, file.find(" ("));
    if (seen.insert(file).second) files.push_back(file);
  }
  return files;
}

// 57 bytes: a 1 x 1 PNG whose one pixel chunk is empty.
std::string EmptyPixelPng() {
  const std::string signature("\x89PNG\r\n\x1a\n", 8);
  const std::string ihdr("\0\0\0\x0D" "IHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0\0\0\0\0", 25);
  const std::string idat("\0\0\0\0IDAT\0\0\0\0", 12);
  const std::string iend("\0\0\0\0IEND\0\0\0\0", 12);
  return signature + ihdr + idat + iend;
}

TEST(DamagedDataTest, AnIntactTreeStartsWithoutABox) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_TRUE(game.MessageBoxes().empty());
  EXPECT_TRUE(DamagedInTraces(game.DebugLog()).empty()) << game.DebugLog();
}

TEST(DamagedDataTest, AMissingMovieAndAnEmptyPixelChunkAreCountedInOrder) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Remove("avi/orvale.avi");
  const std::string png = EmptyPixelPng();
  ASSERT_EQ(png.size(), 57u);
  tree.Replace("images/disclaimer.qjp", png);
  InFolder inTree(tree.Root());

  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_NE(game.DebugLog().find("missing movie: avi\\orvale.avi\n"), std::string::npos) << game.DebugLog();
  EXPECT_NE(game.DebugLog().find("unreadable image: images\\disclaimer.qjp\n"), std::string::npos);
  EXPECT_TRUE(disclaimerImage->IsPlaceholder());
  ASSERT_EQ(game.MessageBoxes().size(), 1u);
  const MessageBoxRecord& box = game.MessageBoxes()[0];
  EXPECT_EQ(box.caption, "Damaged Game Data");
  EXPECT_EQ(box.text.rfind("2 game files are missing or damaged; the first is avi\\orvale.avi.", 0), 0u) << box.text;
  EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
  game.Close();
}

TEST(DamagedDataTest, AWhollyDamagedTreeStillReachesTheDisclaimerAndTellsOnce) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Damage();
  InFolder inTree(tree.Root());

  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  // Sixteen menu pictures and the two click sounds at least, whatever became of the cut logo movies.
  const std::vector<std::string> damaged = DamagedInTraces(game.DebugLog());
  ASSERT_GE(damaged.size(), 18u) << game.DebugLog();
  ASSERT_EQ(game.MessageBoxes().size(), 1u);
  const std::string& text = game.MessageBoxes()[0].text;
  EXPECT_EQ(text.rfind(std::to_string(damaged.size()) + " game files are missing or damaged; the first is " +
                           damaged.front() + ".",
                       0),
            0u)
      << text;
  EXPECT_TRUE(disclaimerImage->IsPlaceholder());

  // The game goes on: the menu and more frames bring no second box.
  game.Frames(60, 16);
  EXPECT_EQ(game.MessageBoxes().size(), 1u);
  game.Close();
  EXPECT_FALSE(game.Running());
}

}  // namespace
}  // namespace kestrine::scenario
