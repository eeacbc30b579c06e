// Writing the after-action report.
#include "casualty/after_action_report.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <unordered_set>

#include "casualty/casualty_slots.h"
#include "casualty/location_names.h"
#include "casualty/report_lines.h"
#include "casualty/step_interpreter.h"
#include "casualty/tool_table.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"

namespace kestrine {

namespace {

constexpr int32_t kEnemyLeaderAppearance = 3;

const char* ToolName(int32_t tool) { return IsToolRow(tool) ? kToolData[tool].name : ""; }

std::string Printf(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* pattern, ...) {
  char text[256];
  va_list args;
  va_start(args, pattern);
  std::vsnprintf(text, sizeof text, pattern, args);
  va_end(args);
  return text;
}

void Line(const std::string& text) { AppendReportLine(text); }
void EmptyLine() { AppendReportLine(""); }
void Formatted(const std::string& text) { AppendReportLine(std::string(1, kReportFormatted) + text); }
void Styled(ReportStyle style, const std::string& text) {
  AppendReportLine(std::string{kReportFormatted, static_cast<char>(style)} + text);
}

// How the mission ended, and what that does to its score.
void WriteMissionEnd() {
  switch (Outcome().missionEndFlag) {
    case END_EVACUATED: {
      const int32_t bonus = Outcome().earlyFinishTime / kEarlyFinishMsPerPoint;
      Formatted(Printf("Time Bonus:         %d", bonus));
      AddMissionPoints(bonus);
      break;
    }
    case END_TIME_OUT:
      Formatted("Time ran out");
      break;
    case END_MISTAKES:
      Formatted("You performed improper treatments!");
      ZeroPositiveMissionScore();
      break;
    case END_FRIENDLY_FIRE:
      Formatted("You were shooting at our own!");
      ZeroPositiveMissionScore();
      break;
    case END_TIME_OUT_SOLDIERS_OUT:
      Formatted("Not all wounded extracted properly:");
      Formatted(Printf("%d point deduction", Outcome().extractionBonus));
      AddMissionPoints(-Outcome().extractionBonus);
      EmptyLine();
      break;
    default:
      break;
  }
}

// The mission's score, and for the campaign the running total.
void WriteScores() {
  if (Campaign().missionNumber == kTrainingMission) {
    MissionMaximumIsScore();
  } else {
    Formatted(Printf("Mission Score: %d/%d", Progress().missionScore, Progress().missionMaximum));
    if (Campaign().missionNumber >= 1 && Campaign().missionNumber <= kLastCampaignMission) {
      Formatted(Printf("Total Score:       %d/%d", Progress().campaignScore + Progress().missionScore,
                       Progress().campaignMaximum + Progress().missionMaximum));
    }
  }
  EmptyLine();
}

void WriteEnemyLeader(const Patient& patient) {
  const bool captured = !patient.dead && patient.maxScore > 0 &&
                        static_cast<int64_t>(patient.score) * 100 / patient.maxScore > kLeaderCapturePercent;
  if (captured) {
    SetLoserEnding(false);
    Line(kLeaderCapturedLine);
  } else if (!patient.dead) {
    Line(Printf("Vidoduv not properly treated: %d/%d", patient.score, patient.maxScore));
  } else {
    Line("Vidoduv died");
  }
}

const WoundType& WoundOf(const Patient& patient) {
  return WoundTypeTable[IsWoundRow(patient.currentWound) ? patient.currentWound : 0];
}

void WriteWoundHeading(const Patient& patient) {
  const WoundType& wound = WoundOf(patient);
  Formatted(std::string(kReportRuleLength, '-'));
  for (int i = 0; i < wound.titleLineCount && i < kMaxTitleLines; ++i) {
    Styled(REPORT_STYLE_WOUND_TITLE, wound.titleLines[i] ? wound.titleLines[i] : "");
  }
  if (Campaign().difficulty == 0) {
    for (int i = 0; i < wound.descriptionLineCount && i < kMaxDescriptionLines; ++i) {
      Line(wound.descriptionLines[i] ? wound.descriptionLines[i] : "");
    }
  }
  EmptyLine();
}

void WriteCorrectTreatments(const Patient& patient) {
  Styled(REPORT_STYLE_CORRECT, "Correct treatments:");
  for (const LoggedAction& done : patient.doneSteps) {
    if (done.step == nullptr) continue;
    const char* pattern = (done.step->flags & STEP_REMOVAL) ? "Removed %s from %s" : "%s to %s";
    Line(Printf(pattern, ToolName(done.step->tool), BodyLocationName(done.location)));
  }
  if (patient.verdict == VERDICT_RIGHT) Line(patient.IsReturnableToAction() ? "Returned to action" : "Called for Evac");
}

void WriteMissedTreatments(Patient& patient) {
  EmptyLine();
  Styled(REPORT_STYLE_MISSED, "Missed treatments:");
  CollectUnfinishedSteps(patient);
  for (const ActiveStep& missed : patient.missedSteps) {
    Line(Printf("%s to %s", ToolName(missed.tool), StepLocationName(missed, patient.side)));
  }
  for (const StepList* list : WoundOf(patient).lists) {
    for (const TreatmentStep* step : MissedHintSteps(patient, list)) {
      const char* pattern = (step->flags & STEP_REMOVAL) ? "Remove %s from %s" : "%s to %s";
      Line(Printf(pattern, ToolName(step->tool), StepLocationName(*step, patient.side)));
    }
  }
  if (patient.verdict == VERDICT_NONE) Line(patient.IsReturnableToAction() ? "Return to action" : "Ready for Evac");
}

void WriteUnnecessaryTreatments(const Patient& patient) {
  EmptyLine();
  Styled(REPORT_STYLE_UNNECESSARY, "Unnecessary treatments:");
  for (const LoggedAction& wrong : patient.wrongActions) {
    if (wrong.step == nullptr || (wrong.step->flags & STEP_REMOVAL)) continue;
    if (wrong.step->tool == TOOL_ROLLOVER_DRAG) {
      Line("Moved before stabilizing");
    } else {
      Line(Printf("%s to %s", ToolName(wrong.step->tool), BodyLocationName(wrong.location)));
    }
  }
  if (patient.verdict == VERDICT_WRONG) {
    Line(patient.IsReturnableToAction() ? "Readied for Evac" : "Attempted return to action");
  }
}

void WritePatient(int slot) {
  Patient& patient = *Slots().casualties[slot];
  if (patient.appearance == kEnemyLeaderAppearance) WriteEnemyLeader(patient);
  if (!patient.visited) return;
  WriteWoundHeading(patient);
  WriteCorrectTreatments(patient);
  WriteMissedTreatments(patient);
  WriteUnnecessaryTreatments(patient);
  EmptyLine();
  if (HasCasualty(slot + 1)) {
    EmptyLine();
    EmptyLine();
  }
}

// A kit's last step logged on a location the wound step covers: the kit-head step of the wound is done.
bool IsKitProcedureDone(const Patient& patient, const TreatmentStep& step) {
  if (!IsToolRow(step.tool) || (kToolData[step.tool].flags & TOOL_FLAG_KIT_HEAD) == 0) return false;
  for (const LoggedAction& done : patient.doneSteps) {
    if (done.step == nullptr || !IsToolRow(done.step->tool)) continue;
    if (kToolData[done.step->tool].parentRow != step.tool || done.step->tool == step.tool) continue;
    if (IsListEnd(done.step->next) && RegionsOverlap(done.location, step.location)) return true;
  }
  return false;
}

}  // namespace

bool IsStepDone(const Patient& patient, const TreatmentStep& step) {
  for (const LoggedAction& done : patient.doneSteps) {
    const TreatmentStep* logged = done.step;
    if (logged == nullptr) continue;
    if (logged->tool == step.tool && logged->location == step.location && logged->side == step.side &&
        (logged->flags & STEP_REMOVAL) == (step.flags & STEP_REMOVAL)) {
      return true;
    }
  }
  // Kits log the step of the kit that was matched, not the wound's kit-head step it completed.
  return (step.flags & STEP_REMOVAL) == 0 && IsKitProcedureDone(patient, step);
}

std::vector<const TreatmentStep*> MissedHintSteps(const Patient& patient, const StepList* list) {
  std::vector<const TreatmentStep*> missed;
  // A chain that leads back to a step already seen ends there, whatever the content holds.
  std::unordered_set<const TreatmentStep*> seen;
  const TreatmentStep* step = list;
  while (!IsListEnd(step)) {
    if ((step->flags & STEP_HINT) == 0) {
      ++step;
      continue;
    }
    if (!seen.insert(step).second) break;
    if (!IsStepDone(patient, *step)) missed.push_back(step);
    step = step->next;
  }
  return missed;
}

void WriteAfterActionReport() {
  ClearReport();
  WriteMissionEnd();
  WriteScores();
  SetLoserEnding(true);
  for (int slot = 0; slot < kCasualtySlotCount; ++slot) {
    if (!HasCasualty(slot)) continue;
    if (Campaign().missionNumber != kTrainingMission) WritePatient(slot);
    DeleteCasualty(slot);
  }
}

}  // namespace kestrine
