// The movies: a titled card per movie with a bar that runs across it while the movie plays (so a player
// can see the picture move), and a short jingle of its own. Logos, intros, mission films, the killed-in-
// action film, the credits, the medals and the two endings. Small and few frames: they stand in for the
// real films and must generate in a moment.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/avi_writer.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/movie_generators.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

namespace {

using paint::Align;
using paint::Image;
using paint::Rgb;

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFramesPerSecond = 10;
constexpr int kBarY = 214;
constexpr int kBarHeight = 8;

struct MovieLook {
  const char* prefix;  // the names it covers start with this
  const char* title;   // on the card
  // The number the name ends with follows the title: 0 not shown, 1 as it is ("MISSION 3"), 2 counted from
  // one where the names count from zero ("badge0" is "BADGE 1").
  int numbered;
  const char* caption;
  Rgb top, bottom, accent;
  double seconds;
};

// Checked in order: the first matching prefix wins ("ostrel_intro" before "ostrel").
constexpr MovieLook kLooks[] = {
    {"ostrel_intro", "KESTRINE", 0, "a medic's war", {24, 40, 64}, {8, 12, 20}, {230, 190, 90}, 3.0},
    {"ostrel", "OSTREL", 0, "presents", {12, 12, 16}, {40, 44, 60}, {200, 210, 235}, 2.0},
    {"orvale", "ORVALE", 0, "a production of", {30, 16, 12}, {70, 40, 24}, {240, 200, 140}, 2.0},
    {"ksintro", "THE FIRST MISSION", 0, "briefing", {20, 36, 20}, {60, 74, 44}, {235, 247, 195}, 3.0},
    {"mission", "MISSION", 1, "mission film", {34, 42, 26}, {70, 84, 52}, {235, 247, 195}, 2.0},
    {"KIA", "KILLED IN ACTION", 0, "the medic has fallen", {40, 8, 8}, {10, 4, 4}, {220, 200, 200}, 2.0},
    {"credits", "CREDITS", 0, "the people behind the game", {10, 10, 10}, {30, 30, 40}, {235, 235, 235}, 4.0},
    {"badge", "BADGE", 2, "awarded", {50, 40, 10}, {20, 16, 4}, {250, 220, 120}, 1.5},
    {"ribbon", "RIBBON", 2, "awarded", {20, 20, 60}, {6, 6, 24}, {200, 200, 250}, 1.5},
    {"winner", "VICTORY", 0, "the campaign is won", {30, 60, 30}, {10, 24, 10}, {235, 247, 195}, 2.0},
    {"loser", "DEFEAT", 0, "the campaign is lost", {50, 50, 50}, {16, 16, 16}, {200, 200, 200}, 2.0},
};

const MovieLook& LookOf(const std::string& name) {
  for (const MovieLook& look : kLooks)
    if (name.rfind(look.prefix, 0) == 0) return look;
  return kLooks[0];
}

uint32_t Seed(const std::string& name) {
  uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
  return h;
}

// The card every frame starts from, and the still image of the movie.
Image Card(const std::string& name, const MovieLook& look) {
  Image card = paint::NewImage(kWidth, kHeight, look.bottom);
  paint::Gradient(card, 0, 0, kWidth, kHeight, look.top, look.bottom);
  paint::Frame(card, 6, 6, kWidth - 12, kHeight - 12, look.accent);
  paint::TextStyle title;
  title.size = 22;
  title.bold = true;
  title.colour = look.accent;
  title.align = Align::Centre;
  paint::Label(card, kWidth / 2, 84, MovieTitle(name), title);
  paint::TextStyle caption;
  caption.size = 11;
  caption.colour = {200, 200, 200};
  caption.align = Align::Centre;
  paint::Label(card, kWidth / 2, 124, look.caption, caption);
  paint::Frame(card, 20, kBarY - 1, kWidth - 40, kBarHeight + 2, {90, 90, 90});
  return card;
}

// A rising three-note figure over a held low note, pitched by the name so each movie sounds its own.
engine::PcmData Jingle(const std::string& name, double seconds) {
  synth::Buffer out = synth::Silence(seconds);
  const uint32_t seed = Seed(name);
  const double root = 110.0 * std::pow(2.0, static_cast<double>(seed % 12) / 12.0);
  synth::AddTone(out, 0.0, seconds, root, 0.25f, synth::Wave::Triangle, 0.05, 0.0);
  const double steps[3] = {2.0, 2.5198, 2.9966};  // octave, major third and fifth above it
  for (int i = 0; i < 3; ++i)
    synth::AddTone(out, seconds * i / 4.0, seconds / 3.0, root * steps[i], 0.3f, synth::Wave::Sine, 0.01, 0.3);
  synth::Fade(out, 0.02, 0.3);
  return synth::ToPcm(out, 0.7f);
}

std::vector<std::string> AllNames() {
  std::vector<std::string> names = {"ostrel", "orvale", "ostrel_intro", "ksintro"};
  for (int i = 1; i <= 10; ++i) names.push_back("mission" + std::to_string(i));
  names.push_back("KIA");
  names.push_back("credits");
  for (int i = 0; i <= 2; ++i) names.push_back("badge" + std::to_string(i));
  for (int i = 0; i <= 7; ++i) names.push_back("ribbon" + std::to_string(i));
  for (int i = 0; i <= 2; ++i) names.push_back("winner" + std::to_string(i));
  for (int i = 0; i <= 2; ++i) names.push_back("loser" + std::to_string(i));
  return names;
}

void WriteMovie(DataTree& tree, const std::string& name) {
  const MovieLook& look = LookOf(name);
  const Image card = Card(name, look);
  AviMovie movie;
  movie.width = kWidth;
  movie.height = kHeight;
  movie.framesPerSecond = kFramesPerSecond;
  movie.frameCount = static_cast<int>(std::lround(look.seconds * kFramesPerSecond));
  movie.sound = Jingle(name, look.seconds);
  const int frames = movie.frameCount;
  movie.paint = [&card, &look, frames](int index, engine::EngineBitmap& image) {
    image.MutablePixels() = card->Pixels();
    const int width = (kWidth - 42) * (index + 1) / frames;
    image.SetDrawColor(look.accent.r, look.accent.g, look.accent.b);
    image.FillRect(21, kBarY, width, kBarHeight);
  };
  const std::string stem = "avi\\" + name;
  tree.WriteBytes(CanonicalPath(stem + ".avi"), EncodeAvi(movie));
  tree.WritePng(CanonicalPath(stem + ".qjp"), *card);
  tree.WriteWav(CanonicalPath(stem + ".qwv"), movie.sound);
}

}  // namespace

std::string MovieTitle(const std::string& name) {
  const MovieLook& look = LookOf(name);
  size_t digits = name.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
  if (look.numbered == 0 || digits == name.size()) return look.title;
  const int number = std::stoi(name.substr(digits)) + (look.numbered == 2 ? 1 : 0);
  return std::string(look.title) + " " + std::to_string(number);
}

const std::vector<std::string>& MovieNames() {
  static const std::vector<std::string> names = AllNames();
  return names;
}

void WriteMovies(DataTree& tree) {
  for (const std::string& name : MovieNames()) WriteMovie(tree, name);
}

}  // namespace assetgen
