// What the backpack tests share: an empty pack with the base limits, the list order as the table, a
// headless engine for the medic's remarks, and helpers to write small sound files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "casualty/backpack.h"
#include "core/engine_core.h"
#include "engine/engine.h"
#include "shell/globals.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine::testing {

// A mono 16-bit RIFF WAVE of `ms` milliseconds of a square wave.
inline std::string SquareWave(int ms) {
  const int rate = 8000;
  const uint32_t frames = static_cast<uint32_t>(rate * ms / 1000);
  auto le = [](std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  std::string s = "RIFF";
  le(s, 36 + frames * 2, 4);
  s += "WAVEfmt ";
  le(s, 16, 4);
  le(s, 1, 2);
  le(s, 1, 2);
  le(s, rate, 4);
  le(s, rate * 2, 4);
  le(s, 2, 2);
  le(s, 16, 2);
  s += "data";
  le(s, frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i) le(s, (i / 20) % 2 ? 8000u : static_cast<uint32_t>(-8000), 2);
  return s;
}

class BackpackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engineRoot = engine::CreateEngineRoot("headless");
    engineRoot->Core().SetTraceToStderr(false);
    backpack = Backpack();
    keepBackpack = false;
    for (int i = 0; i < kToolCount; ++i) backpackListOrder[i] = i;
    capacityFactor = 1.0f;
    noFitShown = false;
    noFitUntil = 0;
    noFitSound.Reset();
    gameClock = 0;
    difficulty = 0;
    effectsVolume = 127;
    kestrine::srand(1);
  }

  void TearDown() override {
    noFitSound.Reset();
    engineRoot.Reset();
    if (!oldDir_.empty()) std::filesystem::current_path(oldDir_);
    if (!dataDir_.empty()) std::filesystem::remove_all(dataDir_);
  }

  // Runs the rest of the test from a fresh, empty folder (the game's paths are relative to it).
  void UseDataDir() {
    if (!dataDir_.empty()) return;
    oldDir_ = std::filesystem::current_path();
    dataDir_ =
        std::filesystem::temp_directory_path() / ("kestrine-casualty-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dataDir_);
    std::filesystem::create_directories(dataDir_);
    std::filesystem::current_path(dataDir_);
  }

  // Writes a file of the data folder; the path uses '/'.
  void WriteDataFile(const std::string& path, const std::string& bytes) {
    UseDataDir();
    const std::filesystem::path file = dataDir_ / path;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
  }

  // The four "no fit" remarks, each `ms` long.
  void UseNoFitClips(int ms) {
    for (int n = 1; n <= 4; ++n) WriteDataFile("sounds/speech/NoFit" + std::to_string(n) + ".qwv", SquareWave(ms));
  }

  // Each row appears exactly once in the list order.
  static bool ListOrderIsAPermutation() {
    bool seen[kToolCount] = {};
    for (int row : backpackListOrder) {
      if (!IsToolRow(row) || seen[row]) return false;
      seen[row] = true;
    }
    return true;
  }

 private:
  std::filesystem::path oldDir_;
  std::filesystem::path dataDir_;
};

}  // namespace kestrine::testing
