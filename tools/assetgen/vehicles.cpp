// The vehicles: the truck, the hummer, the enemy's armoured carrier, the transport truck and the
// evacuation helicopter with its turning rotor ("rtrturn"). Each is built at its size on the battlefield
// (about 4 wide and 8 long, front toward -z) and drawn in its file at that size divided by the scale the
// game loads it at, since the game shrinks or grows each model by its own factor.
#include <string>

#include "tools/assetgen/battlefield_generators.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/model_builder.h"

namespace assetgen {

namespace {

using engine::Vec3;

// A model drawn in battlefield units and written at 1 / loadScale.
class ScaledModel {
 public:
  explicit ScaledModel(float loadScale) : k_(1.0f / loadScale) { top_ = b_.AddPart("body", -1, {}); }
  int Material(const std::string& name, engine::Color colour) { return b_.AddMaterial(name, colour); }
  int Part(const std::string& name, const Vec3& at) { return b_.AddPart(name, top_, at * k_); }
  void Box(int material, const Vec3& centre, const Vec3& size, int part = -1) {
    b_.AddBox(part < 0 ? top_ : part, material, centre * k_, size * k_);
  }
  // Four wheels, axles across x, at the given half track and axle positions along z.
  void Wheels(int material, float halfTrack, float front, float back, float radius) {
    for (float z : {front, back})
      for (float side : {-1.0f, 1.0f})
        b_.AddCylinder(top_, material, Vec3{side * halfTrack, radius, z} * k_,
                       Vec3{side * (halfTrack + 0.35f), radius, z} * k_, radius * k_, 10);
  }
  ModelBuilder& Builder() { return b_; }
  std::string Write() const { return b_.WriteRigid(); }

 private:
  ModelBuilder b_;
  float k_;
  int top_;
};

std::string Truck() {
  ScaledModel m(1.7f);
  const int paint = m.Material("paint", {84, 96, 60}), tyre = m.Material("tyre", {24, 24, 24});
  const int glass = m.Material("glass", {120, 150, 170});
  m.Box(paint, {0, 1.3f, -2.6f}, {3.2f, 1.8f, 2.0f});
  m.Box(glass, {0, 1.8f, -3.62f}, {2.6f, 0.6f, 0.05f});
  m.Box(paint, {0, 1.1f, 1.0f}, {3.4f, 1.0f, 5.0f});
  m.Wheels(tyre, 1.4f, -2.6f, 2.2f, 0.55f);
  return m.Write();
}

std::string Hummer() {
  ScaledModel m(0.15f);
  const int paint = m.Material("paint", {150, 130, 90}), tyre = m.Material("tyre", {24, 24, 24});
  const int glass = m.Material("glass", {110, 140, 160});
  m.Box(paint, {0, 0.9f, 0}, {3.4f, 0.8f, 7.0f});
  m.Box(paint, {0, 1.6f, 0.6f}, {3.0f, 0.8f, 3.4f});
  m.Box(glass, {0, 1.6f, -1.12f}, {2.6f, 0.5f, 0.05f});
  m.Wheels(tyre, 1.4f, -2.4f, 2.4f, 0.5f);
  return m.Write();
}

std::string EnemyCarrier() {
  ScaledModel m(1.75f);
  const int armour = m.Material("armour", {92, 84, 70}), tyre = m.Material("tyre", {20, 20, 20});
  m.Box(armour, {0, 1.2f, 0}, {3.4f, 1.4f, 7.4f});
  m.Box(armour, {0, 2.1f, 0.6f}, {1.6f, 0.5f, 1.8f});
  m.Box(armour, {0, 2.2f, -0.8f}, {0.15f, 0.15f, 2.0f});
  m.Wheels(tyre, 1.5f, -2.6f, 2.6f, 0.55f);
  return m.Write();
}

std::string TransportTruck() {
  ScaledModel m(0.08f);
  const int paint = m.Material("paint", {70, 80, 56}), canvas = m.Material("canvas", {110, 116, 80});
  const int tyre = m.Material("tyre", {24, 24, 24});
  m.Box(paint, {0, 1.3f, -3.0f}, {3.0f, 1.8f, 1.8f});
  m.Box(canvas, {0, 1.7f, 0.8f}, {3.4f, 2.2f, 5.6f});
  m.Wheels(tyre, 1.4f, -3.0f, 2.6f, 0.55f);
  return m.Write();
}

std::string Helicopter() {
  ScaledModel m(1.7f);
  const int paint = m.Material("paint", {40, 44, 40}), glass = m.Material("glass", {90, 110, 120});
  const int blade = m.Material("blade", {28, 28, 28});
  m.Box(paint, {0, 1.2f, -0.6f}, {2.2f, 1.8f, 4.4f});
  m.Box(glass, {0, 1.5f, -2.82f}, {1.8f, 1.0f, 0.05f});
  m.Box(paint, {0, 1.6f, 3.4f}, {0.5f, 0.5f, 4.0f});
  m.Box(paint, {0, 2.2f, 5.2f}, {0.1f, 1.2f, 0.6f});
  m.Box(paint, {-0.8f, 0.1f, -0.6f}, {0.1f, 0.1f, 3.6f});
  m.Box(paint, {0.8f, 0.1f, -0.6f}, {0.1f, 0.1f, 3.6f});
  // The main rotor on its own part, turned by "rtrturn".
  const int rotor = m.Part("rotor", {0, 2.3f, -0.4f});
  m.Box(blade, {0, 0, 0}, {9.0f, 0.05f, 0.35f}, rotor);
  m.Box(blade, {0, 0, 0}, {0.35f, 0.05f, 9.0f}, rotor);
  ModelBuilder& b = m.Builder();
  const Vec3 up{0, 1, 0};
  b.AddAnimation("rtrturn", {{rotor,
                              {0.0f, 0.25f, 0.5f, 0.75f, 1.0f},
                              {Turn(up, 0), Turn(up, 90), Turn(up, 180), Turn(up, 270), Turn(up, 360)},
                              {}}});
  return m.Write();
}

}  // namespace

void WriteVehicles(DataTree& tree) {
  tree.WriteBytes(CanonicalPath("terrain\\Vehicles\\truck.qsad"), Truck());
  tree.WriteBytes(CanonicalPath("terrain\\Vehicles\\hummer.qsad"), Hummer());
  tree.WriteBytes(CanonicalPath("terrain\\Vehicles\\nmeapc.qsad"), EnemyCarrier());
  tree.WriteBytes(CanonicalPath("terrain\\Vehicles\\transtruck.qsad"), TransportTruck());
  tree.WriteBytes(CanonicalPath("terrain\\Vehicles\\BlackHawk\\blackhawk.qsad"), Helicopter());
}

}  // namespace assetgen
