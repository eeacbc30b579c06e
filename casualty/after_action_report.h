// The after-action report written when a mission ends: the mission's result and score, then for every
// casualty the medic saw what was done right, what was missed and what was done for nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "casualty/patient.h"
#include "casualty/wound_types.h"

namespace kestrine {

constexpr int kReportRuleLength = 63;  // the dashes that open a patient's part of the report
constexpr int32_t kEarlyFinishMsPerPoint = 30000;
constexpr int32_t kTrainingMission = 11;
constexpr int32_t kLastCampaignMission = 10;
constexpr int32_t kLeaderCapturePercent = 79;  // the enemy leader must be treated to more than this share
// The report's line for the enemy leader taken alive; saved debriefings tell the ending by it.
constexpr const char* kLeaderCapturedLine = "Vidoduv captured";

// Rebuilds the report from the mission-end flag, the scores and the casualty slots, and deletes every
// casualty on the way (each slot ends empty). The mission score takes the time bonus or the penalties;
// loserEnding is set unless the enemy leader was captured.
void WriteAfterActionReport();

// Whether a step the wound's lists offer as a hint has been done to the patient: the same tool on the same
// location and side, put on or taken off alike, or a kit procedure run to its end on that location.
bool IsStepDone(const Patient& patient, const TreatmentStep& step);

// The hint steps of a wound list the patient has not had done, in the order the list leads to them: a step
// without the hint flag is passed over within its list, a hint step leads on to its own next list.
std::vector<const TreatmentStep*> MissedHintSteps(const Patient& patient, const StepList* list);

}  // namespace kestrine
