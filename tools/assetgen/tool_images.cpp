// The tool icons on one sprite sheet, each at the rectangle the game cuts it from, and a cursor picture for
// every tool key. A picture shared by several rows is drawn once, under a name that fits them all.
#include "casualty/tool_images.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "casualty/tool_table.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/tool_generators.h"
#include "tools/assetgen/tool_pictures.h"

namespace assetgen {

namespace {

using paint::Image;
using paint::Rgb;

constexpr int kSheetWidth = 256;
constexpr int kSheetHeight = 240;
constexpr int kCursorSide = 128;
constexpr int kCursorInset = 8;
constexpr Rgb kIconTop{64, 74, 56};
constexpr Rgb kIconBottom{36, 42, 30};
constexpr Rgb kIconLight{104, 118, 88};
constexpr Rgb kIconDark{16, 20, 12};
// The cursor is drawn on the text overlay: round the tool, the overlay's see-through red lets the view show.
constexpr Rgb kCursorBack{255, 0, 0};
constexpr int kLabelHeight = 11;

using RectKey = std::tuple<int, int, int, int>;

RectKey KeyOf(const kestrine::ToolSpriteRect& r) { return {r.x, r.y, r.width, r.height}; }

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// Names under pictures that serve several rows, and short names for the narrow vials.
std::string IconLabel(int tool) {
  using namespace kestrine;
  switch (tool) {
    case TOOL_ATROPINE:
    case TOOL_XYLOCAINE:
      return "A/X";
    case TOOL_MORPHINE:
      return "MS";
    case TOOL_ATROPINE_DIAZEPAM:
      return "AD";
    case TOOL_DIAZEPAM:
      return "DZ";
    case TOOL_EPINEPHRINE_BENEDRYL:
      return "EB";
    case TOOL_MORPHINE_MIDAZOLAM:
      return "MM";
    case TOOL_IV:
    case TOOL_HESPAN:
    case TOOL_LACTATED_RINGERS:
      return "IV";
    case TOOL_AMBU_BAG:
    case TOOL_AMBU_BAG_NASAL:
    case TOOL_AMBU_BAG_ET:
    case TOOL_AMBU_BAG_CRICH:
      return "Ambu Bag";
    case TOOL_ET_KIT:
    case TOOL_ET_TUBE:
    case TOOL_CRICH_KIT:
    case TOOL_CRICH_TUBE:
      return "Tubes";
    default:
      return ToolTable[tool].name;
  }
}

paint::TextStyle LabelStyle() {
  paint::TextStyle style;
  style.size = 6;
  style.colour = {235, 247, 195};
  style.align = paint::Align::Centre;
  return style;
}

// The label cut to the icon's width, letter by letter.
std::string FittedLabel(std::string label, int width) {
  const paint::TextStyle style = LabelStyle();
  while (!label.empty() && paint::LabelWidth(label, style) > width - 2) label.pop_back();
  return label;
}

// The key whose picture a sheet rectangle shows: the first row drawn there that has one.
const char* PictureKeyOfRect(const RectKey& rect) {
  for (int j = 0; j < kestrine::kToolSpriteRectCount; ++j) {
    const kestrine::ToolSpriteRect& r = kestrine::kToolSpriteRects[j];
    if (KeyOf(r) == rect && kestrine::ToolTable[r.tool].key[0] != '\0') return kestrine::ToolTable[r.tool].key;
  }
  return nullptr;
}

void DrawIcon(const Image& sheet, const kestrine::ToolSpriteRect& r) {
  paint::Gradient(sheet, r.x, r.y, r.width, r.height, kIconTop, kIconBottom);
  paint::Bevel(sheet, r.x, r.y, r.width, r.height, kIconLight, kIconDark);
  const char* key = PictureKeyOfRect(KeyOf(r));
  if (key != nullptr)
    DrawToolPicture(sheet, r.x + 2, r.y + 2, r.width - 4, r.height - kLabelHeight - 3, LookOfKey(key));
  const std::string label = FittedLabel(IconLabel(r.tool), r.width);
  paint::Label(sheet, r.x + r.width / 2, r.y + r.height - kLabelHeight, label, LabelStyle());
}

Image SpriteSheet() {
  Image sheet = paint::NewImage(kSheetWidth, kSheetHeight, kIconDark);
  std::set<RectKey> drawn;
  for (int j = 0; j < kestrine::kToolSpriteRectCount; ++j) {
    const kestrine::ToolSpriteRect& r = kestrine::kToolSpriteRects[j];
    if (drawn.insert(KeyOf(r)).second) DrawIcon(sheet, r);
  }
  return sheet;
}

Image CursorPicture(const char* key) {
  Image image = paint::NewImage(kCursorSide, kCursorSide, kCursorBack);
  DrawToolPicture(image, kCursorInset, kCursorInset, kCursorSide - 2 * kCursorInset, kCursorSide - 2 * kCursorInset,
                  LookOfKey(key));
  return image;
}

}  // namespace

void WriteToolImages(DataTree& tree) {
  tree.WritePng(CanonicalPath("images\\tools\\toolsprites.qjp"), *SpriteSheet());
  // Keys that differ only in case ("ETTUBE", "ettube") name one file, as they do for the game's lookup.
  std::set<std::string> written;
  for (const kestrine::ToolDef& tool : kestrine::ToolTable) {
    if (tool.key[0] == '\0' || !written.insert(Lower(tool.key)).second) continue;
    tree.WritePng(CanonicalPath(kestrine::ToolImagePath(Lower(tool.key).c_str())), *CursorPicture(tool.key));
  }
}

}  // namespace assetgen
