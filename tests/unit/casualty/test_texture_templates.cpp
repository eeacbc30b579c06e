// Which picture each material of a patient wears: the texture set of every appearance and camouflage, the
// materials of a location, the wound pictures' fall-backs, and the hair the soldiers get when their textures
// are loaded.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "casualty/patient.h"
#include "casualty/wound_types.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_textures.h"
#include "casualty_view/texture_templates.h"
#include "shell/random.h"

namespace kestrine {
namespace {

std::string PathOf(const TextureState& state, const char* material) {
  const int32_t row = FindTextureRow(state, material);
  return row >= 0 ? state.rows[row].path : "(no row)";
}

GameFileTest Existing(std::set<std::string> files) {
  return [files](const std::string& path) { return files.count(path) != 0; };
}
const GameFileTest kNothing = Existing({});

TextureState StateFor(int32_t appearance, int32_t camo, int32_t wound = WOUND_HEALTHY, int32_t side = 0) {
  TextureState state;
  SetUpTextureState(state, wound, side, appearance, camo, kNothing);
  return state;
}

TEST(TextureTemplates, EveryAppearanceAndCamouflageGetsItsSetAndPrefixes) {
  ASSERT_EQ(*WoundTypeTable[WOUND_HEALTHY].textureSet, '\0');
  // By index = appearance + 4 x camouflage: u_chest, helmet1, head1 (r_hand1 and l_hand1 alike), s_chest1,
  // feet1 | skin, second and uniform prefixes.
  // Enemies wear the same whatever the camouflage; the one without a helmet has no helmet file either.
  const char* const enemy =
      "enemy\\u-arabchest enemy\\zzz enemy\\arabhead enemy\\arabhand enemy\\s-arabchest enemy\\s-arabfoot | "
      "enemy\\wounds\\ar- enemy\\wounds\\ar- enemy\\wounds\\ar-";
  const char* const bareHeadedEnemy =
      "enemy\\u-arabchest zzz enemy\\arabhead enemy\\arabhand enemy\\s-arabchest enemy\\s-arabfoot | "
      "enemy\\wounds\\ar- enemy\\wounds\\ar- enemy\\wounds\\ar-";
  const char* const expected[8] = {
      "wlcamo\\u-chest wlcamo\\helmet wlcamo\\black\\b-head wlcamo\\black\\b-hand wlcamo\\black\\b-chest "
      "wlcamo\\black\\b-foot | wlcamo\\black\\wounds\\b- wlcamo\\black\\wounds\\b- wlcamo\\uniformwounds\\u-",
      "wlcamo\\u-chest wlcamo\\helmet wlcamo\\white\\head wlcamo\\white\\hand wlcamo\\white\\s-chest "
      "wlcamo\\white\\s-foot | wlcamo\\white\\wounds\\ wlcamo\\white\\wounds\\ wlcamo\\uniformwounds\\u-",
      enemy,
      bareHeadedEnemy,
      "dccamo\\white\\dc-u-chest dccamo\\white\\dc-helmet dccamo\\black\\dc-b-head dccamo\\black\\dc-b-hand "
      "wlcamo\\black\\b-chest wlcamo\\black\\b-foot | dccamo\\black\\wounds\\dc-b- wlcamo\\black\\wounds\\b- "
      "dccamo\\uniformwounds\\dc-",
      "dccamo\\white\\dc-u-chest dccamo\\white\\dc-helmet dccamo\\white\\dc-head dccamo\\white\\dc-hand "
      "wlcamo\\white\\s-chest wlcamo\\white\\s-foot | dccamo\\white\\wounds\\dc- wlcamo\\white\\wounds\\ "
      "dccamo\\uniformwounds\\dc-",
      enemy,
      bareHeadedEnemy,
  };
  for (int index = 0; index < 8; ++index) {
    const TextureState state = StateFor(index % 4, index / 4);
    std::string got;
    for (const char* material : {"u_chest", "helmet1", "head1", "l_hand1", "s_chest1", "feet1"}) {
      const std::string path = PathOf(state, material);
      got += path.substr(0, path.size() - 4) + " ";  // without ".qjp"
    }
    got += "| " + state.skinPrefix + " " + state.secondPrefix + " " + state.uniformPrefix;
    EXPECT_EQ(got, expected[index]) << "index " << index;
    EXPECT_EQ(PathOf(state, "r_hand1"), PathOf(state, "l_hand1"));
    // The bare waist and the boots are the same for everyone; 23 rows end the list, whose end is never found.
    EXPECT_EQ(PathOf(state, "s_waist1") + PathOf(state, "r_boot"), "wlcamo\\white\\s-waist.qjpwlcamo\\boots.qjp");
    EXPECT_STREQ(state.rows[23].material, "");
    EXPECT_EQ(FindTextureRow(state, ""), -1);
  }
}

TEST(TextureTemplates, MaterialPairsFollowTheSideBitsTheHandHasNoClothingAndTheHeadGroupIsOne) {
  const auto pair = [](BodyLocation mask) {
    const char* skin = "?";
    const char* clothing = "?";
    const int32_t sided = MaterialPairForLocation(mask, &skin, &clothing);
    return std::to_string(sided) + " " + skin + " / " + clothing;
  };
  EXPECT_EQ(pair(LOC_UPPER_ARM | LOC_RIGHT), "1 s_right_arm2 / u_right_arm1");
  EXPECT_EQ(pair(LOC_FOREARM | LOC_LEFT), "1 s_left_arm2 / u_left_arm1");
  // Anything but exactly the right side bit is the left: both bits, or none.
  EXPECT_EQ(pair(LOC_ELBOW | kSideBits), "1 s_left_arm2 / u_left_arm1");
  EXPECT_EQ(pair(LOC_KNEE), "1 s_left_leg1 / u_left_leg1");
  EXPECT_EQ(pair(LOC_CALF | LOC_RIGHT), "1 s_right_leg1 / u_right_leg1");
  EXPECT_EQ(pair(LOC_HAND | LOC_RIGHT), "1 r_hand1 / ");
  EXPECT_EQ(pair(LOC_FOOT | LOC_RIGHT), "1 feet1 / r_boot");
  for (BodyLocation head : {0x4u, 0x8u, 0x10u, 0x40000u, 0x80080000u, 0x40100000u})
    EXPECT_EQ(pair(head), "0 head1 / helmet1") << head;
  EXPECT_EQ(pair(LOC_CHEST | kSideBits), "0 s_chest1 / u_chest");
  EXPECT_EQ(pair(LOC_BACK | kSideBits), "0 s_back1 / u_back1");
  for (BodyLocation trunk : {0x8000u, 0x10000u, 0x20000u}) EXPECT_EQ(pair(trunk), "0 s_waist1 / u_waist1");
  EXPECT_EQ(pair(LOC_SHOULDER | LOC_RIGHT), "1  / ");

  // A body part's rows by the parts' table; one not found stays as given.
  const TextureState state = StateFor(1, 0);
  int32_t skin = -7, clothing = -7;
  FindBoneMaterials(state, PART_LEFT_HAND, skin, clothing);
  EXPECT_STREQ(state.rows[skin].material, "l_hand1");
  EXPECT_EQ(clothing, -7);
  FindBoneMaterials(state, PART_ABDOMEN, skin, clothing);
  EXPECT_STREQ(state.rows[skin].material, "s_chest1");
  EXPECT_STREQ(state.rows[clothing].material, "u_waist1");
}

TEST(TextureTemplates, WoundPicturesFallBackInTheirOrderAndGoOnTheWoundedSide) {
  const std::string folder = "patient\\textures\\";
  const std::string ownCloth = folder + "dccamo\\white\\wounds\\dc-u-gsw-thigh.qjp";
  const std::string sharedCloth = folder + "dccamo\\uniformwounds\\dc-gsw-thigh.qjp";
  const std::string ownSkin = folder + "dccamo\\white\\wounds\\dc-gsw-thigh.qjp";
  const auto legs = [](const GameFileTest& exists, const std::string& set, const char* skin, const char* cloth) {
    TextureState state = StateFor(1, 1);
    ApplyWoundTextureSet(state, set, skin, cloth, exists);
    return PathOf(state, "s_left_leg1") + " " + PathOf(state, "u_left_leg1") + " " + PathOf(state, "l_hand1");
  };
  EXPECT_EQ(
      legs(Existing({ownCloth, sharedCloth, ownSkin}), "gsw-thigh", "s_left_leg1", "u_left_leg1"),
      "dccamo\\white\\wounds\\dc-gsw-thigh.qjp dccamo\\white\\wounds\\dc-u-gsw-thigh.qjp dccamo\\white\\dc-hand.qjp");
  // The skin row is named even when its picture is missing; the uniform keeps its own when both are.
  EXPECT_EQ(legs(Existing({sharedCloth}), "gsw-thigh", "s_left_leg1", "u_left_leg1"),
            "wlcamo\\white\\wounds\\gsw-thigh.qjp dccamo\\uniformwounds\\dc-gsw-thigh.qjp dccamo\\white\\dc-hand.qjp");
  EXPECT_EQ(legs(kNothing, "gsw-thigh", "s_left_leg1", "u_left_leg1"),
            "wlcamo\\white\\wounds\\gsw-thigh.qjp dccamo\\white\\dc-u-leg.qjp dccamo\\white\\dc-hand.qjp");
  // One set carries its own transparency; a hand has no clothing; no set or no materials change nothing.
  EXPECT_EQ(legs(kNothing, "gsw-pafn-hand", "l_hand1", ""),
            "wlcamo\\white\\s-leg.qjp dccamo\\white\\dc-u-leg.qjp wlcamo\\white\\wounds\\gsw-pafn-hand.qpg");
  const std::string untouched = legs(kNothing, "", "", "");
  EXPECT_EQ(legs(kNothing, "", "s_left_leg1", "u_left_leg1"), untouched);
  EXPECT_EQ(legs(kNothing, "gsw-thigh", "", ""), untouched);
  // The dark desert soldier falls back to the dark woodland pictures.
  TextureState dark = StateFor(0, 1);
  ApplyWoundTextureSet(dark, "gsw-thigh", "s_right_leg1", "u_right_leg1", kNothing);
  EXPECT_EQ(PathOf(dark, "s_right_leg1"), "wlcamo\\black\\wounds\\b-gsw-thigh.qjp");

  // The wound row's own set, on the side the patient was wounded on.
  constexpr int32_t kArmWound = 19;
  ASSERT_NE(WoundTypeTable[kArmWound].location & LOC_UPPER_ARM, 0u);
  const std::string wounded = "wlcamo\\white\\wounds\\" + std::string(WoundTypeTable[kArmWound].textureSet) + ".qjp";
  EXPECT_EQ(PathOf(StateFor(1, 0, kArmWound, 1), "s_left_arm2"), wounded);
  EXPECT_EQ(PathOf(StateFor(1, 0, kArmWound, 1), "s_right_arm2"), "wlcamo\\white\\s-arm.qjp");
  EXPECT_EQ(PathOf(StateFor(1, 0, kArmWound, 0), "s_right_arm2"), wounded);
}

// Loading with no engine: only which pictures the rows name, and how many numbers the hair draws.
struct Loaded {
  TextureState state;
  int draws = 0;
};

Loaded Load(int32_t wound, int32_t appearance, int32_t camo, uint32_t seed) {
  Patient patient;
  patient.appearance = appearance;
  TextureState state;
  SetUpTextureState(state, wound, 0, appearance, camo, kNothing);
  srand(seed);
  LoadPatientTextures(state, patient, wound, camo);
  const uint32_t after = RandomState();
  Loaded loaded{state, 0};
  srand(seed);
  for (; RandomState() != after && loaded.draws < 5; ++loaded.draws) rand();
  return loaded;
}

TEST(TextureTemplates, OwnSoldiersOfTheListedWoundsDrawOnceForHairAndEnemiesLoseTheHelmet) {
  for (int32_t wound : {0, 2, 24, 31, 56})
    for (int32_t appearance = 0; appearance < 4; ++appearance)
      EXPECT_EQ(Load(wound, appearance, 0, 1).draws, wound != 31 && appearance < 2 ? 1 : 0) << wound << appearance;
  // The first draws of seeds 1, 2 and 3 are 41, 45 and 48: variants 1, none and 3.
  Loaded l = Load(0, 1, 0, 1);
  EXPECT_EQ(PathOf(l.state, "head1") + " " + PathOf(l.state, "in_helm") + " " + PathOf(l.state, "helmet1"),
            "hair\\wl-head-plat.qjp zzz.qjp wlcamo\\helmet.qjp");
  l = Load(0, 1, 0, 2);
  EXPECT_EQ(PathOf(l.state, "head1") + " " + PathOf(l.state, "in_helm"), "wlcamo\\white\\head.qjp zzz.qjp");
  EXPECT_EQ(PathOf(Load(56, 1, 1, 3).state, "head1"), "hair\\dc-head-brown.qjp");
  EXPECT_EQ(PathOf(Load(56, 0, 0, 3).state, "head1"), "hair\\wl-b-head-plat.qjp");
  // Not a listed wound: own soldiers keep the helmet's lining as it is; enemies wear no helmet either way.
  EXPECT_EQ(PathOf(Load(31, 1, 0, 1).state, "in_helm"), "(no row)");
  for (int32_t wound : {0, 31}) {
    l = Load(wound, 3, 0, 1);
    EXPECT_EQ(PathOf(l.state, "helmet1") + " " + PathOf(l.state, "in_helm"), "zzz.qjp zzz.qjp");
  }
}

}  // namespace
}  // namespace kestrine
