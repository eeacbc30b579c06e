// What a layout file written by the placement tool needs, under the name it includes: the level objects,
// their count and their types, visible at file scope where the written layout functions live. The layouts
// are compiled as the tool writes them, so the two names they fill stand for the level objects' records,
// handed out here and nowhere else: the written layouts are the records' one writer besides their own file.
#pragma once

#include "battlefield/level_layouts.h"
#include "battlefield/level_objects.h"

namespace kestrine {

LevelObjectState& LayoutRecords();

}  // namespace kestrine

using kestrine::ObjType;

#define objectCount (::kestrine::LayoutRecords().objectCount)
#define ohObjects (::kestrine::LayoutRecords().ohObjects)
