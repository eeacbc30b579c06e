// The shell's generated data, checked through the game's own loaders: every file they name exists and
// decodes, the images have the sizes the screens cut from them, cut-outs carry their key colour, and the
// sounds are all different from one another.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>

#include "generated_data.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/explosion.h"
#include "shell/loading_screen.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "tools/assetgen/frontend_generators.h"
#include "tools/assetgen/mouth_shapes.h"
#include "tools/assetgen/shell_generators.h"
#include "tools/assetgen/speech_files.h"
#include "tools/assetgen/speech_synth.h"
#include "tools/assetgen/speech_voices.h"
#include "tools/assetgen/tool_generators.h"

namespace {

using engine::Color;
using engine::EngineBitmap;
using engine::EngineRef;
using Image = EngineRef<EngineBitmap>;
using namespace kestrine;

const Color kRed{255, 0, 0};

const kestrine::testing::GeneratedData& Generated() {
  static const kestrine::testing::GeneratedData data([](assetgen::DataTree& tree) {
    assetgen::WriteShellEffectSounds(tree);
    assetgen::WriteShellRadioSounds(tree);
    assetgen::WriteShellMusic(tree);
    assetgen::WriteShellMenuImages(tree);
    assetgen::WriteFrontEndMenuImages(tree);
    assetgen::WriteShellMissionImages(tree);
    assetgen::WriteExplosionFrames(tree);
    assetgen::WriteToolImages(tree);  // one of the level textures is the grenade's cursor picture
  });
  return data;
}

bool HasColour(const EngineRef<EngineBitmap>& image, Color colour) {
  for (uint32_t p : image->Pixels())
    if (Color::FromPacked(p) == colour) return true;
  return false;
}

class ShellAssetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetScreenSize(640, 480);
    CreateTextOverlay();
    LoadMenuImages();
    GoToMission(1);
    LoadAllAssets();
  }
  void TearDown() override {
    ReleaseAssets();
    ReleaseOverlays();
    ReleaseLoadingScreenImage();
    SetSharedAssetsLoaded(false);
  }
  static std::string Log() { return kestrine::testing::HeadlessGame::Log(); }

  kestrine::testing::InFolder in_{Generated().Dir()};
  kestrine::testing::HeadlessGame game_;
};

TEST_F(ShellAssetsTest, EveryFileTheLoadersNameExistsAndDecodes) {
  // Missions 2 and 3 bring in the other two music pairs.
  for (int mission : {2, 3}) {
    GoToMission(mission);
    LoadAllAssets();
  }
  // Every chatter file, whichever the random draw picks.
  for (int n = 1; n <= 17; ++n)
    Engine().engineRoot->LoadSound(L"sounds\\Speech\\RadioWalla\\X" + std::to_wstring(n) + L".qwv", 1);
  ASSERT_TRUE(LoadingScreenImage());
  EXPECT_EQ(Log().find("missing asset"), std::string::npos) << Log();
  EXPECT_EQ(Log().find("unreadable"), std::string::npos) << Log();
  EXPECT_EQ(Explosion().explosionSprite->frames, 12);
}

TEST_F(ShellAssetsTest, ImagesHaveTheSizesTheScreensCutFrom) {
  for (const Image* image : std::initializer_list<const Image*>{&Assets().disclaimerImage, &Assets().openingImage,
                                                                &Assets().kiaImage, &LoadingScreenImage()}) {
    EXPECT_EQ((*image)->GetWidth(), 640);
    EXPECT_EQ((*image)->GetHeight(), 480);
  }
  // The menu panel is copied 184 wide and up to 172 high; pause and quit panels 229 x 214.
  EXPECT_EQ(Assets().menuBarsImage->GetWidth(), 184);
  EXPECT_GE(Assets().menuBarsImage->GetHeight(), 172);
  for (const BitmapRef* image :
       std::initializer_list<const BitmapRef*>{&Assets().pauseMenuImage, &Assets().quitScreenImage}) {
    EXPECT_EQ((*image)->GetWidth(), 229);
    EXPECT_EQ((*image)->GetHeight(), 214);
  }
  for (const auto& medal : Assets().medalImages) {
    EXPECT_EQ(medal->GetWidth(), 49);
    EXPECT_EQ(medal->GetHeight(), 13);
  }
  EXPECT_EQ(Assets().badgeImages[0]->GetWidth(), 78);
  EXPECT_EQ(Assets().badgeImages[1]->GetWidth(), 43);
  EXPECT_EQ(Assets().badgeImages[2]->GetHeight(), 27);
  // The extraction point copies (0, 0, 32, 32) of its marker.
  EXPECT_GE(Assets().extractionMarkerImage->GetWidth(), 32);
  EXPECT_GE(Assets().extractionMarkerImage->GetHeight(), 32);
}

