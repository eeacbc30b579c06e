// The 2D layer under load: screens redraw their text every frame with a fresh text object per label, so
// these must stay far below a frame. Target: a whole menu of 20 labels under 2 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/text_scroll_box.h"

namespace {

using namespace kestrine;

// The engine and overlays as start-up leaves them, made once for the whole program.
void SetUpScreens() {
  if (Engine().engineRoot) return;
  UseEngine(engine::CreateEngineRoot("headless"));
  const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
  UseEngine(Engine().engineRoot, stage, stage->GetCamera());
  CreateTextOverlay();
  CreateOverlays();
}

void BM_DrawScreenText(benchmark::State& state) {
  SetUpScreens();
  for (auto _ : state) {
    DrawScreenText(0.5, 0.6, L"Tourniquets stop bleeding from a limb.", 11, ALIGN_CENTRE, 235, 247, 195, 1, 0);
  }
  benchmark::DoNotOptimize(ScreenText().textOverlay->Pixels().data());
}
BENCHMARK(BM_DrawScreenText);

void BM_TextScrollBoxDraw16Rows(benchmark::State& state) {
  SetUpScreens();
  std::vector<std::string> texts;
  for (int i = 0; i < 34; ++i) {
    texts.push_back((i % 10 == 0 ? "\x02" : "") +
                    std::string("   Move your character     Point mouse and RIGHT CLICK"));
  }
  std::vector<const char*> lines;
  for (const std::string& t : texts) lines.push_back(t.c_str());
  sharedTextBox.Layout(lines.data(), 34, 75, 229, 515, 234);
  sharedTextBox.text->SetFontFace(L"Courier New");
  for (auto _ : state) sharedTextBox.Draw(Overlays().menuCanvas);
  benchmark::DoNotOptimize(Overlays().menuCanvas->Pixels().data());
  state.counters["rows"] = sharedTextBox.visible;
}
BENCHMARK(BM_TextScrollBoxDraw16Rows);

void BM_MenuRedraw20Labels(benchmark::State& state) {
  SetUpScreens();
  static const wchar_t* const kLabels[] = {L"TRAINING", L"NEW GAME", L"LOAD GAME", L"OPTIONS",      L"PLAYER CONTROLS",
                                           L"CREDITS",  L"EXIT",     L"NOVICE",    L"INTERMEDIATE", L"EXPERT"};
  ChooseHotspot(3);
  for (auto _ : state) {
    ClearHotspots();
    ClearMenuCanvas();
    for (int i = 0; i < kMaxMenuHotspots; ++i) {
      AddMenuButton(Overlays().menuCanvas, (i / 10) * 300 + 20, 20 + (i % 10) * 24, 180, 23, kLabels[i % 10]);
    }
  }
  benchmark::DoNotOptimize(Overlays().menuCanvas->Pixels().data());
}
BENCHMARK(BM_MenuRedraw20Labels);

}  // namespace

BENCHMARK_MAIN();
