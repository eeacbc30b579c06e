// What the picture depends on changes only through the engine's calls, and the engine counts every change
// that can alter it: an object placed, turned, scaled, shown or hidden, hung on another or taken off, a
// shape's faces or measures, a model's pose or materials, a light, the camera, a screen sprite made or
// shown, the stage's objects and colour. The renderer compares the count with the one it drew last, so a
// screen where nothing changed is not drawn again. Bitmaps count their own changes (their revision).
#pragma once

#include <cstdint>

namespace engine {

void NoteSceneChange();
uint64_t SceneChangeCount();

}  // namespace engine
