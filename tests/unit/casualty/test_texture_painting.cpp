// The patient's textures in the engine: loading (and a missing file's see-through stand-in), tourniquet bands
// and dressings painted into the working copies and taken off again, and the trousers composed from the
// body flags.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_textures.h"
#include "casualty_view/texture_bands.h"
#include "casualty_view/texture_templates.h"
#include "casualty_view/treatment_assets.h"
#include "core/engine_internals.h"
#include "core/geometry.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "tools/assetgen/patient_generators.h"
#include "unit/casualty/headless_stage_fixture.h"
#include "unit/casualty/model_patient.h"

namespace kestrine {
namespace {

using engine::Color;
using Bitmap = engine::EngineRef<engine::EngineBitmap>;

constexpr Color kSkin{200, 150, 120};
constexpr Color kCloth{80, 100, 60};
constexpr Color kBand{20, 20, 200};
constexpr Color kDressing{240, 240, 240};

class TexturePaintingTest : public HeadlessStageTest {
 protected:
  void SetUp() override {
    HeadlessStageTest::SetUp();
    ObjectsOf(patient_).root = Engine().engineRoot;
    SetUpTextureState(ObjectsOf(patient_).textureState, WOUND_HEALTHY, 0, 1, 0,
                      [](const std::string&) { return false; });
  }
  void TearDown() override {
    held_.reset();
    HeadlessStageTest::TearDown();
  }

  Bitmap Filled(int w, int h, Color c) {
    Bitmap image = Engine().engineRoot->CreateBitmap(w, h);
    image->Clear(c.r, c.g, c.b);
    return image;
  }
  // The row of a material given a picture as loaded and a working copy of it, both of one colour.
  int32_t Give(const char* material, Color c, bool loaded = true, int size = 256) {
    const int32_t row = FindTextureRow(ObjectsOf(patient_).textureState, material);
    if (loaded) ObjectsOf(patient_).textureState.pristine[row] = Filled(size, size, c);
    ObjectsOf(patient_).textureState.working[row] = Filled(size, size, c);
    return row;
  }
  Color WorkingAt(int32_t row, int x, int y) { return ObjectsOf(patient_).textureState.working[row]->PixelColor(x, y); }
  // The first and one-past-last rows of column x that have colour c.
  std::pair<int, int> RowsOf(int32_t row, Color c, int x = 7) {
    int first = -1, last = -1;
    for (int y = 0; y < ObjectsOf(patient_).textureState.working[row]->GetHeight(); ++y)
      if (WorkingAt(row, x, y) == c) {
        if (first < 0) first = y;
        last = y + 1;
      }
    return {first, last};
  }

