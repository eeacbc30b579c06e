// The level objects' models, generated and built by the game's own createObject: every buildable type
// finds a real model with the materials the game dresses, and each stands at a size that makes sense
// beside a soldier about 1.9 tall (trees and houses over his head, wall pieces made to be scaled up,
// vehicles of vehicle length).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/model_instance.h"
#include "tools/assetgen/battlefield_generators.h"
#include "tools/assetgen/level_object_generators.h"
#include "unit/battlefield/level_objects_fixture.h"

namespace kestrine::testing {
namespace {

TEST_F(LevelObjectTest, EveryTypeBuildsFromARealModelOfAFittingSize) {
  assetgen::DataTree tree(std::filesystem::current_path());
  assetgen::WriteLevelTreeModels(tree);
  assetgen::WriteLevelBuildingModels(tree);
  assetgen::WriteVehicles(tree);
  int built = 0;
  // One object built over and over, each type in turn (a build takes away what the object held).
  OverheadObject o;
  for (int type = 0; type < kObjTypeCount; ++type) {
    const ObjTypeDef* def = FindObjType(type);
    if (!def) continue;
    ASSERT_EQ(o.createObject(static_cast<ObjType>(type)), 1) << def->name;
    ++built;
    const engine::ModelData& data = o.model->Model()->Data();
    ASSERT_FALSE(data.placeholder) << def->name;
    for (const ObjMaterial& m : def->materials)
      EXPECT_TRUE(!m.material || std::any_of(data.materials.begin(), data.materials.end(),
                                             [&](const engine::ModelMaterialData& d) { return d.name == m.material; }))
          << def->name;
    // Height and longest side on the ground, in world units with the model's own scale.
    const engine::Vec3 s = o.model->Scale();
    const engine::Vec3 d = (data.boundsMax - data.boundsMin).Times(s);
    const float height = data.boundsMax.y * s.y, length = std::max(d.x, d.z);
    EXPECT_GT(data.boundsMin.y, -0.01f) << def->name;  // stands on its foot
    if (type <= OBJ_TREE4) {
      EXPECT_TRUE(height > 4.0f && height < 9.0f) << def->name << " " << height;
    } else if (type == OBJ_WALL1 || type == OBJ_WALL2 || type == OBJ_WALL3 || type == OBJ_WALL4) {
      EXPECT_TRUE(length >= 0.8f && length <= 1.6f && height < 0.4f) << def->name << " " << length;
    } else if (type == OBJ_TANK1 || type == OBJ_TANK2) {
      EXPECT_TRUE(length > 4.0f && length < 8.5f) << def->name << " " << length;
    } else {  // houses, the tent and the helicopter
      EXPECT_TRUE(height > 2.5f && length > 5.0f && length < 24.0f) << def->name << " " << height << " " << length;
    }
  }
  o.Destroy();
  EXPECT_EQ(built, 19);
}

}  // namespace
}  // namespace kestrine::testing
