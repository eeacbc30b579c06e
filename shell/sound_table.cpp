#include "shell/sound_table.h"

#include <utility>

#include "engine/engine.h"
#include "shell/game_state.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

SoundState soundState;
KESTRINE_PROGRAM_STATE(soundState);

}  // namespace

const SoundState& Sounds() { return soundState; }

namespace {

// Fixed files by slot. Slot 17 is the briefing speech (loaded by the briefing itself); 52, 54 and 55 are
// chosen at every mission load.
const wchar_t* const kSlotPaths[kSoundSlotCount] = {
    L"sounds\\SFX\\tick1.qwv",
    L"sounds\\SFX\\tick2.qwv",
    L"sounds\\sfx\\amb_gun1.qwv",
    L"sounds\\sfx\\amb_gun2.qwv",
    L"sounds\\sfx\\amb_gun3.qwv",
    L"sounds\\sfx\\amb_gun4.qwv",
    L"sounds\\sfx\\amb_gun5.qwv",
    L"sounds\\sfx\\amb_gun6.qwv",
    L"sounds\\sfx\\amb_gun7.qwv",
    L"sounds\\amb_mtr1.qwv",
    L"sounds\\amb_mtr2.qwv",
    L"sounds\\amb_mtr3.qwv",
    L"sounds\\sfx\\GrenExplod1.qwv",
    L"sounds\\sfx\\HeliBy1.qwv",
    L"sounds\\sfx\\HeliBy2.qwv",
    L"sounds\\sfx\\HeliBy3.qwv",
    L"sounds\\sfx\\GrenPin.qwv",
    L"",
    L"sounds\\sfx\\M4RifleP3x.qwv",
    L"sounds\\sfx\\clip.qwv",
    L"sounds\\sfx\\Enemyfire1.qwv",
    L"sounds\\sfx\\9mmpstl.qwv",
    L"sounds\\Music\\Loss1.qwv",
    L"sounds\\speech\\radioCall\\RadioOn.qwv",
    L"sounds\\speech\\medic\\SendEvac1.qwv",
    L"sounds\\speech\\medic\\SendEvac2.qwv",
    L"sounds\\speech\\medic\\SendEvac3.qwv",
    L"sounds\\speech\\medic\\SendBack1.qwv",
    L"sounds\\speech\\medic\\SendBack2.qwv",
    L"sounds\\speech\\medic\\SendBack3.qwv",
    L"sounds\\speech\\medic\\SendHelp1.qwv",
    L"sounds\\speech\\medic\\SendHelp2.qwv",
    L"sounds\\speech\\medic\\SendHelp3.qwv",
    L"sounds\\speech\\medic\\SendEvac4.qwv",
    L"sounds\\speech\\medic\\SendEvac5.qwv",
    L"sounds\\sfx\\TruckIdle.qwv",
    L"sounds\\sfx\\Truckloop.qwv",
    L"sounds\\sfx\\TruckStop.qwv",
    L"sounds\\sfx\\Ric1.qwv",
    L"sounds\\sfx\\Ric2.qwv",
    L"sounds\\sfx\\Ric3.qwv",
    L"sounds\\sfx\\Ric4.qwv",
    L"sounds\\sfx\\Ric5.qwv",
    L"sounds\\sfx\\Ric6.qwv",
    L"sounds\\sfx\\Ric7.qwv",
    L"sounds\\sfx\\Ric8.qwv",
    L"sounds\\sfx\\Ric9.qwv",
    L"sounds\\sfx\\Whiz1.qwv",
    L"sounds\\sfx\\Whiz2.qwv",
    L"sounds\\sfx\\Whiz3.qwv",
    L"sounds\\sfx\\Whiz4.qwv",
    L"sounds\\sfx\\Heliloop.qwv",
    L"",
    L"sounds\\sfx\\Desert2.qwv",
    L"",
    L"",
    L"sounds\\sfx\\toolsounds\\bagvalve.qwv",
    L"sounds\\sfx\\toolsounds\\bandage.qwv",
    L"sounds\\sfx\\toolsounds\\bandage2.qwv",
    L"sounds\\sfx\\toolsounds\\bandage3.qwv",
    L"sounds\\sfx\\toolsounds\\burnblanket.qwv",
    L"sounds\\sfx\\toolsounds\\ettube.qwv",
    L"sounds\\sfx\\toolsounds\\gelicepack.qwv",
    L"sounds\\sfx\\toolsounds\\irrigationsyringe.qwv",
    L"sounds\\sfx\\toolsounds\\pulseox.qwv",
    L"sounds\\sfx\\toolsounds\\rigidsplint.qwv",
    L"sounds\\sfx\\toolsounds\\stethoscope.qwv",
    L"sounds\\sfx\\toolsounds\\tourniquet.qwv",
};

// The sound of a slot when one is loaded there; null for an empty slot or a number outside the table, so
// a stray slot number from a caller is ignored like an empty slot.
engine::EngineSound* LoadedSound(int slot) {
  if (slot < 0 || slot >= kSoundSlotCount) return nullptr;
  engine::EngineSound* sound = soundState.soundTable.slots[slot].Get();
  return sound != nullptr && sound->IsLoaded() ? sound : nullptr;
}

}  // namespace

