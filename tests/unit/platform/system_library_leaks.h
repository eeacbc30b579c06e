// The system's sound and display libraries that SDL loads (D-Bus, X11 locale tables) keep allocations for
// the life of the process and never free them. Tests that open a real device hold one of these while they
// run, so the leak checker of a sanitizer build reports only what our own code loses.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace kestrine::testing {

#if defined(__SANITIZE_ADDRESS__)
using SystemLibraryLeaksIgnored = __lsan::ScopedDisabler;
#else
struct SystemLibraryLeaksIgnored {};
#endif

}  // namespace kestrine::testing
