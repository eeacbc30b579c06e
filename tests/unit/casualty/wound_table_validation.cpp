// The wound table check.
#include "wound_table_validation.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "casualty/step_interpreter.h"
#include "casualty/tool_table.h"

namespace kestrine {

namespace {

constexpr uint32_t kKnownStepFlags = STEP_SETS_CONSCIOUS | STEP_SETS_CAN_SPEAK | STEP_LOGGED_WRONG | STEP_NO_EFFECT |
                                     STEP_SETS_MOVABLE | STEP_REMOVAL | STEP_STOPS_CLOCK | STEP_STOPS_SPURT | STEP_HINT;
// 0x40 is carried by some rows and read by nothing.
constexpr uint32_t kKnownConditionFlags =
    WOUND_CONSCIOUS | WOUND_CAN_SPEAK | WOUND_NEVER_RANDOM | WOUND_UNMOVABLE | WOUND_DEBUG_ONLY | 0x40;
constexpr uint32_t kMissionBits = 0x3FFE;  // missions 1..13

// Two texts of the evisceration wound were written for the case chart, which wraps them over several
// lines; they stay as they are although they are longer than a report line.
const char* const kLongActionTextsKept[] = {
    "Action to Abdomen:   The protruding intestine is gently pushed back inside the wound.",
    "Glove to Abdomen:   Multiple small lacerations to lower abdomen; minimal bleeding; small amount of "
    "intestine protruding from one wound.",
};

bool IsKeptLongText(const char* text) {
  for (const char* kept : kLongActionTextsKept) {
    if (std::strcmp(text, kept) == 0) return true;
  }
  return false;
}

int TextLength(const char* text) { return static_cast<int>(std::strlen(text)); }

class TableChecker {
 public:
  explicit TableChecker(const WoundTableView& table) : table_(table) {
    for (int i = 0; i < table_.listCount; ++i) extentIndex_.emplace(table_.lists[i].list, i);
  }

  std::vector<std::string> Run() {
    CheckExtents();
    if (table_.rowCount != kWoundTypeCount) {
      Report("the table has " + std::to_string(table_.rowCount) + " rows, not " + std::to_string(kWoundTypeCount));
    }
    for (int row = 0; row < table_.rowCount; ++row) CheckRow(row);
    CollectReachableLists();
    for (const StepList* list : reached_) CheckSteps(list);
    CheckCycles();
    CheckHealthySeed();
    CheckKits();
    return std::move(problems_);
  }

 private:
  void Report(const std::string& problem) { problems_.push_back(problem); }

  // Where a list was first reached from, for the messages.
  std::string Name(const StepList* list) const {
    const auto found = origin_.find(list);
    const std::string where = found == origin_.end() ? std::string("unreached") : found->second;
    return "list #" + std::to_string(ExtentIndex(list)) + " (" + where + ")";
  }

  int ExtentIndex(const StepList* list) const {
    const auto found = extentIndex_.find(list);
    return found == extentIndex_.end() ? -1 : found->second;
  }

  // Entries before the terminator of a registered list; none for a list the table does not register.
  int StepCount(const StepList* list) const {
    const int index = ExtentIndex(list);
    if (list == nullptr || index < 0) return 0;
    return std::max(0, table_.lists[index].entryCount - 1);
  }

  void CheckExtents() {
    for (int i = 0; i < table_.listCount; ++i) {
      const StepListExtent& extent = table_.lists[i];
      if (extent.list == nullptr || extent.entryCount < 1) {
        Report("registered list #" + std::to_string(i) + " is empty");
        continue;
      }
      for (int k = 0; k + 1 < extent.entryCount; ++k) {
        if (extent.list[k].tool == kEndOfList) {
          Report("registered list #" + std::to_string(i) + " ends at step " + std::to_string(k) +
                 ", before the end of its array");
          break;
        }
      }
      if (extent.list[extent.entryCount - 1].tool != kEndOfList) {
        Report("registered list #" + std::to_string(i) + " has no terminator at the end of its array");
      }
    }
  }

  void CheckText(const std::string& where, const char* text, int maxLength) {
    if (text == nullptr) {
      Report(where + ": missing text");
    } else if (TextLength(text) > maxLength) {
      Report(where + ": \"" + text + "\" is longer than " + std::to_string(maxLength) + " characters");
    }
  }

