// The system's millisecond clock and sleep, as the movie player and waits use them.
#pragma once

#include <cstdint>

namespace kestrine {

// Milliseconds since an arbitrary start, wrapping like the system's 32-bit clock.
uint32_t timeGetTime();
void Sleep(uint32_t ms);

}  // namespace kestrine
