// What every injury prop lets go of the same way.
#include "casualty/injury_prop.h"

namespace kestrine {

void InjuryProp::Release(const engine::EngineRef<engine::EngineStage>& stage) {
  if (stage) {
    if (model) stage->RemoveObject(model);
    if (shadow) stage->RemoveObject(shadow);
  }
  // A prop on a bone hangs from the body, which goes with the patient; it must not keep the prop's model.
  if (model && model->Parent() != nullptr) model->Parent()->RemoveChild(model);
  model.Reset();
  for (auto& image : images) image.Reset();
  shadow.Reset();
  shadowPlane.Reset();
}

}  // namespace kestrine
