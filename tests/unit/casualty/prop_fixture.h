// Patients built on the headless engine with the generated soldier's body, injury props and blood
// pictures, in a scratch data folder: for the tests of the props, the pools, the splat and the dog tag.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "casualty/patient.h"
#include "casualty_view/injury_prop.h"
#include "casualty_view/model_body.h"
#include "core/engine_internals.h"
#include "shell/engine_setup.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "tools/assetgen/patient_generators.h"
#include "tools/assetgen/prop_generators.h"
#include "unit/casualty/headless_stage_fixture.h"

namespace kestrine {

class PropTest : public HeadlessStageTest {
 protected:
  void SetUp() override {
    HeadlessStageTest::SetUp();
    tree_.WriteBytes("patient\\pv-sold\\pv_sold.qsad", assetgen::PatientBodyFile({}));
    tree_.WriteBytes("patient\\injury\\pv-legamp\\pv_legamp.qsad", assetgen::PatientBodyFile({false, true, true}));
    for (int kind = 0; kind < kPropKindCount; ++kind) {
      const std::wstring path = kPropRows[kind].model;
      tree_.WriteBytes(std::string(path.begin(), path.end()), assetgen::InjuryPropFile(static_cast<PropKind>(kind)));
    }
    WritePicture(kHummerShadowPicture, assetgen::HummerShadowPicture());
    WritePicture(kBloodPoolPicture, assetgen::BloodPoolPicture());
  }

  void WritePicture(const std::wstring& path, const assetgen::paint::Image& image) {
    tree_.WriteBytes(std::string(path.begin(), path.end()), assetgen::EncodePng(*image));
  }
  static std::unique_ptr<Patient> Build(int32_t wound, int32_t appearance) {
    return BuildPatient(Engine().engineRoot, Engine().engineStage, wound, appearance, nullptr);
  }
  static std::string Log() { return engine::CoreOf(*Engine().engineRoot).DebugLog(); }
};

}  // namespace kestrine
