// The radio traffic of the shell's sound table: the radio switching on, the medic's calls for evacuation,
// return to action and support, and the chatter heard when a mission ends.
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/radio_voice.h"
#include "tools/assetgen/speech_voices.h"

namespace assetgen {

namespace {

struct RadioLine {
  const char* path;
  const char* phrase;
};

// The medic is always the same voice; only what he says changes.
const RadioLine kMedicCalls[] = {
    {"sounds\\speech\\medic\\SendEvac1.qwv", "Medic to base, I need a medevac at my position, over."},
    {"sounds\\speech\\medic\\SendEvac2.qwv", "Casualty is stable and ready for evac, send the bird."},
    {"sounds\\speech\\medic\\SendEvac3.qwv", "Requesting urgent dustoff, one litter patient, over."},
    {"sounds\\speech\\medic\\SendEvac4.qwv", "Got a wounded man here, he needs a ride out now."},
    {"sounds\\speech\\medic\\SendEvac5.qwv", "Evac, evac, marking the landing zone, over."},
    {"sounds\\speech\\medic\\SendBack1.qwv", "He is patched up, sending him back to the line."},
    {"sounds\\speech\\medic\\SendBack2.qwv", "Walking wounded, returning to his squad, out."},
    {"sounds\\speech\\medic\\SendBack3.qwv", "This one can still fight, send him forward."},
    {"sounds\\speech\\medic\\SendHelp1.qwv", "Taking fire, I need support at my position!"},
    {"sounds\\speech\\medic\\SendHelp2.qwv", "Cover me, I am working on a casualty, over."},
    {"sounds\\speech\\medic\\SendHelp3.qwv", "Need suppressing fire on that ridge, now!"},
};

// Traffic of other stations on the net: many voices, more static.
const char* const kChatter[17] = {
    "Bravo two, moving to phase line red, over.",
    "Roger, hold your position and wait for my signal.",
    "Contact left, two hundred meters, tree line!",
    "Command, this is Charlie six, area secure, out.",
    "All stations, cease fire, cease fire.",
    "Say again your last, you are broken and garbled.",
    "Bird is inbound, five minutes out, pop smoke.",
    "Copy that, green smoke, we see you.",
    "Alpha one, sitrep, over.",
    "We are pulling back to the rally point.",
    "Negative, negative, do not cross the road.",
    "Ammo status amber, need resupply soon.",
    "Enemy vehicle moving north on the main road.",
    "Roger, mission complete, returning to base.",
    "Good work out there, everybody head home.",
    "Echo four, radio check, how copy, over.",
    "Loud and clear, out.",
};

void Write(DataTree& tree, const std::string& path, const synth::Buffer& sound) {
  tree.WriteWav(CanonicalPath(path), synth::ToPcm(sound));
}

}  // namespace

void WriteShellRadioSounds(DataTree& tree) {
  Write(tree, "sounds\\speech\\radioCall\\RadioOn.qwv", RadioSquelch(23));

  uint32_t seed = 240;
  for (const RadioLine& call : kMedicCalls) {
    const RadioStyle medic{kMedicVoice, 0.08f, seed++};
    Write(tree, call.path, RadioVoice(call.phrase, medic));
  }

  for (int n = 1; n <= 17; ++n) {
    const RadioStyle station{RadioStationVoice(n), 0.12f + 0.02f * static_cast<float>(n % 4),
                             520 + static_cast<uint32_t>(n)};
    Write(tree, "sounds\\Speech\\RadioWalla\\X" + std::to_string(n) + ".qwv", RadioVoice(kChatter[n - 1], station));
  }
}

}  // namespace assetgen
