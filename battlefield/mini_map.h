// The overhead view's mini-map: the world square -90..90 (x and z) shown as 64 x 64 pixels in the corner of
// the head-up display, north (high z) at the top. The battle draws it and its dots; a right click on it sends
// the medic (or the support team) to the place clicked.
#pragma once

#include "shell/vector3.h"

namespace kestrine {

constexpr int kMiniMapSize = 64;

struct MiniMapCorner {
  int x, y;
};

// The map's top-left pixel on a screen of the current size.
MiniMapCorner MiniMapOrigin();

// The world point under pixel (x, y) of the screen, at the height a ground walk starts from; points beyond
// the map's edge are left for the path search to clamp.
Vector3 MiniMapToWorld(int x, int y);

}  // namespace kestrine
