// The grenade explosion's flip-book: the frame list, the silence before the first blast, the fade over the
// last frames and the hiding after the last one.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "asset_test_fixture.h"
#include "shell/engine_setup.h"
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
    SetSoundSlot(SOUND_GRENADE_BLAST, Engine().engineRoot->LoadSound(L"sounds\\sfx\\GrenExplod1.qwv", 1));
  }
  static int Opacity() { return Explosion().explosionSprite->mesh->FindFace(L"front")->opacity; }
  static const engine::EngineBitmap* ShownFrame() {
    return Explosion().explosionSprite->mesh->FindFace(L"front")->image.Get();
  }
  static bool OnStage() { return Engine().engineStage->Contains(Explosion().explosionSprite->object.Get()); }
};

TEST_F(ExplosionTest, AnIndexGivesAtMostEighteenFramesAndEachLoadReplacesTheLast) {
  WriteIndex(20);
  InitExplosion();
  ASSERT_TRUE(Explosion().explosionSprite);
  EXPECT_EQ(Explosion().explosionSprite->frames, kMaxExplosionFrames);
  for (int i = 0; i < kMaxExplosionFrames; ++i) {
    ASSERT_TRUE(Explosion().explosionFrames[i]) << i;
    EXPECT_EQ(*Explosion().explosionFrames[i]->ColorKey(), (engine::Color{255, 255, 255}));
    EXPECT_EQ(Explosion().explosionFrames[i]->PixelColor(0, 0), (engine::Color{200, static_cast<uint8_t>(101 + i), 20}))
        << i;
  }
  EXPECT_EQ(DebugLog().find("missing asset"), std::string::npos);
  EXPECT_FLOAT_EQ(Explosion().explosionFrameReciprocal, 1.0f / 18.0f);
  EXPECT_FLOAT_EQ(Explosion().explosionFadeStart, 18 * 0.6f);
  // The new sprite waits hidden, off the stage, above the origin.
  EXPECT_EQ(Explosion().explosionSprite->visible, 0);
  EXPECT_FALSE(OnStage());
  const engine::Vec3 at = Explosion().explosionSprite->object->LocalPosition();
  EXPECT_EQ(std::vector<float>({at.x, at.y, at.z}), std::vector<float>({0.0f, 5.0f, 0.0f}));

  // A shorter list drops the frames of the longer one; an empty one gives an explosion that hides at once.
  WriteIndex(5);
  engine::CoreOf(*Engine().engineRoot).Paths().Invalidate();
  InitExplosion();
  EXPECT_EQ(Explosion().explosionSprite->frames, 5);
  EXPECT_TRUE(Explosion().explosionFrames[4]);
  EXPECT_FALSE(Explosion().explosionFrames[5]);
  tree_.WriteBytes("sprites\\explo1\\index.qtxt", "");
  engine::CoreOf(*Engine().engineRoot).Paths().Invalidate();
  InitExplosion();
  EXPECT_EQ(Explosion().explosionSprite->frames, 0);
  EXPECT_FLOAT_EQ(Explosion().explosionFrameReciprocal, 0.0f);
  StartExplosion(0, 0, 0);
  EXPECT_FALSE(OnStage());
  ReleaseExplosion();
  EXPECT_FALSE(Explosion().explosionSprite);
  for (const auto& frame : Explosion().explosionFrames) EXPECT_FALSE(frame);
}

TEST_F(ExplosionTest, AFrameNamedOutsideTheDataTreeIsRefusedAndNotCounted) {
  tree_.WriteBmp("sprites\\explo1\\f1.qpg", 4, 4, 200, 101, 20);
  tree_.WriteBmp("sprites\\explo1\\f2.qpg", 4, 4, 200, 102, 20);
  // A picture just outside the tree, where a climbing name would find it.
  tree_.WriteBmp("outside.qpg", 4, 4, 1, 2, 3);
  tree_.WriteBytes("sprites\\explo1\\index.qtxt",
                   "f1.qpg\n..\\..\\outside.qpg\n../../outside.qpg\n/etc/hostname\n\\outside.qpg\n"
                   "C:\\outside.qpg\nsub\\..\\..\\..\\outside.qpg\nf2.qpg\n");
  InitExplosion();
  ASSERT_EQ(Explosion().explosionSprite->frames, 2);
  EXPECT_EQ(Explosion().explosionFrames[1]->PixelColor(0, 0), (engine::Color{200, 102, 20}));
  const std::string log = DebugLog();
  size_t refused = 0;
  for (size_t at = log.find("refused frame"); at != std::string::npos; at = log.find("refused frame", at + 1))
    ++refused;
  EXPECT_EQ(refused, 6u) << log;
  EXPECT_EQ(log.find("outside.qpg"), std::string::npos) << log;
}

