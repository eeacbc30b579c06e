// A patient of the game data on the real renderer: his wounded upper arm with the sleeve cut away shows the
// wound's texture, and a tourniquet and a dressing painted into it change the picture there and nowhere else.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/texture_bands.h"
#include "casualty_view/texture_templates.h"
#include "casualty_view/treatment_assets.h"
#include "render/sdl_fixture.h"
#include "shell/engine_setup.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace engine::testing {
namespace {

using kestrine::Patient;

constexpr Color kBackground{30, 30, 60};
constexpr Color kStrap{40, 70, 30};
constexpr Color kGauze{245, 245, 238};
constexpr int32_t kFaceWound = 31;  // the face and the upper arm on the wounded side are cut
constexpr int32_t kEnemy = 2;

class PatientTextureRender : public SdlFixture {
 protected:
  void SetUp() override {
    SdlFixture::SetUp();
    if (HasFatalFailure()) return;
    kestrine::ResetProgramState();
    kestrine::UseEngine(root_, stage_, camera_);
    kestrine::CreateTextOverlay();
    kestrine::CreateOverlays();
    stage_->SetBackgroundColor(kBackground.r, kBackground.g, kBackground.b);
    // The treatment pictures the patient view loads: the cut (see-through), the strap and the gauze.
    auto& pictures = kestrine::treatmentAssets.pictures;
    pictures[kestrine::kCutPicture] = Filled(8, 8, {255, 255, 0});
    pictures[kestrine::kCutPicture]->SetColorKey(255, 255, 0);
    pictures[kestrine::kTourniquetPicture] = Filled(64, 64, kStrap);
    pictures[kestrine::kDressingPicture] = Filled(32, 32, kGauze);

    patient_ = kestrine::BuildPatient(root_, stage_, kFaceWound, kEnemy, nullptr);
    ObjectsOf(*patient_).bodyModel->MoveTo(0, 0, 0);
    ObjectsOf(*patient_).bodyModel->SetVisible(1);
    kestrine::HideOverlay();  // as the patient view does once he is shown
    // Looking down at the wounded upper arm, from a little towards his feet; the arm is the one place a
    // band or a dressing may change.
    const Vec3 shoulder = At(L"r_shldr"), elbow = At(L"r_elbow");
    const Vec3 middle = (shoulder + elbow) * 0.5f;
    camera_->SetPosition(middle.x, middle.y + 5.0f, middle.z - 1.5f);
    auto mark = root_->CreateActor();
    mark->MoveTo(middle.x, middle.y, middle.z);
    camera_->PointAt(mark, 1);
    arm_ = ScreenBox({shoulder, elbow, At(L"r_hand")});
  }

  void TearDown() override {
    patient_.reset();
    kestrine::ReleaseOverlays();
    kestrine::ResetProgramState();
    SdlFixture::TearDown();
  }

  EngineRef<EngineBitmap> Filled(int w, int h, Color c) {
    auto image = root_->CreateBitmap(w, h);
    image->Clear(c.r, c.g, c.b);
    return image;
  }
  // Where a joint of his skeleton is in the world.
  Vec3 At(const wchar_t* bone) const { return ObjectsOf(*patient_).bodyModel->FindPart(bone)->GetPosition()->Value(); }

  struct Box {
    int x0, y0, x1, y1;
    bool Holds(int x, int y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
  };
  // The screen rectangle round the points, with room for the arm's thickness.
  Box ScreenBox(std::initializer_list<Vec3> points) {
    Box box{640, 480, 0, 0};
    for (const Vec3& p : points) {
      const Vec3 s = camera_->WorldToScreen(p.x, p.y, p.z)->Value();
      box.x0 = std::min(box.x0, static_cast<int>(s.x));
      box.y0 = std::min(box.y0, static_cast<int>(s.y));
      box.x1 = std::max(box.x1, static_cast<int>(s.x) + 1);
      box.y1 = std::max(box.y1, static_cast<int>(s.y) + 1);
    }
    constexpr int kMargin = 45;
    return {std::max(0, box.x0 - kMargin), std::max(0, box.y0 - kMargin), std::min(640, box.x1 + kMargin),
            std::min(480, box.y1 + kMargin)};
  }

  void Show(kestrine::TreatmentVisualKind kind, const char* material = "") {
    kestrine::TreatmentVisual visual;
    visual.kind = kind;
    visual.part = kestrine::PART_RIGHT_UPPER_ARM;
    visual.material = material;
    patient_->Body().ShowTreatmentVisual(visual);
  }

  std::unique_ptr<Patient> patient_;
  Box arm_{};
};

TEST_F(PatientTextureRender, ABandAndADressingOnTheWoundedArmChangeItsPixelsAndNothingElse) {
  const kestrine::TextureState& state = ObjectsOf(*patient_).textureState;
  const int32_t skin = kestrine::FindTextureRow(state, "s_right_arm2");
  ASSERT_GE(skin, 0);
  ASSERT_EQ(state.rows[skin].path, "enemy\\wounds\\ar-las-arm.qjp");
  ASSERT_TRUE(state.pristine[skin]) << "the wound texture is in the game data";

  Show(kestrine::VISUAL_CLOTHING_CUT, "u_right_arm1");
  const auto before = Capture();
  ASSERT_TRUE(before);

  patient_->tourniquetParts |= 1u << kestrine::PART_RIGHT_UPPER_ARM;
  patient_->dressingParts |= 1u << kestrine::PART_RIGHT_UPPER_ARM;
  Show(kestrine::VISUAL_LIMB_BANDS);
  Show(kestrine::VISUAL_DRESSING);
  const auto after = Capture();
  ASSERT_TRUE(after);

  int changedOnArm = 0, changedElsewhere = 0, gauze = 0, gauzeBefore = 0, strap = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool changed = before->Pixel(x, y) != after->Pixel(x, y);
      (arm_.Holds(x, y) ? changedOnArm : changedElsewhere) += changed ? 1 : 0;
      gauze += PixelNear(after, x, y, kGauze, 3) ? 1 : 0;
      gauzeBefore += PixelNear(before, x, y, kGauze, 3) ? 1 : 0;
      strap += PixelNear(after, x, y, kStrap, 3) ? 1 : 0;
    }
  EXPECT_GT(changedOnArm, 400);
  EXPECT_EQ(changedElsewhere, 0);
  EXPECT_GT(gauze, 300);
  EXPECT_EQ(gauzeBefore, 0);
  EXPECT_GT(strap, 40);
}

}  // namespace
}  // namespace engine::testing
