#include "frontend/campaign_awards.h"

#include <string>

#include "frontend/briefing_screen.h"
#include "frontend/briefing_speech.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

struct CampaignAwardState {
  int32_t debriefTier = 0;
};
CampaignAwardState campaignAwardState;
KESTRINE_PROGRAM_STATE(campaignAwardState);

// The tier a mission's debriefing must reach for its award: the later the mission, the better the work.
int32_t AwardThreshold(int32_t mission) {
  if (mission < 4) return 7;
  if (mission >= 7) return 9;
  return 8;
}

// The ribbon of missions 4..9: mission 4 gives the commendation medal (7), the others count down from the
// service cross of mission 9 (1) to the bronze star of mission 5 (5).
int32_t RibbonOfMission(int32_t mission) { return mission == 4 ? 7 : kLastCampaignMission - mission; }

// The campaign's share of its maximum. A campaign whose maxima add up to nothing (or less) is measured
// against 1, as the debriefing measures a mission without casualties, so there is always a quotient.
double CampaignShare(const MissionProgress& progress) {
  const int32_t maximum = progress.campaignMaximum > 0 ? progress.campaignMaximum : 1;
  return static_cast<double>(progress.campaignScore) / maximum;
}

bool Promotes(const MissionProgress& p, int32_t mission) {
  switch (mission) {
    case 3:
      return p.lastBadge > 0;
    case 6:
      return p.ribbonTotal > 1;
    case 9:
      return (p.ribbonCount[1] > 0) + (p.ribbonCount[2] > 0) + (p.ribbonCount[3] > 0) > 2;
    default:
      return false;
  }
}

std::string Numbered(const char* name, int32_t n) { return name + std::to_string(n); }

}  // namespace

int32_t DebriefTier() { return campaignAwardState.debriefTier; }

void RecordDebriefTier(int32_t tier) { campaignAwardState.debriefTier = tier; }

MissionAwards DecideMissionAwards(const MissionProgress& progress, int32_t mission, int32_t tier) {
  MissionAwards awards;
  if (mission < 1 || mission > kLastCampaignMission) return awards;
  if (tier >= AwardThreshold(mission)) {
    if (mission < 4) {
      awards.badge = mission - 1;
    } else if (mission < kLastCampaignMission) {
      awards.ribbon = RibbonOfMission(mission);
    } else if (CampaignShare(progress) > 0.9) {
      awards.ribbon = 0;
    }
  }
  MissionProgress after = progress;
  ApplyMissionAwards(after, awards);
  awards.promoted = Promotes(after, mission);
  return awards;
}

void ApplyMissionAwards(MissionProgress& progress, const MissionAwards& awards) {
  AddMedals(progress, awards.badge, awards.ribbon, awards.promoted);
}

void AwardMissionMedals() {
  StopBriefingSpeech();
  const int32_t mission = Campaign().missionNumber;
  const MissionAwards awards = DecideMissionAwards(Progress(), mission, campaignAwardState.debriefTier);
  AwardMedals(awards.badge, awards.ribbon, awards.promoted);
  if (awards.badge >= 0) QueueMovie(Numbered("badge", awards.badge).c_str(), MOVIE_SKIPPABLE);
  if (awards.ribbon >= 0) QueueMovie(Numbered("ribbon", awards.ribbon).c_str(), MOVIE_SKIPPABLE);

  if (mission < kLastCampaignMission) {
    AdvanceMission();
    HideBriefingElement();
    PlayMovies("", 0);
    SetGameState(STATE_BRIEFING);
    return;
  }
  const char* ending = Outcome().loserEnding ? "loser" : "winner";
  QueueMovie(Numbered(ending, Progress().playerFigure).c_str(), MOVIE_SHOW_STILL_AFTER);
  HideBriefingElement();
  PlayMovies("", 0);
  SetGameState(STATE_FINISH);
}

void AdvanceTraining() {
  HideBriefingElement();
  if (Campaign().missionNumber < kLastTrainingMission) {
    AdvanceMission();
    SetGameState(STATE_BRIEFING);
    return;
  }
  EndTraining();
  // Entering the main menu draws the opening backdrop and the menu.
  SetGameState(STATE_MAIN_MENU);
}

}  // namespace kestrine
