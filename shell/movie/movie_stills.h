// The stand-ins for movies that could not be played: each queued movie's still image (".qjp") with its
// sound (".qwv") through the engine when the sound device failed, and the still of an ending shown until
// the player presses something.
#pragma once

namespace kestrine {

// Every queued movie in order: its still on the screen while its sound plays out (a press cuts it short).
void ShowMovieStillWithSound();
// The last queued movie's still, silent, until a press.
void ShowMovieStill();

}  // namespace kestrine
