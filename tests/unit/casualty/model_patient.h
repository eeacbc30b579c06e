// A patient whose body is on the engine but not built: a test puts in the engine objects it needs.
#pragma once

#include <memory>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"

namespace kestrine::testing {

template <typename Body = ModelBody>
std::unique_ptr<Patient> UnbuiltModelPatient() {
  return std::make_unique<Patient>([](Patient& patient) {
    return std::make_unique<Body>(patient, engine::EngineRef<engine::EngineRoot>{},
                                  engine::EngineRef<engine::EngineStage>{});
  });
}

}  // namespace kestrine::testing
