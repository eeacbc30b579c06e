// AVI movies for the data tree, written with FFmpeg's AVI muxer into memory: MJPEG video painted frame by
// frame, and a 16-bit PCM soundtrack. Either may be left out (a movie with no frames has no video stream,
// one with no samples no audio stream). The bytes are the same on every run.
#pragma once

#include <functional>
#include <string>

#include "engine/engine.h"

namespace assetgen {

struct AviMovie {
  int width = 320;
  int height = 240;
  int framesPerSecond = 10;
  int frameCount = 0;
  // Paints frame `index` into `image` (width x height, handed over cleared to black).
  std::function<void(int index, engine::EngineBitmap& image)> paint;
  engine::PcmData sound;  // interleaved 16-bit, 1 or 2 channels
};

// Throws std::runtime_error when FFmpeg cannot write it (no MJPEG encoder, a size it refuses).
std::string EncodeAvi(const AviMovie& movie);

}  // namespace assetgen
