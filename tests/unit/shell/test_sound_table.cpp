// The sound table's play and stop rules: effects and music levels, the overhead offsets, replays of a saved
// mission, music that is never restarted, and slots that are empty or out of the table.
#include <gtest/gtest.h>

#include "asset_test_fixture.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/sound_table.h"

namespace kestrine {
namespace {

class SoundTableTest : public testing::AssetTest {
 protected:
  // Loads a two-second sound into a slot.
  engine::EngineSound& Load(int slot) {
    const std::string path = "sounds\\test" + std::to_string(slot) + ".qwv";
    tree_.WriteWav(path, 2000);
    SetSoundSlot(slot, Engine().engineRoot->LoadSound(std::wstring(path.begin(), path.end()), 1));
    return *Sounds().soundTable[slot].Get();
  }
};

TEST_F(SoundTableTest, ReplayingASaveSilencesEffectsButNotMusic) {
  engine::EngineSound& effect = Load(16);
  engine::EngineSound& loop = Load(53);
  engine::EngineSound& music = Load(54);
  SetReplayingSave(true);
  PlayEffect(16);
  PlayEffectLoop(53, 1);
  PlayMusic(54);
  EXPECT_FALSE(effect.IsPlaying());
  EXPECT_FALSE(loop.IsPlaying());
  EXPECT_TRUE(music.IsPlaying());

  SetReplayingSave(false);
  PlayEffect(16);
  EXPECT_TRUE(effect.IsPlaying());
}

TEST_F(SoundTableTest, OverheadOffsetIsSubtractedUnclampedInStateSeventeenOnlyAndReachesTheMusicSlots) {
  engine::EngineSound& effect = Load(18);
  engine::EngineSound& music = Load(55);
  SetEffectsVolume(0);
  SetMusicVolume(10);
  StoreGameStateWithoutEntry(STATE_OVERHEAD);
  PlayEffect(18);
  PlayMusic(55);
  EXPECT_EQ(effect.Volume(), -20);
  EXPECT_EQ(music.Volume(), -10);

  // A camera preset that raises the offset goes further below zero, still unchanged.
  SetOverheadOffsets(35, Sounds().overheadMusicOffset);
  PlayEffectLoop(18, 0);
  EXPECT_EQ(effect.Volume(), -35);

  // The music level reaches slots 53 to 67 only: the chatter keeps its own.
  engine::EngineSound& chatter = Load(52);
  engine::EngineSound& tool = Load(67);
  chatter.SetVolume(127);
  SetMusicVolume(40);
  UpdateMusicVolume();
  EXPECT_EQ(chatter.Volume(), 127);
  EXPECT_EQ(music.Volume(), 20);
  EXPECT_EQ(tool.Volume(), 20);

  StoreGameStateWithoutEntry(STATE_PATIENT_VIEW);
  PlayEffect(18);
  EXPECT_EQ(effect.Volume(), 0);
  EXPECT_EQ(EffectsLevel(), 0);
  EXPECT_EQ(MusicLevel(), 40);
}

TEST_F(SoundTableTest, MusicAlreadyPlayingOnlyChangesItsVolume) {
  engine::EngineSound& music = Load(54);
  SetMusicVolume(100);
  PlayMusic(54);
  ASSERT_TRUE(music.IsPlaying());
  EXPECT_TRUE(music.Looping());
  Run(500);
  const size_t cursor = music.CursorFrame();
  ASSERT_GT(cursor, 0u);

  SetMusicVolume(60);
  PlayMusic(54);
  EXPECT_EQ(music.Volume(), 60);
  EXPECT_EQ(music.CursorFrame(), cursor);  // not restarted
  EXPECT_TRUE(music.IsPlaying());
}

TEST_F(SoundTableTest, EffectsRestartFromTheBeginningAndTheLossMusicPlaysOnce) {
  engine::EngineSound& effect = Load(20);
  PlayEffect(20);
  Run(500);
  ASSERT_GT(effect.CursorFrame(), 0u);
  PlayEffect(20);
  EXPECT_EQ(effect.CursorFrame(), 0u);
  EXPECT_FALSE(effect.Looping());

  engine::EngineSound& heli = Load(51);
  PlayEffectLoop(51, 1);
  EXPECT_TRUE(heli.Looping());
  EXPECT_EQ(heli.Volume(), 127);

  engine::EngineSound& loss = Load(22);
  PlayMusicLoop(22, 0);
  EXPECT_TRUE(loss.IsPlaying());
  EXPECT_FALSE(loss.Looping());
  Run(2500);
  EXPECT_FALSE(loss.IsPlaying());
}

TEST_F(SoundTableTest, StopAllStopsEveryLoadedSlotEmptyOrOutOfRangeSlotsDoNothingAndTheRemarkIsLetGo) {
  engine::EngineSound& a = Load(0);
  engine::EngineSound& b = Load(53);
  engine::EngineSound& c = Load(67);
  PlayEffect(0);
  PlayEffectLoop(53, 1);
  PlayMusic(67);
  StopAllSounds();
  EXPECT_FALSE(a.IsPlaying() || b.IsPlaying() || c.IsPlaying());

  ASSERT_FALSE(Sounds().soundTable.IsLoaded(30));
  EXPECT_NO_THROW(PlayEffect(30));
  EXPECT_NO_THROW(PlayEffectLoop(30, 1));
  EXPECT_NO_THROW(PlayMusic(30));
  EXPECT_NO_THROW(PlayMusicLoop(30, 1));
  for (int slot : {-1, kSoundSlotCount, 1000}) {
    EXPECT_NO_THROW(PlayEffect(slot));
    EXPECT_NO_THROW(PlayMusic(slot));
    EXPECT_FALSE(Sounds().soundTable.IsLoaded(slot));
    EXPECT_STREQ(SoundSlotPath(slot), L"");
  }
  EXPECT_NO_THROW(StopAllSounds());
  EXPECT_NO_THROW(UpdateMusicVolume());

  // The backpack's remark is let go, twice harmlessly.
  SetNoFitSound(Engine().engineRoot->LoadSound(L"sounds\\speech\\NoFit1.qwv", 0));
  engine::EngineRef<engine::EngineSound> watcher = Sounds().noFitSound;
  ASSERT_EQ(watcher->RefCount(), 2);
  ReleaseNoFitSound();
  EXPECT_FALSE(Sounds().noFitSound);
  EXPECT_EQ(watcher->RefCount(), 1);
  EXPECT_NO_THROW(ReleaseNoFitSound());
}

}  // namespace
}  // namespace kestrine
