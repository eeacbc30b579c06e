// The tool pictures and backpack-screen files, checked through the game's own loaders: the sheet has an
// icon in every rectangle the table cuts, every tool key finds its cursor picture, the backdrop fills the
// screen, and the four remarks are real, different sounds.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>

#include "casualty/tool_images.h"
#include "casualty/tool_table.h"
#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/globals.h"
#include "tools/assetgen/tool_generators.h"
#include "tools/assetgen/tool_pictures.h"

namespace {

namespace fs = std::filesystem;
using namespace kestrine;

fs::path Generate(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("kestrine-tool-assets-" + std::to_string(::getpid()) + name);
  fs::remove_all(dir);
  assetgen::DataTree tree(dir);
  assetgen::WriteToolImages(tree);
  assetgen::WriteBackpackScreenAssets(tree);
  return dir;
}

// Two runs of the program: each in a process of its own, since the speech synthesiser carries state from one
// line to the next within a run.
fs::path GenerateInFreshProcess(const std::string& name) {
  const pid_t parent = ::getpid();
  const pid_t child = fork();
  if (child == 0) {
    const fs::path made = Generate(name);
    // Named after this process; moved to where the parent looks.
    fs::rename(made, fs::temp_directory_path() / ("kestrine-tool-assets-" + std::to_string(parent) + name));
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("generation failed");
  return fs::temp_directory_path() / ("kestrine-tool-assets-" + std::to_string(parent) + name);
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ToolAssetsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { dir_ = new fs::path(Generate("")); }
  static void TearDownTestSuite() {
    fs::remove_all(*dir_);
    delete dir_;
  }

  void SetUp() override {
    oldDir_ = fs::current_path();
    fs::current_path(*dir_);
    engineRoot = engine::CreateEngineRoot("headless");
    engine::CoreOf(*engineRoot).SetTraceToStderr(false);
  }

  void TearDown() override {
    ReleaseToolImages();
    toolSpriteSheet.Reset();
    toolCount = 0;
    engineRoot.Reset();
    fs::current_path(oldDir_);
  }

  static fs::path* dir_;
  fs::path oldDir_;
};

fs::path* ToolAssetsTest::dir_ = nullptr;

TEST_F(ToolAssetsTest, EveryIconRectangleOfTheSheetHoldsAPicture) {
  LoadToolSprites();
  ASSERT_FALSE(toolSpriteSheet->IsPlaceholder());
  EXPECT_GE(toolSpriteSheet->GetWidth(), 256);
  EXPECT_GE(toolSpriteSheet->GetHeight(), 240);
  for (int row = 0; row < kToolCount; ++row) {
    if (!ToolTable[row].sprite) continue;
    std::set<uint32_t> colours(ToolTable[row].sprite->Pixels().begin(), ToolTable[row].sprite->Pixels().end());
    EXPECT_GT(colours.size(), 4u) << ToolTable[row].name;
  }
}

// The cursor is copied onto the text overlay, whose pure red is see-through: round the tool the patient
// must show, so the picture's corners are that red and the tool itself is not.
TEST_F(ToolAssetsTest, EveryToolKeyFindsItsOwnCursorPictureSeeThroughRoundTheTool) {
  for (int row = 0; row < kToolCount; ++row) LoadToolImage(row);
  for (int row = 0; row < kToolCount; ++row) {
    if (ToolTable[row].key[0] == '\0') continue;
    const auto& cursor = ToolTable[row].cursorImage;
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
  EXPECT_EQ(engine::CoreOf(*engineRoot).DebugLog().find("missing asset"), std::string::npos);
}

TEST_F(ToolAssetsTest, KeysDifferingOnlyInCaseShareOneFile) {
  std::set<std::string> files;
  for (const auto& entry : fs::directory_iterator(*dir_ / "images" / "tools"))
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
  auto backdrop = engineRoot->LoadBitmap(L"images\\loadpack.qjp", 1);
  ASSERT_FALSE(backdrop->IsPlaceholder());
  EXPECT_EQ(backdrop->GetWidth(), 640);
  EXPECT_EQ(backdrop->GetHeight(), 480);
}

TEST_F(ToolAssetsTest, TheFourRemarksAreRealAndDifferent) {
  std::set<std::string> bodies;
  for (int n = 1; n <= 4; ++n) {
    const std::wstring path = L"sounds\\speech\\NoFit" + std::to_wstring(n) + L".qwv";
    auto sound = engineRoot->LoadSound(path, 0);
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

TEST_F(ToolAssetsTest, EveryKeyOfTheTableHasADrawing) {
  for (const ToolDef& tool : ToolTable) {
    if (tool.key[0] != '\0') {
      EXPECT_NO_THROW(assetgen::LookOfKey(tool.key)) << tool.key;
    }
  }
  EXPECT_THROW(assetgen::LookOfKey("no-such-tool"), std::runtime_error);
}

TEST(ToolAssetsGeneration, TheSameProgramWritesTheSameBytes) {
  const fs::path a = GenerateInFreshProcess("-a");
  const fs::path b = GenerateInFreshProcess("-b");
  for (const auto& entry : fs::recursive_directory_iterator(a)) {
    if (!entry.is_regular_file()) continue;
    const fs::path other = b / fs::relative(entry.path(), a);
    EXPECT_EQ(ReadAll(entry.path()), ReadAll(other)) << entry.path();
  }
  fs::remove_all(a);
  fs::remove_all(b);
}

}  // namespace
