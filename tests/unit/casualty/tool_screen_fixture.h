// What the tool-picture and backpack-screen tests share: the backpack fixture plus the 2D layer as start-up
// and the menu images leave it (stage, camera, text overlay, full-screen overlay, menu canvas, tool-tip),
// and small pictures written as files the engine loads by content.
#pragma once

#include <functional>
#include <string>

#include "backpack_fixture.h"
#include "casualty/backpack_screen.h"
#include "casualty/player_figure.h"
#include "casualty/tool_images.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/tooltip.h"

namespace kestrine::testing {

// An uncompressed 24-bit BMP whose pixel (x, y) has the colour colourAt(x, y) = 0xRRGGBB.
inline std::string Bmp(int width, int height, const std::function<uint32_t(int, int)>& colourAt) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const uint32_t dataBytes = static_cast<uint32_t>(rowBytes * height);
  auto le = [](std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  std::string s = "BM";
  le(s, 54 + dataBytes, 4);
  le(s, 0, 4);
  le(s, 54, 4);
  le(s, 40, 4);
  le(s, static_cast<uint32_t>(width), 4);
  le(s, static_cast<uint32_t>(height), 4);
  le(s, 1, 2);
  le(s, 24, 2);
  le(s, 0, 4);
  le(s, dataBytes, 4);
  le(s, 2835, 4);
  le(s, 2835, 4);
  le(s, 0, 4);
  le(s, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colourAt(x, y);
      row += static_cast<char>(c & 0xFF);
      row += static_cast<char>((c >> 8) & 0xFF);
      row += static_cast<char>((c >> 16) & 0xFF);
    }
    row.resize(static_cast<size_t>(rowBytes), '\0');
    s += row;
  }
  return s;
}

// A sheet whose every pixel tells where it came from: red = x, green = y, blue = 77.
inline uint32_t SheetPixel(int x, int y) {
  return (static_cast<uint32_t>(x) << 16) | (static_cast<uint32_t>(y) << 8) | 77u;
}

class ToolScreenTest : public BackpackTest {
 protected:
  void SetUp() override {
    BackpackTest::SetUp();
    engineStage = engineRoot->CreateStage();
    engineCamera = engineStage->GetCamera();
    screenWidth = 640;
    screenHeight = 480;
    CreateTextOverlay();
    CreateOverlays();
    toolTip.Create();
    toolTipDeferred = 0;
    hotspotIndex = -1;
    ClearHotspots();
    pointerX = 0;
    pointerY = 0;
    SetChosenPlayerFigure(0);
    UseDataDir();
  }

  void TearDown() override {
    UnloadBackpackScreen();
    ReleaseToolImages();
    toolSpriteSheet.Reset();
    toolCount = 0;
    toolSpritesLoaded = false;
    toolTip.Release();
    ReleaseOverlays();
    engineCamera.Reset();
    engineStage.Reset();
    BackpackTest::TearDown();
  }

  void WriteSheet() { WriteDataFile("images/tools/toolsprites.qjp", Bmp(256, 240, SheetPixel)); }

  // A small one-colour picture.
  void WritePicture(const std::string& path, uint32_t colour) {
    WriteDataFile(path, Bmp(16, 16, [colour](int, int) { return colour; }));
  }
};

}  // namespace kestrine::testing
