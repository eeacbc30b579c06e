// The patient view's box for the medic's remarks: what he says about a finding, and his "Oops!" when
// something is in the way. The patient view creates and releases the box with its screen.
#pragma once

#include <string_view>

#include "shell/timed_message.h"

namespace kestrine {

// How long a remark stays up, and where.
constexpr float kRemarkX = 0.7f;
constexpr float kRemarkY = 0.1f;
constexpr int32_t kRemarkFrames = 100;

// Shows a remark, while the box exists; outside the patient view there is nobody to say it to.
void ShowMedicRemark(std::string_view text);

// The box's life with the patient view's screen: made with the given margin, copied every frame, given back.
void CreateRemarkBox(int32_t margin);
void UpdateRemarkBox();
void ReleaseRemarkBox();

}  // namespace kestrine
