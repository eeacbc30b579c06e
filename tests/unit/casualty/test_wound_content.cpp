// The wound content played as a medic plays it, through Patient::ApplyTool on the body parts: each harmful
// move a wound's tracks hold costs what it says and is logged as wrong. Then the content's own rules, step
// by step, and what its shown texts may claim.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "casualty/hints.h"
#include "casualty/location_names.h"
#include "hint_player.h"
#include "shell/mission_progress.h"
#include "treatment_oracle.h"

namespace kestrine::testing {
namespace {

using WoundContentTest = ApplyToolTest;

// ---- careless ----

struct Harm {
  int track;
  const TreatmentStep* step;
};

// The harmful moves a freshly set-up patient's tracks hold.
std::vector<Harm> HarmsAtSetUp(const Patient& patient) {
  std::vector<Harm> harms;
  for (int track = 0; track < kTrackCount; ++track) {
    for (const TreatmentStep* step = patient.currentLists[track]; !IsListEnd(step); ++step) {
      if (step->points < 0) harms.push_back({track, step});
    }
  }
  return harms;
}

TEST_F(WoundContentTest, EveryHarmfulMoveOfAWoundCostsItsPointsAndIsLoggedAsWrong) {
  int harmsTried = 0;
  for (int row : CasualtyRows()) {
    std::vector<Harm> harms;
    {
      srand(1);
      TreatedPatient probe;
      SetUpCasualty(probe, row);
      harms = HarmsAtSetUp(probe);
    }
    for (const Harm& harm : harms) {
      srand(1);
      TreatedPatient patient;
      SetUpCasualty(patient, row);
      const std::string where = Describe(row, patient) + ", \"" + harm.step->action + "\"";
      const int32_t cost = -harm.step->points * patient.multipliers[harm.track];
      const int32_t scoreBefore = patient.score;
      const int32_t missionBefore = missionProgress.missionScore;

      ASSERT_TRUE(ApplyStepOf(patient, harm.step->tool, *harm.step, true)) << where << ": cannot be done";
      ++harmsTried;

      EXPECT_GT(cost, 0) << where << ": a harmful move must cost something";
      EXPECT_EQ(patient.score, scoreBefore - cost) << where;
      EXPECT_EQ(missionProgress.missionScore, missionBefore - cost) << where;
      ASSERT_EQ(patient.wrongActions.count, 1) << where;
      EXPECT_EQ(patient.wrongActions.entries[0].step, harm.step) << where;
      EXPECT_EQ(patient.doneSteps.count, 0) << where;
      EXPECT_EQ(patient.currentLists[harm.track], harm.step->next) << where;
      EXPECT_EQ(patient.shockState, harm.step->forcedCondition == FORCED_MINOR_SHOCK   ? SHOCK_MINOR
                                    : harm.step->forcedCondition == FORCED_MAJOR_SHOCK ? SHOCK_MAJOR
                                                                                       : SHOCK_NONE)
          << where;
    }
  }
  EXPECT_GT(harmsTried, 30) << "most wounds teach at least one classic mistake";
}

// ---- the content's own rules ----

// Every step of every list the wound rows reach (not the healthy lists themselves), once, with the row that
// first reaches it and whether it was reached as an extra list.
struct ReachedStep {
  int row;
  const TreatmentStep* step;
  const StepList* list;
  bool inExtraList;
};

std::vector<ReachedStep> StepsOfTheWounds() {
  std::vector<ReachedStep> steps;
  std::set<const StepList*> seen;
  for (int row = 0; row < kWoundTypeCount; ++row) {
    if (row == WOUND_HEALTHY || row == WOUND_MORE_HEALTHY) continue;
    std::vector<std::pair<const StepList*, bool>> open;
    for (const StepList* list : WoundTypeTable[row].lists) open.push_back({list, false});
    while (!open.empty()) {
      const auto [list, extra] = open.back();
      open.pop_back();
      if (list == nullptr || !seen.insert(list).second) continue;
      for (const TreatmentStep* step = list; !IsListEnd(step); ++step) {
        steps.push_back({row, step, list, extra});
        open.push_back({step->next, false});
        open.push_back({step->extra, true});
      }
    }
  }
  return steps;
}

std::string Where(const ReachedStep& s) {
  return "wound " + std::to_string(s.row) + ", \"" + s.step->action + "\"" + (*s.step->reading ? " " : "") +
         s.step->reading;
}

TEST_F(WoundTest, EveryFindingOfTheWoundsLandsOnAnExaminableSlot) {
  RecordingPatient patient;
  BuildActiveSteps(patient, WoundTypeTable[WOUND_HEALTHY].lists[0]);
  // The findings of shock and death overwrite every slot of their tool and place, whatever its side.
  const std::set<const StepList*> spliced = {WoundTypeTable[WOUND_DEADMAN].lists[0],
                                             WoundTypeTable[WOUND_MAJOR_SHOCK].lists[0],
                                             WoundTypeTable[WOUND_MINOR_SHOCK].lists[0]};
  int findings = 0;
  for (const ReachedStep& s : StepsOfTheWounds()) {
    if (!IsTrackedTool(s.step->tool) || spliced.count(s.list) != 0) continue;
    ++findings;
    bool landed = false;
    for (const ActiveStep& slot : patient.activeSteps) {
      if (slot.tool == kEndOfList) break;
      if (slot.tool == s.step->tool && RegionsOverlap(slot.location, s.step->location) && slot.side == s.step->side) {
        landed = true;
        break;
      }
    }
    EXPECT_TRUE(landed) << Where(s) << ": no healthy finding of that tool, place and side to replace";
    // The hip is one midline part: the exam always reaches its wounded-side finding first.
    if (RegionOf(s.step->location) == LOC_HIP) {
      EXPECT_EQ(s.step->side, STEP_SIDE_WOUNDED) << Where(s);
    }
    if (s.step->tool == TOOL_PULSE_OX) {
      EXPECT_EQ(s.step->side, STEP_SIDE_ANY) << Where(s);
      int saturation = -1;
      int pulse = -1;
      ASSERT_EQ(std::sscanf(s.step->reading, "%d/%d", &saturation, &pulse), 2) << Where(s);
      EXPECT_GE(saturation, 0) << Where(s);
      EXPECT_LE(saturation, 100) << Where(s);
      EXPECT_GE(pulse, 0) << Where(s);
      EXPECT_LE(pulse, 250) << Where(s);
    }
    EXPECT_EQ(s.step->flags & STEP_HINT, 0u) << Where(s) << ": findings are hinted through the exam, not the tracks";
    EXPECT_GE(s.step->points, 0) << Where(s);
  }
  EXPECT_GT(findings, 200);
}

TEST(WoundContentRules, TrackZeroMovesKeepTheStandingRulesAtFullCost) {
  for (int row : CasualtyRows()) {
    const WoundType& wound = WoundTypeTable[row];
    if (wound.lists[2] == nullptr) continue;
    std::set<const StepList*> seen;
    std::vector<const StepList*> open{wound.lists[0]};
    while (!open.empty()) {
      const StepList* list = open.back();
      open.pop_back();
      if (list == nullptr || !seen.insert(list).second) continue;
      for (const TreatmentStep* step = list; !IsListEnd(step); ++step) {
        if (step->tool >= 0 && !IsTrackedTool(step->tool)) {
          EXPECT_EQ(step->multiplier2, 1) << "wound " << row << ", \"" << step->action << "\"";
        }
        open.push_back(step->next);
      }
    }
  }
}

bool IsSpeechName(const char* name) {
  const size_t length = std::strlen(name);
  if (length == 0 || length > 31) return false;
  for (const char* c = name; *c; ++c) {
    if (!((*c >= 'a' && *c <= 'z') || (*c >= '0' && *c <= '9') || *c == '_')) return false;
  }
  return true;
}

std::string Lower(const char* text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

TEST(WoundContentRules, EveryStepKeepsTheRulesOfItsKind) {
  std::set<const StepList*> lists;
  int textures = 0;
  constexpr size_t kMaxRemark = 100;  // a timed message
  constexpr size_t kMaxFinding = 40;  // the short finding of an exam step
  for (const ReachedStep& s : StepsOfTheWounds()) {
    const TreatmentStep& step = *s.step;
    lists.insert(s.list);
    // A harmful move is flagged wrong, brings nothing in, and is never hinted.
    if (step.points < 0) {
      EXPECT_NE(step.flags & STEP_LOGGED_WRONG, 0u) << Where(s);
      EXPECT_EQ(step.extra, nullptr) << Where(s);
    }
    // A hinted move is right: it pays, is never logged wrong, and never forces shock or death.
    if (step.flags & STEP_HINT) {
      EXPECT_GE(step.points, 0) << Where(s);
      EXPECT_EQ(step.flags & STEP_LOGGED_WRONG, 0u) << Where(s);
      EXPECT_EQ(step.forcedCondition, FORCED_NONE) << Where(s);
    }
    // A move that stays the next move (its own list again) must never pay: it could be repeated for points.
    if (step.next == s.list) {
      EXPECT_LE(step.points, 0) << Where(s);
    }
    // Texture changes are painted at set-up only.
    if (step.tool == kTextureChange) {
      ++textures;
      EXPECT_FALSE(s.inExtraList) << Where(s);
      EXPECT_EQ(step.flags, 0u) << Where(s);
      EXPECT_EQ(step.points, 0) << Where(s);
      EXPECT_NE(*step.reading, '\0') << Where(s);
    }
    if (*step.clip) {
      EXPECT_TRUE(IsSpeechName(step.clip)) << Where(s) << ": clip \"" << step.clip << "\"";
    }
    // Texts fit where they are shown.
    EXPECT_LE(std::strlen(step.remark), kMaxRemark) << Where(s);
    if (step.tool != kTextureChange && step.tool != TOOL_PULSE_OX) {
      EXPECT_LE(std::strlen(step.reading), kMaxFinding) << Where(s);
    }
    // A text with these words queues a scream; the content never asks for one.
    for (const char* word : {"yells", "screams", "yelps"})
      EXPECT_EQ(std::strstr(step.action, word), nullptr) << Where(s);
    // The chart line names the place, never a side: the same step serves a wound on either side.
    std::string word;
    for (const char* c = step.action;; ++c) {
      if (std::isalpha(static_cast<unsigned char>(*c))) {
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
        continue;
      }
      EXPECT_TRUE(word != "right" && word != "left") << Where(s);
      word.clear();
      if (*c == '\0') break;
    }
  }
  EXPECT_GT(textures, 5);
  // Each list hints one move at most.
  for (const StepList* list : lists) {
    int hinted = 0;
    for (const TreatmentStep* step = list; !IsListEnd(step); ++step) hinted += (step->flags & STEP_HINT) != 0;
    EXPECT_LE(hinted, 1) << "a list whose first step is \"" << list->action << "\"";
  }
}

bool Says(const char* text, const char* words) { return Lower(text).find(words) != std::string::npos; }

// The region a chart line's place names ("Thigh", "Arm", "Head"), or 0 when it names none of them.
BodyLocation PlaceNamed(const std::string& place) {
  const std::string name = Lower(place.c_str());
  if (name == "arm") return LOC_ARM | 0x1e0 | LOC_HAND;
  if (name == "leg") return LOC_LEG | 0x1e00;
  if (name == "head") return LOC_HEAD | kWholeHead;
  if (name == "torso") return LOC_TORSO | 0x403e000;
  if (name == "any body part") return LOC_ANY_PART | 0x41ffffc;
  for (int bit = 0; bit < 27; ++bit) {
    const BodyLocation mask = BodyLocation{1} << bit;
    const char* known = BodyLocationName(mask);
    if (*known != '\0' && Lower(known) == name) return mask;
  }
  return 0;
}

// A name in lower case without spaces: a chart line may shorten a tool's name ("Lactated Ringer's").
std::string Squeezed(const std::string& name) {
  std::string squeezed;
  for (char c : Lower(name.c_str())) {
    if (c != ' ') squeezed += c;
  }
  return squeezed;
}

// The name a chart line gives the tool: drugs are drawn up in the medicine syringe.
std::string ChartToolName(int32_t tool) {
  return Squeezed(tool >= TOOL_MORPHINE && tool <= TOOL_XYLOCAINE ? "Medicine Syringe" : kToolData[tool].name);
}

struct NamedDose {
  double amount;
  std::string unit;
};

// Every amount a text names: a number and its unit (mg, ml, litres as ml, %).
std::vector<NamedDose> DosesNamed(const std::string& text) {
  std::vector<NamedDose> doses;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i])) || (i > 0 && std::isalnum(static_cast<unsigned char>(text[i - 1])))) {
      continue;
    }
    size_t end = i;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) ++end;
    const double amount = std::atof(text.substr(i, end - i).c_str());
    size_t u = end;
    while (u < text.size() && text[u] == ' ') ++u;
    std::string unit;
    while (u < text.size() && (std::isalpha(static_cast<unsigned char>(text[u])) || text[u] == '%')) unit += text[u++];
    unit = Lower(unit.c_str());
    if (unit == "mg" || unit == "ml" || unit == "mcg" || unit == "%") {
      doses.push_back({amount, unit});
    } else if (unit == "liter" || unit == "litre" || unit == "liters" || unit == "litres" || unit == "l") {
      doses.push_back({amount * 1000, "ml"});
    }
    i = end;
  }
  return doses;
}

