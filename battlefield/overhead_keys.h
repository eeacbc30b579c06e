// The overhead view's keys. The player's: Escape pauses, Up and Down step through the three camera views,
// 'R' steps through the weapons (rifle, pistol, grenades), 'C' lets go of a dragged casualty.
//
// The developer's: F9 arms (and disarms), F10 raises an armed sequence to the developer level, F8 goes there
// at once. The strategy editor's keys come first while it is on (F7 at that level switches it; see
// strategy_editor.h), then at that level the placement tool (F6) and its keys, and these cheats answer a press:
//   V  the nearest casualty's patient view at once     E  the mission ends, evacuated
//   K  the medic is killed                            D  the next difficulty (0, 1, 2, 0 ...)
//   G  (or C when not dragging) drag the nearest one  I  invulnerable on / off
//   U  fire with nothing left, ten grenades           F  the mission clock frozen / running
//   T  the mission clock at 1001 ms                   A  300 rifle rounds
//   X  the first waiting casualty readied             P  right clicks move the medic at once on / off
//   L  the medic's position shown on / off            S  the mission's score at its maximum (100 of 100
//   H  45 of 100 (a mission without a maximum)           when there is none)
//   N  the walking grid drawn once                    Z  the camera view and the volumes reset
#pragma once

namespace kestrine {

constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_UP = 0x26;
constexpr int VK_DOWN = 0x28;
constexpr int VK_LEFT = 0x25;
constexpr int VK_RIGHT = 0x27;

// One key of state 17: the Windows virtual-key code and whether it went down.
void OverheadKey(int key, bool down);

}  // namespace kestrine
