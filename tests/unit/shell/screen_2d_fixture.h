// What the 2D-layer tests share: the program's start values, a headless engine with a stage, camera and text
// overlay set up as at start-up, and small pixel probes for the overlays.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "unit/shell/headless_engine.h"

namespace kestrine::testing {

// The box around every pixel of one colour; empty when none has it.
struct PixelBox {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
  int count = 0;
  bool Empty() const { return count == 0; }
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

inline engine::Color Rgb(int r, int g, int b) { return engine::EngineBitmap::MakeColor(r, g, b); }

inline PixelBox FindColour(const engine::EngineRef<engine::EngineBitmap>& image, engine::Color colour) {
  PixelBox box;
  for (int y = 0; y < image->GetHeight(); ++y) {
    for (int x = 0; x < image->GetWidth(); ++x) {
      if (image->PixelColor(x, y) != colour) continue;
      if (box.count == 0) {
        box.left = box.right = x;
        box.top = box.bottom = y;
      }
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
      ++box.count;
    }
  }
  return box;
}

// Pixels of the image that are not `colour`.
inline int CountOther(const engine::EngineRef<engine::EngineBitmap>& image, engine::Color colour) {
  int n = 0;
  for (uint32_t p : image->Pixels()) n += engine::Color::FromPacked(p) != colour;
  return n;
}

// Every test starts from the program's start values, so no test sees another's leftovers.
class Screen2dTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessEngine();
    CreateTextOverlay();
  }

  void TearDown() override {
    ReleaseOverlays();
    StopHeadlessEngine();
    ResetProgramState();
  }

  // A text object as the screen-text functions make theirs, to measure what they should have drawn.
  static engine::EngineRef<engine::EngineTextFont> Font(const std::wstring& face, int size, bool bold = false) {
    engine::EngineRef<engine::EngineTextFont> font = Engine().engineRoot->CreateText(0);
    font->SetFontFace(face);
    font->SetSize(size);
    font->SetStyleA(bold ? 1 : 0);
    return font;
  }

  static const engine::Color kRed;
  static const engine::Color kPaleYellow;  // (235, 247, 195): plain labels, tool-tip paper
};

inline const engine::Color Screen2dTest::kRed = Rgb(255, 0, 0);
inline const engine::Color Screen2dTest::kPaleYellow = Rgb(235, 247, 195);

}  // namespace kestrine::testing
