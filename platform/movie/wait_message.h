// Waiting for the next message in a loop of our own (the movie player's), and gathering the messages that
// come from outside the queue: input to our windows and the wave-out device's notifications.
#pragma once

#include <functional>

namespace kestrine {

// Posts what came from outside since the last call: window input (window_input.h) and wave-out
// notifications (wave_out.h). A loop calls it before it takes its messages.
void GatherOutsideMessages();

// Returns when a message waits, or after a short time in which none came (a few milliseconds: a movie
// must move on even when nothing happens). On the virtual movie clock that time passes at once.
void WaitMessage();

// Tests watch a modal loop through this: it runs at the start of every WaitMessage, where a test can post
// the input a person would give at that moment. Null removes it.
void SetWaitMessageHook(std::function<void()> hook);

}  // namespace kestrine
