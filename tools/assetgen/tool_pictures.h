// Simple pictures of the medic's tools, drawn into any rectangle: the icons of the sprite sheet and the
// larger cursor pictures use the same drawings.
#pragma once

#include <string>

#include "tools/assetgen/image_paint.h"

namespace assetgen {

enum class ToolPicture {
  Grenade,
  Rifle,
  Pistol,
  Radio,
  Stethoscope,
  Tourniquet,
  PulseOx,
  Glove,
  Cravat,
  Splint,
  Bandage,
  Syringe,
  Vial,
  Scissors,
  IvBag,
  Catheter,
  NasalAirway,
  BagValve,
  TubeKit,
  Gel,
  Laryngoscope,
  Sponge,
  Scalpel,
  Hand,
  Dressing,
  Penlight,
  Powder,
  IrrigationSyringe,
  SurgeryKit,
  Saw,
  Blanket,
};

// The picture of a tool's file key ("vial_b", "ETTUBE", ...), matched without case; the accent colour
// tells the vials apart. A key without a picture is an error: every key of the tool table has one.
struct ToolLook {
  ToolPicture picture;
  paint::Rgb accent;
};
ToolLook LookOfKey(const std::string& key);

// Draws the picture filling the rectangle (x, y, width, height) on whatever background is there.
void DrawToolPicture(const paint::Image& image, int x, int y, int width, int height, const ToolLook& look);

}  // namespace assetgen
