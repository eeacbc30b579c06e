// Storage of the chosen player figure until the campaign record holds it.
#include "casualty/player_figure.h"

namespace kestrine {

namespace {
int32_t chosenFigure = 0;
}  // namespace

int32_t ChosenPlayerFigure() { return chosenFigure; }
void SetChosenPlayerFigure(int32_t figure) { chosenFigure = figure; }

}  // namespace kestrine
