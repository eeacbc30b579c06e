// A loaded model on the real renderer: a figure written by assetgen, skinned, its cloth showing the picture
// the game puts on it (over the file's own) the right way up, and its left arm where the animation the
// engine clock plays says it is, at two different times.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "render/sdl_fixture.h"
#include "tools/assetgen/model_builder.h"

namespace engine::testing {
namespace {

namespace fs = std::filesystem;

constexpr Color kBackground{40, 40, 40};
constexpr Color kSleeve{200, 30, 30};
constexpr Color kFilePicture{90, 90, 90};
// The quarters of the picture the game puts on the cloth.
constexpr Color kTopLeft{250, 130, 0};
constexpr Color kTopRight{140, 40, 200};
constexpr Color kBottomLeft{0, 170, 170};
constexpr Color kBottomRight{230, 230, 0};

constexpr float kRaiseSeconds = 1.0f;
constexpr float kRaiseDegrees = 90.0f;
constexpr float kPi = 3.14159265358979f;

// Where the figure's left shoulder joint is put in the world: a little left of and below the view's middle,
// so the arm has room to swing up and out.
const Vec3 kShoulderWorld{-0.1f, -0.2f, 2.4f};

// The forearm's radius as the humanoid rig makes it (the upper arm is a little thicker).
constexpr float kForearmRadius = 0.05f;

// Every bone but the left arm's in the cloth (with a plain grey picture in the file); the left arm in a
// red sleeve with no picture. "raise" swings the left arm from straight out sideways to straight up.
struct Figure {
  std::string bytes;
  Vec3 shoulder;  // the left shoulder joint at rest, in the model's own space
  Vec3 head;      // the centre of the head box's front face, in the model's own space
};

Figure BuildFigure() {
  assetgen::ModelBuilder b;
  auto filePicture = MakeEngine<EngineBitmap>(4, 4);
  filePicture->Clear(kFilePicture.r, kFilePicture.g, kFilePicture.b);
  const int cloth = b.AddMaterial("cloth", {255, 255, 255}, filePicture);
  const int sleeve = b.AddMaterial("sleeve", kSleeve);
  assetgen::AddHumanoidFigure(b, [&](const std::string& bone) {
    return bone == "l_shldr" || bone == "l_elbow" || bone == "l_hand" ? sleeve : cloth;
  });
  const int shoulder = b.FindPart("l_shldr");
  b.AddAnimation(
      "raise",
      {{shoulder, {0, kRaiseSeconds}, {assetgen::Turn({0, 0, 1}, 0), assetgen::Turn({0, 0, 1}, kRaiseDegrees)}, {}}});
  // The rig's head box: 0.1 above the head bone, 0.22 deep.
  const Vec3 head = b.RestPosition(b.FindPart("head")) + Vec3{0, 0.1f, -0.11f};
  return {b.WriteSkinned(), b.RestPosition(shoulder), head};
}

// A 32 x 32 picture in four coloured quarters, so a picture shown upside down or mirrored is told apart.
EngineRef<EngineBitmap> QuarteredPicture(EngineRoot& root) {
  auto picture = root.CreateBitmap(32, 32);
  const auto quarter = [&](int x, int y, Color c) {
    picture->SetDrawColor(c.r, c.g, c.b);
    picture->FillRect(x, y, 16, 16);
  };
  quarter(0, 0, kTopLeft);
  quarter(16, 0, kTopRight);
  quarter(0, 16, kBottomLeft);
  quarter(16, 16, kBottomRight);
  return picture;
}

struct Pixel {
  int x, y;
};

// The screen pixel of a world point seen by the fixture's camera (at the origin, looking along +z, 60
// degree vertical field of view over 480 rows, square pixels), worked out here rather than asked of the
// engine.
Pixel Project(const Vec3& p) {
  const float focal = 240.0f / std::tan(30.0f * kPi / 180.0f);
  return {static_cast<int>(std::lround(320 + focal * p.x / p.z)),
          static_cast<int>(std::lround(240 - focal * p.y / p.z))};
}

class SdlModel : public SdlFixture {
 protected:
  void SetUp() override {
    SdlFixture::SetUp();
    if (HasFatalFailure()) return;
    stage_->SetBackgroundColor(kBackground.r, kBackground.g, kBackground.b);
    char pattern[] = "/tmp/kestrine_model_render_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    figure_ = BuildFigure();
    const fs::path file = dir_ / "figure.qsad";
    std::ofstream(file, std::ios::binary) << figure_.bytes;
    const std::string p = file.string();
    model_ = root_->LoadModel(std::wstring(p.begin(), p.end()), 1);
    ASSERT_TRUE(model_);
    ASSERT_EQ(model_->GetBoneCount(), 27) << "the figure did not load (the placeholder box has no bones)";
    const Vec3 at = kShoulderWorld - figure_.shoulder;
    model_->SetPosition(at.x, at.y, at.z);
    stage_->AddObject(model_);
  }

