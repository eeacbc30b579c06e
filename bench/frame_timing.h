// What the renderer benchmarks share: the SDL engine at 640 x 480 on the offscreen driver (llvmpipe when
// there is no GPU) in a window of that size, as a player in a window sees it, and frames timed until the GPU finished
// them, reported as the median and the 90th percentile in ms.
#pragma once

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "backend/sdl/sdl_backend.h"
#include "core/engine_internals.h"
#include "engine/engine.h"

namespace kestrine::bench {

constexpr int kFrames = 300;

// Makes root the SDL engine at 640 x 480; nullptr, and the benchmark skipped, without an OpenGL 3.3 context.
inline engine::SdlBackend* CreateSdlRoot(engine::EngineRef<engine::EngineRoot>& root, benchmark::State& state) {
  // Offscreen unless the caller chose a video driver: no window needed to measure the renderer.
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("KESTRINE_WINDOWED", "1", 0);
  root = engine::CreateEngineRoot("sdl");
  engine::CoreOf(*root).SetTraceToStderr(false);
  engine::SdlBackend* backend = engine::SdlBackendOf(*root);
  if (!backend || !backend->HasGlContext()) {
    state.SkipWithError("no OpenGL 3.3 context");
    return nullptr;
  }
  root->SetDisplayMode(640, 480, 16);
  return backend;
}

// The ms a value takes at a share of the sorted samples (0.5 the median); 0 without samples.
inline double Percentile(std::vector<double>& ms, int tenths) {
  std::sort(ms.begin(), ms.end());
  return ms.empty() ? 0 : ms[ms.size() * tenths / 10];
}

// One iteration a frame: perFrame(frame number), the render, and the wait for the GPU, timed by hand;
// "median_ms" and "p90_ms" counted.
template <class PerFrame>
void RunFrames(benchmark::State& state, engine::EngineRoot& root, engine::SdlBackend& backend, PerFrame perFrame) {
  std::vector<double> ms;
  ms.reserve(kFrames);
  int frame = 0;
  const uint64_t uploads0 = backend.TextureUploads(), builds0 = backend.MeshBuilds();
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    perFrame(frame++);
    root.Render();
    backend.FinishFrame();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - t0;
    state.SetIterationTime(took.count());
    ms.push_back(took.count() * 1000);
  }
  state.counters["median_ms"] = Percentile(ms, 5);
  state.counters["p90_ms"] = Percentile(ms, 9);
  // What the renderer did in a frame: textures and shapes sent to the GPU, 3D items and screen layers drawn.
  const double frames = std::max(1, frame);
  state.counters["uploads_per_frame"] = static_cast<double>(backend.TextureUploads() - uploads0) / frames;
  state.counters["mesh_builds_per_frame"] = static_cast<double>(backend.MeshBuilds() - builds0) / frames;
  state.counters["draw_items"] = static_cast<double>(backend.LastDrawItems());
  state.counters["sprites"] = static_cast<double>(backend.LastSpritesDrawn());
}

// A figure of /proc/self/status in kB ("VmHWM", "RssAnon"); 0 where the system has none.
inline double StatusKb(const char* field) {
  double kb = 0;
  if (FILE* f = std::fopen("/proc/self/status", "r")) {
    char line[256];
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f))
      if (std::strncmp(line, field, n) == 0 && line[n] == ':') kb = std::atof(line + n + 1);
    std::fclose(f);
  }
  return kb;
}

// The process's memory as counters in MB: its peak resident set ("vm_hwm_mb", shared libraries included) and
// its private memory now ("rss_anon_mb": heap and the like, what the program itself holds); of the heap, what is
// in use ("heap_used_mb") and what is free but not given back ("heap_free_mb").
inline void CountMemory(benchmark::State& state) {
  state.counters["vm_hwm_mb"] = StatusKb("VmHWM") / 1024;
  state.counters["rss_anon_mb"] = StatusKb("RssAnon") / 1024;
  const struct mallinfo2 heap = mallinfo2();
  state.counters["heap_used_mb"] = static_cast<double>(heap.uordblks + heap.hblkhd) / (1024 * 1024);
  state.counters["heap_free_mb"] = static_cast<double>(heap.fordblks) / (1024 * 1024);
}

}  // namespace kestrine::bench
