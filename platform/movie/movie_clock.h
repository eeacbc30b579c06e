// The clock the movie player runs on. On a desktop it is the system's millisecond clock. Without a display
// (a headless run, the tests) it is virtual: it moves only when the player sleeps or waits for a message,
// so a movie takes no real time there and always ends, whatever the machine is doing.
#pragma once

#include <cstdint>

namespace kestrine {

// True when the desktop has no display: the clock is then virtual.
bool MovieClockIsVirtual();
// Milliseconds, wrapping like timeGetTime.
uint32_t MovieClockNow();
// Sleeps (or moves the virtual clock on) by ms.
void MovieClockSleep(uint32_t ms);

}  // namespace kestrine
