#include "tools/assetgen/patient_speech.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>

#include "casualty/speech_kinds.h"
#include "casualty/tool_table.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/moan_synth.h"
#include "tools/assetgen/speech_files.h"
#include "tools/assetgen/speech_voices.h"
#include "tools/assetgen/wound_assets.h"

namespace assetgen {

namespace {

using kestrine::kSpeechVoiceSets;

std::string FileName(std::string name) {
  for (char& c : name)
    if (c == '-') c = '_';
  return name;
}

std::string VoiceFolder(int voiceSet) { return "sounds\\speech\\ws" + std::to_string(voiceSet) + "\\"; }

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// What the patients say. A right move: relief; a wrong one: a cry; a long silence: his wound on his mind.
const char* const kRightMoveLines[kestrine::kWoundRemarkTakes] = {
    "Thanks, doc.", "That's better.", "Okay. Okay.", "That helps a bit.", "Thank you, doc.", "Yeah... better.",
};
const char* const kWrongMoveLines[kestrine::kWoundRemarkTakes] = {
    "Ow! What are you doing?", "Argh! Stop that!", "That's worse, doc!", "Hey! Easy!", "No, not that!", "Ahh! Doc!",
};
const char* const kYellLines[kestrine::kYellTakes] = {"Aaagh! Aaagh!", "Ow, ow, ow!", "Argh! Doc!", "No! Aaaah!"};

// A yell: as high and wide as the voice goes, drawn out.
SpeechVoice Yelling(SpeechVoice voice) {
  voice.pitch = std::min(voice.pitch + 30, 99);
  voice.pitchRange = 100;
  voice.wordsPerMinute = 120;
  return voice;
}

// The enemy wounded speak their own language: a groan, "oh God", "water, water", "my mother", "help me",
// "no, no", "it hurts", "please".
const char* const kEnemyGroanLines[kestrine::kEnemyGroanTakes] = {
    "آه... آه", "يَا الله", "مَاء... مَاء", "أُمِّي", "سَاعِدْنِي", "لَا... لَا", "يُؤْلِمُنِي", "أَرْجُوك",
};

// The tools the patients have something to say about: each speech key with the name of its first row.
std::map<std::string, std::string> ToolSpeechKeys() {
  std::map<std::string, std::string> keys;
  for (const kestrine::ToolDef& tool : kestrine::ToolTable)
    if (*tool.speechKey != '\0') keys.emplace(tool.speechKey, tool.name);
  return keys;
}

// One voice's lines; a line said under several names is spoken once and written under each.
class Speaker {
 public:
  Speaker(DataTree& tree, const SpeechVoice& voice) : tree_(tree), voice_(voice) {}

  void Say(const std::string& path, const std::string& text, LipSync lipSync, const SpeechVoice& voice) {
    const std::string how = std::string(voice.name) + "/" + std::to_string(voice.pitch) + "/" +
                            std::to_string(voice.pitchRange) + "/" + std::to_string(voice.wordsPerMinute);
    const auto key = std::make_pair(how, text);
    auto found = spoken_.find(key);
    if (found == spoken_.end()) {
      const SpokenLine line = SpeakLine(text, voice);
      found = spoken_.emplace(key, Files{EncodeSpeechWav(line.sound), EncodeLipSync(line.shapes, line.lengthMs)}).first;
    }
    tree_.WriteBytes(CanonicalPath(path + ".qwv"), found->second.sound);
    if (lipSync == LipSync::With) tree_.WriteBytes(CanonicalPath(path + ".phn"), found->second.lipSync);
  }
  void Say(const std::string& path, const std::string& text, LipSync lipSync) { Say(path, text, lipSync, voice_); }

