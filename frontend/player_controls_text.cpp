#include "frontend/player_controls_text.h"

namespace kestrine {

const char* const PlayerControlsText[kPlayerControlsLines] = {
    "\x02"
    "Overhead",
    "   White Square = Your Character",
    "   Green Square = Friendly Soldier/Vehicle",
    "   Red Square = Enemy Soldier/Vehicle",
    "   Yellow Square = Wounded Friendly/Enemy Soldier",
    " ",
    "   Move your character     Point mouse and RIGHT CLICK",
    "   Shoot                   Point mouse and LEFT CLICK",
    "   Change weapon           LEFT CLICK on desired weapon",
    "   Use Radio               LEFT CLICK on radio call",
    "   Menu                    LEFT CLICK on button select item on pop-up",
    "   Move Team               LEFT CLICK on button then",
    "                           RIGHT CLICK on desired location",
    "   Drag Patient            LEFT CLICK on button then RIGHT CLICK on",
    "                           desired location.",
    "   Drop Patient            LEFT CLICK on Drop Patient button to",
    "                           release the patient.",
    "   View Patient            LEFT CLICK on button",
    " ",
    "\x02"
    "Patient",
    "   Change Camera View      UP, DOWN, LEFT, RIGHT arrow keys",
    "   Zoom in                 CTRL+UP arrow key",
    "   Zoom out                CTRL+DOWN arrow key",
    "   Re-Center Camera        RIGHT CLICK",
    "   Select Tool             LEFT CLICK on desired tool, it will appear",
    "                           on your mouse pointer",
    "   Apply Tool              Move mouse pointer to desired body part and",
    "                           LEFT CLICK",
    "   Go to Overhead View     LEFT CLICK on Map Icon, Weapon Icons or",
    "                           Overhead View button",
    " ",
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace kestrine
