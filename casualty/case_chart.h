// The patient's case chart: the scrolling log of everything done to him that the patient view shows. One
// per patient.
#pragma once

namespace kestrine {

class CaseChart {};

}  // namespace kestrine