  // Let go of before the engine.
  std::unique_ptr<Patient> held_ = testing::UnbuiltModelPatient();
  Patient& patient_ = *held_;
};

TEST_F(TexturePaintingTest, EveryRowIsLoadedTwiceOrWornAsASeeThroughStandInAndPutOnItsMaterial) {
  tree_.WriteBytes("patient\\pv-sold\\pv_sold.qsad", assetgen::PatientBodyFile({}));
  tree_.WriteBmp("patient\\textures\\wlcamo\\u-chest.qjp", 16, 8, 10, 20, 30);
  ObjectsOf(patient_).bodyModel = Engine().engineRoot->LoadModel(L"patient\\pv-sold\\pv_sold.qsad", 1);
  LoadPatientTextures(ObjectsOf(patient_).textureState, patient_, WOUND_HEALTHY, 0);

  const TextureState& state = ObjectsOf(patient_).textureState;
  const int32_t chest = FindTextureRow(state, "u_chest"), back = FindTextureRow(state, "u_back1");
  ASSERT_TRUE(state.pristine[chest] && state.working[chest] && state.working[back]);
  EXPECT_NE(state.pristine[chest].Get(), state.working[chest].Get());
  EXPECT_EQ(state.working[chest]->GetWidth(), 16);
  EXPECT_EQ(state.working[chest]->ColorKey(), (Color{255, 255, 0}));
  EXPECT_FALSE(state.pristine[chest]->ColorKey().has_value());
  // A missing file: traced, nothing as loaded, and a see-through 32 x 32 worn.
  EXPECT_FALSE(state.pristine[back]);
  EXPECT_EQ(state.working[back]->GetWidth(), 32);
  EXPECT_EQ(state.working[back]->PixelColor(31, 31), (Color{255, 255, 0}));
  EXPECT_EQ(state.working[back]->ColorKey(), (Color{255, 255, 0}));
  const std::string log = engine::CoreOf(*Engine().engineRoot).DebugLog();
  EXPECT_NE(log.find("File not found: patient\\textures\\wlcamo\\u-back.qjp"), std::string::npos);
  EXPECT_EQ(log.find("missing asset: patient\\textures"), std::string::npos) << "only files that exist are loaded";

  int textured = 0;
  for (const engine::ModelBatch& batch : engine::ModelGeometryOf(*ObjectsOf(patient_).bodyModel).batches) {
    const int32_t row = FindTextureRow(state, std::string(batch.material->begin(), batch.material->end()).c_str());
    if (row < 0) continue;
    EXPECT_EQ(batch.texture, state.working[row].Get()) << row;
    ++textured;
  }
  EXPECT_GE(textured, 20);
  ReleaseTextureBitmaps(ObjectsOf(patient_).textureState);
  for (int i = 0; i < kTextureSlotCount; ++i) EXPECT_FALSE(state.pristine[i] || state.working[i]) << i;
}

TEST_F(TexturePaintingTest, BandHeightsByBodyPartAndForTheWoundsWithoutLowerLegs) {
  // Part, wound, band row of a 256-row texture.
  const int32_t cases[][3] = {{PART_LEFT_UPPER_ARM, 0, 40},  {PART_RIGHT_FOREARM, 0, 180},
                              {PART_LEFT_THIGH, 0, 40},      {PART_RIGHT_CALF, 0, 180},
                              {PART_LEFT_THIGH, 5, 100},     {PART_RIGHT_THIGH, 6, 100},
                              {PART_LEFT_CALF, 5, 100},      {PART_RIGHT_CALF, 6, 100},
                              {PART_RIGHT_UPPER_ARM, 6, 40}, {PART_LEFT_HAND, 0, 0},
                              {PART_RIGHT_FOOT, 0, 0},       {PART_CHEST, 0, 0},
                              {PART_LEFT_ELBOW, 0, 0},       {-1, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(LimbBandY(c[0], c[1], 256), c[2]) << c[0] << " wound " << c[1];
    EXPECT_EQ(LimbBandY(c[0], c[1], 128), c[2] / 2) << c[0] << " wound " << c[1];
  }
  std::string dressings;
  for (int32_t part : {PART_LEFT_UPPER_ARM, PART_RIGHT_FOREARM, PART_LEFT_THIGH, PART_RIGHT_CALF, PART_LEFT_ELBOW,
                       PART_BACK, PART_CHEST, PART_ABDOMEN, PART_NECK})
    dressings += std::to_string(DressingY(part, 256)) + " ";
  EXPECT_EQ(dressings, "60 160 20 160 90 70 70 160 0 ");
}

TEST_F(TexturePaintingTest, ATourniquetPaintsItsBandIntoSkinAndClothingAndTakingItOffGivesThePictureBack) {
  // The band picture: 64 rows, the strip cut from it (rows 24 to 38) in the band's colour.
  treatmentAssets.pictures[kTourniquetPicture] = Filled(64, 64, {255, 0, 255});
  treatmentAssets.pictures[kTourniquetPicture]->SetDrawColor(kBand.r, kBand.g, kBand.b);
  treatmentAssets.pictures[kTourniquetPicture]->FillRect(0, 24, 64, 15);
  const int32_t skin = Give("s_left_arm2", kSkin);
  const int32_t cloth = Give("u_left_arm1", kCloth);

  patient_.tourniquetParts = 1u << PART_LEFT_UPPER_ARM;
  RepaintLimbBands(patient_, PART_LEFT_UPPER_ARM, skin, cloth);
  EXPECT_EQ(RowsOf(skin, kBand), (std::pair<int, int>{40, 70}));
  EXPECT_EQ(RowsOf(cloth, kBand), (std::pair<int, int>{80, 110}));
  EXPECT_EQ(WorkingAt(skin, 255, 69), kBand);  // the full width
  patient_.tourniquetParts = 0;
  RepaintLimbBands(patient_, PART_LEFT_UPPER_ARM, skin, cloth);
  EXPECT_EQ(RowsOf(skin, kBand).first + RowsOf(cloth, kBand).first, -2);
  EXPECT_EQ(WorkingAt(skin, 7, 50), kSkin);
  // The forearm's clothing band falls below its texture and is left out; the skin's is there.
  patient_.tourniquetParts = 1u << PART_LEFT_FOREARM;
  RepaintLimbBands(patient_, PART_LEFT_FOREARM, skin, cloth);
  EXPECT_EQ(RowsOf(skin, kBand), (std::pair<int, int>{180, 210}));
  EXPECT_EQ(RowsOf(cloth, kBand).first, -1);

  // A hand: no clothing slot, no band height (the top of the texture), and a missing file: nothing to give
  // back when the tourniquet comes off.
  const int32_t hand = Give("l_hand1", {255, 255, 0}, false, 32);
  patient_.tourniquetParts = 1u << PART_LEFT_HAND;
  RepaintLimbBands(patient_, PART_LEFT_HAND, hand, -1);
  EXPECT_EQ(RowsOf(hand, kBand), (std::pair<int, int>{0, 3}));
  patient_.tourniquetParts = 0;
  RepaintLimbBands(patient_, PART_LEFT_HAND, hand, -1);
  EXPECT_EQ(RowsOf(hand, kBand), (std::pair<int, int>{0, 3}));
  RepaintLimbBands(patient_, PART_LEFT_HAND, 29, 40);  // a row with nothing loaded, a slot past the end
  RepaintLimbBands(patient_, 27, hand, -1);
}

TEST_F(TexturePaintingTest, DressingsGoOnTheirPartsPlaceAndRoundTheTrunkOnTheOtherSideToo) {
  treatmentAssets.pictures[kDressingPicture] = Filled(16, 16, kDressing);
  const int32_t chest = Give("s_chest1", kSkin);
  const int32_t back = Give("s_back1", kSkin);
  const int32_t arm = Give("s_right_arm2", kSkin);
  patient_.dressingParts = 1u << PART_RIGHT_UPPER_ARM;
  RepaintLimbBands(patient_, PART_RIGHT_UPPER_ARM, arm, -1);
  EXPECT_EQ(RowsOf(arm, kDressing), (std::pair<int, int>{60, 160}));

  PaintDressing(patient_, PART_ABDOMEN, chest, -1);  // the abdomen's skin is the chest's
  EXPECT_EQ(RowsOf(chest, kDressing), (std::pair<int, int>{160, 256}));
  EXPECT_EQ(RowsOf(back, kDressing), (std::pair<int, int>{160, 256}));
  const int32_t front = Give("s_chest1", kSkin);
  PaintDressing(patient_, PART_BACK, back, -1);
  EXPECT_EQ(RowsOf(front, kDressing), (std::pair<int, int>{70, 170}));
}

TEST_F(TexturePaintingTest, TheTrousersAreTheFirstWholePictureThenTheSecondThenTheBaseWithPiecesCutAway) {
  const Color base{1, 2, 3}, first{10, 0, 0}, second{0, 10, 0}, whole1{0, 0, 10}, whole2{10, 10, 0};
  SetUniformPictures({Filled(140, 400, base),
                      Filled(140, 400, first),
                      Filled(140, 400, second),
                      Filled(140, 400, whole1),
                      Filled(140, 400, whole2),
                      {}});
  const int32_t left = Give("u_left_leg1", kCloth, true, 140);
  const int32_t right = Give("u_right_leg1", kCloth, true, 140);
  ObjectsOf(patient_).textureState.working[left] = Filled(140, 400, kCloth);
  ObjectsOf(patient_).textureState.working[right] = Filled(140, 400, kCloth);
  const auto compose = [&](uint32_t flags, int x, int y) {
    patient_.bodyFlags = flags;
    ComposeUniformTexture(patient_);
    EXPECT_EQ(patient_.composedFlags, flags);
    EXPECT_EQ(WorkingAt(right, x, y), WorkingAt(left, x, y));
    return WorkingAt(left, x, y);
  };
  EXPECT_EQ(compose(0x3f, 10, 100), whole1);
  EXPECT_EQ(compose(0x1f, 10, 100), whole2);
  EXPECT_EQ(compose(0x2 | 0x8, 10, 100), first);    // (0, 70, 50, 160)
  EXPECT_EQ(compose(0x2 | 0x8, 100, 100), base);    // bit 0x1 not set
  EXPECT_EQ(compose(0x2 | 0x8, 10, 300), second);   // (0, 280, 60, 120)
  EXPECT_EQ(compose(0x2 | 0x8, 10, 240), base);     // between the pieces
  EXPECT_EQ(compose(0x1 | 0x4, 100, 100), first);   // (84, 70, 50, 160)
  EXPECT_EQ(compose(0x1 | 0x4, 100, 300), second);  // (74, 280, 60, 120)
  EXPECT_EQ(compose(0x1 | 0x4, 10, 100), base);
}

}  // namespace
}  // namespace kestrine
