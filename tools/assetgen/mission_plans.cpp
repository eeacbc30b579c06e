#include "tools/assetgen/mission_plans.h"

#include <stdexcept>

#include "battlefield/vehicle_kind.h"
#include "tools/assetgen/mission_terrain.h"

namespace assetgen {

namespace {

using namespace kestrine;

// Each table: the medic, the extraction point and the evacuation candidates, the enemy respawn points,
// the squads' waypoints (an advancing unit's patrol names the entry it walks to next; a follower's patrol
// names its leader's unit slot), the fighting units (slots 1, 2, ... in table order), and the casualties'
// places (injury 1; in the training missions the injury is the casualty's starting state: 2 already
// treated, 1 waiting). Nothing stands on a level object or outside +-76.

const PlanEntry kMission1[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -72},         // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -20, -68},    // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -46, -64},      // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 34, -72},       // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -60, 64},         // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 58, 66},          // 5
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 4, 74},           // 6
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 8, -40, -22},     // 7
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -42, 12},  // 8
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 7, -12, -66},      // 9, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -6, -70},        // 10, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, 24, -40},        // 11, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -16, -56},  // 12, unit 4
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -50, 48},       // 13, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 46, 56},        // 14, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 6, 64},           // 15, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -30, 58},       // 16, unit 8
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -44, 26},          // 17
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 44, 36},           // 18
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 48, 2},            // 19
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -48, -24},         // 20
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 26, -38},          // 21
};

const PlanEntry kMission2[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 4, -74},        // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, 12, -72},    // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 50, -70},      // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -52, -50},     // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -50, 72},        // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 44, 72},         // 5
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 7, 44, -30},     // 6
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, 48, 30},  // 7
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 6, 20, -68},      // 8, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, 20, -76},       // 9, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, -40, -30},      // 10, unit 3
    {STRATEGY_START, ALLY, TRUCK, 0, ORDERS_NONMOVING, 0, -46, 2},   // 11, unit 4
    {STRATEGY_START, ALLY, TRUCK, 0, ORDERS_NONMOVING, 0, 50, 0},    // 12, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -40, 70},      // 13, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 0, 72},        // 14, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 38, 66},       // 15, unit 8
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, -4, 46},         // 16, unit 9
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -38, 10},         // 17
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 40, -6},          // 18
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -36, -8},         // 19
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 50, 44},          // 20
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -48, 50},         // 21
};

const PlanEntry kMission3[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, -60, -72},       // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -66, -60},    // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -66, -60},      // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 60, -72},       // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 60, 70},          // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -60, 72},         // 5
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 7, -50, -20},     // 6
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -52, 30},  // 7
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 6, -70, -68},      // 8, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -64, -66},       // 9, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -72, -74},       // 10, unit 3
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 54, 56},        // 11, unit 4
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 60, 20},        // 12, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 50, -52},         // 13, unit 6
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -36, 54},          // 14
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 46, 6},            // 15
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -24, -48},         // 16
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 28, 62},           // 17
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -54, 6},           // 18
};

const PlanEntry kMission4[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, -60, -74},       // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -62, -60},    // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -62, -60},      // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 60, -62},       // 3
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -60, 10},       // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 62, 72},          // 5
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -62, 72},         // 6
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 70, 40},          // 7
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 9, -50, -10},     // 8
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -54, 40},  // 9
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 8, -66, -70},      // 10, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -70, -64},       // 11, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, 52, -40},        // 12, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -48, -48},  // 13, unit 4
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 58, 56},        // 14, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -56, 64},       // 15, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 56, 10},        // 16, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 30, 62},          // 17, unit 8
    {STRATEGY_START, ENEMY, TRUCK, 0, ORDERS_NONE, 0, 66, 64},        // 18, unit 9
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 54, 26},           // 19
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -56, 22},          // 20
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 46, -14},          // 21
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -46, 4},           // 22
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 60, 46},           // 23
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -16, 56},          // 24
};

const PlanEntry kMission5[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -72},       // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -20, -70},  // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -20, -70},    // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 30, -72},     // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 0, 72},         // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -64, 66},       // 5
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 64, 66},        // 6
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 8, 0, -18},     // 7
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, 0, 24},  // 8
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 7, -6, -66},     // 9, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, 6, -66},       // 10, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, 0, -62},       // 11, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, -56, -40},     // 12, unit 4
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -26, 60},     // 13, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 24, 56},      // 14, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 0, 28},       // 15, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, -52, 24},     // 16, unit 8
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 52, 22},        // 17, unit 9
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -28, -6},        // 18
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 22, 44},         // 19
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 44, -22},        // 20
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -56, 42},        // 21
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 58, 52},         // 22
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -30, -22},       // 23
};

