// The joint-frame table.
#include "casualty/joint_frames.h"

namespace kestrine {

namespace {
constexpr JointTurn kNoTurn = {0, 0, 0, 0};
constexpr Offset3 kNoScale = {0, 0, 0};
}  // namespace

const JointFrameRow kJointFrames[kJointFrameRowCount] = {
    {0, BONE_L_ELBOW, "", {3.3f, 3.3f, 3}, 0, {kNoTurn, kNoTurn}, true, {-0.6f, 0.4f, 0}},
    {1, BONE_R_ELBOW, "", {4.2f, 3.3f, 2.8f}, 2, {{0, 0, 1, -10}, {1, 0, 0, 10}}, true, {1.7f, 0.4f, 0.9f}},
    {2, BONE_R_HIP, "", {3.7f, 3.7f, 3}, 0, {kNoTurn, kNoTurn}, true, {0.43f, -0.2f, 0}},
    {3, BONE_R_KNEE, "", {4.1f, 3.8f, 3}, 0, {kNoTurn, kNoTurn}, true, {0.85f, -0.21f, 0}},
    {4, BONE_L_HIP, "", {3.7f, 3.7f, 3}, 0, {kNoTurn, kNoTurn}, true, {-0.85f, -0.2f, 0}},
    {5, BONE_L_KNEE, "", {4.1f, 3.4f, 3}, 0, {kNoTurn, kNoTurn}, true, {-0.55f, -0.18f, 0}},
    {6, BONE_HEAD, "", {3, 3.3f, 3}, 0, {kNoTurn, kNoTurn}, true, {0, 0, 0}},
    {7, BONE_SPINE2, "", {3, 3, 3}, 0, {kNoTurn, kNoTurn}, true, {-0.6f, 2.4f, 2.8f}},
    {8, BONE_LEFT_ELBOW, "left_elbow", kNoScale, 1, {{0, 0, 1, -90}, kNoTurn}, true, {2.9f, 1, 6}},
    {9, BONE_RIGHT_ELBOW, "right_elbow", kNoScale, 1, {{0, 0, 1, -90}, kNoTurn}, true, {-2.1f, 1, 6}},
    {10, BONE_UP_MOUTH, "", kNoScale, 0, {kNoTurn, kNoTurn}, false, {0, 0, 0}},
    {13, kParentBodyModel, "", {3.3f, 3.3f, 3.3f}, 0, {kNoTurn, kNoTurn}, true, {0, -0.06f, -0.5f}},
    {14, kParentBodyModel, "", {3.3f, 3.3f, 3.6f}, 0, {kNoTurn, kNoTurn}, true, {0, -0.06f, -0.72f}},
    {16, BONE_R_HIP, "", {3.5f, 3.5f, 3.5f}, 0, {kNoTurn, kNoTurn}, true, {0.15f, -0.15f, 0}},
    {17, BONE_L_HIP, "", {3.5f, 3.5f, 3.5f}, 0, {kNoTurn, kNoTurn}, true, {0.15f, -0.15f, 0}},
    {22, kParentBodyModel, "", {1.2f, 1.4f, 1.2f}, 0, {kNoTurn, kNoTurn}, true, {0, -0.2f, 0}},
    {23, BONE_R_KNEE, "", {3, 3, 3}, 1, {{0, 0, 1, 10}, kNoTurn}, true, {0, 1, -0.5f}},
};

}  // namespace kestrine