bool SoundTable::IsLoaded(int slot) const {
  if (slot < 0 || slot >= kSoundSlotCount) return false;
  return slots[slot] && slots[slot]->IsLoaded();
}

int32_t EffectsLevel() {
  const SoundState& s = soundState;
  return States().gameState == STATE_OVERHEAD ? s.effectsVolume - s.overheadEffectsOffset : s.effectsVolume;
}

int32_t MusicLevel() {
  return States().gameState == STATE_OVERHEAD ? soundState.musicVolume - soundState.overheadMusicOffset
                                              : soundState.musicVolume;
}

void PlayEffect(int slot) {
  engine::EngineSound* sound = LoadedSound(slot);
  if (sound == nullptr || soundState.replayingSave) return;
  sound->Stop();
  sound->SetVolume(EffectsLevel());
  sound->Play(0, 0);
}

void PlayEffectLoop(int slot, uint8_t loop) {
  engine::EngineSound* sound = LoadedSound(slot);
  if (sound == nullptr || soundState.replayingSave) return;
  sound->Stop();
  sound->SetVolume(EffectsLevel());
  if (!sound->IsPlaying()) sound->Play(loop, 0);
}

void PlayMusic(int slot) { PlayMusicLoop(slot, 1); }

// Music is never restarted: a tune already playing only takes the new volume, so walking between the
// overhead and the patient view does not jump back to the first bar.
void PlayMusicLoop(int slot, uint8_t loop) {
  engine::EngineSound* sound = LoadedSound(slot);
  if (sound == nullptr) return;
  sound->SetVolume(MusicLevel());
  if (!sound->IsPlaying()) sound->Play(loop, 0);
}

void UpdateMusicVolume() {
  for (int slot = SOUND_AMBIENCE; slot < kSoundSlotCount; ++slot)
    if (engine::EngineSound* sound = LoadedSound(slot)) sound->SetVolume(MusicLevel());
}

void StopAllSounds() {
  for (int slot = 0; slot < kSoundSlotCount; ++slot)
    if (engine::EngineSound* sound = LoadedSound(slot)) sound->Stop();
}

void StopSoundIfPlaying(int slot) {
  if (soundState.soundTable.IsLoaded(slot) && soundState.soundTable[slot]->IsPlaying())
    soundState.soundTable[slot]->Stop();
}

void ReleaseNoFitSound() { soundState.noFitSound.Reset(); }

void SetSoundSlot(int slot, engine::EngineRef<engine::EngineSound> sound) {
  soundState.soundTable[slot] = std::move(sound);
}

void ReleaseSoundSlot(int slot) { soundState.soundTable[slot].Reset(); }

void ReleaseAllSoundSlots() {
  for (auto& slot : soundState.soundTable.slots) slot.Reset();
}

void SetEffectsVolume(int32_t volume) { soundState.effectsVolume = volume; }

void SetMusicVolume(int32_t volume) { soundState.musicVolume = volume; }

void SetOverheadOffsets(int32_t effects, int32_t music) {
  soundState.overheadEffectsOffset = effects;
  soundState.overheadMusicOffset = music;
}

void SetReplayingSave(bool replaying) { soundState.replayingSave = replaying ? 1 : 0; }

void SetNoFitSound(engine::EngineRef<engine::EngineSound> sound) { soundState.noFitSound = std::move(sound); }

int MissionMusicNumber(int mission) {
  const int remainder = ((mission % 3) + 3) % 3;
  return remainder == 0 ? 1 : remainder == 1 ? 2 : 3;
}

const wchar_t* SoundSlotPath(int slot) {
  if (slot < 0 || slot >= kSoundSlotCount) return L"";
  return kSlotPaths[slot];
}

}  // namespace kestrine
