// The tool icons on one sprite sheet, each at the rectangle the game cuts it from, and a cursor picture for
// every tool key. A picture shared by several rows is drawn once, under a name that fits them all.
#include "casualty_view/tool_images.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

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
constexpr int kCaptionSize = 6;
constexpr int kCaptionLinePitch = 9;

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

paint::TextStyle LabelStyle(int size) {
  paint::TextStyle style;
  style.size = size;
  style.colour = {235, 247, 195};
  style.align = paint::Align::Centre;
  return style;
}

bool Fits(const std::string& line, int size, int width) { return paint::LabelWidth(line, LabelStyle(size)) <= width; }

// The name on one line, or its words broken over two lines, whichever fits the icon first at the label's
// size and then a size smaller; then a long word broken with a hyphen. A name that fits no way is shortened
// at its end and marked with a full stop, so no letters go missing unseen.
IconCaption FitCaption(const std::string& label, int width) {
  const int room = width - 2;
  for (int size : {kCaptionSize, kCaptionSize - 1}) {
    if (Fits(label, size, room)) return {size, {label}};
    for (size_t space = label.find(' '); space != std::string::npos; space = label.find(' ', space + 1)) {
      const std::string first = label.substr(0, space), second = label.substr(space + 1);
      if (Fits(first, size, room) && Fits(second, size, room)) return {size, {first, second}};
    }
  }
  // One long word: broken with a hyphen, as near its middle as will fit.
  for (int size : {kCaptionSize, kCaptionSize - 1}) {
    const size_t half = label.size() / 2;
    for (size_t step = 0; step < half; ++step) {
      for (const size_t at : {half - step, half + step + 1}) {
        if (at < 2 || at + 2 > label.size()) continue;
        const std::string first = label.substr(0, at) + "-", second = label.substr(at);
        if (Fits(first, size, room) && Fits(second, size, room)) return {size, {first, second}};
      }
    }
  }
  const int size = kCaptionSize - 1;
  std::string cut = label;
  while (cut.size() > 1 && !Fits(cut + ".", size, room)) cut.pop_back();
  while (!cut.empty() && cut.back() == ' ') cut.pop_back();
  return {size, {cut + "."}};
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
  const IconCaption caption = ToolIconCaption(r.tool, r.width);
  const int captionHeight = kCaptionLinePitch * static_cast<int>(caption.lines.size()) + 2;
  const char* key = PictureKeyOfRect(KeyOf(r));
  if (key != nullptr)
    DrawToolPicture(sheet, r.x + 2, r.y + 2, r.width - 4, r.height - captionHeight - 3, LookOfKey(key));
  int y = r.y + r.height - captionHeight;
  for (const std::string& line : caption.lines) {
    paint::Label(sheet, r.x + r.width / 2, y, line, LabelStyle(caption.size));
    y += kCaptionLinePitch;
  }
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

IconCaption ToolIconCaption(int tool, int iconWidth) { return FitCaption(IconLabel(tool), iconWidth); }

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
