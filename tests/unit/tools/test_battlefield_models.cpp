// The battlefield's generated models, loaded the way the units load them: every body, weapon and vehicle
// the units name exists with the parts they hang things on, the bodies' animations do what the actions
// play them for, and the helicopter's rotor turns.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "battlefield/unit.h"
#include "battlefield/vehicle.h"
#include "generated_data.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/engine_setup.h"
#include "tools/assetgen/battlefield_generators.h"

namespace kestrine {
namespace {

class BattlefieldModelsTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSoldierIcon(Engine().engineRoot->CreateBitmap(16, 16)); }
  void TearDown() override {
    made_.clear();
    SetAltEnemyModel(false);
    UseSoldierIcon({});
  }

  template <class T = Unit>
  T& Make(int32_t side, int32_t camouflage = 0, int32_t vehicleKind = MAN) {
    made_.push_back(std::make_unique<T>(Engine().engineRoot, Engine().engineStage, side));
    T& unit = static_cast<T&>(*made_.back());
    unit.camouflage = camouflage;
    if (vehicleKind != MAN) unit.vehicleKind = vehicleKind;
    unit.Place(Vector3(0, 400, 0), side, 0, 0);
    return unit;
  }
  static Vector3 At(Unit& u, const wchar_t* part) { return Vector3(u.body->FindPart(part)->GetPosition()); }

  const testing::GeneratedData data_{[](assetgen::DataTree& tree) {
    assetgen::WriteOverheadSoldiers(tree);
    assetgen::WriteVehicles(tree);
  }};
  testing::InFolder in_{data_.Dir()};
  testing::HeadlessGame game_;
  std::vector<std::unique_ptr<Unit>> made_;
};

TEST_F(BattlefieldModelsTest, EveryModelAUnitLoadsIsThereWithItsParts) {
  for (int32_t camouflage : {0, 1}) EXPECT_GE(Make(kSideAlly, camouflage).animCount, 14);
  EXPECT_GE(Make(kSideEnemy).animCount, 14);
  SetAltEnemyModel(true);
  EXPECT_GE(Make(kSideEnemy).animCount, 14);
  for (int32_t kind : {1, 2, 3, 4, 7})  // the four kinds and any other (the transport truck)
    Make<Vehicle>(kSideEnemy, 0, kind);
  Projectile grenade;
  grenade.LoadGrenadeModel();
  // Includes the hand the weapons hang on and the points the shots leave from.
  Unit& soldier = *made_.front();
  At(soldier, L"pistol");
  At(soldier, L"muzzle");
  EXPECT_EQ(testing::HeadlessGame::Log().find("missing"), std::string::npos) << testing::HeadlessGame::Log();
}

TEST_F(BattlefieldModelsTest, TheBodiesLieDownWalkAndPointTheirWeaponsForward) {
  Unit& soldier = Make(kSideAlly);
  soldier.body->TurnTo(0, 1, 0, 180);  // facing +z
  const Vector3 hand = At(soldier, L"r_hand");
  EXPECT_GT(At(soldier, L"muzzle").z - hand.z, 0.4f);
  EXPECT_GT(At(soldier, L"pistol").z - hand.z, 0.1f);

  soldier.SetAction(ACTION_WALK);
  Engine().engineRoot->Wait(250);
  const Vector3 knee = At(soldier, L"l_knee");
  Engine().engineRoot->Wait(500);
  EXPECT_GT(std::fabs(At(soldier, L"l_knee").z - knee.z), 0.05f);

  const float standingHead = At(soldier, L"head").y;
  soldier.SetAction(ACTION_DOWN);
  Engine().engineRoot->Wait(2000);
  EXPECT_LT(At(soldier, L"head").y, standingHead - 0.7f);
}

TEST_F(BattlefieldModelsTest, TheHelicoptersRotorTurns) {
  Vehicle& helicopter = Make<Vehicle>(kSideAlly, 0, HELICOPTER);
  const engine::EngineRef<engine::EngineNode> rotor = helicopter.body->FindPart(L"rotor");
  const Vector3 before(rotor->GetDirection());
  helicopter.body->PlayAnimation(L"rtrturn", 1, 1, 5.5f, 0, 0);
  Engine().engineRoot->Wait(20);  // a tenth of a turn
  const Vector3 after(rotor->GetDirection());
  EXPECT_LT(before.x * after.x + before.z * after.z, 0.95f);
  EXPECT_GT(helicopter.body->GetAnimationLength(L"rtrturn"), 0.0f);
}

}  // namespace
}  // namespace kestrine
