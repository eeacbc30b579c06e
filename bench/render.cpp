// Frame times of the real renderer on SDL's offscreen driver (llvmpipe when there is no GPU):
//   TwoDLayers: the screen layers only at 640 x 480, the text layer redrawn every frame as the menus do;
//   TexturedStage: the same layers over a stage of 30 textured, lit objects under the game's camera.
// Each reports the median frame time in ms ("median_ms"); a frame is counted until the GPU finished it.
#include "frame_timing.h"

namespace {

namespace bench = kestrine::bench;
using engine::EngineBitmap;
using engine::EngineRef;

struct Screen {
  EngineRef<engine::EngineRoot> root;
  engine::SdlBackend* backend = nullptr;
  EngineRef<engine::EngineStage> stage;
  EngineRef<EngineBitmap> backdrop, text, canvas;
  EngineRef<engine::EngineSprite> backdropSprite, textSprite, canvasSprite;
};

// The game's three screen layers: the full-screen overlay (0), the red-keyed text overlay (1) and the
// menu canvas hanging under it (255).
bool MakeScreen(Screen& s, benchmark::State& state) {
  s.backend = bench::CreateSdlRoot(s.root, state);
  if (!s.backend) return false;
  s.stage = s.root->CreateStage();
  auto camera = s.stage->GetCamera();
  s.backdrop = s.root->CreateBitmap(640, 480);
  for (int y = 0; y < 480; y += 8) {
    s.backdrop->SetDrawColor(y / 2, 60, 255 - y / 2);
    s.backdrop->FillRect(0, y, 640, 8);
  }
  s.text = s.root->CreateBitmap(640, 480);
  s.text->Clear(255, 0, 0);
  s.text->SetColorKey(255, 0, 0);
  s.canvas = s.root->CreateBitmap(640, 480);
  s.canvas->Clear(255, 0, 0);
  s.canvas->SetColorKey(255, 0, 0);
  s.canvas->SetDrawColor(200, 200, 200);
  s.canvas->FillRect(220, 300, 200, 40);
  s.backdropSprite = camera->CreateSprite(s.backdrop, 0);
  s.textSprite = camera->CreateSprite(s.text, 1);
  s.canvasSprite = s.textSprite->CreateSprite(s.canvas, 255);
  return true;
}

// What a menu does every frame: clear the text layer and write its lines again.
void RedrawText(Screen& s, int frame) {
  s.text->SetDrawColor(255, 0, 0);
  s.text->FillRect(0, 0, 640, 480);
  s.text->SetDrawColor(235, 247, 195);
  for (int line = 0; line < 12; ++line) s.text->FillRect(60 + (frame + line) % 40, 40 + line * 30, 400, 12);
}

void TwoDLayers(benchmark::State& state) {
  Screen s;
  if (!MakeScreen(s, state)) return;
  s.root->Render();  // first uploads outside the timing
  bench::RunFrames(state, *s.root, *s.backend, [&](int frame) { RedrawText(s, frame); });
}
BENCHMARK(TwoDLayers)->Iterations(bench::kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

void TexturedStage(benchmark::State& state) {
  Screen s;
  if (!MakeScreen(s, state)) return;
  s.backdropSprite->SetVisible(0);  // the 3D view shows, as in a mission
  auto camera = s.stage->GetCamera();
  camera->SetPosition(0, 15, -15);
  camera->SetRotation(1, 0, 0, 45);
  camera->SetClipRange(250, 1);
  auto ambient = s.root->CreateLight(0);
  ambient->SetColor(100, 100, 100);
  s.stage->AddObject(ambient);
  auto sun = s.root->CreateLight(3);
  sun->SetColor(200, 200, 200);
  s.stage->AddObject(sun);
  sun->SetOrientation(0, -0.7f, 1, 0, 1, 0);
  auto ground = s.root->CreateGrid(20, 20, 9.5f, 9.5f, -90.25f, 90.25f, 1);
  auto groundImage = s.root->CreateBitmap(256, 256);
  groundImage->Clear(70, 110, 40);
  ground->SetFaceBitmap(L"front", groundImage, 1);
  auto groundObject = s.root->CreateObject();
  groundObject->AttachShape(ground);
  s.stage->AddObject(groundObject);

  std::vector<EngineRef<engine::EngineObject>> objects;
  for (int i = 0; i < 30; ++i) {
    auto image = s.root->CreateBitmap(128, 128);
    image->Clear(255, 0, 0);
    image->SetColorKey(255, 0, 0);
    image->SetDrawColor(40 + i * 7, 200 - i * 5, 90);
    image->FillRect(8, 8, 112, 112);
    auto mesh = (i % 3 == 0) ? s.root->CreatePlane(2, 3, 1, 0, 0, 1) : s.root->CreateBox(1.5f, 1.5f, 1.5f, 1);
    for (const auto& [face, unused] : mesh->Faces()) mesh->SetFaceBitmap(face, image, 1);
    auto object = s.root->CreateObject();
    object->AttachShape(mesh);
    object->SetPosition(static_cast<float>(i % 6) * 4 - 10, 1, static_cast<float>(i / 6) * 4 - 6);
    s.stage->AddObject(object);
    objects.push_back(object);
  }
  s.root->Render();
  bench::RunFrames(state, *s.root, *s.backend, [&](int frame) {
    RedrawText(s, frame);
    for (size_t i = 0; i < objects.size(); ++i)
      objects[i]->SetRotation(0, 1, 0, static_cast<float>(frame * 2 + static_cast<int>(i) * 12));
  });
}
BENCHMARK(TexturedStage)->Iterations(bench::kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
