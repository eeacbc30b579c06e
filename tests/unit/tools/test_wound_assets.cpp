// The wound table's generated files: every clip, remark take and wound texture the table names is there,
// under the path the game builds for it; every sound decodes and has a lip-sync timeline that the speech
// player can follow to its end; every texture is a picture.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "casualty/wound_types.h"
#include "core/wav_reader.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/wound_assets.h"

namespace {

namespace fs = std::filesystem;
using namespace kestrine;

struct GeneratedTree {
  fs::path dir = fs::temp_directory_path() / ("kestrine-wound-assets-" + std::to_string(::getpid()));
  ~GeneratedTree() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

const assetgen::DataTree& Generated() {
  static const GeneratedTree generated;
  static const assetgen::DataTree tree = [] {
    fs::remove_all(generated.dir);
    assetgen::DataTree made(generated.dir);
    assetgen::WriteWoundSpeech(made);
    assetgen::WriteWoundTextures(made);
    return made;
  }();
  return tree;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

fs::path OnDisk(const std::string& gamePath) { return Generated().PathOf(assetgen::CanonicalPath(gamePath)); }

// Names the table uses, found by walking each row's tracks, as the game reaches them, rather than through
// the generator's own list.
struct TableNames {
  std::set<std::string> clips, remarkKeys, textures;
};

TableNames WalkTable() {
  TableNames names;
  std::set<const StepList*> seen;
  std::vector<const StepList*> open;
  auto reach = [&](const StepList* list) {
    if (list != nullptr && seen.insert(list).second) open.push_back(list);
  };
  for (const WoundType& row : WoundTypeTable) {
    if (*row.textureSet != '\0') names.textures.insert(row.textureSet);
    if (*row.remarkKey != '\0') names.remarkKeys.insert(row.remarkKey);
    for (const StepList* list : row.lists) reach(list);
  }
  while (!open.empty()) {
    const StepList* list = open.back();
    open.pop_back();
    for (const TreatmentStep* step = list; !IsListEnd(step); ++step) {
      if (*step->clip != '\0') names.clips.insert(step->clip);
      if (step->tool == kTextureChange) names.textures.insert(step->reading);
      reach(step->next);
      reach(step->extra);
    }
  }
  return names;
}

struct Record {
  int32_t time;
  int32_t shape;
};

std::vector<Record> Records(const std::string& bytes) {
  std::vector<Record> records(bytes.size() / 8);
  std::memcpy(records.data(), bytes.data(), records.size() * 8);
  return records;
}

// The speech player reads a timeline whole and follows it to its first negative time.
void ExpectSpeech(const std::string& path) {
  const std::string sound = Read(OnDisk(path + ".qwv"));
  const auto pcm = engine::DecodeWav(sound);
  ASSERT_TRUE(pcm.has_value()) << path << ".qwv does not decode";
  EXPECT_GT(pcm->Frames(), 0u) << path;

  const std::string timeline = Read(OnDisk(path + ".phn"));
  ASSERT_EQ(timeline.size() % 8, 0u) << path << ".phn";
  const std::vector<Record> records = Records(timeline);
  ASSERT_GE(records.size(), 2u) << path << ".phn holds no shape";
  EXPECT_LT(records.back().time, 0) << path << ".phn has no closing record";
  int32_t previous = 0;
  for (size_t i = 0; i + 1 < records.size(); ++i) {
    EXPECT_GE(records[i].time, 0) << path << ".phn ends early, at record " << i;
    EXPECT_GE(records[i].time, previous) << path << ".phn goes back in time at record " << i;
    EXPECT_GE(records[i].shape, 0) << path;
    EXPECT_LE(records[i].shape, 15) << path;
    previous = records[i].time;
  }
  // The mouth stops moving about when the sound does (the player changes shape 50 ms before a record's time).
  EXPECT_NEAR(previous - 50, pcm->LengthMs(), 10) << path;
}

TEST(WoundAssets, TheGeneratorFindsEveryNameTheTableUses) {
  const TableNames table = WalkTable();
  const assetgen::WoundAssetNames generated = assetgen::CollectWoundAssetNames();
  for (const std::string& clip : table.clips) EXPECT_EQ(generated.clips.count(clip), 1u) << clip;
  for (const std::string& key : table.remarkKeys) EXPECT_EQ(generated.remarkKeys.count(key), 1u) << key;
  for (const std::string& name : table.textures) EXPECT_EQ(generated.textures.count(name), 1u) << name;
  EXPECT_GT(table.clips.size(), 200u);
  EXPECT_GT(table.remarkKeys.size(), 40u);
}

TEST(WoundAssets, EveryClipOfTheMedicIsSpokenWithItsLipSync) {
  for (const std::string& clip : WalkTable().clips) ExpectSpeech(assetgen::MedicClipPath(clip));
}

TEST(WoundAssets, EveryRemarkKeyHasEachTakeOfEachKindInEachVoice) {
  for (const std::string& key : WalkTable().remarkKeys) {
    for (int voice = 1; voice <= assetgen::kVoiceSetCount; ++voice) {
      for (char kind : assetgen::kRemarkKinds) {
        for (int take = 1; take <= assetgen::kRemarkTakes; ++take) {
          ExpectSpeech(assetgen::RemarkPath(voice, key, kind, take));
        }
      }
    }
  }
}

TEST(WoundAssets, ThePatientsVoicesAndTheirLinesDiffer) {
  const std::string key = *WalkTable().remarkKeys.begin();
  std::set<std::string> sounds;
  for (int voice = 1; voice <= assetgen::kVoiceSetCount; ++voice) {
    for (char kind : assetgen::kRemarkKinds) {
      sounds.insert(Read(OnDisk(assetgen::RemarkPath(voice, key, kind, 1) + ".qwv")));
    }
  }
  EXPECT_EQ(sounds.size(), static_cast<size_t>(assetgen::kVoiceSetCount) * std::size(assetgen::kRemarkKinds));
}

TEST(WoundAssets, EveryWoundTextureIsAPictureForEverySkin) {
  for (const std::string& name : WalkTable().textures) {
    const std::vector<std::string> paths = assetgen::WoundTexturePaths(name);
    ASSERT_EQ(paths.size(), 3u) << name;
    std::set<std::string> pictures;
    for (const std::string& path : paths) {
      const std::string bytes = Read(OnDisk(path));
      ASSERT_GT(bytes.size(), 24u) << path << " is missing";
      EXPECT_EQ(bytes.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0) << path;
      // The picture's size from its header: big-endian width and height.
      auto be32 = [&](size_t at) {
        return (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8) |
               static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3]));
      };
      EXPECT_EQ(be32(16), static_cast<uint32_t>(assetgen::kWoundTextureSize)) << path;
      EXPECT_EQ(be32(20), static_cast<uint32_t>(assetgen::kWoundTextureSize)) << path;
      pictures.insert(bytes);
    }
    EXPECT_EQ(pictures.size(), paths.size()) << name << ": each skin tone has its own picture";
  }
}

