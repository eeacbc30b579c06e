#include "frontend/figure_texts.h"

namespace kestrine {

const char* const FigureNames[kFigureCount] = {"Tavian Rusk", "Corvin Adale", "Jory Malek"};

const char* const FigureBiographies[kFigureCount][kBiographySlots] = {
    {
        "Known in the company as",
        "\"Doc Iron\" since he carried",
        "a wounded gunner two miles",
        "down a rocky ridge at night.",
        "",
        "Grew up on a cattle ranch",
        "outside a prairie town, the",
        "eldest of five brothers.",
        "",
        "Married to his school friend",
        "Anna; their daughter Lise",
        "was born while he trained.",
        "",
        "Off duty he fixes old",
        "motorcycles, fishes the",
        "river and plays a loud",
        "harmonica badly.",
    },
    {
        "Called \"Professor\" for the",
        "pocket books he reads on",
        "every flight and convoy.",
        "",
        "Raised in a harbour city,",
        "the son of a night nurse",
        "and a ferry captain.",
        "",
        "Single, and writes long",
        "letters to his mother and",
        "his twin sister every week.",
        "",
        "Plays chess by mail, runs",
        "marathons and paints small",
        "watercolours of the camp.",
    },
    {
        "The platoon calls him",
        "\"Sparrow\": the smallest man",
        "in the unit and the fastest",
        "over open ground.",
        "",
        "Comes from a mountain",
        "village where his father",
        "still keeps the bakery.",
        "",
        "Engaged to Mara, a teacher",
        "who sends him a photograph",
        "of the valley each month.",
        "",
        "Climbs rock, plays the",
        "guitar at every campfire",
        "and never loses at cards",
        "for long.",
    },
};

const char* FigureName(int32_t figure) {
  return figure >= 0 && figure < kFigureCount ? FigureNames[figure] : FigureNames[0];
}

}  // namespace kestrine
