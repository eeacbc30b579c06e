// The wound table's speech and textures.
//
// Speech: a rough spoken voice from the synthesiser (voiced vowels through formants, hissed and stopped
// consonants, a falling pitch), not intelligible words but the rhythm of the line the script gives, and a
// lip-sync timeline made from the same syllables. The medic speaks each clip's finding; four patient voices
// speak the remarks. Sounds are 8-bit at 11025 Hz: there are thousands of short takes and a voice needs no
// more.
//
// Textures: the skin of the wounded part, by skin tone, with the wound painted on by kind (bullet holes,
// cuts, fragment wounds, bruises, burns, stumps...), read from the words of the texture's name.
#include "tools/assetgen/wound_assets.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <utility>

#include "casualty/wound_types.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/image_paint.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

namespace {

using kestrine::BodyLocation;
using kestrine::kStepListExtentCount;
using kestrine::kStepListExtents;
using kestrine::kTextureChange;
using kestrine::TreatmentStep;
using kestrine::WoundType;
using kestrine::WoundTypeTable;
using paint::Image;
using paint::Rgb;
using synth::Buffer;
using synth::FilterKind;

// ---- the names ----

// The finding the medic speaks: the action text after "<Tool> to <Place>:".
std::string SpokenWords(const TreatmentStep& step) {
  const char* colon = std::strchr(step.action, ':');
  std::string words = colon != nullptr ? colon + 1 : step.action;
  words.erase(0, words.find_first_not_of(' '));
  return words.empty() ? std::string(step.remark) : words;
}

// The part of him a patient complains about, in his words.
const char* HurtPart(BodyLocation location) {
  using namespace kestrine;
  if (location & LOC_HAND) return "hand";
  if (location & (LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM | LOC_SHOULDER)) return "arm";
  if (location & (LOC_THIGH | LOC_CALF | LOC_KNEE)) return "leg";
  if (location & LOC_FOOT) return "foot";
  if (location & LOC_CHEST) return "chest";
  if (location & LOC_BACK) return "back";
  if (location & (LOC_ABDOMEN | LOC_HIP | LOC_BUTTOCK)) return "gut";
  if (location & LOC_NOSE) return "nose";
  if (location & LOC_EAR) return "ears";
  if (location & LOC_EYE) return "eyes";
  if (location & LOC_NECK) return "neck";
  if (location & (LOC_HEAD | LOC_MOUTH)) return "head";
  return "body";
}

// ---- the voice ----

struct SpeakingVoice {
  double pitch;         // Hz at the start of a line
  double formantScale;  // a smaller throat above 1
  double rate;          // syllables faster above 1
  float breath;         // breathy noise under the voice (pain)
  uint32_t seed;
};

struct Spoken {
  Buffer sound;
  std::vector<MouthShapeAt> shapes;
  int32_t endMs = 0;
};

// Mouth shapes, as the lip-sync numbers them.
enum MouthShape : int32_t {
  MOUTH_A = 0,
  MOUTH_CH_SH_J = 1,
  MOUTH_C_K_G = 2,
  MOUTH_E = 3,
  MOUTH_F_V = 4,
  MOUTH_I_U = 5,
  MOUTH_M_B_P = 6,
  MOUTH_N_D_T_L = 7,
  MOUTH_O = 8,
  MOUTH_R = 9,
  MOUTH_S_Z = 10,
  MOUTH_TH = 11,
  MOUTH_W_OO_Q = 12,
  MOUTH_REST = 15,
};

bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y'; }

int32_t VowelShape(char v) {
  switch (v) {
    case 'a':
      return MOUTH_A;
    case 'e':
      return MOUTH_E;
    case 'o':
      return MOUTH_O;
    default:
      return MOUTH_I_U;
  }
}

int32_t ConsonantShape(char c, char next) {
  if ((c == 's' || c == 'c') && next == 'h') return MOUTH_CH_SH_J;
  if (c == 't' && next == 'h') return MOUTH_TH;
  switch (c) {
    case 'm':
    case 'b':
    case 'p':
      return MOUTH_M_B_P;
    case 'f':
    case 'v':
      return MOUTH_F_V;
    case 's':
    case 'z':
    case 'x':
      return MOUTH_S_Z;
    case 'j':
      return MOUTH_CH_SH_J;
    case 'k':
    case 'g':
    case 'c':
    case 'q':
      return MOUTH_C_K_G;
    case 'r':
      return MOUTH_R;
    case 'w':
      return MOUTH_W_OO_Q;
    default:
      return MOUTH_N_D_T_L;
  }
}

struct Formants {
  double f1, f2;
};

Formants VowelFormants(char v) {
  switch (v) {
    case 'a':
      return {730, 1100};
    case 'e':
      return {530, 1840};
    case 'i':
      return {300, 2200};
    case 'o':
      return {570, 840};
    case 'u':
      return {320, 900};
    default:
      return {450, 1500};
  }
}

Buffer Vowel(char v, double seconds, double pitchStart, double pitchEnd, double formantScale) {
  Buffer buzz = synth::Silence(seconds);
  synth::AddSweep(buzz, 0.0, seconds, pitchStart, pitchEnd, 1.0f, synth::Wave::Saw, 0.0);
  const Formants f = VowelFormants(v);
  Buffer first = buzz;
  Buffer second = buzz;
  synth::Filter(first, FilterKind::BandPass, f.f1 * formantScale, 4.0);
  synth::Filter(second, FilterKind::BandPass, f.f2 * formantScale, 6.0);
  Buffer out = synth::Silence(seconds);
  synth::Mix(out, first, 0.0, 1.0f);
  synth::Mix(out, second, 0.0, 0.5f);
  synth::Fade(out, seconds * 0.2, seconds * 0.3);
  return out;
}

Buffer Consonant(char c, synth::Noise& noise, double pitch) {
  if (c == 'm' || c == 'n' || c == 'l' || c == 'r' || c == 'w') {
    Buffer hum = synth::Silence(0.06);
    synth::AddTone(hum, 0.0, 0.06, pitch, 0.45f, synth::Wave::Triangle, 0.01, 0.0);
    synth::Filter(hum, FilterKind::LowPass, 600.0, 0.7);
    return hum;
  }
  const bool hiss = c == 's' || c == 'f' || c == 'h' || c == 'z' || c == 'x' || c == 'c' || c == 'v';
  const double seconds = hiss ? 0.08 : 0.03;
  Buffer out = synth::Silence(seconds);
  synth::AddNoise(out, 0.0, seconds, hiss ? 0.3f : 0.55f, 0.005, hiss ? 0.0 : 0.01, noise);
  synth::Filter(out, FilterKind::HighPass, hiss ? 2500.0 : 1000.0, 0.7);
  return out;
}

// The line as a voice says it, with the mouth shape of each sound as it starts.
Spoken Speak(const std::string& line, const SpeakingVoice& style) {
  synth::Noise noise(style.seed);
  std::string letters;
  for (char ch : line) letters += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const double syllable = 0.12 / style.rate;
  Spoken spoken;
  // Room for the slowest reading of the line; trimmed to what was said at the end.
  spoken.sound = synth::Silence(0.5 + static_cast<double>(letters.size()) * syllable * 1.6);
  auto mark = [&](double at, int32_t shape) {
    const int32_t ms = static_cast<int32_t>(at * 1000.0);
    if (!spoken.shapes.empty() && spoken.shapes.back().shape == shape) return;
    if (!spoken.shapes.empty() && spoken.shapes.back().startMs >= ms)
      spoken.shapes.back().shape = shape;
    else
      spoken.shapes.push_back({ms, shape});
  };
  mark(0.0, MOUTH_REST);
  double t = 0.1;
  const double total = static_cast<double>(std::max<size_t>(1, letters.size()));
  for (size_t i = 0; i < letters.size(); ++i) {
    const char c = letters[i];
    const char next = i + 1 < letters.size() ? letters[i + 1] : '\0';
    const double pitch = style.pitch * (1.12 - 0.3 * static_cast<double>(i) / total) * (1.0 + 0.04 * noise.Next());
    if (IsVowel(c)) {
      size_t j = i;  // a run of vowels is one syllable
      while (j + 1 < letters.size() && IsVowel(letters[j + 1])) ++j;
      const double length = syllable * (1.0 + 0.3 * static_cast<double>(j - i)) * (0.8 + 0.4 * noise.Unit());
      mark(t, VowelShape(c));
      synth::Mix(spoken.sound, Vowel(c, length, pitch, pitch * 0.94, style.formantScale), t, 1.0f);
      t += length * 0.85;
      i = j;
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      mark(t, ConsonantShape(c, next));
      const Buffer sound = Consonant(c, noise, pitch);
      synth::Mix(spoken.sound, sound, t, 1.0f);
      t += static_cast<double>(sound.size()) / synth::kRate * 0.8;
      if ((c == 's' || c == 'c' || c == 't') && next == 'h') ++i;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      // A number is spoken as a short word.
      mark(t, MOUTH_E);
      synth::Mix(spoken.sound, Vowel('e', syllable * 1.4, pitch, pitch * 0.95, style.formantScale), t, 1.0f);
      t += syllable * 1.3;
    } else if (c == ',' || c == '.' || c == '!' || c == '?' || c == ';' || c == ':') {
      mark(t, MOUTH_REST);
      t += 0.16 / style.rate;
    } else {
      t += 0.035 / style.rate;
    }
  }
  mark(t, MOUTH_REST);
  const double end = t + 0.1;
  spoken.sound.resize(std::min(spoken.sound.size(), synth::Samples(end)));
  if (style.breath > 0.0f) {
    synth::AddNoise(spoken.sound, 0.0, end, style.breath, 0.05, 0.0, noise);
  }
  synth::Filter(spoken.sound, FilterKind::HighPass, 90.0, 0.7);
  spoken.endMs = static_cast<int32_t>(end * 1000.0);
  return spoken;
}

constexpr int kSpeechRate = 11025;

// 8-bit mono RIFF WAVE at half the synthesiser's rate.
std::string EncodeSpeechWav(const Buffer& voice) {
  Buffer band = voice;
  synth::Filter(band, FilterKind::LowPass, 4200.0, 0.7);
  float peak = 0.0f;
  for (float v : band) peak = std::max(peak, std::fabs(v));
  const float gain = peak > 0.0f ? 0.85f / peak : 0.0f;
  std::string data;
  for (size_t i = 0; i < band.size(); i += 2) {
    const int v = static_cast<int>(std::lround(128.0 + 127.0 * static_cast<double>(band[i] * gain)));
    data += static_cast<char>(std::clamp(v, 0, 255));
  }
  auto le32 = [](std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto le16 = [](std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
  };
  std::string s = "RIFF";
  le32(s, static_cast<uint32_t>(36 + data.size()));
  s += "WAVEfmt ";
  le32(s, 16);
  le16(s, 1);  // PCM
  le16(s, 1);  // mono
  le32(s, kSpeechRate);
  le32(s, kSpeechRate);  // bytes per second
  le16(s, 1);            // block align
  le16(s, 8);            // bits per sample
  s += "data";
  le32(s, static_cast<uint32_t>(data.size()));
  s += data;
  return s;
}

void WriteSpoken(DataTree& tree, const std::string& path, const Spoken& spoken) {
  tree.WriteBytes(CanonicalPath(path + ".qwv"), EncodeSpeechWav(spoken.sound));
  tree.WriteBytes(CanonicalPath(path + ".phn"), EncodeLipSync(spoken.shapes, spoken.endMs));
}

// What the patients say. A right move: relief; a wrong one: a cry; a long silence: his wound on his mind.
const char* const kRightMoveLines[kRemarkTakes] = {
    "Thanks, doc.", "That's better.", "Okay. Okay.", "That helps a bit.", "Thank you, doc.", "Yeah... better.",
};
const char* const kWrongMoveLines[kRemarkTakes] = {
    "Ow! What are you doing?", "Argh! Stop that!", "That's worse, doc!", "Hey! Easy!", "No, not that!", "Ahh! Doc!",
};
std::string SilenceLine(int take, const std::string& part) {
  switch (take) {
    case 0:
      return "Doc, my " + part + "...";
    case 1:
      return "Am I gonna make it?";
    case 2:
      return "It hurts, doc.";
    case 3:
      return "Don't leave me here.";
    case 4:
      return "How bad is my " + part + "?";
    default:
      return "Doc? You still there?";
  }
}

// Four patients who do not sound alike, and the medic.
constexpr SpeakingVoice kPatientVoices[kVoiceSetCount] = {{108.0, 1.00, 1.00, 0.015f, 11},
                                                          {132.0, 1.07, 1.10, 0.02f, 23},
                                                          {96.0, 0.93, 0.90, 0.01f, 37},
                                                          {142.0, 1.12, 1.05, 0.02f, 41}};
constexpr SpeakingVoice kMedicVoice{118.0, 1.0, 1.15, 0.0f, 7};

uint32_t Hash(const std::string& text) {
  uint32_t h = 2166136261u;
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  return h;
}

// ---- the textures ----

struct SkinTone {
  const char* prefix;  // where the game looks for this skin's wound textures
  Rgb skin;
};
// Light and dark own soldiers and the enemy; the desert skins fall back to the woodland ones.
const SkinTone kSkins[] = {
    {"wlcamo\\white\\wounds\\", {222, 178, 146}},
    {"wlcamo\\black\\wounds\\b-", {116, 80, 58}},
    {"enemy\\wounds\\ar-", {178, 130, 94}},
};

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

constexpr Rgb kBlood{120, 10, 12};
constexpr Rgb kDarkBlood{70, 4, 6};
constexpr Rgb kRaw{190, 50, 50};
constexpr Rgb kBone{232, 226, 204};
constexpr Rgb kBruise{92, 56, 110};
constexpr Rgb kChar{38, 30, 26};
constexpr Rgb kSoot{60, 56, 52};

class Painter {
 public:
  Painter(Image image, uint32_t seed) : image_(std::move(image)), noise_(seed) {}

  int Random(int lo, int hi) { return lo + static_cast<int>(noise_.Unit() * static_cast<float>(hi - lo)); }

  // A ragged patch: overlapping discs around a centre.
  void Blotch(int cx, int cy, int radius, Rgb colour) {
    for (int k = 0; k < 6; ++k) {
      const int r = std::max(1, radius * Random(55, 100) / 100);
      paint::Disc(image_, cx + Random(-radius / 2, radius / 2), cy + Random(-radius / 2, radius / 2), r, colour);
    }
  }
  void Trickle(int x, int y, int length, Rgb colour) {
    int px = x;
    for (int step = 0; step < length; step += 4) {
      const int nx = px + Random(-1, 2);
      paint::Line(image_, px, y + step, nx, y + step + 4, colour);
      paint::Line(image_, px + 1, y + step, nx + 1, y + step + 4, colour);
      px = nx;
    }
  }
  void Hole(int cx, int cy, int radius, Rgb skin) {
    paint::Disc(image_, cx, cy, radius * 2, Mix(skin, kBruise, 0.45));
    paint::Disc(image_, cx, cy, radius + 1, kBlood);
    paint::Disc(image_, cx, cy, radius - 1, kDarkBlood);
    Trickle(cx, cy + radius, Random(12, 30), kBlood);
  }
  // A gash: raw edges either side of a dark line, with a few drops running from it.
  void Cut(int x1, int y1, int x2, int y2) {
    paint::Line(image_, x1, y1 - 2, x2, y2 - 2, kRaw);
    paint::Line(image_, x1, y1 + 2, x2, y2 + 2, kRaw);
    paint::Line(image_, x1, y1 - 1, x2, y2 - 1, kBlood);
    paint::Line(image_, x1, y1 + 1, x2, y2 + 1, kBlood);
    paint::Line(image_, x1, y1, x2, y2, kDarkBlood);
    for (int drop = 0; drop < 2; ++drop) {
      const int at = Random(1, 9);
      Trickle(x1 + (x2 - x1) * at / 10, y1 + (y2 - y1) * at / 10 + 2, Random(4, 12), kBlood);
    }
  }
  Image& image() { return image_; }

 private:
  Image image_;
  synth::Noise noise_;
};

// Whether a word of the name (the parts between hyphens) is the given one.
bool Has(const std::string& name, const char* word) {
  size_t start = 0;
  while (start <= name.size()) {
    const size_t end = std::min(name.find('-', start), name.size());
    if (name.compare(start, end - start, word) == 0) return true;
    start = end + 1;
  }
  return false;
}

// The wound, by the words of its name.
void PaintWound(Painter& p, const std::string& name, Rgb skin) {
  constexpr int S = kWoundTextureSize;
  const int c = S / 2;
  if (name == "red") {
    // The placeholder patient's set: the skin washed red all over.
    paint::Fill(p.image(), 0, 0, S, S, Mix(skin, {200, 16, 16}, 0.7));
    return;
  }
  if (Has(name, "burn")) {
    for (int k = 0; k < 40; ++k) p.Blotch(p.Random(0, S), p.Random(0, S), p.Random(6, 16), Mix(skin, kRaw, 0.6));
    for (int k = 0; k < 25; ++k) p.Blotch(p.Random(0, S), p.Random(0, S), p.Random(3, 7), {236, 214, 190});
    for (int k = 0; k < 14; ++k) p.Blotch(p.Random(0, S), p.Random(0, S), p.Random(4, 10), kChar);
    return;
  }
  if (Has(name, "bruise") || Has(name, "crush") || Has(name, "fx")) {
    p.Blotch(c, c, S / 4, Mix(skin, {170, 150, 80}, 0.5));
    p.Blotch(c, c, S / 5, Mix(skin, kBruise, 0.6));
    p.Blotch(c, c, S / 8, Mix(skin, kBruise, 0.85));
  }
  if (Has(name, "crush")) {
    for (int k = 0; k < 10; ++k) p.Blotch(p.Random(c - 40, c + 40), p.Random(c - 40, c + 40), 5, kBlood);
  }
  if (Has(name, "fx")) {
    paint::Disc(p.image(), c, c, 7, kBlood);
    paint::Disc(p.image(), c, c - 2, 4, kBone);
    p.Trickle(c, c + 6, 30, kBlood);
  }
  if (Has(name, "gsw")) {
    p.Hole(c - 18, c - 10, 4, skin);
    p.Hole(c + 16, c + 14, 4, skin);
  }
  if (Has(name, "shrap")) {
    const int count = Has(name, "small") ? 3 : Has(name, "deep") ? 5 : 9;
    for (int k = 0; k < count; ++k) p.Hole(p.Random(20, S - 20), p.Random(20, S - 30), p.Random(2, 4), skin);
    if (Has(name, "deep") || Has(name, "groin") || Has(name, "upperarm")) p.Blotch(c, c + 20, 16, kBlood);
  }
  if (Has(name, "las") || Has(name, "blast")) {
    const int count = Has(name, "blast") ? 7 : 3;
    for (int k = 0; k < count; ++k) {
      const int x = p.Random(16, S - 56), y = p.Random(20, S - 30);
      p.Cut(x, y, x + p.Random(24, 44), y + p.Random(-12, 12));
    }
  }
  if (Has(name, "blast")) {
    for (int k = 0; k < 12; ++k) p.Blotch(p.Random(10, S - 10), p.Random(10, S - 10), p.Random(3, 8), kSoot);
  }
  if (Has(name, "amp")) {
    paint::Fill(p.image(), 0, S - 36, S, 36, kRaw);
    for (int k = 0; k < 8; ++k) p.Blotch(p.Random(0, S), S - p.Random(20, 44), 8, kBlood);
    paint::Disc(p.image(), c, S - 18, 10, kBone);
    paint::Disc(p.image(), c, S - 18, 4, {200, 160, 120});
  }
  if (Has(name, "impale") || Has(name, "rebar")) {
    p.Blotch(c, c, 26, kBlood);
    paint::Disc(p.image(), c, c, 10, kDarkBlood);
    p.Trickle(c - 6, c + 10, 40, kBlood);
  }
  if (Has(name, "stab")) {
    p.Blotch(c, c, 14, Mix(skin, kBlood, 0.5));
    p.Cut(c - 10, c - 4, c + 10, c + 4);
  }
  if (Has(name, "bite")) {
    p.Blotch(c, c, 30, Mix(skin, kRaw, 0.35));
    paint::Disc(p.image(), c - 8, c, 2, kDarkBlood);
    paint::Disc(p.image(), c + 8, c, 2, kDarkBlood);
  }
  if (Has(name, "intestine")) {
    for (int k = 0; k < 6; ++k) {
      const int x = c + p.Random(-30, 30), y = c + p.Random(-20, 30);
      paint::Disc(p.image(), x, y, 12, {196, 110, 120});
      paint::Disc(p.image(), x, y, 8, {222, 150, 150});
    }
    p.Blotch(c, c + 20, 14, kBlood);
  }
  if (Has(name, "ear") || Has(name, "nose")) {
    for (int k = 0; k < 4; ++k) p.Trickle(c + p.Random(-20, 20), c - 10, p.Random(20, 50), kBlood);
  }
}

Image WoundTexture(const std::string& name, Rgb skin, uint32_t seed) {
  constexpr int S = kWoundTextureSize;
  Image image = paint::NewImage(S, S, skin);
  paint::Gradient(image, 0, 0, S, S, Mix(skin, {255, 255, 255}, 0.05), Mix(skin, {0, 0, 0}, 0.08));
  paint::Speckle(image, 0, 0, S, S, 4, seed);
  Painter painter(image, seed);
  PaintWound(painter, name, skin);
  return image;
}

}  // namespace

WoundAssetNames CollectWoundAssetNames() {
  WoundAssetNames names;
  for (const WoundType& row : WoundTypeTable) {
    if (*row.textureSet != '\0') names.textures.insert(row.textureSet);
    if (*row.remarkKey != '\0') names.remarkKeys.emplace(row.remarkKey, HurtPart(row.location));
  }
  for (int i = 0; i < kStepListExtentCount; ++i) {
    for (const TreatmentStep* step = kStepListExtents[i].list; !kestrine::IsListEnd(step); ++step) {
      if (step->tool == kTextureChange && *step->reading != '\0') names.textures.insert(step->reading);
      if (*step->clip != '\0') names.clips.emplace(step->clip, SpokenWords(*step));
    }
  }
  return names;
}

std::string MedicClipPath(const std::string& clip) { return "sounds\\speech\\self\\" + clip; }

std::string RemarkPath(int voiceSet, const std::string& key, char kind, int take) {
  return "sounds\\speech\\ws" + std::to_string(voiceSet) + "\\" + key + kind + std::to_string(take);
}

std::string EncodeLipSync(const std::vector<MouthShapeAt>& shapes, int32_t endMs) {
  std::string out;
  auto le32 = [&out](int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  // The player moves on to the next shape 50 ms before a record's time.
  constexpr int32_t kLead = 50;
  for (size_t i = 0; i < shapes.size(); ++i) {
    const int32_t until = i + 1 < shapes.size() ? shapes[i + 1].startMs : endMs;
    le32(until + kLead);
    le32(shapes[i].shape);
  }
  le32(-1);
  le32(MOUTH_REST);
  return out;
}

std::vector<std::string> WoundTexturePaths(const std::string& name) {
  // Only one texture name gets the transparent picture format.
  const char* extension = name == "gsw-pafn-hand" ? ".qpg" : ".qjp";
  std::vector<std::string> paths;
  for (const SkinTone& skin : kSkins)
    paths.push_back("patient\\textures\\" + std::string(skin.prefix) + name + extension);
  return paths;
}

void WriteWoundSpeech(DataTree& tree) {
  const WoundAssetNames names = CollectWoundAssetNames();
  for (const auto& [clip, words] : names.clips) {
    SpeakingVoice style = kMedicVoice;
    style.seed = Hash(clip);
    WriteSpoken(tree, MedicClipPath(clip), Speak(words, style));
  }
  // The same line in the same voice sounds the same on every wound: it is spoken once.
  std::map<std::pair<int, std::string>, Spoken> spokenLines;
  auto say = [&](int voiceSet, const std::string& line, bool crying) -> const Spoken& {
    auto found = spokenLines.find({voiceSet, line});
    if (found != spokenLines.end()) return found->second;
    SpeakingVoice style = kPatientVoices[voiceSet - 1];
    style.seed += Hash(line);
    if (crying) {
      style.pitch *= 1.3;
      style.breath *= 2.0f;
    }
    return spokenLines.emplace(std::make_pair(voiceSet, line), Speak(line, style)).first->second;
  };
  for (const auto& [key, part] : names.remarkKeys) {
    for (int voiceSet = 1; voiceSet <= kVoiceSetCount; ++voiceSet) {
      for (int take = 1; take <= kRemarkTakes; ++take) {
        WriteSpoken(tree, RemarkPath(voiceSet, key, 'c', take), say(voiceSet, kRightMoveLines[take - 1], false));
        WriteSpoken(tree, RemarkPath(voiceSet, key, 'i', take), say(voiceSet, kWrongMoveLines[take - 1], true));
        WriteSpoken(tree, RemarkPath(voiceSet, key, 'l', take), say(voiceSet, SilenceLine(take - 1, part), false));
      }
    }
  }
}

void WriteWoundTextures(DataTree& tree) {
  const WoundAssetNames names = CollectWoundAssetNames();
  for (const std::string& name : names.textures) {
    const std::vector<std::string> paths = WoundTexturePaths(name);
    for (size_t i = 0; i < paths.size(); ++i) {
      const Image image = WoundTexture(name, kSkins[i].skin, Hash(name));
      tree.WritePng(CanonicalPath(paths[i]), *image);
    }
  }
}

}  // namespace assetgen