 private:
  struct Files {
    std::string sound, lipSync;
  };
  DataTree& tree_;
  SpeechVoice voice_;
  std::map<std::pair<std::string, std::string>, Files> spoken_;
};

void WriteMoans(DataTree& tree) {
  using kestrine::kMoanTakes;
  struct Who {
    const kestrine::MoanNames& names;
    MoanVoice voice;
  };
  const Who who[] = {{kestrine::kOwnSoldierMoans, {105.0, 1.0}}, {kestrine::kEnemyMoans, {95.0, 0.94}}};
  const MoanKind bySeverity[] = {MoanKind::Major, MoanKind::Medium, MoanKind::Lite};
  std::set<std::string> written;
  auto write = [&](const std::string& name, MoanKind kind, const MoanVoice& voice) {
    if (!written.insert(name).second) return;  // one name may serve two severities
    for (int take = 1; take <= kMoanTakes; ++take) {
      const uint32_t seed = static_cast<uint32_t>(written.size() * 16 + static_cast<size_t>(take));
      tree.WriteBytes(CanonicalPath(MoanPath(name, take) + ".qwv"), EncodeSpeechWav(Moan(kind, voice, seed)));
    }
  };
  for (const Who& w : who) {
    for (int severity = 0; severity < 3; ++severity) write(w.names.conscious[severity], bySeverity[severity], w.voice);
    write(w.names.unconscious, MoanKind::Unconscious, w.voice);
  }
  write(kestrine::kSpecialCasualtyMoan, MoanKind::Major, {122.0, 1.06});
}

}  // namespace

std::string MedicClipPath(const std::string& clip) { return "sounds\\speech\\self\\" + FileName(clip); }

std::string RemarkPath(int voiceSet, const std::string& key, char kind, int take) {
  return VoiceFolder(voiceSet) + FileName(key) + kind + std::to_string(take);
}

std::string YellPath(int voiceSet, int take) {
  return VoiceFolder(voiceSet) + kestrine::kYellClip + std::to_string(take);
}

std::string EnemyGroanPath(int take) {
  return std::string("sounds\\speech\\arab\\") + kestrine::kEnemyGroanClip + std::to_string(take);
}

std::string MoanPath(const std::string& name, int take) {
  return "sounds\\speech\\self\\" + name + static_cast<char>('a' + take - 1);
}

std::string WoundRemarkLine(char kind, int take, const std::string& hurtPart) {
  const int i = (take - 1) % kestrine::kWoundRemarkTakes;
  if (kind == 'c') return kRightMoveLines[i];
  if (kind == 'i') return kWrongMoveLines[i];
  switch (i) {
    case 0:
      return "Doc, my " + hurtPart + "...";
    case 1:
      return "Am I gonna make it?";
    case 2:
      return "It hurts, doc.";
    case 3:
      return "Don't leave me here.";
    case 4:
      return "How bad is my " + hurtPart + "?";
    default:
      return "Doc? You still there?";
  }
}

std::string ToolRemarkLine(char kind, int take, const std::string& toolName) {
  const std::string tool = Lower(toolName);
  if (kind == 'c') {
    switch ((take - 1) % kestrine::kToolRemarkTakes) {
      case 0:
        return "Okay, the " + tool + ". Thanks, doc.";
      case 1:
        return "Yeah... that helps.";
      default:
        return "Okay, doc. Go ahead.";
    }
  }
  switch ((take - 1) % kestrine::kToolRemarkTakes) {
    case 0:
      return "Hey! Not the " + tool + ", doc!";
    case 1:
      return "Ow! What are you doing?";
    default:
      return "Doc, are you sure about that?";
  }
}

void WritePatientSpeech(DataTree& tree) {
  const WoundAssetNames names = CollectWoundAssetNames();
  const std::map<std::string, std::string> tools = ToolSpeechKeys();

  // The medic's findings and his own voice are heard, not seen: no lip-sync.
  Speaker medic(tree, kMedicVoice);
  for (const auto& [clip, words] : names.clips) medic.Say(MedicClipPath(clip), words, LipSync::Without);

  for (int voiceSet = 1; voiceSet <= kSpeechVoiceSets; ++voiceSet) {
    const SpeechVoice& calm = kPatientVoices[voiceSet - 1];
    const SpeechVoice hurt = Distressed(calm);
    Speaker patient(tree, calm);
    for (const auto& [key, part] : names.remarkKeys) {
      for (char kind : kRemarkKinds) {
        for (int take = 1; take <= kestrine::kWoundRemarkTakes; ++take) {
          patient.Say(RemarkPath(voiceSet, key, kind, take), WoundRemarkLine(kind, take, part), LipSync::With,
                      kind == 'i' ? hurt : calm);
        }
      }
    }
    for (const auto& [key, toolName] : tools) {
      for (char kind : kToolRemarkKinds) {
        for (int take = 1; take <= kestrine::kToolRemarkTakes; ++take) {
          patient.Say(RemarkPath(voiceSet, key, kind, take), ToolRemarkLine(kind, take, toolName), LipSync::With,
                      kind == 'i' ? hurt : calm);
        }
      }
    }
    for (int take = 1; take <= kestrine::kYellTakes; ++take)
      patient.Say(YellPath(voiceSet, take), kYellLines[take - 1], LipSync::With, Yelling(calm));
  }

  Speaker enemy(tree, kEnemyVoice);
  for (int take = 1; take <= kestrine::kEnemyGroanTakes; ++take)
    enemy.Say(EnemyGroanPath(take), kEnemyGroanLines[take - 1], LipSync::With);

  WriteMoans(tree);
}

}  // namespace assetgen
