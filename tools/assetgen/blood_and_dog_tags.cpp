// The blood pool and blood splat pictures, and the 35 dog tags of the game's list, each stamped with a
// soldier of our own invention whose initials are its file name.
#include <cmath>
#include <cstdio>
#include <set>
#include <string>

#include "casualty_view/blood_pools.h"
#include "casualty_view/blood_splat.h"
#include "casualty_view/dog_tag.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/prop_generators.h"

namespace assetgen {

namespace {

using paint::Image;
using paint::Rgb;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A round blot of blood with a ragged edge and droplets around it, on a background of the key colour.
Image BloodBlot(int size, Rgb key, Rgb blood, Rgb dark, uint32_t seed) {
  const Image image = paint::NewImage(size, size, key);
  const int centre = size / 2;
  const int radius = size * 3 / 10;
  paint::Disc(image, centre, centre, radius, blood);
  uint32_t state = seed;
  const auto next = [&state]() {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % 1000);
  };
  constexpr float kPi = 3.14159265f;
  for (int i = 0; i < 14; ++i) {
    const float angle = 2 * kPi * i / 14 + next() / 2000.0f;
    const int lobe = radius * (25 + next() % 20) / 100;
    const int reach = radius - lobe / 2 + next() % (lobe + 1);
    paint::Disc(image, centre + static_cast<int>(std::cos(angle) * reach),
                centre + static_cast<int>(std::sin(angle) * reach), lobe, blood);
  }
  for (int i = 0; i < 8; ++i) {
    const float angle = 2 * kPi * next() / 1000.0f;
    const int reach = radius + radius / 3 + next() % (radius / 2 + 1);
    paint::Disc(image, centre + static_cast<int>(std::cos(angle) * reach),
                centre + static_cast<int>(std::sin(angle) * reach), 1 + next() % 3, blood);
  }
  paint::Disc(image, centre - radius / 5, centre - radius / 6, radius / 2, dark);
  return image;
}

// The soldiers' names, by the initials of the tags' file names: given name, middle initial, surname.
const char* GivenName(char initial) {
  switch (initial) {
    case 'A':
      return "AARON";
    case 'B':
      return "BRIAN";
    case 'C':
      return "CARL";
    case 'D':
      return "DENNIS";
    case 'E':
      return "ERIC";
    case 'F':
      return "FRANK";
    case 'G':
      return "GLEN";
    case 'H':
      return "HENRY";
    case 'J':
      return "JASON";
    case 'K':
      return "KEVIN";
    case 'L':
      return "LUIS";
    case 'M':
      return "MARCUS";
    case 'N':
      return "NEIL";
    case 'P':
      return "PAUL";
    case 'R':
      return "RAY";
    case 'S':
      return "SCOTT";
    case 'T':
      return "TROY";
    default:
      return "WADE";
  }
}

const char* Surname(char initial) {
  switch (initial) {
    case 'A':
      return "ARCHER";
    case 'B':
      return "BENNETT";
    case 'C':
      return "COLEMAN";
    case 'D':
      return "DAWSON";
    case 'E':
      return "ELLIS";
    case 'F':
      return "FLETCHER";
    case 'G':
      return "GARNER";
    case 'H':
      return "HARLOW";
    case 'J':
      return "JENSEN";
    case 'K':
      return "KELLER";
    case 'L':
      return "LOWRY";
    case 'M':
      return "MERCER";
    case 'N':
      return "NOLAN";
    case 'P':
      return "PARRISH";
    case 'R':
      return "ROWE";
    case 'S':
      return "SUTTON";
    case 'T':
      return "TANNER";
    default:
      return "WHITLOCK";
  }
}

constexpr int kTagWidth = 224;
constexpr int kTagHeight = 136;
const Rgb kCutOut{255, 0, 0};  // the menu canvas does not show it
const Rgb kTagMetal{178, 182, 186};
const Rgb kTagRim{132, 136, 140};
const Rgb kStamp{58, 60, 64};

// A plate with rounded corners.
void RoundedPlate(const Image& image, int x, int y, int width, int height, int corner, Rgb colour) {
  paint::Fill(image, x + corner, y, width - 2 * corner, height, colour);
  paint::Fill(image, x, y + corner, width, height - 2 * corner, colour);
  for (int cx : {x + corner, x + width - corner - 1})
    for (int cy : {y + corner, y + height - corner - 1}) paint::Disc(image, cx, cy, corner, colour);
}

}  // namespace

Image BloodPoolPicture() { return BloodBlot(128, {255, 0, 0}, {116, 8, 10}, {92, 4, 6}, 0xb100d); }

Image BloodSplatPicture() { return BloodBlot(64, {255, 255, 0}, {150, 12, 12}, {118, 6, 8}, 0x5b1a7); }

Image DogTagPicture(const std::string& name) {
  const Image image = paint::NewImage(kTagWidth, kTagHeight, kCutOut);
  RoundedPlate(image, 4, 4, kTagWidth - 8, kTagHeight - 8, 22, kTagRim);
  RoundedPlate(image, 8, 8, kTagWidth - 16, kTagHeight - 16, 18, kTagMetal);
  // The hole for the chain, through which the canvas shows.
  paint::Disc(image, 26, kTagHeight / 2, 9, kTagRim);
  paint::Disc(image, 26, kTagHeight / 2, 6, kCutOut);

  const char given = name.size() > 0 ? name[0] : 'A';
  const char middle = name.size() > 1 ? name[1] : 'A';
  const char family = name.size() > 2 ? name[2] : 'A';
  uint32_t number = 0;
  for (char c : name) number = number * 31u + static_cast<unsigned char>(c);
  static const char* const kBloodGroups[] = {"O POS", "A POS", "B POS", "AB POS", "O NEG", "A NEG"};
  static const char* const kReligions[] = {"NO PREF", "PROTESTANT", "CATHOLIC", "NO PREF"};
  char serial[16];
  std::snprintf(serial, sizeof serial, "%03u-%02u-%04u", number % 1000, (number / 1000) % 100,
                (number / 100000) % 10000);
  const std::string lines[] = {
      Surname(family),
      std::string(GivenName(given)) + " " + middle,
      serial,
      kBloodGroups[number % 6],
      kReligions[(number / 7) % 4],
  };
  paint::TextStyle style;
  style.size = 14;
  style.bold = true;
  for (int i = 0; i < 5; ++i) {
    const int y = 16 + i * 21;
    style.colour = {222, 224, 226};
    paint::Label(image, 49, y + 1, lines[i], style);
    style.colour = kStamp;
    paint::Label(image, 48, y, lines[i], style);
  }
  return image;
}

void WriteBloodAndDogTags(DataTree& tree) {
  tree.WritePng(CanonicalPath(Narrow(kestrine::kBloodPoolPicture)), *BloodPoolPicture());
  tree.WritePng(CanonicalPath(Narrow(kestrine::kBloodSplatPicture)), *BloodSplatPicture());
  std::set<std::string> written;
  for (const char* name : kestrine::kDogTagNames) {
    if (!written.insert(name).second) continue;
    tree.WritePng(CanonicalPath(std::string(kestrine::kDogTagFolder) + name), *DogTagPicture(name));
  }
}

}  // namespace assetgen
