// The grenade explosion's flip-book: the frame list, the silence before the first blast, the fade over the
// last frames and the hiding after the last one.
#include <gtest/gtest.h>

#include "asset_test_fixture.h"
#include "shell/explosion.h"

namespace kestrine {
namespace {

class ExplosionTest : public testing::AssetTest {
 protected:
  void WriteIndex(int lines) {
    std::string index;
    for (int i = 1; i <= lines; ++i) {
      const std::string name = "f" + std::to_string(i) + ".qpg";
      tree_.WriteBmp("sprites\\explo1\\" + name, 4, 4, 200, 100 + i, 20);
      index += name + "\r\n";
    }
    tree_.WriteBytes("sprites\\explo1\\index.qtxt", index);
  }
  void LoadBlastSound() {
    tree_.WriteWav("sounds\\sfx\\GrenExplod1.qwv", 3000);
    soundTable[SOUND_GRENADE_BLAST] = engineRoot->LoadSound(L"sounds\\sfx\\GrenExplod1.qwv", 1);
  }
  static int Opacity() { return explosionSprite->mesh->FindFace(L"front")->opacity; }
  static const engine::EngineBitmap* ShownFrame() { return explosionSprite->mesh->FindFace(L"front")->image.Get(); }
  static bool OnStage() { return engineStage->Contains(explosionSprite->object.Get()); }
};

TEST_F(ExplosionTest, TwentyLinesGiveEighteenFrames) {
  WriteIndex(20);
  InitExplosion();
  ASSERT_TRUE(explosionSprite);
  EXPECT_EQ(explosionSprite->frames, kMaxExplosionFrames);
  for (int i = 0; i < kMaxExplosionFrames; ++i) {
    ASSERT_TRUE(explosionFrames[i]) << i;
    ASSERT_TRUE(explosionFrames[i]->ColorKey().has_value());
    EXPECT_EQ(*explosionFrames[i]->ColorKey(), (engine::Color{255, 255, 255}));
    EXPECT_EQ(explosionFrames[i]->PixelColor(0, 0), (engine::Color{200, static_cast<uint8_t>(101 + i), 20})) << i;
  }
  EXPECT_EQ(DebugLog().find("missing asset"), std::string::npos);
  EXPECT_FLOAT_EQ(explosionFrameReciprocal, 1.0f / 18.0f);
  EXPECT_FLOAT_EQ(explosionFadeStart, 18 * 0.6f);
}

TEST_F(ExplosionTest, NewSpriteWaitsHiddenAboveTheOrigin) {
  WriteIndex(3);
  InitExplosion();
  EXPECT_EQ(explosionSprite->visible, 0);
  EXPECT_FALSE(OnStage());
  const engine::Vec3 at = explosionSprite->object->LocalPosition();
  EXPECT_FLOAT_EQ(at.x, 0.0f);
  EXPECT_FLOAT_EQ(at.y, 5.0f);
  EXPECT_FLOAT_EQ(at.z, 0.0f);
}

TEST_F(ExplosionTest, AdvanceBeforeAnyStartDoesNothing) {
  WriteIndex(10);
  LoadBlastSound();
  InitExplosion();
  AdvanceExplosionFrame();
  AdvanceExplosionFrame();
  EXPECT_FALSE(soundTable[SOUND_GRENADE_BLAST]->IsPlaying());
  EXPECT_EQ(explosionFrameIndex, 0);
  EXPECT_FALSE(OnStage());
  EXPECT_EQ(ShownFrame(), nullptr);
}

TEST_F(ExplosionTest, AdvanceWithNoExplosionLoadedDoesNothing) {
  ASSERT_FALSE(explosionSprite);
  EXPECT_NO_THROW(AdvanceExplosionFrame());
  EXPECT_NO_THROW(HideExplosion());
  EXPECT_NO_THROW(StartExplosion(1, 2, 3));
}

TEST_F(ExplosionTest, TenFramesFadeOverTheLastThreeAndHideOnTheEleventhCall) {
  WriteIndex(10);
  LoadBlastSound();
  InitExplosion();

  StartExplosion(4.0f, 1.0f, -6.0f);  // the first call comes with the start
  EXPECT_TRUE(soundTable[SOUND_GRENADE_BLAST]->IsPlaying());
  EXPECT_TRUE(OnStage());
  EXPECT_EQ(ShownFrame(), explosionFrames[0].Get());
  std::vector<int> opacities{Opacity()};
  for (int call = 2; call <= 10; ++call) {
    AdvanceExplosionFrame();
    EXPECT_EQ(ShownFrame(), explosionFrames[call - 1].Get()) << call;
    opacities.push_back(Opacity());
  }
  EXPECT_EQ(opacities, (std::vector<int>{255, 255, 255, 255, 255, 255, 255, 50, 25, 0}));
  EXPECT_TRUE(OnStage());

  AdvanceExplosionFrame();  // the 11th
  EXPECT_FALSE(OnStage());
  EXPECT_EQ(explosionSprite->visible, 0);
  EXPECT_EQ(Opacity(), 0);
  AdvanceExplosionFrame();  // hidden: nothing more
  EXPECT_EQ(explosionFrameIndex, 11);
}

TEST_F(ExplosionTest, TheBlastRisesAsItPlays) {
  WriteIndex(10);
  InitExplosion();
  StartExplosion(4.0f, 1.0f, -6.0f);
  const engine::Vec3 first = explosionSprite->object->LocalPosition();
  AdvanceExplosionFrame();
  const engine::Vec3 second = explosionSprite->object->LocalPosition();
  // One step of 0.2 along the object's own forward axis per frame.
  EXPECT_NEAR(std::hypot(second.x - first.x, second.y - first.y, second.z - first.z), 0.2, 1e-5);
  EXPECT_NEAR(std::hypot(first.x - 4.0f, first.y - 1.0f, first.z + 6.0f), 0.2, 1e-5);
}

TEST_F(ExplosionTest, SecondStartRestartsAtTheNewPlace) {
  WriteIndex(10);
  LoadBlastSound();
  InitExplosion();
  StartExplosion(0, 0, 0);
  for (int i = 0; i < 4; ++i) AdvanceExplosionFrame();
  soundTable[SOUND_GRENADE_BLAST]->Stop();
  StartExplosion(10.0f, 0.0f, 10.0f);
  EXPECT_EQ(explosionFrameIndex, 1);
  EXPECT_EQ(ShownFrame(), explosionFrames[0].Get());
  EXPECT_TRUE(soundTable[SOUND_GRENADE_BLAST]->IsPlaying());
  EXPECT_NEAR(explosionSprite->object->LocalPosition().x, 10.0f, 0.25f);
}

TEST_F(ExplosionTest, HideTakesTheBurningExplosionOffTheStage) {
  WriteIndex(10);
  InitExplosion();
  StartExplosion(0, 0, 0);
  HideExplosion();
  EXPECT_FALSE(OnStage());
  const int index = explosionFrameIndex;
  AdvanceExplosionFrame();
  EXPECT_EQ(explosionFrameIndex, index);
}

TEST_F(ExplosionTest, EmptyIndexGivesAnExplosionThatHidesAtOnce) {
  tree_.WriteBytes("sprites\\explo1\\index.qtxt", "");
  InitExplosion();
  EXPECT_EQ(explosionSprite->frames, 0);
  EXPECT_FLOAT_EQ(explosionFrameReciprocal, 0.0f);
  StartExplosion(0, 0, 0);
  EXPECT_FALSE(OnStage());
}

TEST_F(ExplosionTest, ReloadDropsFramesOfALongerList) {
  WriteIndex(12);
  InitExplosion();
  WriteIndex(5);
  engineRoot->Core().Paths().Invalidate();
  InitExplosion();
  EXPECT_EQ(explosionSprite->frames, 5);
  EXPECT_TRUE(explosionFrames[4]);
  EXPECT_FALSE(explosionFrames[5]);
  ReleaseExplosion();
  for (const auto& frame : explosionFrames) EXPECT_FALSE(frame);
}

}  // namespace
}  // namespace kestrine
