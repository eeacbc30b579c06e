// What the two officers say: each mission's briefing read out by the briefing officer ("hmiss1".."hmiss13",
// from the mission's own briefing text), and the debriefing officer's verdicts: ten by score tier from the
// worst ("jbad5") to the best ("jgood5"), and one each for a mission that ran out of time, one ended by too
// many mistakes, and one ended by fire on our own men. Every one has its lip-sync timeline.
#include <string>

#include "shell/mission_texts.h"
#include "tools/assetgen/frontend_generators.h"
#include "tools/assetgen/speech_files.h"

namespace assetgen {

namespace {

constexpr SpeechVoice kBriefingOfficer{"en-us+m7", 34, 40, 158};
constexpr SpeechVoice kDebriefingOfficer{"en-us+f3", 52, 55, 166};

struct Verdict {
  const char* name;
  const char* words;
};

constexpr Verdict kVerdicts[] = {
    {"jbad5",
     "That was a disaster, Medic. Men died out there who should have lived. Study your training and do better."},
    {"jbad4", "A very poor showing. Too many wounds went untreated, and the men paid for it."},
    {"jbad3", "Not good enough. You missed too much out there. The wounded deserve better care."},
    {"jbad2", "A weak effort, Medic. Some of your work was sound, but far too much was left undone."},
    {"jbad1", "Below the mark. You kept some of them going, but you must be quicker and surer."},
    {"jgood1", "You got the job done, barely. Read the reports and tighten up your treatment."},
    {"jgood2", "Fair work, Medic. Most of the men will be back on their feet. Keep at it."},
    {"jgood3", "Good work out there. Your care was steady and most of it was right."},
    {"jgood4", "Very good work, Medic. The wounded were in good hands today."},
    {"jgood5", "Outstanding, Medic. Every man you reached owes you his life. Well done."},
    {"jtimedOut", "You ran out of time, Medic. The wounded never reached the landing zone."},
    {"jmutilate", "Stop right there. You made too many harmful mistakes, and you have been pulled from the field."},
    {"ff", "You fired on our own men. That will not be tolerated. You are relieved from the field."},
};

// The briefing as one text: lines joined, a blank line a pause.
std::string BriefingWords(const kestrine::MissionText& text) {
  std::string words;
  for (int i = 0; i < text.briefingCount; ++i) {
    const char* line = text.briefing[i];
    if (line == nullptr || *line == '\0') {
      words += "\n";
      continue;
    }
    if (!words.empty() && words.back() != '\n') words += ' ';
    words += line;
  }
  return words;
}

}  // namespace

void WriteBriefingSpeech(DataTree& tree) {
  for (int m = 0; m < kestrine::kMissionTextCount; ++m) {
    const std::string path = "sounds\\hmiss" + std::to_string(m + 1);
    WriteSpokenLine(tree, path, SpeakLine(BriefingWords(kestrine::missionTexts[m]), kBriefingOfficer), LipSync::With);
  }
  for (const Verdict& v : kVerdicts)
    WriteSpokenLine(tree, std::string("sounds\\") + v.name, SpeakLine(v.words, kDebriefingOfficer), LipSync::With);
}

}  // namespace assetgen