TEST_F(ExplosionTest, NothingHappensBeforeAnyStartOrWithNoExplosionLoaded) {
  EXPECT_NO_THROW(AdvanceExplosionFrame());
  EXPECT_NO_THROW(HideExplosion());
  EXPECT_NO_THROW(StartExplosion(1, 2, 3));
  WriteIndex(10);
  LoadBlastSound();
  InitExplosion();
  AdvanceExplosionFrame();
  AdvanceExplosionFrame();
  EXPECT_FALSE(Sounds().soundTable[SOUND_GRENADE_BLAST]->IsPlaying());
  EXPECT_EQ(Explosion().explosionFrameIndex, 0);
  EXPECT_FALSE(OnStage());
  EXPECT_EQ(ShownFrame(), nullptr);
}

TEST_F(ExplosionTest, TenFramesRiseAndFadeOverTheLastThreeAndHideOnTheEleventhCall) {
  WriteIndex(10);
  LoadBlastSound();
  InitExplosion();

  StartExplosion(4.0f, 1.0f, -6.0f);  // the first call comes with the start
  EXPECT_TRUE(Sounds().soundTable[SOUND_GRENADE_BLAST]->IsPlaying());
  EXPECT_TRUE(OnStage());
  EXPECT_EQ(ShownFrame(), Explosion().explosionFrames[0].Get());
  std::vector<int> opacities{Opacity()};
  std::vector<engine::Vec3> places{Explosion().explosionSprite->object->LocalPosition()};
  for (int call = 2; call <= 10; ++call) {
    AdvanceExplosionFrame();
    EXPECT_EQ(ShownFrame(), Explosion().explosionFrames[call - 1].Get()) << call;
    opacities.push_back(Opacity());
    places.push_back(Explosion().explosionSprite->object->LocalPosition());
  }
  EXPECT_EQ(opacities, (std::vector<int>{255, 255, 255, 255, 255, 255, 255, 50, 25, 0}));
  // One step of 0.2 along the object's own forward axis per frame, the first one with the start.
  const auto distance = [](engine::Vec3 a, engine::Vec3 b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); };
  EXPECT_NEAR(distance(places[0], {4.0f, 1.0f, -6.0f}), 0.2, 1e-5);
  EXPECT_NEAR(distance(places[1], places[0]), 0.2, 1e-5);
  EXPECT_TRUE(OnStage());

  AdvanceExplosionFrame();  // the 11th
  EXPECT_FALSE(OnStage());
  EXPECT_EQ(Explosion().explosionSprite->visible, 0);
  EXPECT_EQ(Opacity(), 0);
  AdvanceExplosionFrame();  // hidden: nothing more
  EXPECT_EQ(Explosion().explosionFrameIndex, 11);
}

TEST_F(ExplosionTest, ASecondStartRestartsAtTheNewPlaceAndHideStopsIt) {
  WriteIndex(10);
  LoadBlastSound();
  InitExplosion();
  StartExplosion(0, 0, 0);
  for (int i = 0; i < 4; ++i) AdvanceExplosionFrame();
  Sounds().soundTable[SOUND_GRENADE_BLAST]->Stop();
  StartExplosion(10.0f, 0.0f, 10.0f);
  EXPECT_EQ(Explosion().explosionFrameIndex, 1);
  EXPECT_EQ(ShownFrame(), Explosion().explosionFrames[0].Get());
  EXPECT_TRUE(Sounds().soundTable[SOUND_GRENADE_BLAST]->IsPlaying());
  EXPECT_NEAR(Explosion().explosionSprite->object->LocalPosition().x, 10.0f, 0.25f);

  HideExplosion();
  EXPECT_FALSE(OnStage());
  AdvanceExplosionFrame();
  EXPECT_EQ(Explosion().explosionFrameIndex, 1);
}

}  // namespace
}  // namespace kestrine
