// The game's Windows paths against a case-sensitive tree, and text files read line by line.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/engine_core.h"
#include "core/path_resolver.h"
#include "engine/engine_ref.h"
#include "engine/engine_text.h"
#include "temp_tree.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

class PathResolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("Sounds/SFX/Clip.qwv", "clip");
    Write("Sounds/Music/GP1OV.qwv", "music");
    Write("images/Start/start.qpg", "img");
  }
  void Write(const std::string& rel, const std::string& bytes) { tree_.Write(rel, bytes); }

  testing::TempTree tree_;
  const fs::path root_ = tree_.Root();
  PathResolver paths_;
};

TEST_F(PathResolverTest, BackslashesAndMixedCaseFindTheRealFileAndAMissingComponentNothing) {
  EXPECT_EQ(paths_.Resolve("sounds\\sfx\\clip.QWV"), "Sounds/SFX/Clip.qwv");
  EXPECT_EQ(paths_.Resolve("SOUNDS\\music\\gp1ov.qwv"), "Sounds/Music/GP1OV.qwv");
  EXPECT_EQ(paths_.Resolve("Images/START\\Start.QPG"), "images/Start/start.qpg");
  EXPECT_EQ(paths_.Resolve(".\\sounds\\\\sfx\\"), "Sounds/SFX") << "dots and doubled separators";
  EXPECT_EQ(paths_.ReadFile("sounds\\SFX\\CLIP.qwv"), "clip");
  const std::string abs = root_.string() + "/sounds/sfx/clip.qwv";
  EXPECT_EQ(paths_.Resolve(abs), root_.string() + "/Sounds/SFX/Clip.qwv");
  EXPECT_EQ(paths_.ReadFile(abs), "clip");

  EXPECT_FALSE(paths_.Resolve("sounds\\nosuch\\clip.qwv"));
  EXPECT_FALSE(paths_.Resolve("sounds\\sfx\\clip.wav"));
  EXPECT_FALSE(paths_.Resolve("sounds\\sfx\\clip.qwv\\more")) << "a file is not a folder";
  EXPECT_FALSE(paths_.Resolve(""));
  EXPECT_FALSE(paths_.ReadFile("nothing.qtxt"));
  EXPECT_FALSE(paths_.ReadFile("sounds\\sfx")) << "a folder is not a file to read";
}

TEST_F(PathResolverTest, AnExactMatchBeatsACaseBlindOneAndFoldersNamedAlikeAreAllSearched) {
  Write("Sounds/SFX/clip.QWV", "other");
  EXPECT_EQ(paths_.ReadFile("sounds\\sfx\\clip.QWV"), "other");
  EXPECT_EQ(paths_.ReadFile("sounds\\sfx\\Clip.qwv"), "clip");
  Write("Avi/Mission1.AVI", "one");
  Write("avi/credits.avi", "credits");
  EXPECT_EQ(paths_.Resolve("avi\\mission1.avi"), "Avi/Mission1.AVI") << "not in the exact \"avi\": in \"Avi\"";
  EXPECT_EQ(paths_.ReadFile("Avi\\Credits.avi"), "credits") << "not in the exact \"Avi\": in \"avi\"";
  EXPECT_FALSE(paths_.Resolve("avi\\mission2.avi"));
}

TEST_F(PathResolverTest, CachedListingsFindNewFilesLoseGoneOnesAndAreDroppedByInvalidate) {
  ASSERT_TRUE(paths_.Resolve("sounds\\sfx\\clip.qwv"));  // caches Sounds/SFX
  Write("Sounds/SFX/New.qwv", "new");
  Write("savedGames/slot1.sav", "save");
  EXPECT_EQ(paths_.ReadFile("SOUNDS\\SFX\\new.qwv"), "new");
  EXPECT_EQ(paths_.ReadFile("savedgames\\SLOT1.SAV"), "save");
  // A listing that still looks right answers until it is dropped.
  ASSERT_EQ(paths_.ReadFile("sounds\\sfx\\clip.QWV"), "clip");  // only a case-blind match so far
  Write("Sounds/SFX/clip.QWV", "exact");
  EXPECT_EQ(paths_.ReadFile("sounds\\sfx\\clip.QWV"), "clip") << "cached listing still answers";
  paths_.Invalidate();
  EXPECT_EQ(paths_.ReadFile("sounds\\sfx\\clip.QWV"), "exact");
  // Removed and renamed files are not handed back.
  ASSERT_TRUE(paths_.Resolve("images\\start\\start.qpg"));
  fs::rename(root_ / "images/Start/start.qpg", root_ / "images/Start/START.qpg");
  EXPECT_EQ(paths_.Resolve("images\\start\\start.qpg"), "images/Start/START.qpg");
  fs::remove(root_ / "images/Start/START.qpg");
  EXPECT_FALSE(paths_.Resolve("images\\start\\start.qpg"));
  const std::string bytes("a\r\nb\0c\xFF\n", 8);
  Write("data.bin", bytes);
  EXPECT_EQ(paths_.ReadFile("DATA.BIN"), bytes);  // every byte kept
  // Changing the working directory uses the new tree.
  Write("other/sounds/sfx/CLIP.QWV", "elsewhere");
  fs::current_path(root_ / "other");
  EXPECT_EQ(paths_.ReadFile("sounds\\sfx\\clip.qwv"), "elsewhere");
}