TEST(WoundAssets, TheSkinPathsAreTheOnesTheGameLooksUnder) {
  const std::vector<std::string> paths = assetgen::WoundTexturePaths("gsw-chest");
  EXPECT_EQ(paths[0], "patient\\textures\\wlcamo\\white\\wounds\\gsw-chest.qjp");
  EXPECT_EQ(paths[1], "patient\\textures\\wlcamo\\black\\wounds\\b-gsw-chest.qjp");
  EXPECT_EQ(paths[2], "patient\\textures\\enemy\\wounds\\ar-gsw-chest.qjp");
  // The one set that loads as a picture with transparency.
  EXPECT_EQ(assetgen::WoundTexturePaths("gsw-pafn-hand")[0],
            "patient\\textures\\wlcamo\\white\\wounds\\gsw-pafn-hand.qpg");
}

TEST(WoundAssets, ALipSyncTimelineHoldsEachShapeUntilTheNextStarts) {
  const std::string bytes = assetgen::EncodeLipSync({{0, 15}, {100, 0}, {250, 6}}, 400);
  const std::vector<Record> records = Records(bytes);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].time, 150);
  EXPECT_EQ(records[0].shape, 15);
  EXPECT_EQ(records[1].time, 300);
  EXPECT_EQ(records[1].shape, 0);
  EXPECT_EQ(records[2].time, 450);
  EXPECT_EQ(records[2].shape, 6);
  EXPECT_LT(records[3].time, 0);
}

}  // namespace
