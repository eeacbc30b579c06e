// The one fixture of the engine tests: a quiet headless root with a stage and its camera, and the vector
// comparisons the scene tests share.
#pragma once

#include <gtest/gtest.h>

#include "core/engine_internals.h"
#include "engine/engine.h"

namespace engine::testing {

inline EngineRef<EngineRoot> QuietRoot() {
  EngineRef<EngineRoot> root = CreateEngineRoot("headless");
  CoreOf(*root).SetTraceToStderr(false);
  return root;
}

inline void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

inline Vec3 Of(const EngineRef<EngineVector>& v) { return v->Value(); }

class EngineTest : public ::testing::Test {
 protected:
  std::string Log() const { return CoreOf(*root_).DebugLog(); }

  EngineRef<EngineRoot> root_ = QuietRoot();
  EngineRef<EngineStage> stage_ = root_->CreateStage();
  EngineRef<EngineCamera> camera_ = stage_->GetCamera();
};

}  // namespace engine::testing