  void CheckRow(int index) {
    const WoundType& row = table_.rows[index];
    const std::string where = "row " + std::to_string(index);
    if (row.textureSet == nullptr || row.remarkKey == nullptr) Report(where + ": missing texture set or remark key");
    CheckText(where + " title", row.title, kMaxTitleLineLength);
    if (row.titleLineCount < 1 || row.titleLineCount > kMaxTitleLines) {
      Report(where + ": title line count " + std::to_string(row.titleLineCount) + " out of range");
    } else {
      for (int i = 0; i < row.titleLineCount; ++i)
        CheckText(where + " title line", row.titleLines[i], kMaxTitleLineLength);
    }
    if (row.descriptionLineCount < 0 || row.descriptionLineCount > kMaxDescriptionLines) {
      Report(where + ": description line count " + std::to_string(row.descriptionLineCount) + " out of range");
    } else {
      for (int i = 0; i < row.descriptionLineCount; ++i) {
        CheckText(where + " description line", row.descriptionLines[i], kMaxTitleLineLength);
      }
    }
    if ((row.location & ~kRegionBits) != 0) Report(where + ": location with side or unknown bits");
    if (row.severity < SEVERITY_MAJOR || row.severity > SEVERITY_LITE) Report(where + ": severity out of range");
    if (row.sideRule < SIDE_RULE_RANDOM || row.sideRule > SIDE_RULE_SECOND) Report(where + ": side rule out of range");
    if ((row.conditionFlags & ~kKnownConditionFlags) != 0) Report(where + ": unknown condition flags");
    for (int i = 0; i < 3; ++i) {
      if (row.deadlines[i] < 0) Report(where + ": negative deadline");
      if ((row.maskA[i] | row.maskB[i]) & ~kMissionBits) Report(where + ": mask bit of no mission");
    }
  }

  void Reach(const StepList* list, const std::string& from) {
    if (list == nullptr || origin_.count(list) != 0) return;
    origin_[list] = from;
    if (ExtentIndex(list) < 0) {
      Report("a list reached from " + from + " is not registered");
      return;
    }
    reached_.push_back(list);
  }

  // Every list the game can reach: the rows' tracks, and from them every next and extra list.
  void CollectReachableLists() {
    for (int row = 0; row < table_.rowCount; ++row) {
      for (int track = 0; track < kTrackCount; ++track) {
        Reach(table_.rows[row].lists[track], "row " + std::to_string(row) + " track " + std::to_string(track));
      }
    }
    for (size_t i = 0; i < reached_.size(); ++i) {
      const StepList* list = reached_[i];
      const std::string from = origin_[list];
      for (int k = 0; k < StepCount(list); ++k) {
        Reach(list[k].next, from + " > next");
        Reach(list[k].extra, from + " > extra");
      }
    }
  }

  void CheckSteps(const StepList* list) {
    for (int k = 0; k < StepCount(list); ++k) {
      const TreatmentStep& step = list[k];
      const std::string where = Name(list) + " step " + std::to_string(k);
      if (step.tool != kTextureChange && !IsToolRow(step.tool)) {
        Report(where + ": tool " + std::to_string(step.tool) + " is neither 0..47 nor a texture change");
        continue;
      }
      if (RegionOf(step.location) == 0 || (step.location & ~kValidLocationBits) != 0) {
        Report(where + ": location bits not valid");
      } else if (IsToolRow(step.tool) &&
                 !RegionsOverlap(step.location, ToolTable[step.tool].flags & TOOL_FLAG_LOCATIONS)) {
        Report(where + ": the tool cannot be used on that location");
      }
      if (step.action == nullptr || step.remark == nullptr || step.reading == nullptr || step.clip == nullptr) {
        Report(where + ": missing text");
        continue;
      }
      if (TextLength(step.action) > kMaxActionTextLength && !IsKeptLongText(step.action)) {
        Report(where + ": action text \"" + step.action + "\" is longer than " + std::to_string(kMaxActionTextLength) +
               " characters");
      }
      if (step.tool == kTextureChange && step.reading[0] == '\0') Report(where + ": texture change names no texture");
      if ((step.flags & ~kKnownStepFlags) != 0) Report(where + ": unknown or run-time flags");
      if (step.side < STEP_SIDE_ANY || step.side > STEP_SIDE_OTHER) Report(where + ": side out of range");
      if (step.forcedCondition < FORCED_NONE || step.forcedCondition > FORCED_DEATH) {
        Report(where + ": forced condition out of range");
      }
    }
  }

  // Lists reachable from `from` over next and extra pointers (from itself included).
  std::set<const StepList*> ReachableFrom(const StepList* from) const {
    std::set<const StepList*> seen;
    std::vector<const StepList*> open;
    if (ExtentIndex(from) >= 0) {
      seen.insert(from);
      open.push_back(from);
    }
    while (!open.empty()) {
      const StepList* list = open.back();
      open.pop_back();
      for (int k = 0; k < StepCount(list); ++k) {
        for (const StepList* target : {list[k].next, list[k].extra}) {
          if (target != nullptr && ExtentIndex(target) >= 0 && seen.insert(target).second) open.push_back(target);
        }
      }
    }
    return seen;
  }

  bool HasScoredFinding(const StepList* list) const {
    for (int k = 0; k < StepCount(list); ++k) {
      if (IsTrackedTool(list[k].tool) && list[k].points > 0) return true;
    }
    return false;
  }

