// The tools' pictures: icons cut from one sprite sheet for the backpack strip and the patient view's tray,
// the cursor pictures of the tool in hand, and the small label box naming a tool under the pointer.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace kestrine {

// Written only here, through the operations below.
struct ToolImageState {
  // 0 until the icons are first cut, then kToolCount: the patient view's loops over the tools run below it.
  int32_t toolCount = 0;
  // The sprite sheet, loaded once and kept for the rest of the run.
  engine::EngineRef<engine::EngineBitmap> toolSpriteSheet;
  // The summed widths of all icons: the width of the tray strip.
  int32_t toolIconTotalWidth = 0;
  // Set once the icons are cut; cleared when the pictures are released or the backpack screen is left, so
  // the next LoadToolSprites cuts them again.
  bool toolSpritesLoaded = false;
};

const ToolImageState& ToolImages();

// Cuts every tool's icon from the sprite sheet (loading the sheet the first time) and returns the summed
// icon widths. While the icons are already cut they are kept and the sum is returned again.
int32_t LoadToolSprites();
// Makes one row's icon from rectangle entry j of the sheet.
void BuildToolStripImage(int row, const engine::EngineRef<engine::EngineBitmap>& sheet, int j);
// Loads the row's cursor picture "images\tools\<key>.qpg". A drawer's or kit's content without a picture
// of its own shows its parent's (a vial without one, the medicine syringe's).
void LoadToolImage(int row);
// Releases every row's icon and cursor picture below toolCount.
void ReleaseToolImages();
// The icons are cut again by the next LoadToolSprites (those cut now stay until then).
void ForgetToolSprites();
// Lets go of the sprite sheet (at shut-down); the next LoadToolSprites loads it again.
void ReleaseToolSpriteSheet();
// Draws the row's name in a framed box on the text overlay; x and y below 1.0 are screen fractions.
void DrawToolLabels(int row, double x, double y);

// The game path of a row's cursor picture.
std::string ToolImagePath(const char* key);

}  // namespace kestrine
