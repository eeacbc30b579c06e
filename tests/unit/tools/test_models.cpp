// Models written by assetgen's writer and read back by the engine: bone order, parts, materials by name with
// replaceable pictures, animation names and lengths, skinned triangles following the pose, and the placeholder
// for a missing, cut short or damaged file.
#include <gtest/gtest.h>

#include "core/geometry.h"
#include "core/model_instance.h"
#include "generated_data.h"
#include "tools/assetgen/model_builder.h"
#include "unit/shell/scratch_tree.h"

namespace assetgen {
namespace {

using engine::EngineRef;
using engine::Vec3;

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

Vec3 Of(const EngineRef<engine::EngineVector>& v) { return v->Value(); }

constexpr float kWaveLength = 1.0f;
constexpr float kWalkLength = 2.5f;

// A figure in two materials (the cloth with a picture), waving its left arm up over a second and swinging
// its right leg forward and back over two and a half.
std::string FigureFile() {
  ModelBuilder b;
  auto picture = engine::MakeEngine<engine::EngineBitmap>(4, 4);
  picture->Clear(10, 200, 30);
  const int skin = b.AddMaterial("skin", {230, 180, 150});
  const int cloth = b.AddMaterial("cloth", {255, 255, 255}, picture);
  AddHumanoidFigure(b, [&](const std::string& bone) {
    return bone == "head" || bone.find("hand") != std::string::npos ? skin : cloth;
  });
  b.AddAnimation("wave", {{b.FindPart("l_shldr"), {0, kWaveLength}, {Turn({0, 0, 1}, 0), Turn({0, 0, 1}, 90)}, {}}});
  b.AddAnimation("walk", {{b.FindPart("r_hip"),
                           {0, kWalkLength / 2, kWalkLength},
                           {Turn({1, 0, 0}, 0), Turn({1, 0, 0}, 60), Turn({1, 0, 0}, 0)},
                           {}}});
  return b.WriteSkinned();
}

class ModelFileTest : public ::testing::Test {
 protected:
  EngineRef<engine::EngineModel> Load(const std::string& name, const std::string& bytes) {
    scratch_.WriteBytes(name, bytes);
    return root_->LoadModel(engine::FromUtf8(name), 1);
  }

  Vec3 HandAt(const EngineRef<engine::EngineModel>& model, const wchar_t* hand = L"l_hand") {
    return Of(model->FindPart(hand)->GetPosition());
  }

  kestrine::testing::ScratchTree scratch_;
  EngineRef<engine::EngineRoot> root_ = kestrine::testing::QuietEngineRoot();
};

TEST_F(ModelFileTest, BonesPartsMaterialsAndAnimationsComeBackByName) {
  auto model = Load("figure.qsad", FigureFile());
  EXPECT_EQ(model->IsLoaded(), 1);
  EXPECT_EQ(model->IsReady(), 1);
  // The game numbers the bones by the rig's order: the left hand is bone 15.
  ASSERT_EQ(model->GetBoneCount(), 27);
  EXPECT_EQ(model->GetBone(15)->GetName(), L"l_hand");
  EXPECT_FALSE(model->GetBone(27));
  EXPECT_FALSE(model->GetBone(-1));

  // Parts stand where the rig put them, through the model's own placement.
  model->SetScale(2, 2, 2);
  model->MoveTo(0, 10, 0);
  ExpectNear(HandAt(model), Vec3{0.74f, 1.54f, 0} * 2 + Vec3{0, 10, 0});
  EXPECT_EQ(model->FindPart(L"r_hand")->GetName(), L"r_hand");
  // A bone carries what the game hangs on it.
  auto pick = root_->CreateActor();
  pick->SetPosition(0.2f, 0, 0);
  model->GetBone(15)->AddChild(pick);
  ExpectNear(Of(pick->GetPosition()), HandAt(model) + Vec3{0.4f, 0, 0});

  ASSERT_EQ(model->GetMaterialCount(), 2);
  EXPECT_EQ(model->GetMaterialName(0), L"skin");
  EXPECT_EQ(model->GetMaterialName(1), L"cloth");
  EXPECT_EQ(model->GetMaterialName(2), L"");
  EXPECT_EQ(model->GetMaterialName(-1), L"");
  EXPECT_EQ(root_->CreateActor()->GetMaterialCount(), 0);

  ASSERT_EQ(model->GetAnimationCount(), 2);
  EXPECT_EQ(model->GetAnimationName(0), L"wave");
  EXPECT_EQ(model->GetAnimationName(1), L"walk");
  EXPECT_EQ(model->GetAnimationName(2), L"");
  EXPECT_FLOAT_EQ(model->GetAnimationLength(L"wave"), kWaveLength);
  EXPECT_FLOAT_EQ(model->GetAnimationLength(L"walk"), kWalkLength);
  EXPECT_FLOAT_EQ(model->GetAnimationLength(L"dance"), 0.0f);
}

TEST_F(ModelFileTest, MaterialPicturesAreReplacedAndGivenBack) {
  auto model = Load("figure.qsad", FigureFile());
  const auto textureOf = [&](const std::wstring& material) -> const engine::EngineBitmap* {
    for (const engine::ModelBatch& b : engine::ModelGeometryOf(*model).batches)
      if (*b.material == material) return b.texture;
    ADD_FAILURE() << "no batch in that material";
    return nullptr;
  };
  const engine::EngineBitmap* own = textureOf(L"cloth");
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->PixelColor(1, 1), (engine::Color{10, 200, 30}));
  EXPECT_EQ(textureOf(L"skin"), nullptr);

