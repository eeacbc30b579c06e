// Text files from outside, and the one the game reads today: the explosion's frame list. Read line by line
// or byte by byte, any bytes end in as many steps as they have; as the frame list, they give at most 18
// frames, each a picture or the stand-in for one, and never a file named outside the explosion's folder.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/explosion.h"

namespace {

namespace fs = std::filesystem;

void Fail() { std::abort(); }

// A new engine now and then: every distinct missing name is remembered once, for the player's message.
constexpr int kInputsPerEngine = 1000;

// A data folder of our own, with two frames the list may name. It is the working directory only while the
// list is read: the fuzzer reads its corpus relative to the one it started in.
const fs::path& Tree() {
  static const fs::path tree = [] {
    char pattern[] = "/tmp/kestrine_fuzz_text_XXXXXX";
    if (!mkdtemp(pattern)) Fail();
    return fs::path(pattern);
  }();
  static bool made = false;
  if (made) return tree;
  made = true;
  fs::create_directories(tree / "sprites/explo1");
  // An 18-byte TGA header and 2 x 2 grey pixels: the smallest picture the engine reads.
  std::string tga(18, '\0');
  tga[2] = 2;
  tga[12] = 2;
  tga[14] = 2;
  tga[16] = 24;
  tga += std::string(12, '\x80');
  std::ofstream(tree / "sprites/explo1/Frame1.qpg", std::ios::binary) << tga;
  std::ofstream(tree / "sprites/explo1/f2.qjp", std::ios::binary) << tga;
  return tree;
}

void StartEngine() {
  using namespace kestrine;
  static int inputs = 0;
  if (Engine().engineRoot && inputs++ % kInputsPerEngine != 0) return;
  ReleaseEngine();
  UseEngine(engine::CreateEngineRoot("headless"));
  engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(false);
  const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
  UseEngine(Engine().engineRoot, stage, stage->GetCamera());
}

void ReadAsText(const std::string& bytes) {
  auto lines = engine::MakeEngine<engine::EngineTextFile>(bytes);
  size_t steps = 0;
  while (!lines->IsEndOfFile()) {
    lines->ReadLine();
    if (++steps > bytes.size()) Fail();  // each line takes at least one byte
  }
  if (!lines->ReadLine().empty() || lines->ReadByte() != -1) Fail();
  auto mixed = engine::MakeEngine<engine::EngineTextFile>(bytes);
  size_t read = 0;
  for (int b = mixed->ReadByte(); b != -1; b = mixed->ReadByte()) {
    if (b < 0 || b > 255) Fail();
    read += 1;
    mixed->ReadLine();
  }
  if (read > bytes.size()) Fail();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrine;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ReadAsText(bytes);

  StartEngine();
  std::ofstream(Tree() / "sprites/explo1/index.qtxt", std::ios::binary | std::ios::trunc) << bytes;
  engine::CoreOf(*Engine().engineRoot).Paths().Invalidate();
  const fs::path before = fs::current_path();
  fs::current_path(Tree());
  InitExplosion();
  fs::current_path(before);
  const int frames = Explosion().explosionSprite->frames;
  if (frames < 0 || frames > kMaxExplosionFrames) Fail();
  for (int i = 0; i < kMaxExplosionFrames; ++i) {
    if ((i < frames) != static_cast<bool>(Explosion().explosionFrames[i])) Fail();
    if (i >= frames) continue;
    const std::string& source = Explosion().explosionFrames[i]->SourcePath();
    if (source.rfind("sprites\\explo1\\", 0) != 0) Fail();
    const std::string name = source.substr(15);
    for (size_t at = name.find(".."); at != std::string::npos; at = name.find("..", at + 1)) {
      const bool partStart = at == 0 || name[at - 1] == '\\' || name[at - 1] == '/';
      const bool partEnd = at + 2 == name.size() || name[at + 2] == '\\' || name[at + 2] == '/';
      if (partStart && partEnd) Fail();  // a ".." part: the name climbs out of the folder
    }
  }
  ReleaseExplosion();
  engine::CoreOf(*Engine().engineRoot).ClearDebugLog();
  return 0;
}
