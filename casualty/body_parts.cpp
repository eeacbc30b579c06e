// The body-part table.
#include "casualty/body_parts.h"

namespace kestrine {

const BodyPart kBodyParts[kBodyPartCount] = {
    {"Left Foot", 0x80001000, "feet1", "l_boot"},
    {"Right Foot", 0x40001000, "feet1", "r_boot"},
    {"Left Calf", 0x80000400, "s_left_leg1", "u_left_leg1"},
    {"Right Calf", 0x40000400, "s_right_leg1", "u_right_leg1"},
    {"Left Thigh", 0x80000200, "s_left_leg1", "u_left_leg1"},
    {"Right Thigh", 0x40000200, "s_right_leg1", "u_right_leg1"},
    {"Hip", 0xc0010000, "s_waist1", "u_waist1"},
    {"Left Hand", 0x80000020, "l_hand1", ""},
    {"Right Hand", 0x40000020, "r_hand1", ""},
    {"Left Forearm", 0x80000100, "s_left_arm2", "u_left_arm1"},
    {"Right Forearm", 0x40000100, "s_right_arm2", "u_right_arm1"},
    {"Left Upper Arm", 0x80000080, "s_left_arm2", "u_left_arm1"},
    {"Right Upper Arm", 0x40000080, "s_right_arm2", "u_right_arm1"},
    {"Abdomen", 0xc0008000, "s_chest1", "u_waist1"},
    {"Buttocks", 0xc0020000, "s_back1", "u_butt2"},
    {"Chest", 0xc0002000, "s_chest1", "u_chest"},
    {"Back", 0xc0004000, "s_back1", "u_back1"},
    {"Neck", 0xc0000008, "head1", ""},
    {"Head", 0xc0040000, "head1", "helmet1"},
    {"Mouth", 0xc0000004, "teethtounge", "helmet1"},
    {"Nose", 0xc0000010, "head1", "helmet1"},
    {"Left Eye", 0x80080000, "l_eye", "helmet1"},
    {"Right Eye", 0x40080000, "r_eye", "helmet1"},
    {"Left Ear", 0x80100000, "head1", "helmet1"},
    {"Right Ear", 0x40100000, "head1", "helmet1"},
    {"Left Elbow", 0x80000040, "s_left_arm2", "u_left_arm1"},
    {"Right Elbow", 0x40000040, "s_right_arm2", "u_right_arm1"},
};

}  // namespace kestrine
