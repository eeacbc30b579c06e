// The 68 shared sounds addressed by slot number, the two volume settings and the play and stop functions
// every screen uses for effects and music.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

constexpr int kSoundSlotCount = 68;

// Slots the callers name; every slot keeps its number for the whole run.
enum SoundSlot : int {
  SOUND_TICK_CLICK = 0,
  SOUND_TICK_HOVER = 1,
  SOUND_GRENADE_BLAST = 12,
  SOUND_GRENADE_PIN = 16,
  SOUND_BRIEFING_SPEECH = 17,
  SOUND_RIFLE = 18,
  SOUND_CLIP = 19,
  SOUND_ENEMY_FIRE = 20,
  SOUND_PISTOL = 21,
  SOUND_LOSS_MUSIC = 22,
  SOUND_RADIO_ON = 23,
  SOUND_TRUCK_IDLE = 35,
  SOUND_TRUCK_LOOP = 36,
  SOUND_HELI_LOOP = 51,
  SOUND_RADIO_CHATTER = 52,
  SOUND_AMBIENCE = 53,
  SOUND_OVERHEAD_MUSIC = 54,
  SOUND_PATIENT_MUSIC = 55,
  SOUND_FIRST_TOOL = 56,
  // The tool sounds.
  SOUND_BAG_VALVE = 56,
  SOUND_BANDAGE = 57,
  SOUND_OCCLUSIVE_DRESSING = 58,
  SOUND_BURN_BLANKET = 60,
  SOUND_ET_TUBE = 61,
  SOUND_IRRIGATION = 63,
  SOUND_PULSE_OX = 64,
  SOUND_RIGID_SPLINT = 65,
  SOUND_STETHOSCOPE = 66,
  SOUND_TOURNIQUET = 67,
};

// Each slot is empty until loaded; an empty slot makes every play, stop and volume call on it do nothing.
struct SoundTable {
  engine::EngineRef<engine::EngineSound> slots[kSoundSlotCount];

  engine::EngineRef<engine::EngineSound>& operator[](int slot) { return slots[slot]; }
  const engine::EngineRef<engine::EngineSound>& operator[](int slot) const { return slots[slot]; }
  // True for a slot number inside the table that holds a sound.
  bool IsLoaded(int slot) const;
};

// Written only by sound_table.cpp, through the functions below; everyone else reads the const view.
struct SoundState {
  SoundTable soundTable;

  // 0..127; the volume screen moves them in steps of 10 and save games keep them.
  int32_t effectsVolume = 127;
  int32_t musicVolume = 127;
  // Taken off both volumes while the overhead view (state 17) is up, so the battle sits under the music; set by the
  // view presets and the patient view's opening. Also known as viewVolumeDrop.
  int32_t overheadEffectsOffset = 20;
  int32_t overheadMusicOffset = 20;
  // Set while a saved mission's treatment is re-applied: those replays must stay silent.
  uint8_t replayingSave = 0;
  // The backpack's last "no fit" remark, released with the mission.
  engine::EngineRef<engine::EngineSound> noFitSound;
};

const SoundState& Sounds();

// A slot's sound loaded (or made) elsewhere, and its release; the release of every slot at shut-down.
void SetSoundSlot(int slot, engine::EngineRef<engine::EngineSound> sound);
void ReleaseSoundSlot(int slot);
void ReleaseAllSoundSlots();
// The volumes the player chose (the volume screen, a loaded save).
void SetEffectsVolume(int32_t volume);
void SetMusicVolume(int32_t volume);
// What the overhead view takes off both volumes (its view presets, the patient view's opening).
void SetOverheadOffsets(int32_t effects, int32_t music);
// A saved mission's treatment is being re-applied (true) or is done (false).
void SetReplayingSave(bool replaying);
// The backpack's new "no fit" remark, held until the next one or the mission's end.
void SetNoFitSound(engine::EngineRef<engine::EngineSound> sound);

// The volumes as passed to the engine: the overhead offsets apply in state 17 only, unclamped.
int32_t EffectsLevel();
int32_t MusicLevel();

void PlayEffect(int slot);
void PlayEffectLoop(int slot, uint8_t loop);
void PlayMusic(int slot);
void PlayMusicLoop(int slot, uint8_t loop);
void UpdateMusicVolume();
void StopAllSounds();
// Stops one slot's sound when it is loaded and playing.
void StopSoundIfPlaying(int slot);
void ReleaseNoFitSound();

// The music pair of a mission: 1 for "GP1" (mission % 3 == 0), 2 for "GP2" (1), 3 for "GP3" (2).
int MissionMusicNumber(int mission);
// The file of each slot loaded from a fixed path; empty for 17 (speech) and 52..55 (chosen per mission).
const wchar_t* SoundSlotPath(int slot);

}  // namespace kestrine