  // Loops are how the data says "this stays the next move" and how the healthy lists toggle an item on and
  // off. Two kinds of loop are faults: one through an extra list (extra lists are findings, not stages),
  // and one whose step brings back a list of scored findings, which would hand the player the same points
  // again. And the chain of hinted steps, which the report and the kit count walk, must end.
  void CheckCycles() {
    for (const StepList* list : reached_) {
      for (int k = 0; k < StepCount(list); ++k) {
        const TreatmentStep& step = list[k];
        const std::string where = Name(list) + " step " + std::to_string(k);
        if (step.extra != nullptr && ReachableFrom(step.extra).count(list) != 0) {
          Report(where + ": its extra list leads back to its own list");
        }
        const bool mergesNext = step.points >= 0 && (step.flags & STEP_REMOVAL) == 0;
        if (step.next != nullptr && mergesNext && HasScoredFinding(step.next) &&
            ReachableFrom(step.next).count(list) != 0) {
          Report(where + ": its next list loops back and would score its findings again");
        }
      }
      CheckHintChain(list);
    }
  }

  void CheckHintChain(const StepList* start) {
    std::set<const StepList*> walked;
    const StepList* list = start;
    while (list != nullptr && ExtentIndex(list) >= 0) {
      if (!walked.insert(list).second || static_cast<int>(walked.size()) > kMaxHintChainLists) {
        Report(Name(start) + ": the chain of hinted steps never ends");
        return;
      }
      const StepList* next = nullptr;
      for (int k = 0; k < StepCount(list); ++k) {
        if (list[k].flags & STEP_HINT) {
          next = list[k].next;
          break;
        }
      }
      list = next;
    }
  }

  // The healthy findings seed the active steps: the glove on the head, the stethoscope on chest and back
  // must each be there once, or the exam walk's fixed slots mean nothing.
  void CheckHealthySeed() {
    if (table_.rowCount <= WOUND_HEALTHY) return;
    const StepList* seed = table_.rows[WOUND_HEALTHY].lists[0];
    if (seed == nullptr || ExtentIndex(seed) < 0) {
      Report("row 26 has no registered list 0 to seed the active steps");
      return;
    }
    int gloveOnHead = 0;
    int chest = 0;
    int back = 0;
    for (int k = 0; k < StepCount(seed); ++k) {
      const TreatmentStep& step = seed[k];
      if (IsGloveOnHead(step) && step.side == STEP_SIDE_ANY) ++gloveOnHead;
      if (step.tool == TOOL_STETHOSCOPE && step.location == LOC_CHEST) ++chest;
      if (step.tool == TOOL_STETHOSCOPE && step.location == LOC_BACK) ++back;
    }
    if (gloveOnHead != 1) Report("row 26 list 0 must hold the glove-on-head finding exactly once");
    if (chest != 1) Report("row 26 list 0 must hold the stethoscope-on-chest finding exactly once");
    if (back != 1) Report("row 26 list 0 must hold the stethoscope-on-back finding exactly once");
  }

  // A kit-head tool names the row whose list 0 is its procedure; the procedure is played with the kit's own
  // members, and the row is never drawn as a casualty.
  void CheckKits() {
    for (int tool = 0; tool < kToolCount; ++tool) {
      const ToolDef& def = ToolTable[tool];
      const bool head = (def.flags & TOOL_FLAG_KIT_HEAD) != 0;
      const std::string where = "tool " + std::to_string(tool);
      if (!head) {
        if (def.kitListRow != -1) Report(where + ": names a kit row but is no kit head");
        continue;
      }
      if (def.kitListRow < 0 || def.kitListRow >= table_.rowCount) {
        Report(where + ": kit row " + std::to_string(def.kitListRow) + " is not in the table");
        continue;
      }
      const WoundType& row = table_.rows[def.kitListRow];
      if ((row.conditionFlags & WOUND_NEVER_RANDOM) == 0) Report(where + ": its kit row may be drawn as a casualty");
      if (row.lists[0] == nullptr || ExtentIndex(row.lists[0]) < 0) {
        Report(where + ": its kit row has no registered procedure");
        continue;
      }
      for (const StepList* list : ReachableFrom(row.lists[0])) {
        for (int k = 0; k < StepCount(list); ++k) {
          const int32_t member = list[k].tool;
          if (!IsToolRow(member) || ToolTable[member].parentRow != tool) {
            Report(where + ": its procedure uses tool " + std::to_string(member) + ", which is not one of its parts");
          }
        }
      }
    }
  }

  const WoundTableView& table_;
  std::vector<std::string> problems_;
  std::vector<const StepList*> reached_;
  std::map<const StepList*, std::string> origin_;
  std::map<const StepList*, int> extentIndex_;
};

}  // namespace

WoundTableView GameWoundTable() { return {WoundTypeTable, kWoundTypeCount, kStepListExtents, kStepListExtentCount}; }

std::vector<std::string> ValidateWoundTable(const WoundTableView& table) { return TableChecker(table).Run(); }

}  // namespace kestrine
