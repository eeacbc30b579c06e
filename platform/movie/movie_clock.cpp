#include "platform/movie/movie_clock.h"

#include "platform/clock.h"
#include "platform/desktop.h"

namespace kestrine {

namespace {

uint32_t virtualNow = 0;

}  // namespace

bool MovieClockIsVirtual() { return !DesktopHasDisplay(); }

uint32_t MovieClockNow() { return MovieClockIsVirtual() ? virtualNow : timeGetTime(); }

void MovieClockSleep(uint32_t ms) {
  if (MovieClockIsVirtual()) {
    virtualNow += ms;
  } else {
    Sleep(ms);
  }
}

}  // namespace kestrine