const PlanEntry kMission6[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, -10, -70},        // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -30, -66},     // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -30, -66},       // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 30, -68},        // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 72, 40},           // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 72, -30},          // 5
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 70, 70},           // 6
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 8, 30, -30},       // 7
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFEND, 0, 64, 16},         // 8
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 7, -20, -60},       // 9, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -24, -54},        // 10, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -14, -54},        // 11, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -40, -40},   // 12, unit 4
    {STRATEGY_START, ALLY, HUMMER, 0, ORDERS_NONMOVING, 0, -60, -60},  // 13, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 66, 30},         // 14, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 66, -14},        // 15, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 70, 52},         // 16, unit 8
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 64, -40},          // 17, unit 9
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -24, 12},           // 18
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 44, 10},            // 19
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -16, 50},           // 20
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 20, 54},            // 21
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -54, 20},           // 22
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 44, -28},           // 23
};

const PlanEntry kMission7[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -74},         // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, 16, -72},     // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 16, -72},       // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -60, -64},      // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -66, 70},         // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 66, 70},          // 5
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 0, 74},           // 6
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 8, -54, -20},     // 7
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -56, 12},  // 8
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 10, 56, -6},      // 9
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFEND, 0, 58, 20},        // 10
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 7, -10, -68},      // 11, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -16, -72},       // 12, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 9, 10, -64},       // 13, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCENDRAG, 9, 22, -60},  // 14, unit 4
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -30, 64},       // 15, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 30, 62},        // 16, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, -58, 40},       // 17, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 56, 40},        // 18, unit 8
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 4, 56},           // 19, unit 9
    {STRATEGY_START, ENEMY, TRUCK, 0, ORDERS_NONMOVING, 0, -12, 66},  // 20, unit 10
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -40, 4},           // 21
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 40, -8},           // 22
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -26, -22},         // 23
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 30, 40},           // 24
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -26, 52},          // 25
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 62, -34},          // 26
};

const PlanEntry kMission8[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, -10, -76},       // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -26, -72},    // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -26, -72},      // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 40, -74},       // 3
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -66, -66},      // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -40, 74},         // 5
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 40, 74},          // 6
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -70, 60},         // 7
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 70, 60},          // 8
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 10, -30, -36},    // 9
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -32, -2},  // 10
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 9, -10, -68},      // 11, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -16, -72},       // 12, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -8, -62},        // 13, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, 30, -34},        // 14, unit 4
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, -64, -40},       // 15, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -30, 64},       // 16, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 36, 60},        // 17, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, -6, 44},        // 18, unit 8
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 66, 40},          // 19, unit 9
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -20, -42},         // 20
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 16, -36},          // 21
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -36, 20},          // 22
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 34, 14},           // 23
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -64, -4},          // 24
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 64, -28},          // 25
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 8, 40},            // 26
};

const PlanEntry kMission9[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -74},          // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -14, -74},     // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -14, -74},       // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 40, -72},        // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 0, 74},            // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -66, 70},          // 5
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 66, 70},           // 6
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 70, 36},           // 7
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 9, -60, -36},      // 8
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -60, 20},   // 9
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 11, 60, -36},      // 10
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFEND, 0, 60, 0},          // 11
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 8, -20, -68},       // 12, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -26, -72},        // 13, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -20, -62},        // 14, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 10, 20, -68},       // 15, unit 4
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCENDRAG, 10, 26, -72},  // 16, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -20, 62},        // 17, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 20, 60},         // 18, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 0, 66},          // 19, unit 8
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, -60, 40},        // 20, unit 9
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 60, 50},         // 21, unit 10
    {STRATEGY_START, ENEMY, ENEMYAPC, 0, ORDERS_NONE, 0, 0, 30},       // 22, unit 11
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -40, -38},          // 23
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 40, -34},           // 24
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -24, 14},           // 25
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 34, 12},            // 26
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -50, 50},           // 27
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 52, -54},           // 28
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 6, 30},             // 29
};

const PlanEntry kMission10[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -74},         // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -20, -72},    // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -20, -72},      // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 50, -70},       // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -66, 70},         // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 66, 70},          // 5
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_ADVANCE, 7, -50, -20},     // 6
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -52, 24},  // 7
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 6, -10, -68},      // 8, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -14, -62},       // 9, unit 2
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -4, -62},        // 10, unit 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, 56, -30},        // 11, unit 4
    {STRATEGY_START, ALLY, HUMMER, 0, ORDERS_NONMOVING, 0, 20, -66},  // 12, unit 5
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -20, 64},       // 13, unit 6
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 20, 64},        // 14, unit 7
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, -58, 50},       // 15, unit 8
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, 58, 30},        // 16, unit 9
    {STRATEGY_START, ENEMY, TRUCK, 0, ORDERS_NONMOVING, 0, 60, 62},   // 17, unit 10
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 16, 4},            // 18
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -44, 2},           // 19
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 44, -12},          // 20
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -30, 36},          // 21
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 46, 36},           // 22
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -60, -40},         // 23
};