// Every shown text names the step's own tool and a place the step can have, and every dose it names for a
// drug or fluid is a real dose of it.
TEST(WoundContentRules, EveryShownTextNamesItsOwnToolAPlaceItCanHaveAndRealDoses) {
  int doses = 0;
  for (const ReachedStep& s : StepsOfTheWounds()) {
    const TreatmentStep& step = *s.step;
    if (step.tool < 0 || *step.action == '\0') continue;
    const std::string action = step.action;
    const size_t colon = action.find(':');
    ASSERT_NE(colon, std::string::npos) << Where(s);
    const std::string head = action.substr(0, colon);
    const size_t to = head.find(" to ");
    const std::string tool = head.substr(0, to);
    EXPECT_EQ(ChartToolName(step.tool).rfind(Squeezed(tool), 0), 0u)
        << Where(s) << ": the chart names another tool than the step's";
    if (to != std::string::npos) {
      const BodyLocation named = PlaceNamed(head.substr(to + 4));
      EXPECT_TRUE(RegionsOverlap(named, step.location))
          << Where(s) << ": the chart names a place the step cannot have";
    }
    // The first wound's lines are kept word for word as they were first written (its 10 mg morphine too).
    for (const std::string& text : {action, std::string(step.remark)}) {
      if (s.row == 0) break;
      const std::string lower = Lower(text.c_str());
      for (const NamedDose& dose : DosesNamed(text)) {
        bool drugNamed = false;
        bool real = false;
        for (const OracleDose& known : kRealDoses) {
          if (lower.find(known.drug) == std::string::npos) continue;
          drugNamed = true;
          real = real || (known.amount == dose.amount && dose.unit == known.unit);
        }
        if (!drugNamed) continue;
        ++doses;
        EXPECT_TRUE(real) << Where(s) << ": " << dose.amount << " " << dose.unit << " is not a real dose of it";
      }
    }
    // A needle that lets trapped air out goes in at one of the two places the book names.
    if (step.tool == TOOL_CHEST_CATHETER && step.points > 0) {
      bool site = false;
      for (const char* place : kNeedleSites) site = site || Says(step.action, place);
      EXPECT_TRUE(site) << Where(s) << ": needle decompression names no real site";
    }
    // A tourniquet on a bleeding limb stays on until a surgeon takes it off: loosening it is never right.
    if (step.tool == TOOL_TOURNIQUET && ((step.flags & STEP_REMOVAL) != 0 || Says(step.action, "loosen"))) {
      EXPECT_LE(step.points, 0) << Where(s) << ": a tourniquet is never loosened in the field";
      EXPECT_EQ(step.flags & STEP_HINT, 0u) << Where(s) << ": a tourniquet is never loosened in the field";
    }
  }
  EXPECT_GT(doses, 20);
}