TEST_F(ShellAssetsTest, CutOutsShowTheirKeyAndPanelsNeverUseTheOverlayKey) {
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(HasColour(Assets().markerImages[i], kRed)) << i;
  for (int i : {0, 1, 3, 6, 9, 13}) EXPECT_TRUE(HasColour(Assets().levelTextures[i], kRed)) << i;
  EXPECT_TRUE(HasColour(Assets().soldierIconImage, Color{0, 0, 0}));
  EXPECT_TRUE(HasColour(Assets().crosshairImage, Color{0, 255, 0}));
  EXPECT_TRUE(HasColour(Assets().roofBreakImage, kRed));
  for (const auto& frame : Explosion().explosionFrames) {
    if (!frame) continue;
    EXPECT_EQ(frame->PixelColor(0, 0), (Color{255, 255, 255}));
  }
  // These are drawn onto overlays keyed on red: a red pixel in them would be a hole on the screen.
  for (const Image* image : std::initializer_list<const Image*>{
           &Assets().menuBarsImage, &Assets().pauseMenuImage, &Assets().quitScreenImage, &Assets().disclaimerImage,
           &Assets().openingImage, &Assets().kiaImage, &LoadingScreenImage()})
    EXPECT_FALSE(HasColour(*image, kRed));
  for (const auto& medal : Assets().medalImages) EXPECT_FALSE(HasColour(medal, kRed));
  for (const auto& badge : Assets().badgeImages) EXPECT_FALSE(HasColour(badge, kRed));
  // The trunks are keyed on red too, and must have no holes.
  for (int i : {2, 5, 8, 11}) EXPECT_FALSE(HasColour(Assets().levelTextures[i], kRed)) << i;
}

TEST_F(ShellAssetsTest, FrontEndPicturesHaveTheirSizesAndTheMedalsAreCutOutToFitTheirPlaces) {
  auto size = [](const wchar_t* path) {
    const auto image = Engine().engineRoot->LoadBitmap(path, 1);
    EXPECT_FALSE(HasColour(image, kRed)) << "a hole in a panel";
    return std::pair(image->GetWidth(), image->GetHeight());
  };
  EXPECT_EQ(size(L"images\\playerControl.qpg"), std::pair(522, 230));
  EXPECT_EQ(size(L"images\\soundbars.qjp"), std::pair(185, 125));
  EXPECT_EQ(size(L"images\\load.qjp"), std::pair(228, 246));
  EXPECT_EQ(size(L"images\\load2.qjp"), std::pair(229, 23));
  EXPECT_EQ(size(L"images\\finish-screen.qjp"), std::pair(640, 480));
  // Seven ribbons side by side from x 20 stay on the screen and above the score at y 350; badges 200 apart
  // from x 50 stay above the ribbons at y 190.
  for (int i = 0; i < 11; ++i) {
    const std::wstring path = i < 8 ? L"images\\finalMedals\\ribbon" + std::to_wstring(i) + L".qpg"
                                    : L"images\\finalMedals\\badge" + std::to_wstring(i - 8) + L".qpg";
    const auto medal = Engine().engineRoot->LoadBitmap(path, 1);
    EXPECT_TRUE(HasColour(medal, kRed)) << i;
    EXPECT_LE(i < 8 ? 20 + 7 * medal->GetWidth() : medal->GetWidth(), i < 8 ? 640 : 200) << i;
    EXPECT_LE(medal->GetHeight(), i < 8 ? 350 - 190 : 190 - 60) << i;
  }
  EXPECT_EQ(Log().find("missing asset"), std::string::npos) << Log();
}

TEST_F(ShellAssetsTest, EverySoundIsItsOwn) {
  std::map<std::vector<int16_t>, int> seen;
  for (int slot = 0; slot < kSoundSlotCount; ++slot) {
    if (!Sounds().soundTable.IsLoaded(slot)) continue;
    const auto& samples = Sounds().soundTable[slot]->Pcm().samples;
    EXPECT_GT(samples.size(), 200u) << slot;
    const auto [it, fresh] = seen.emplace(samples, slot);
    EXPECT_TRUE(fresh) << "slot " << slot << " sounds like slot " << it->second;
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(kSoundSlotCount - 1));  // all but the briefing speech
  // Music loops last a while; the ticks are short.
  EXPECT_GT(Sounds().soundTable[SOUND_OVERHEAD_MUSIC]->Pcm().LengthMs(), 5000);
  EXPECT_GT(Sounds().soundTable[SOUND_PATIENT_MUSIC]->Pcm().LengthMs(), 5000);
  EXPECT_LT(Sounds().soundTable[SOUND_TICK_CLICK]->Pcm().LengthMs(), 100);
}

// Some writers carry state from one file to the next (the speech synthesiser among them): two fresh runs of
// the generator must still give the same bytes.
TEST(GeneratorRuns, TwoFreshRunsWriteTheSameBytes) {
  const size_t files = kestrine::testing::ExpectSameBytesInTwoFreshRuns([](assetgen::DataTree& tree) {
    assetgen::WriteShellMusic(tree);
    assetgen::WriteShellMenuImages(tree);
    assetgen::WriteExplosionFrames(tree);
    assetgen::WriteToolImages(tree);
    assetgen::WriteBackpackScreenAssets(tree);
    std::string bytes;
    for (const char* text : {"That's better.", "Hey! Not the tourniquet, doc!"}) {
      const assetgen::SpokenLine line = assetgen::SpeakLine(text, assetgen::kPatientVoices[2]);
      bytes += assetgen::EncodeSpeechWav(line.sound) + assetgen::EncodeLipSync(line.shapes, line.lengthMs);
    }
    tree.WriteBytes("spoken", bytes);
  });
  EXPECT_GT(files, 30u);
}

}  // namespace
