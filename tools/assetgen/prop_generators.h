// The injury props, the blood and the dog tags of the patient view: the nine prop models (drawn where the
// game's placement puts them on the lying body), the vehicle's shadow picture, the blood pool and blood
// splat pictures, and the soldiers' 35 dog tags.
#pragma once

#include <string>

#include "casualty_view/injury_prop.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/image_paint.h"

namespace assetgen {

std::string InjuryPropFile(kestrine::PropKind kind);
paint::Image HummerShadowPicture();
void WriteInjuryProps(DataTree& tree);

paint::Image BloodPoolPicture();
paint::Image BloodSplatPicture();
// The tag of list entry `name` ("ABR.qpg"): a metal tag cut out on red, with the soldier's name,
// number, blood group and religion stamped on it.
paint::Image DogTagPicture(const std::string& name);
void WriteBloodAndDogTags(DataTree& tree);

}  // namespace assetgen
