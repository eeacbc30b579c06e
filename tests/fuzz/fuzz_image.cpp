// Image decoding on arbitrary bytes: whatever decodes must be a sane picture that can be drawn, stretched and
// keyed into a small image without reading or writing outside either one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/image_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using engine::EngineBitmap;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  engine::EngineRef<EngineBitmap> image = engine::DecodeImage(bytes);
  if (!image) return 0;

  const int width = image->GetWidth();
  const int height = image->GetHeight();
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) std::abort();
  if (image->Pixels().size() != static_cast<size_t>(width) * static_cast<size_t>(height)) std::abort();

  // Key on the first pixel's colour, as the game keys its overlays, and draw the picture a few ways.
  const engine::Color first = image->PixelColor(0, 0);
  image->SetColorKey(first.r, first.g, first.b);
  auto target = engine::MakeEngine<EngineBitmap>(32, 24);
  target->Clear(255, 0, 0);
  target->SetColorKey(255, 0, 0);
  target->DrawBitmap(image, 0, 0, 0, width, height, 0, 0, 32, 24);                     // whole, scaled
  target->DrawBitmap(image, 0, width / 2, height / 2, width, height, -5, -3, 40, 30);  // off both edges
  target->DrawBitmap(image, 0, 0, 0, 32, 24, 0, 0, 32, 24);                            // unscaled corner
  target->CopyImage(image, 0);
  return 0;
}
