// The 3D work the battlefield and the patient view repeat every frame: a pick into the overhead scene
// (the terrain and 30 obstacles), a swept-box collision test like a unit's step or a line of sight, and
// bending a 27-bone figure to its animated pose on the CPU.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "core/engine_internals.h"
#include "core/model_instance.h"
#include "engine/engine.h"

namespace {

using namespace engine;

// The overhead scene as a mission builds it: a 20 x 20 height map over 180 units at y 400, with 30 boxes
// (level objects, group 4) standing on it, seen from the middle view preset.
struct OverheadScene {
  EngineRef<EngineRoot> root = CreateEngineRoot("headless");
  EngineRef<EngineStage> stage;
  EngineRef<EngineCamera> camera;
  EngineRef<EngineObject> ground;
  std::vector<EngineRef<EngineObject>> boxes;

  OverheadScene() {
    engine::CoreOf(*root).SetTraceToStderr(false);
    stage = root->CreateStage();
    camera = stage->GetCamera();
    auto grid = root->CreateGrid(20, 20, 9.5f, 9.5f, -90.25f, 90.25f, 1);
    grid->SetOptionPair(-25, 15);
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 20; ++c)
        grid->SetVertexHeight(c, r, static_cast<float>(128 + 60 * std::sin(c * 0.7) * std::cos(r * 0.5)), 0);
    ground = root->CreateObject();
    ground->AttachShape(grid);
    ground->SetOptionValue(EngineNode::kOptionGround);
    ground->MoveTo(0, 400, 0);
    stage->AddObject(ground);
    for (int i = 0; i < 30; ++i) {
      auto box = root->CreateObject();
      box->AttachShape(root->CreateBox(3, 4, 3, 1));
      box->SetPosition(static_cast<float>(i % 6) * 12 - 30, 402, static_cast<float>(i / 6) * 12 - 24);
      box->TurnTo(0, 1, 0, static_cast<float>(i * 17));
      box->SetOptionValue(EngineNode::kOptionPickShape);
      box->SetCollisionMask(4, 0);
      stage->AddObject(box);
      boxes.push_back(box);
    }
    camera->SetViewport(0, 0, 640, 480);
    camera->SetClipRange(250, 1);
    camera->SetPosition(0, 470, -25);
    camera->SetRotation(1, 0, 0, 75);
  }
};

void PickOverhead(benchmark::State& state) {
  OverheadScene scene;
  int i = 0;
  int hits = 0;
  for (auto _ : state) {
    // Points spread over the view, as a pointer moving about would give.
    const int x = 40 + (i * 97) % 560, y = 40 + (i * 53) % 300;
    ++i;
    auto hit = scene.camera->Pick(x, y);
    hits += hit ? 1 : 0;
    benchmark::DoNotOptimize(hit);
  }
  state.counters["hit share"] = static_cast<double>(hits) / static_cast<double>(i);
}
BENCHMARK(PickOverhead);

void SweptBoxStep(benchmark::State& state) {
  OverheadScene scene;
  auto probe = scene.root->CreateActor();
  probe->SetBoundingBox(-0.7f, 0.7f, -0.7f, 0.7f, -0.7f, 0.7f, 0);
  probe->SetCollisionMask(128, 0);
  scene.stage->AddObject(probe);
  int i = 0;
  for (auto _ : state) {
    // A line of sight between neighbouring navigation cells, 4 units apart, against ground and objects.
    const float x = static_cast<float>((i * 7) % 160) - 80, z = static_cast<float>((i * 13) % 160) - 80;
    ++i;
    probe->MoveTo(x, 410, z);
    auto hit = probe->TestCollision(x + 4, 410, z + 4, 0, 5, 3, 0, 0);
    benchmark::DoNotOptimize(hit);
  }
}
BENCHMARK(SweptBoxStep);

