// The file test the movie player makes before it queues a movie or shows a still, on game paths
// ("avi\ostrel.avi", matched without regard to case: engine/game_path.h).
#pragma once

namespace kestrine {

// 0 when the file exists (every mode is treated as a test for existence), -1 otherwise.
int _access(const char* gamePath, int mode);

}  // namespace kestrine
