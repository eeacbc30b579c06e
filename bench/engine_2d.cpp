// The 2D work every screen repeats each frame: a line of screen text drawn the way the game draws it (a fresh
// text object per call), a full-screen keyed copy of a backdrop, and clearing the overlay.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine_text.h"

namespace {

using engine::EngineBitmap;
using engine::EngineRef;
using engine::EngineTextFont;
using engine::MakeEngine;

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

EngineRef<EngineBitmap> Overlay() {
  auto overlay = MakeEngine<EngineBitmap>(kScreenWidth, kScreenHeight);
  overlay->Clear(255, 0, 0);
  overlay->SetColorKey(255, 0, 0);
  return overlay;
}

void TextLine(benchmark::State& state) {
  auto overlay = Overlay();
  const std::wstring text = L"Patient stable: move to the LZ";  // 30 characters
  for (auto _ : state) {
    EngineRef<EngineTextFont> font = MakeEngine<EngineTextFont>();
    font->SetFontFace(L"Arial");
    font->SetSize(12);
    font->SetStyleA(0);
    font->SetStyleB(0);
    font->SetColor(255, 255, 0);
    font->SetBackColor(255, 0, 0);
    font->DrawText(overlay, 320 - font->TextWidth(text) / 2, 200, text);
    font.Reset();
    benchmark::DoNotOptimize(overlay->Pixels().data());
  }
}
BENCHMARK(TextLine);

void FullScreenKeyedBlit(benchmark::State& state) {
  // A backdrop-sized picture with a keyed hole in it, copied over the whole screen.
  auto source = MakeEngine<EngineBitmap>(kScreenWidth, kScreenHeight);
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kScreenWidth; ++x)
      source->SetPixel(x, y, (x / 40 + y / 40) % 3 == 0 ? 0xFF0000u : static_cast<uint32_t>(x * 977 + y * 131));
  source->SetColorKey(255, 0, 0);
  auto target = Overlay();
  for (auto _ : state) {
    target->DrawBitmap(source, 0, 0, 0, kScreenWidth, kScreenHeight, 0, 0, kScreenWidth, kScreenHeight);
    benchmark::DoNotOptimize(target->Pixels().data());
  }
}
BENCHMARK(FullScreenKeyedBlit);

void FullScreenStretchedBlit(benchmark::State& state) {
  // The backdrops are stored smaller than the screen and stretched over it.
  auto source = MakeEngine<EngineBitmap>(512, 384);
  source->Clear(30, 60, 90);
  source->SetColorKey(255, 0, 0);
  auto target = Overlay();
  for (auto _ : state) {
    target->DrawBitmap(source, 0, 0, 0, 512, 384, 0, 0, kScreenWidth, kScreenHeight);
    benchmark::DoNotOptimize(target->Pixels().data());
  }
}
BENCHMARK(FullScreenStretchedBlit);

void ClearScreen(benchmark::State& state) {
  auto overlay = Overlay();
  for (auto _ : state) {
    overlay->Clear(255, 0, 0);
    benchmark::DoNotOptimize(overlay->Pixels().data());
  }
}
BENCHMARK(ClearScreen);

}  // namespace

BENCHMARK_MAIN();