// A figure of 27 bones, each carrying a 12-sided limb whose far ring bends with the next bone, and an
// animation turning every bone.
std::shared_ptr<ModelData> Figure() {
  auto data = std::make_shared<ModelData>();
  constexpr int kBones = 27;
  for (int b = 0; b < kBones; ++b) {
    ModelNodeData n;
    n.name = L"bone" + std::to_wstring(b);
    n.parent = b == 0 ? -1 : (b - 1) / 2;  // a branching tree like arms and legs off a spine
    n.translation = b == 0 ? Vec3{0, 1, 0} : Vec3{b % 2 ? 0.2f : -0.2f, 0.25f, 0};
    data->nodes.push_back(n);
  }
  ModelNodeData meshNode;
  meshNode.name = L"mesh";
  meshNode.mesh = 0;
  meshNode.skin = 0;
  data->nodes.push_back(meshNode);
  ModelSkinData skin;
  const std::vector<Affine> rest = RestModelSpace(*data);
  for (int b = 0; b < kBones; ++b) {
    skin.joints.push_back(b);
    skin.inverseBinds.push_back(*rest[static_cast<size_t>(b)].Inverse());
  }
  data->skins.push_back(skin);
  ModelPrimitive prim;
  constexpr int kSides = 12;
  for (int b = 0; b < kBones; ++b) {
    const Vec3 base = rest[static_cast<size_t>(b)].t;
    const uint16_t next = static_cast<uint16_t>(std::min(b * 2 + 1, kBones - 1));
    const auto first = static_cast<uint32_t>(prim.positions.size());
    for (int ring = 0; ring < 2; ++ring)
      for (int s = 0; s < kSides; ++s) {
        const float a = 6.2831853f * s / kSides;
        const Vec3 out{std::cos(a), 0, std::sin(a)};
        prim.positions.push_back(base + out * 0.05f + Vec3{0, ring * 0.25f, 0});
        prim.normals.push_back(out);
        prim.uvs.insert(prim.uvs.end(), {static_cast<float>(s) / kSides, static_cast<float>(ring)});
        prim.joints.push_back({static_cast<uint16_t>(b), next, 0, 0});
        prim.weights.push_back({ring ? 0.3f : 1.0f, ring ? 0.7f : 0.0f, 0, 0});
      }
    for (uint32_t s = 0; s < kSides; ++s) {
      const uint32_t s1 = (s + 1) % kSides;
      prim.indices.insert(prim.indices.end(), {first + s, first + s1, first + kSides + s1, first + s,
                                               first + kSides + s1, first + kSides + s});
    }
  }
  ModelMeshData mesh;
  mesh.primitives.push_back(std::move(prim));
  data->meshes.push_back(std::move(mesh));
  ModelAnimationData anim;
  anim.name = L"sway";
  for (int b = 0; b < kBones; ++b) {
    AnimationChannelData ch;
    ch.node = b;
    ch.path = AnimationChannelData::Path::Rotation;
    ch.times = {0, 0.5f, 1};
    for (float deg : {0.0f, 30.0f, 0.0f}) {
      const Quat q = Quat::AxisAngle({1, 0, 0.3f}, deg + static_cast<float>(b));
      ch.values.insert(ch.values.end(), {q.x, q.y, q.z, q.w});
    }
    anim.channels.push_back(ch);
  }
  data->animations.push_back(anim);
  FinishModelData(*data);
  return data;
}

void SkinFigure(benchmark::State& state) {
  auto root = CreateEngineRoot("headless");
  auto node = MakeEngine<EngineNode>(&engine::CoreOf(*root));
  node->AttachModel(std::make_unique<ModelInstance>(Figure(), *node));
  ModelInstance& model = *node->Model();
  model.Play(0, 0, 1, true, 0, 1);
  size_t vertices = 0;
  for (auto _ : state) {
    // One frame: the clock moves the animation on, then the renderer asks for the bent triangles.
    model.Advance(0.016f);
    const ModelGeometry g = model.Geometry();
    vertices = g.batches[0].vertices->size();
    benchmark::DoNotOptimize(g.batches[0].vertices->data());
  }
  state.counters["vertices"] = static_cast<double>(vertices);
  state.counters["bones"] = model.BoneCount();
}
BENCHMARK(SkinFigure);

}  // namespace

BENCHMARK_MAIN();
