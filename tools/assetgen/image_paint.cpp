#include "tools/assetgen/image_paint.h"

#include <algorithm>

namespace assetgen::paint {

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

engine::EngineRef<engine::EngineTextFont> MakeFont(const TextStyle& style, Rgb back) {
  auto font = engine::MakeEngine<engine::EngineTextFont>();
  font->SetFontFace(style.face);
  font->SetSize(style.size);
  font->SetStyleA(style.bold ? 1 : 0);
  font->SetColor(style.colour.r, style.colour.g, style.colour.b);
  font->SetBackColor(back.r, back.g, back.b);
  return font;
}

}  // namespace

Image NewImage(int width, int height, Rgb fill) {
  Image image = engine::MakeEngine<engine::EngineBitmap>(width, height);
  image->Clear(fill.r, fill.g, fill.b);
  return image;
}

void Fill(const Image& image, int x, int y, int width, int height, Rgb colour) {
  image->SetDrawColor(colour.r, colour.g, colour.b);
  image->FillRect(x, y, width, height);
}

void Gradient(const Image& image, int x, int y, int width, int height, Rgb top, Rgb bottom) {
  for (int row = 0; row < height; ++row) {
    const int span = std::max(1, height - 1);
    auto mix = [&](int a, int b) { return a + (b - a) * row / span; };
    Fill(image, x, y + row, width, 1, {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)});
  }
}

void Bevel(const Image& image, int x, int y, int width, int height, Rgb light, Rgb dark) {
  Line(image, x, y, x + width - 1, y, light);
  Line(image, x, y, x, y + height - 1, light);
  Line(image, x, y + height - 1, x + width - 1, y + height - 1, dark);
  Line(image, x + width - 1, y, x + width - 1, y + height - 1, dark);
}

void Frame(const Image& image, int x, int y, int width, int height, Rgb colour) {
  Bevel(image, x, y, width, height, colour, colour);
}

void Disc(const Image& image, int cx, int cy, int radius, Rgb colour) {
  for (int dy = -radius; dy <= radius; ++dy) {
    int half = 0;
    while ((half + 1) * (half + 1) + dy * dy <= radius * radius) ++half;
    Fill(image, cx - half, cy + dy, 2 * half + 1, 1, colour);
  }
}

void Line(const Image& image, int x1, int y1, int x2, int y2, Rgb colour) {
  image->SetDrawColor(colour.r, colour.g, colour.b);
  image->DrawLine(x1, y1, x2, y2);
}

void Speckle(const Image& image, int x, int y, int width, int height, int amount, uint32_t seed) {
  uint32_t state = seed * 747796405u + 2891336453u;
  auto next = [&state]() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  for (int py = std::max(0, y); py < std::min(image->GetHeight(), y + height); ++py)
    for (int px = std::max(0, x); px < std::min(image->GetWidth(), x + width); ++px) {
      const engine::Color c = image->PixelColor(px, py);
      const int delta = static_cast<int>(next() % static_cast<uint32_t>(2 * amount + 1)) - amount;
      auto shade = [delta](int v) { return std::clamp(v + delta, 1, 254); };
      image->SetPixel(px, py,
                      engine::Color{static_cast<uint8_t>(shade(c.r)), static_cast<uint8_t>(shade(c.g)),
                                    static_cast<uint8_t>(shade(c.b))}
                          .Packed());
    }
}

int LabelWidth(const std::string& text, const TextStyle& style) {
  return MakeFont(style, {0, 0, 0})->TextWidth(Wide(text));
}

int LabelHeight(const std::string& text, const TextStyle& style) {
  return MakeFont(style, {0, 0, 0})->TextHeight(Wide(text));
}

void Label(const Image& image, int x, int y, const std::string& text, const TextStyle& style) {
  // The text is drawn on a scratch image whose background is a key colour, then copied over without it,
  // so a label sits on gradients and textures with no box around it.
  const Rgb key =
      style.colour.g == 0 && style.colour.r == 255 && style.colour.b == 255 ? Rgb{1, 254, 1} : Rgb{255, 0, 255};
  const auto font = MakeFont(style, key);
  const std::wstring wide = Wide(text);
  const int width = font->TextWidth(wide);
  const int height = font->TextHeight(wide);
  if (width <= 0 || height <= 0) return;
  Image scratch = NewImage(width, height, key);
  font->DrawText(scratch, 0, 0, wide);
  scratch->SetColorKey(key.r, key.g, key.b);
  if (style.align == Align::Right) x -= width;
  if (style.align == Align::Centre) x -= width / 2;
  image->DrawBitmap(scratch, 0, 0, 0, width, height, x, y, width, height);
}

}  // namespace assetgen::paint
