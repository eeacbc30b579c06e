// A framed message box that stays on the text overlay for a number of frames (the medic's remarks and the
// hints of the patient view). The box is laid out once by Show and copied every frame by Update.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/engine.h"

namespace kestrine {

class TimedMessage {
 public:
  void Create(int32_t margin);
  // The box's background: its image's colour key and the text's back colour.
  void SetColours(int32_t r, int32_t g, int32_t b);
  // Lays the text out in lines of at most about 200 pixels. A position below 1.0 is a screen fraction and
  // moves the box; 1.0 or more keeps the box where it was.
  void Show(std::string_view text, float x, float y, int32_t frames);
  // Each frame: while frames remain, counts one down and copies the box onto the text overlay.
  void Update();
  void Release();

  int32_t keyR = 255, keyG = 255, keyB = 192;
  int32_t x = 0, y = 0;
  int32_t width = 0, height = 0;
  int32_t framesLeft = 0;
  int32_t margin = 0;
  engine::EngineRef<engine::EngineBitmap> box;
  engine::EngineRef<engine::EngineTextFont> text;
};

}  // namespace kestrine
