// The one place the glTF library's code is compiled, for the engine and everything linked with it.
#include <fstream>  // the library's file writers need it even with its file access turned off

#define TINYGLTF_IMPLEMENTATION
#include "core/gltf.h"