const PlanEntry kMission11[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -60},       // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -30, -66},  // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -30, -66},    // 2
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 0, 72},         // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 50, 70},        // 4
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 20, 52},      // 5, unit 1
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_ATTACK, 0, -30, 56},     // 6, unit 2
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_NONE, 0, 50, 40},        // 7, unit 3
    {STRATEGY_START, ALLY, MAN, 2, ORDERS_NONE, 0, 30, 10},         // 8
    {STRATEGY_START, ALLY, MAN, 2, ORDERS_NONE, 0, -20, 30},        // 9
    {STRATEGY_START, ALLY, MAN, 2, ORDERS_NONE, 0, 44, -22},        // 10
};

const PlanEntry kMission12[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -50},     // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, 0, -66},  // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 0, -66},    // 2
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 0, 74},       // 3
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, -20, -56},   // 4, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_DEFEND, 0, 20, -56},    // 5, unit 2
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -6, -62},      // 6
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 6, -62},       // 7
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 2, -70},       // 8
};

const PlanEntry kMission13[] = {
    {STRATEGY_START, PLAYER, MAN, 0, ORDERS_NONE, 0, 0, -66},          // 0
    {STRATEGY_EXTRACTION, ALLY, MAN, 0, ORDERS_NONE, 0, -40, -66},     // 1
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, -40, -66},       // 2
    {STRATEGY_2EXTRACT, ALLY, MAN, 0, ORDERS_NONE, 0, 40, -66},        // 3
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, 0, 74},            // 4
    {STRATEGY_SPAWN, ENEMY, MAN, 0, ORDERS_NONE, 0, -50, 70},          // 5
    {STRATEGY_PATROL, ALLY, MAN, 0, ORDERS_DEFENDNDRAG, 0, -10, -20},  // 6
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_ADVANCE, 6, -10, -60},       // 7, unit 1
    {STRATEGY_START, ALLY, MAN, 0, ORDERS_FOLLOW, 1, -16, -62},        // 8, unit 2
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, -20, 60},        // 9, unit 3
    {STRATEGY_START, ENEMY, MAN, 0, ORDERS_DEFEND, 0, 30, 64},         // 10, unit 4
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 20, 20},            // 11
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, -30, 10},           // 12
    {STRATEGY_START, ALLY, MAN, 1, ORDERS_NONE, 0, 36, -30},           // 13
};
template <size_t N>
constexpr MissionPlan Plan(const PlanEntry (&entries)[N]) {
  return {entries, static_cast<int32_t>(N)};
}

constexpr MissionPlan kPlans[kPlannedMissionCount] = {
    Plan(kMission1),  Plan(kMission2),  Plan(kMission3),  Plan(kMission4), Plan(kMission5),
    Plan(kMission6),  Plan(kMission7),  Plan(kMission8),  Plan(kMission9), Plan(kMission10),
    Plan(kMission11), Plan(kMission12), Plan(kMission13),
};

}  // namespace

MissionPlan MissionPlanOf(int mission) {
  if (mission < 1 || mission > kPlannedMissionCount) throw std::out_of_range("mission number");
  return kPlans[mission - 1];
}

int TerrainFolderOf(int mission) { return mission > 10 ? 4 : mission; }

void BuildStrategyTable(int mission, StrategyEntry (&entries)[kStrategyEntryCount], int32_t& count) {
  const MissionPlan plan = MissionPlanOf(mission);
  if (plan.count > kStrategyEntryCount) throw std::length_error("strategy plan longer than the table");
  const TerrainHeights heights = MissionTerrainHeights(TerrainFolderOf(mission));
  for (StrategyEntry& e : entries) e.Reset();
  for (int32_t i = 0; i < plan.count; ++i) {
    const PlanEntry& p = plan.entries[i];
    StrategyEntry& e = entries[i];
    e.StoreAt(Vector3(p.x, TerrainGroundY(heights, p.x, p.z), p.z));
    e.side = p.side;
    e.vehicle = p.vehicle;
    e.injury = p.injury;
    e.patrol = p.patrol;
    e.orders = p.orders;
    e.type = p.type;
  }
  count = plan.count;
}

}  // namespace assetgen
