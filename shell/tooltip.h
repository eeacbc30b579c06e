// The tool-tip: a small framed note in the labels' pale yellow (kLabelR/G/B, shell/screen_text.h) laid out in a
// 300 x 300 box image and copied onto the text overlay. The tool labels of the backpack share its text object and
// box image.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/engine.h"

namespace kestrine {

class ToolTip {
 public:
  void Create();
  void Release();
  // Lays the text out in lines of at most about 100 pixels and frames it. Unless `deferred`, the tip is
  // copied onto the text overlay at once; a deferred tip is copied by Draw every frame instead.
  void Show(double x, double y, std::string_view text, uint8_t deferred);
  // Copies the last laid-out tip onto the text overlay, unscaled.
  void Draw();
  // Makes the box's background transparent and, when `framed`, frames width x height in the draw colour.
  void DrawFrame(int width, int height, int framed);

  engine::EngineRef<engine::EngineTextFont> text;
  engine::EngineRef<engine::EngineBitmap> image;
  // The copy of the last tip: from the box image to the text overlay.
  int32_t sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
  int32_t destX = 0, destY = 0, destWidth = 0, destHeight = 0;
};

// Written only by tooltip.cpp, through the functions below; everyone else reads the const view.
struct ToolTipState {
  ToolTip toolTip;
  // While set, the patient view copies the tip onto the text overlay every frame.
  uint8_t toolTipDeferred = 0;
};

const ToolTipState& ToolTips();

// The one tool-tip's operations (ToolTip's of the same names).
void CreateToolTip();
void ReleaseToolTip();
void ShowToolTip(double x, double y, std::string_view text, uint8_t deferred);
void DrawToolTip();
void DrawToolTipFrame(int width, int height, int framed);
// The patient view stops copying a deferred tip.
void StopDeferredToolTip();

}  // namespace kestrine
