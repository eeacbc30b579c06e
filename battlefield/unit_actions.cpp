// Actions and their animations: which weapon shows, which body animation plays, and how fast the unit
// walks in it.
#include "battlefield/unit.h"

namespace kestrine {

namespace {

struct ActionRow {
  int32_t animationWithPistol;
  int32_t animationOtherwise;
  bool loop;
  float speedFactor;
  bool weaponsHidden;
};

// Indexed by action 1..9 (row 0 unused).
constexpr ActionRow kActionRows[] = {
    {1, 1, false, 1.0f, false},    // (none)
    {7, 1, false, 1.0f, false},    // 1 stand
    {6, 6, true, 1.0f, false},     // 2
    {11, 11, true, 1.0f, false},   // 3 walk
    {7, 1, false, 1.0f, false},    // 4, as 1
    {9, 10, false, 0.5f, false},   // 5 hurt
    {9, 10, false, 0.5f, false},   // 6 hurt
    {5, 5, false, 1.0f, false},    // 7 throw
    {4, 4, true, 0.75f, true},     // 8 drag
    {13, 13, false, 1.0f, false},  // 9 down
};
constexpr int32_t kActionCount = static_cast<int32_t>(sizeof(kActionRows) / sizeof(kActionRows[0]));

// A casualty lies in this animation whatever he does.
constexpr int32_t kLyingAnimation = 13;
constexpr float kAnimationSpeed = 1.3f;
constexpr float kLyingSpeed = 0.2f;

}  // namespace

void Unit::SetAction(int32_t newAction) {
  if (newAction == action) return;
  const bool pistolDrawn = weapon == WEAPON_PISTOL;
  if (pistol) pistol->SetVisible(pistolDrawn ? 1 : 0);
  if (rifle) rifle->SetVisible(pistolDrawn ? 0 : 1);
  curSpeed = baseSpeed;
  // An action outside the table keeps the stance it had and only records the number.
  const bool known = newAction >= 1 && newAction < kActionCount;
  const ActionRow& row = kActionRows[known ? newAction : 0];
  int32_t animation = pistolDrawn ? row.animationWithPistol : row.animationOtherwise;
  curSpeed *= row.speedFactor;
  if (row.weaponsHidden) {
    if (pistol) pistol->SetVisible(0);
    if (rifle) rifle->SetVisible(0);
  }

  if (state != 0) animation = kLyingAnimation;
  // A body with fewer animations than the action needs simply does not animate it.
  if (known && body && animation < animCount) {
    const std::wstring& name = animNames[animation];
    if (state == 0) {
      body->PlayAnimation(name, row.loop ? 1 : 0, 1, kAnimationSpeed, 0, 0);
    } else {
      // Started at its end, so the casualty is lying at once.
      body->PlayAnimation(name, 0, 1, kLyingSpeed, body->GetAnimationLength(name), 0);
    }
  }
  if (known) {
    previousAnimation = currentAnimation;
    currentAnimation = animation;
    stopDelay = 1.0f / kAnimationSpeed;
  }
  action = newAction;
}

void Unit::StopPreviousAnimation() {
  // The previous animation is let go once the new one has taken over; when both are the same (stand
  // after stand with the other weapon), stopping it would stop what is playing now.
  if (!body || previousAnimation < 0 || previousAnimation >= animCount) return;
  if (previousAnimation == currentAnimation) return;
  body->StopAnimation(animNames[previousAnimation]);
}

}  // namespace kestrine
