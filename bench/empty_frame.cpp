// The floor every frame benchmark stands on, at 640 x 480 on the real renderer (SDL offscreen, llvmpipe when
// there is no GPU):
//   EmptyFrame: the engine's fixed cost of a frame with nothing on the stage (a camera over the whole screen,
//     no object, no sprite), a change noted each frame so the renderer really draws it;
//   PlainClearPresent: what OpenGL itself asks for a frame, in a window of its own: clear the window's
//     colour and present it;
//   FullScreenPicture: the engine's frame with one opaque picture of 1024 x 1024 on a plane that fills the
//     screen, unlit: what a frame whose ground covers the screen costs at the least.
// The other frame benchmarks read as ratios to these two. Each reports the median and the 90th-percentile
// frame time in ms ("median_ms", "p90_ms"), a frame counted until the GPU finished it.
#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include "engine/engine_changes.h"
#include "frame_timing.h"

namespace {

namespace bench = kestrine::bench;

void EmptyFrame(benchmark::State& state) {
  engine::EngineRef<engine::EngineRoot> root;
  engine::SdlBackend* backend = bench::CreateSdlRoot(root, state);
  if (!backend) return;
  auto stage = root->CreateStage();
  stage->GetCamera()->SetViewport(0, 0, 640, 480);
  root->Render();
  bench::RunFrames(state, *root, *backend, [](int) { engine::NoteSceneChange(); });
}
BENCHMARK(EmptyFrame)->Iterations(bench::kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

void FullScreenPicture(benchmark::State& state) {
  engine::EngineRef<engine::EngineRoot> root;
  engine::SdlBackend* backend = bench::CreateSdlRoot(root, state);
  if (!backend) return;
  auto stage = root->CreateStage();
  stage->GetCamera()->SetViewport(0, 0, 640, 480);
  // Squares of many colours, so the picture's texels are really read.
  auto picture = root->CreateBitmap(1024, 1024);
  for (int y = 0; y < 1024; y += 64)
    for (int x = 0; x < 1024; x += 64) {
      picture->SetDrawColor(x / 4, y / 4, (x + y) / 8);
      picture->FillRect(x, y, 64, 64);
    }
  // 10 units in front of the camera (which looks along +z), far wider and higher than the view there.
  auto plane = root->CreatePlane(40, 40, 0, 0, 0, 1);
  plane->SetFaceBitmap(L"front", picture, 0);
  auto object = root->CreateObject();
  object->AttachShape(plane);
  object->SetPosition(0, 0, 10);
  object->SetRotation(0, 1, 0, 180);  // its front towards the camera
  stage->AddObject(object);
  root->Render();
  bench::RunFrames(state, *root, *backend, [](int) { engine::NoteSceneChange(); });
}
BENCHMARK(FullScreenPicture)->Iterations(bench::kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

void PlainClearPresent(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    state.SkipWithError("no video");
    return;
  }
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_Window* window = SDL_CreateWindow("plain", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480,
                                        SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
  SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
  if (!context) {
    state.SkipWithError("no OpenGL 3.3 context");
  } else {
    SDL_GL_SetSwapInterval(0);
    glViewport(0, 0, 640, 480);
    std::vector<double> ms;
    ms.reserve(bench::kFrames);
    int frame = 0;
    for (auto _ : state) {
      const auto t0 = std::chrono::steady_clock::now();
      // A colour that changes, as a drawn frame's would.
      glClearColor(0, 0, (frame++ % 2) / 255.0f, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      SDL_GL_SwapWindow(window);
      glFinish();
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - t0;
      state.SetIterationTime(took.count());
      ms.push_back(took.count() * 1000);
    }
    state.counters["median_ms"] = bench::Percentile(ms, 5);
    state.counters["p90_ms"] = bench::Percentile(ms, 9);
    SDL_GL_DeleteContext(context);
  }
  if (window) SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(PlainClearPresent)->Iterations(bench::kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
