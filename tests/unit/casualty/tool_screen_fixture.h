// What the tool-picture and backpack-screen tests share: the backpack fixture plus the 2D layer as start-up
// leaves it (stage, camera, text overlay, full-screen overlay, menu canvas, tool-tip), and small pictures
// written as files the engine loads by content.
#pragma once

#include <string>

#include "backpack_fixture.h"
#include "casualty_view/backpack_screen.h"
#include "casualty_view/tool_images.h"
#include "shell/engine_setup.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/tooltip.h"

namespace kestrine::testing {

// A sheet whose every pixel tells where it came from: red = x, green = y, blue = 77.
inline uint32_t SheetPixel(int x, int y) {
  return (static_cast<uint32_t>(x) << 16) | (static_cast<uint32_t>(y) << 8) | 77u;
}

class ToolScreenTest : public BackpackTest {
 protected:
  void SetUp() override {
    BackpackTest::SetUp();
    const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
    UseEngine(Engine().engineRoot, stage, stage->GetCamera());
    CreateTextOverlay();
    CreateOverlays();
    CreateToolTip();
  }

  void WriteSheet() { tree_.WriteBmp("images/tools/toolsprites.qjp", 256, 240, SheetPixel); }

  // A small one-colour picture.
  void WritePicture(const std::string& path, uint32_t colour) {
    tree_.WriteBmp(path, 16, 16, [colour](int, int) { return colour; });
  }
};

}  // namespace kestrine::testing