  auto wound = root_->CreateBitmap(8, 8);
  model->SetMaterialTexture(wound, L"skin");
  model->SetMaterialTextureB(wound, L"cloth");
  EXPECT_EQ(textureOf(L"skin"), wound.Get());
  EXPECT_EQ(textureOf(L"cloth"), wound.Get());
  EXPECT_NO_THROW(model->SetMaterialTexture(wound, L"no_such_material"));
  model->ResetMaterial(L"cloth");
  EXPECT_EQ(textureOf(L"cloth"), own);
  EXPECT_EQ(textureOf(L"skin"), wound.Get());
  model->ResetMaterial(L"/");
  EXPECT_EQ(textureOf(L"skin"), nullptr);
}

TEST_F(ModelFileTest, SkinnedTrianglesFollowThePose) {
  auto model = Load("figure.qsad", FigureFile());
  const auto highest = [&] {
    float top = -1e9f;
    for (const engine::ModelBatch& b : engine::ModelGeometryOf(*model).batches)
      for (const engine::GeometryVertex& v : *b.vertices) top = std::max(top, v.py);
    return top;
  };
  const engine::ModelGeometry before = engine::ModelGeometryOf(*model);
  ASSERT_EQ(before.batches.size(), 2u);
  const float restTop = highest();
  EXPECT_NEAR(restTop, 1.90f, 0.01f);                                    // the top of the head
  EXPECT_EQ(engine::ModelGeometryOf(*model).revision, before.revision);  // nothing moved, nothing redone

  model->PlayAnimation(L"wave", 0, 1, 1.0f, kWaveLength, 0);
  EXPECT_NE(engine::ModelGeometryOf(*model).revision, before.revision);
  EXPECT_GT(highest(), 1.54f + 0.54f);  // the raised hand is now the highest point
  EXPECT_GT(highest(), restTop);
}

TEST_F(ModelFileTest, RigidModelsCarryTheirPiecesOnTheirParts) {
  ModelBuilder b;
  const int steel = b.AddMaterial("steel", {90, 90, 90});
  const int body = b.AddPart("body", -1, {});
  const int barrel = b.AddPart("barrel", body, {0, 0.1f, 0.3f});
  b.AddPart("muzzle", barrel, {0, 0, 0.5f});
  b.AddBox(body, steel, {0, 0, 0}, {0.1f, 0.2f, 0.4f});
  b.AddCylinder(barrel, steel, {0, 0, 0}, {0, 0, 0.5f}, 0.02f);
  auto rifle = Load("rifle.qsad", b.WriteRigid());
  EXPECT_EQ(rifle->GetBoneCount(), 0);
  rifle->TurnTo(0, 1, 0, 90);
  ExpectNear(Of(rifle->FindPart(L"muzzle")->GetPosition()), {0.8f, 0.1f, 0});
  const engine::ModelGeometry g = engine::ModelGeometryOf(*rifle);
  ASSERT_EQ(g.batches.size(), 2u);
  EXPECT_EQ(*g.batches[0].material, L"steel");
}

TEST_F(ModelFileTest, MissingCutShortAndDamagedFilesGiveATracedPlaceholder) {
  const std::string good = FigureFile();
  const auto checkPlaceholder = [&](const EngineRef<engine::EngineModel>& model) {
    ASSERT_TRUE(model);
    EXPECT_EQ(model->IsReady(), 1);
    EXPECT_EQ(model->GetBoneCount(), 0);
    EXPECT_EQ(model->GetAnimationCount(), 0);
    EXPECT_TRUE(model->Model()->Data().placeholder);
    EXPECT_EQ(engine::ModelGeometryOf(*model).batches.size(), 1u);
    EXPECT_NO_THROW(model->PlayAnimation(L"wave", 1, 1, 1, 0, 0));
    // Whatever the game hangs on a part the placeholder lacks stays with the model.
    EXPECT_EQ(model->FindPart(L"r_hand").Get(), model.Get());
  };

  checkPlaceholder(root_->LoadModel(L"no\\such\\model.qsad", 1));
  EXPECT_NE(engine::CoreOf(*root_).DebugLog().find("missing asset: no\\such\\model.qsad"), std::string::npos);

  engine::CoreOf(*root_).ClearDebugLog();
  checkPlaceholder(Load("short.qsad", good.substr(0, good.size() / 2)));
  EXPECT_NE(engine::CoreOf(*root_).DebugLog().find("unreadable model:"), std::string::npos);

  std::string damaged = good;
  for (size_t i = 40; i < damaged.size(); i += 97) damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
  auto model = Load("damaged.qsad", damaged);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->IsReady(), 1);

  checkPlaceholder(Load("empty.qsad", ""));
  engine::CoreOf(*root_).ClearDebugLog();
  model = Load("figure.qsad", good);
  EXPECT_EQ(model->FindPart(L"rifle").Get(), model.Get());
  model->FindPart(L"rifle");
  const std::string log = engine::CoreOf(*root_).DebugLog();
  EXPECT_NE(log.find("missing part: rifle"), std::string::npos);
  EXPECT_EQ(log.find("missing part: rifle"), log.rfind("missing part: rifle"));  // once
}

}  // namespace
}  // namespace assetgen