EngineRef<EngineTextFile> TextOf(std::string bytes) { return MakeEngine<EngineTextFile>(std::move(bytes)); }

TEST(TextFileLines, EveryLineEndIsOneLineEndEmptyLinesAreKeptAndBothEncodingsRead) {
  auto f = TextOf("unix\nwindows\r\nmac\rlast");
  EXPECT_EQ(f->ReadLine(), L"unix");
  EXPECT_EQ(f->ReadLine(), L"windows");
  EXPECT_EQ(f->ReadLine(), L"mac");
  EXPECT_EQ(f->IsEndOfFile(), 0);
  EXPECT_EQ(f->ReadLine(), L"last");
  EXPECT_EQ(f->IsEndOfFile(), 1);
  EXPECT_EQ(f->ReadLine(), L"");

  auto g = TextOf("a\n\r\n\rb\r\n");
  for (const wchar_t* line : {L"a", L"", L"", L"b"}) EXPECT_EQ(g->ReadLine(), line);
  EXPECT_EQ(g->IsEndOfFile(), 1) << "a reader looping until end of file must not see a phantom line";
  EXPECT_EQ(TextOf("")->IsEndOfFile(), 1);

  auto h = TextOf("caf\xC3\xA9\ncaf\xE9\n");  // UTF-8, then Latin-1
  EXPECT_EQ(h->ReadLine(), L"caf\u00e9");
  EXPECT_EQ(h->ReadLine(), L"caf\u00e9");
}

// Each encoded length's first and last character, by hand from the UTF-8 table; bytes that do not make a whole
// character (a lead byte cut off or followed by another lead byte) are kept one by one as Latin-1.
TEST(TextEncoding, EveryEncodedLengthEndsAtItsBoundaryAndBrokenSequencesStayLatin1) {
  const std::pair<std::wstring, std::string> cases[] = {
      {L"\u007F", "\x7F"},         {L"\u0080", "\xC2\x80"},     {L"\u07FF", "\xDF\xBF"},
      {L"\u0800", "\xE0\xA0\x80"}, {L"\uFFFF", "\xEF\xBF\xBF"}, {L"\U00010000", "\xF0\x90\x80\x80"},
  };
  for (const auto& [wide, bytes] : cases) {
    EXPECT_EQ(ToUtf8(wide), bytes) << static_cast<uint32_t>(wide[0]);
    EXPECT_EQ(FromUtf8(bytes), wide) << static_cast<uint32_t>(wide[0]);
  }
  EXPECT_EQ(FromUtf8("\xC3\xC3\xA9"), L"\u00C3\u00E9");
  EXPECT_EQ(FromUtf8("caf\xC3"), L"caf\u00C3");
  EXPECT_EQ(FromUtf8("\xE2\x82"), L"\u00E2\u0082");
}

TEST(TextFileBytes, BytesAreUnsignedEndWithMinusOneAndShareThePositionWithLines) {
  auto f = TextOf(std::string("\x00\x7F\x80\xFF", 4));
  EXPECT_EQ(f->ReadByte(), 0);
  EXPECT_EQ(f->ReadByte(), 127);
  EXPECT_EQ(f->ReadByte(), 128);
  EXPECT_EQ(f->IsEndOfFile(), 0);
  EXPECT_EQ(f->ReadByte(), 255);
  EXPECT_EQ(f->IsEndOfFile(), 1);
  EXPECT_EQ(f->ReadByte(), -1);
  auto g = TextOf("12\r\nxy");
  EXPECT_EQ(g->ReadLine(), L"12");
  EXPECT_EQ(g->ReadByte(), 'x');
  EXPECT_EQ(g->ReadLine(), L"y");
  EXPECT_EQ(g->ReadByte(), -1);
}

}  // namespace
}  // namespace engine
