// PlayMovies: the whole show around a run of the movie player. The engine's window is minimised and its
// display mode left while the movies play in front; afterwards the still images stand in where the sound
// device failed, and the engine's screen comes back.
#pragma once

#include <cstdint>

namespace kestrine {

// Queues `name` with `flag` when it is not empty, then plays the queue and returns when all have played.
// An empty queue (every file missing) plays nothing and leaves the engine's window alone.
void PlayMovies(const char* name, int32_t flag);

}  // namespace kestrine