  void TearDown() override {
    model_.Reset();
    SdlFixture::TearDown();
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  // A point on the left arm's axis, along from the shoulder, with the arm turned up by degrees from
  // straight out; brought forward to the arm's surface facing the camera.
  static Pixel OnArm(float along, float degrees) {
    const float a = degrees * kPi / 180.0f;
    return Project(kShoulderWorld + Vec3{along * std::cos(a), along * std::sin(a), -kForearmRadius});
  }

  Pixel OnHead(float dx, float dy) const {
    const Vec3 at = kShoulderWorld - figure_.shoulder;
    return Project(at + figure_.head + Vec3{dx, dy, 0});
  }

  fs::path dir_;
  Figure figure_;
  EngineRef<EngineModel> model_;
};

// Past the shoulder's cap, along the upper arm, and along the forearm short of the hand.
constexpr float kAlongArm[] = {0.2f, 0.35f, 0.5f};

TEST_F(SdlModel, FigureShowsItsFilePictureThenTheOneTheGamePutsOnAndItsArmInThePoseOfEachMoment) {
  auto frame = Capture();
  for (const Pixel& p : {OnHead(-0.05f, 0.06f), OnHead(0.05f, -0.06f)})
    EXPECT_TRUE(PixelNear(frame, p.x, p.y, kFilePicture, 2));
  // The sleeve has no picture: its own colour, out sideways at rest.
  for (float along : kAlongArm) {
    const Pixel p = OnArm(along, 0);
    EXPECT_TRUE(PixelNear(frame, p.x, p.y, kSleeve)) << along;
  }

  model_->SetMaterialTexture(QuarteredPicture(*root_), L"cloth");
  model_->PlayAnimation(L"raise", 0, 1, 1.0f, 0.0f, 0);
  // A quarter and three quarters of the way through: the arm a quarter and three quarters of the way up.
  root_->Wait(250);
  const auto early = Capture();
  root_->Wait(500);
  const auto late = Capture();
  // The head's front face carries the whole picture, upright and not mirrored: the camera sees the figure's
  // right side (-x) on the left of the screen. Beside the head there is nothing of the figure.
  const Pixel topLeft = OnHead(-0.05f, 0.06f), topRight = OnHead(0.05f, 0.06f);
  const Pixel bottomLeft = OnHead(-0.05f, -0.06f), bottomRight = OnHead(0.05f, -0.06f);
  const Pixel beside = OnHead(-0.2f, 0.06f);
  for (const auto& shot : {early, late}) {
    EXPECT_TRUE(PixelNear(shot, topLeft.x, topLeft.y, kTopLeft, 2));
    EXPECT_TRUE(PixelNear(shot, topRight.x, topRight.y, kTopRight, 2));
    EXPECT_TRUE(PixelNear(shot, bottomLeft.x, bottomLeft.y, kBottomLeft, 2));
    EXPECT_TRUE(PixelNear(shot, bottomRight.x, bottomRight.y, kBottomRight, 2));
    EXPECT_TRUE(PixelNear(shot, beside.x, beside.y, kBackground));
  }
  const float earlyDegrees = kRaiseDegrees * 0.25f, lateDegrees = kRaiseDegrees * 0.75f;
  for (float along : kAlongArm) {
    const Pixel e = OnArm(along, earlyDegrees), l = OnArm(along, lateDegrees);
    EXPECT_TRUE(PixelNear(early, e.x, e.y, kSleeve)) << along;
    EXPECT_TRUE(PixelNear(early, l.x, l.y, kBackground)) << along;
    EXPECT_TRUE(PixelNear(late, l.x, l.y, kSleeve)) << along;
    EXPECT_TRUE(PixelNear(late, e.x, e.y, kBackground)) << along;
  }
}

}  // namespace
}  // namespace engine::testing
