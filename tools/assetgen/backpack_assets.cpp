// The backpack screen's backdrop and the medic's four spoken "no fit" remarks. The backdrop frames the places the
// screen draws into (icon strip, list, description box, weight and volume bars, the two buttons) and carries
// the strip's scroll arrows; every text on it is the screen's own.
#include <string>

#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/label_plates.h"
#include "tools/assetgen/speech_files.h"
#include "tools/assetgen/speech_voices.h"
#include "tools/assetgen/tool_generators.h"

namespace assetgen {

namespace {

using paint::Image;
using paint::Rgb;

constexpr Rgb kPanelTop{58, 68, 46};
constexpr Rgb kPanelBottom{30, 36, 24};
constexpr Rgb kWell{18, 22, 14};
constexpr Rgb kLight{128, 146, 96};
constexpr Rgb kDark{10, 12, 8};
constexpr Rgb kPale{235, 247, 195};
constexpr Rgb kArrow{200, 190, 120};

// A sunken place the screen draws into, a pixel bigger than the place on every side.
void Well(const Image& image, int x, int y, int width, int height) {
  paint::Fill(image, x - 2, y - 2, width + 4, height + 4, kWell);
  paint::Bevel(image, x - 2, y - 2, width + 4, height + 4, kDark, kLight);
}

void Arrow(const Image& image, int x, int y, int width, int height, bool left) {
  paint::Gradient(image, x, y, width, height, {86, 100, 66}, {46, 54, 36});
  paint::Bevel(image, x, y, width, height, kLight, kDark);
  const int cy = y + height / 2;
  for (int i = 0; i < width - 6; ++i) {
    const int half = left ? i / 2 : (width - 7 - i) / 2;
    paint::Fill(image, x + 3 + i, cy - half, 1, 2 * half + 1, kArrow);
  }
}

Image LoadPackBackdrop() {
  Image image = paint::NewImage(640, 480, kPanelBottom);
  paint::Gradient(image, 0, 0, 640, 480, kPanelTop, kPanelBottom);
  paint::Speckle(image, 0, 0, 640, 480, 3, 15);
  paint::Bevel(image, 8, 8, 624, 464, kLight, kDark);

  paint::TextStyle title;
  title.size = 16;
  title.bold = true;
  title.colour = kPale;
  title.align = paint::Align::Centre;
  paint::Label(image, 320, 24, "LOAD BACKPACK", title);

  // The icon strip between its two arrows, and the carried list to the right.
  Well(image, 57, 77, 272, 96);
  Arrow(image, 37, 77, 19, 96, true);
  Arrow(image, 330, 77, 19, 96, false);
  // The list with its heading; it runs down to the bottom edge, so the lines of a full pack stay inside.
  const plates::Box list = plates::kBackpackList;
  Well(image, list.x + 2, list.y + 2, list.width - 4, list.height - 4);
  paint::Line(image, list.x + 4, 118, list.Right() - 5, 118, kLight);

  // Description box, then the weight and volume bar tracks (the bars' full length at the strongest figure).
  Well(image, 53, 195, 285, 123);
  Well(image, 111, 360, 224, 14);
  Well(image, 111, 380, 224, 14);

  // The places of START MISSION and BACK, centred on their labels.
  for (const plates::Box& b : {plates::kBackpackStartMission, plates::kBackpackBack}) {
    paint::Gradient(image, b.x, b.y, b.width, b.height, {62, 76, 46}, {36, 44, 28});
    paint::Bevel(image, b.x, b.y, b.width, b.height, kLight, kDark);
  }
  return image;
}

// What the medic says when a tool does not fit.
const char* const kNoFitLines[] = {"It won't fit.", "No room for that.", "Pack's full.", "Got to take something out."};

}  // namespace

void WriteBackpackScreenAssets(DataTree& tree) {
  tree.WritePng(CanonicalPath("images\\loadpack.qjp"), *LoadPackBackdrop());

  for (int n = 0; n < 4; ++n) {
    const SpokenLine remark = SpeakLine(kNoFitLines[n], kMedicVoice);
    WriteSpokenLine(tree, "sounds\\speech\\NoFit" + std::to_string(n + 1), remark, LipSync::Without);
  }
}

}  // namespace assetgen
