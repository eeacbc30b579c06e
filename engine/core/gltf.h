// The glTF library as the engine and its tools use it: no image codecs of its own (the engine decodes model
// pictures itself, and the tools write them already encoded) and no file access (models are read from
// memory; a model file names no other files). Every user includes it through here so all agree.
#pragma once

#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#define TINYGLTF_NO_FS
#include <tiny_gltf.h>
