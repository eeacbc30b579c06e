// Keeps the GL driver library in memory once SDL has loaded it.
#pragma once

namespace engine {

// Marks every GL driver library loaded so far (Mesa's "*_dri.so" or its gallium library) as never to be
// unloaded. Unloading it when the window goes frees nothing it does not free anyway at exit, but drops its
// memory from view: a leak checker running at exit then takes everything the driver still holds for
// leaked, and cannot even name the library the memory came from.
void KeepGlDriverLoaded();

}  // namespace engine
