// The patient view's bodies: the soldier's body and the wound bodies (legs gone, foot gone, the amputation
// body with its two lower legs as models of their own, the pipe in the buttock), each skinned on the 27
// bones of the patient's skeleton with the skin and clothing materials the game paints and cuts, the body
// animations by their pose names and the sixteen mouth shapes.
#pragma once

#include <string>

#include "tools/assetgen/generators.h"

namespace assetgen {

// What a body lacks.
struct PatientBodyShape {
  bool lowerLegs = true;  // calves and feet (the amputation body's come as separate models)
  bool leftFoot = true;
  bool kneeCaps = false;  // the amputation body's cut ends at the knees, in "blinn32"
};

std::string PatientBodyFile(const PatientBodyShape& shape);
// A lower leg of the amputation body, right or left, as it hangs on the pick shape of its knee.
std::string PatientStumpFile(bool right);

void WritePatientBodies(DataTree& tree);

// The body animations, added to a body on the patient's skeleton (patient_poses.cpp).
class PatientRig;
void AddPatientPoses(PatientRig& rig);

}  // namespace assetgen