// What a chart line claims must be true of the step and of the medicine.
TEST(WoundContentRules, TextsClaimOnlyWhatTheStepAndTheMedicineBearOut) {
  for (const ReachedStep& s : StepsOfTheWounds()) {
    const TreatmentStep& step = *s.step;
    if (step.tool < 0) continue;
    // "The good arm" is a promise only a step that checks the side can keep.
    const bool checksSide = step.side != STEP_SIDE_ANY && ToolTable[step.tool].sideRule != 0;
    for (const char* claim : {"good arm", "other arm", "good leg", "other leg", "unhurt", "uninjured", "wounded arm"}) {
      EXPECT_TRUE(checksSide || !Says(step.action, claim)) << Where(s) << ": the step does not check the side";
    }
    // A pulse oximeter on a hand without a radial pulse reads nothing: findings of one moment agree.
    if (Says(step.action, "no radial pulse")) {
      for (const TreatmentStep* other = s.list; !IsListEnd(other); ++other) {
        int saturation = 0;
        int pulse = 0;
        if (other->tool != TOOL_PULSE_OX || std::sscanf(other->reading, "%d/%d", &saturation, &pulse) != 2) continue;
        EXPECT_EQ(pulse, 0) << Where(s) << ": a pulse oximeter reads a pulse no fingers can feel";
      }
    }
  }
  // The findings of shock are spliced over every casualty's, the heat casualty's too: they never call the
  // skin cold or hot.
  for (int row : {WOUND_MINOR_SHOCK, WOUND_MAJOR_SHOCK}) {
    for (const TreatmentStep* step = WoundTypeTable[row].lists[0]; !IsListEnd(step); ++step) {
      for (const char* skin : {"cold", "cool", "clammy", "hot", "warm"}) {
        EXPECT_FALSE(Says(step->action, skin)) << "row " << row << ", \"" << step->action << "\"";
      }
    }
  }
}

TEST(WoundContentRules, RemarkKeysAreSpeechNamesOfTheirOwn) {
  // A remark key shares the tools' "<key>c<n>" pattern; one equal to a tool's key would play the wrong lines.
  std::set<std::string> toolKeys;
  for (const ToolData& tool : kToolData) {
    if (*tool.speechKey) toolKeys.insert(Lower(tool.speechKey));
  }
  std::set<std::string> remarkKeys;
  for (int row : CasualtyRows()) {
    const char* key = WoundTypeTable[row].remarkKey;
    EXPECT_TRUE(IsSpeechName(key)) << "wound " << row << ": \"" << key << "\"";
    EXPECT_EQ(toolKeys.count(Lower(key)), 0u) << "wound " << row << ": \"" << key << "\"";
    EXPECT_TRUE(remarkKeys.insert(key).second) << "wound " << row << ": \"" << key << "\" is another wound's";
  }
}

}  // namespace
}  // namespace kestrine::testing
