// Who speaks in the generated data: four wounded soldiers of the player's side (voice sets ws1..ws4), the
// medic himself, the enemy wounded and the stations on the radio net. Each has his own accent, pitch and
// pace, so that a player can tell the men apart.
#pragma once

#include <algorithm>
#include <iterator>

#include "casualty/speech_kinds.h"
#include "tools/assetgen/speech_synth.h"

namespace assetgen {

inline constexpr SpeechVoice kPatientVoices[] = {
    {"en-us+m1", 38, 55, 160},
    {"en-us+m3", 68, 70, 182},
    {"en-gb-scotland+m4", 24, 45, 148},
    {"en-029+m2", 82, 80, 192},
};
static_assert(std::size(kPatientVoices) == kestrine::kSpeechVoiceSets);
inline constexpr SpeechVoice kMedicVoice{"en-us+m5", 54, 50, 170};
inline constexpr SpeechVoice kEnemyVoice{"ar+m3", 38, 75, 140};

// The same man in pain: higher, wider and quicker.
constexpr SpeechVoice Distressed(SpeechVoice voice) {
  voice.pitch = std::min(voice.pitch + 16, 99);
  voice.pitchRange = std::min(voice.pitchRange + 20, 100);
  voice.wordsPerMinute += 18;
  return voice;
}

// Stations on the radio net, each a different man (n from 1).
constexpr SpeechVoice RadioStationVoice(int n) {
  constexpr const char* kVariants[] = {"en-us+m1", "en-us+m2", "en-us+m3",     "en-us+m4",
                                       "en-us+m6", "en-us+m7", "en-gb-x-rp+m2"};
  return {kVariants[n % 7], 25 + (n * 37) % 55, 45 + (n * 13) % 35, 165 + (n * 11) % 40};
}

}  // namespace assetgen
