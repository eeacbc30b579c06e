#include "frontend/award_texts.h"

#include <algorithm>

namespace kestrine {

const char* const RankTitles[kRankTitleCount] = {
    "Sergeant - E5",
    "Staff Sergeant - E6",
    "Sergeant First Class - E7",
    "Master Sergeant - E8",
};

const char* const AwardDescriptions[kAwardDescriptionCount] = {
    // Ribbon 0
    "Medal of Honor. The highest award for valor in action against an enemy force, given for "
    "conspicuous gallantry at the risk of life above and beyond the call of duty.",
    // Ribbon 1
    "Distinguished Service Cross. Awarded for extraordinary heroism in combat with an armed enemy, "
    "at great personal risk and beyond what is asked of any soldier.",
    // Ribbon 2
    "Distinguished Service Medal. Awarded for exceptionally meritorious service in a duty of great "
    "responsibility, whose success changed the outcome of the operation.",
    // Ribbon 3
    "Silver Star. Awarded for gallantry in action against an enemy, for courage that saved the lives "
    "of fellow soldiers under fire.",
    // Ribbon 4
    "Legion of Merit. Awarded for exceptionally meritorious conduct in the performance of outstanding "
    "service, carried out with skill and sound judgement.",
    // Ribbon 5
    "Bronze Star. Awarded for heroic or meritorious achievement in a combat zone, for steady work done "
    "well while the fighting went on.",
    // Ribbon 6
    "Purple Heart. Awarded to a soldier wounded or killed by enemy action while serving with the armed "
    "forces.",
    // Ribbon 7
    "Army Commendation Medal. Awarded for acts of courage and for sustained meritorious service that "
    "stand out among the work of fellow soldiers.",
    // Badge 0
    "Combat Medical Badge. Worn by medics who gave medical care to the wounded while under enemy fire, "
    "sharing the dangers of the soldiers they served.",
    // Badge 1
    "Expert Field Medical Badge. Earned by medical personnel who pass a demanding test of field medical "
    "skill, endurance and care of casualties in the field.",
    // Badge 2
    "Special Forces Tab. Worn by soldiers who complete the hard qualification course of the special "
    "forces and serve with its teams behind the lines.",
};

const char* RankTitle(int32_t promotionCount) {
  return RankTitles[std::clamp<int32_t>(promotionCount, 0, kRankTitleCount - 1)];
}

}  // namespace kestrine
