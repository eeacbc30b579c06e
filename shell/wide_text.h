// The game keeps most of its texts as narrow byte strings (tables, reports, save files) while the engine
// draws wide strings. Each byte becomes the character of the same code, so every byte survives the trip.
#pragma once

#include <string>
#include <string_view>

namespace kestrine {

std::wstring WidenText(std::string_view text);

}  // namespace kestrine
