// What the data tests share: a scratch folder filled by some of assetgen's writers and read through the
// game's own loaders while it is the working directory, the headless engine those loaders need, and a check
// that two fresh runs of a writer give the same bytes.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "core/engine_internals.h"
#include "engine/engine.h"
#include "engine/game_path.h"
#include "shell/engine_setup.h"
#include "tools/assetgen/generators.h"

namespace kestrine::testing {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file the way the game finds it from the working directory (any case, '\' or '/'); empty when missing.
inline std::string ReadGameFile(const std::string& gamePath) {
  const auto real = engine::ResolveGamePath(gamePath);
  return real ? ReadFile(*real) : std::string();
}

// A fresh folder holding what `write` generates, removed with the object.
class GeneratedData {
 public:
  explicit GeneratedData(const std::function<void(assetgen::DataTree&)>& write) {
    char pattern[] = "/tmp/kestrine-generated-XXXXXX";
    dir_ = mkdtemp(pattern);
    assetgen::DataTree tree(dir_);
    write(tree);
  }
  ~GeneratedData() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  GeneratedData(const GeneratedData&) = delete;
  GeneratedData& operator=(const GeneratedData&) = delete;
  const fs::path& Dir() const { return dir_; }

 private:
  fs::path dir_;
};

// The working directory while it lives.
class InFolder {
 public:
  explicit InFolder(const fs::path& dir) : previous_(fs::current_path()) { fs::current_path(dir); }
  ~InFolder() { fs::current_path(previous_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path previous_;
};

// A headless engine that keeps its trace to itself (the tests read it).
inline engine::EngineRef<engine::EngineRoot> QuietEngineRoot() {
  engine::EngineRef<engine::EngineRoot> root = engine::CreateEngineRoot("headless");
  engine::CoreOf(*root).SetTraceToStderr(false);
  return root;
}

// The game's headless engine, stage and camera as at start-up, let go in the order the game lets go of them.
struct HeadlessGame {
  HeadlessGame() {
    UseEngine(QuietEngineRoot());
    const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
    UseEngine(Engine().engineRoot, stage, stage->GetCamera());
  }
  ~HeadlessGame() { ReleaseEngine(); }
  static std::string Log() { return engine::CoreOf(*Engine().engineRoot).DebugLog(); }
};

// Runs `write` in two child processes (a run of the generator starts from a fresh process, and some writers
// carry state from one file to the next) and expects every file of the first run, byte for byte, in the
// second. Returns how many files were compared.
inline size_t ExpectSameBytesInTwoFreshRuns(const std::function<void(assetgen::DataTree&)>& write) {
  const auto runInChild = [&](const fs::path& dir) {
    const pid_t child = fork();
    if (child == 0) {
      assetgen::DataTree tree(dir);
      write(tree);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  };
  char pattern[] = "/tmp/kestrine-twice-XXXXXX";
  const fs::path root = mkdtemp(pattern);
  size_t compared = 0;
  if (runInChild(root / "a") && runInChild(root / "b")) {
    for (const auto& entry : fs::recursive_directory_iterator(root / "a")) {
      if (!entry.is_regular_file()) continue;
      EXPECT_EQ(ReadFile(entry.path()), ReadFile(root / "b" / fs::relative(entry.path(), root / "a"))) << entry.path();
      ++compared;
    }
  } else {
    ADD_FAILURE() << "a generator run failed";
  }
  fs::remove_all(root);
  return compared;
}

}  // namespace kestrine::testing
