#include "engine/engine_root.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "core/backend_factory.h"
#include "core/engine_core.h"
#include "core/image_loader.h"
#include "core/input_script.h"
#include "core/model_loader.h"
#include "core/path_resolver.h"
#include "core/shared_pictures.h"
#include "core/wav_reader.h"

namespace engine {

namespace {

constexpr int kMaxBitmapSide = 16384;
// How long a headless program nobody drives runs on its own.
constexpr int64_t kUnattendedRunMs = 60000;

std::string& StartFolder() {
  static std::string* folder = new std::string;
  return *folder;
}

// A path of the input script, as the person who gave it meant it: relative to where they started the program.
std::string FromStartFolder(const std::string& path) {
  if (path.empty() || path[0] == '/' || StartFolder().empty()) return path;
  return (std::filesystem::path(StartFolder()) / path).string();
}

std::vector<long> VersionParts(const std::wstring& v) {
  std::vector<long> parts;
  std::wstringstream in(v);
  std::wstring item;
  while (std::getline(in, item, L'.')) parts.push_back(std::wcstol(item.c_str(), nullptr, 10));
  return parts;
}

}  // namespace

EngineRoot::EngineRoot(std::unique_ptr<EngineBackend> backend)
    : core_(std::make_unique<EngineCore>(std::move(backend))) {
  if (const char* file = std::getenv("KESTRINE_INPUT"); file && *file)
    script_ = InputScript::Load(FromStartFolder(file));
}

EngineRoot::~EngineRoot() = default;

int EngineRoot::CompareVersions(const std::wstring& a, const std::wstring& b) const {
  std::vector<long> pa = VersionParts(a), pb = VersionParts(b);
  size_t n = std::max(pa.size(), pb.size());
  for (size_t i = 0; i < n; ++i) {
    long x = i < pa.size() ? pa[i] : 0, y = i < pb.size() ? pb[i] : 0;
    if (x != y) return y < x ? -1 : 1;
  }
  return 0;
}

int EngineRoot::Initialize(const std::wstring&, const std::wstring&, int) { return 0; }

int EngineRoot::TestCondition(int condition) { return core_->Backend().TestCondition(condition); }

void EngineRoot::SetDisplayMode(int width, int height, int bitsPerPixel) {
  if (width <= 0 || height <= 0 || !core_->Backend().SetDisplayMode(width, height, bitsPerPixel))
    throw EngineError(kStatusFailed, "EngineRoot", "SetDisplayMode");
}

void EngineRoot::ExitDisplayMode() { core_->Backend().ExitDisplayMode(); }
int EngineRoot::GetScreenWidth() const { return core_->Backend().ScreenWidth(); }
int EngineRoot::GetScreenHeight() const { return core_->Backend().ScreenHeight(); }
void EngineRoot::SetFrameRate(int fps) { core_->Backend().SetFrameRate(fps); }
void EngineRoot::Start() { core_->Backend().Start(); }
namespace {

// Loading a mission or a screen leaves much of the heap free between what stays, and the C library keeps such
// memory for itself. Once a good deal more lies free than the last giving back left (looked at every 30
// frames), it is given back to the system. What a trim could not give back (free pieces between pieces in use)
// does not make every later look trim again.
void GiveBackFreeHeap() {
#ifdef __GLIBC__
  static int frames = 0;
  static size_t freeAfterLastTrim = 0;
  constexpr size_t kFreeWorthGivingBack = 4u << 20;
  if (++frames % 30 != 0) return;
  const size_t free = mallinfo2().fordblks;
  if (free < freeAfterLastTrim) freeAfterLastTrim = free;
  if (free <= freeAfterLastTrim + kFreeWorthGivingBack) return;
  malloc_trim(0);
  freeAfterLastTrim = mallinfo2().fordblks;
#endif
}

}  // namespace

void EngineRoot::Render() {
  core_->Backend().Present(stage_.Get());
  GiveBackFreeHeap();
}

void EngineRoot::Wait(int ms) {
  if (ms < 0) ms = 0;
  core_->Backend().Sleep(ms);
  core_->AdvanceClock(ms);
}

EngineRef<EngineInput> EngineRoot::GetInput() { return MakeEngine<EngineInput>(core_.get()); }

void EngineRoot::DebugPrint(const std::wstring& text) { core_->Trace(ToUtf8(text)); }
void EngineRoot::DebugPrint(const std::string& text) { core_->Trace(text); }
void EngineRoot::DebugNote(const std::wstring& text) { core_->Trace(ToUtf8(text), false); }
void EngineRoot::DebugNote(const std::string& text) { core_->Trace(text, false); }

EngineRef<EngineStage> EngineRoot::CreateStage() {
  stage_ = MakeEngine<EngineStage>(core_.get());
  return stage_;
}

EngineRef<EngineObject> EngineRoot::CreateObject() { return MakeEngine<EngineNode>(core_.get()); }
EngineRef<EngineActor> EngineRoot::CreateActor() { return MakeEngine<EngineNode>(core_.get()); }
EngineRef<EngineLight> EngineRoot::CreateLight(int type) { return MakeEngine<EngineLight>(core_.get(), type); }

EngineRef<EngineBitmap> EngineRoot::CreateBitmap(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
    throw EngineError(kStatusInvalidArgument, "EngineRoot",
                      "CreateBitmap(" + std::to_string(width) + ", " + std::to_string(height) + ")");
  return MakeEngine<EngineBitmap>(width, height);
}

EngineRef<EngineTextFont> EngineRoot::CreateText(int) { return MakeEngine<EngineTextFont>(); }

EngineRef<EngineMesh> EngineRoot::CreatePlane(float width, float height, int flags, float a, float b, int c) {
  return MakeEngine<EngineMesh>(EngineMesh::Kind::Plane,
                                std::vector<float>{width, height, float(flags), a, b, float(c)});
}
EngineRef<EngineMesh> EngineRoot::CreateBox(float width, float height, float depth, int flags) {
  return MakeEngine<EngineMesh>(EngineMesh::Kind::Box, std::vector<float>{width, height, depth, float(flags)});
}
EngineRef<EngineMesh> EngineRoot::CreateCylinder(float length, float radius, int segments, int variant) {
  return MakeEngine<EngineMesh>(EngineMesh::Kind::Cylinder,
                                std::vector<float>{length, radius, float(segments), float(variant)});
}
EngineRef<EngineMesh> EngineRoot::CreateSphere(float radius, int segments) {
  return MakeEngine<EngineMesh>(EngineMesh::Kind::Sphere, std::vector<float>{radius, float(segments)});
}
EngineRef<EngineMesh> EngineRoot::CreateGrid(int columns, int rows, float cellWidth, float cellDepth, float x0,
                                             float z0, int flags) {
  if (columns <= 0 || rows <= 0) throw EngineError(kStatusInvalidArgument, "EngineRoot", "CreateGrid");
  return MakeEngine<EngineMesh>(EngineMesh::Kind::Grid, std::vector<float>{float(columns), float(rows), cellWidth,
                                                                           cellDepth, x0, z0, float(flags)});
}

EngineRef<EngineBitmap> EngineRoot::LoadBitmap(const std::wstring& path, int) {
  const std::string p = ToUtf8(path);
  const FileRead file = core_->Paths().ReadAsset(p, FileKind::Image);
  EngineRef<EngineBitmap> image;
  if (file.status == FileRead::Missing) {
    core_->TraceMissingAsset(p);
  } else if (!file) {
    core_->TraceUnreadableAsset("image", p, file.Why());
  } else if ((image = FindSharedPicture(p, file.bytes))) {
    // Decoded before and still shown somewhere: the pixels are shared.
  } else if (!(image = DecodeImage(file.bytes))) {
    core_->TraceUnreadableAsset("image", p, "");
  } else {
    KeepSharedPicture(p, file.bytes, *image);
  }
  if (!image) image = MakePlaceholderBitmap();
  image->SetSourcePath(p);
  return image;
}

EngineRef<EngineSound> EngineRoot::LoadSound(const std::wstring& path, int) {
  const std::string p = ToUtf8(path);
  const FileRead file = core_->Paths().ReadAsset(p, FileKind::Sound);
  std::optional<PcmData> pcm;
  if (file.status == FileRead::Missing) {
    core_->TraceMissingAsset(p);
  } else if (!file) {
    core_->TraceUnreadableAsset("sound", p, file.Why());
  } else if (!(pcm = DecodeWav(file.bytes))) {
    core_->TraceUnreadableAsset("sound", p, "");
  }
  auto sound = MakeEngine<EngineSound>(core_.get(), pcm ? std::move(*pcm) : PcmData{});
  if (!pcm) sound->MarkPlaceholder();
  return sound;
}

EngineRef<EngineSoundStream> EngineRoot::CreateSoundStream(int rate, int channels) {
  if (rate <= 0 || channels < 1 || channels > 2)
    throw EngineError(kStatusInvalidArgument, "EngineRoot",
                      "CreateSoundStream(" + std::to_string(rate) + ", " + std::to_string(channels) + ")");
  // Where sounds only move with the clock nothing would ever play a stream.
  if (core_->Backend().AdvancesSoundsByClock()) return nullptr;
  return MakeEngine<EngineSoundStream>(core_.get(), rate, channels);
}

EngineRef<EngineModel> EngineRoot::LoadModel(const std::wstring& path, int) {
  return LoadModelNode(*core_, ToUtf8(path));
}

EngineRef<EngineTextFile> EngineRoot::OpenFile(const std::wstring& path, int, int) {
  const std::string p = ToUtf8(path);
  FileRead file = core_->Paths().ReadAsset(p, FileKind::Text);
  if (file.status == FileRead::Missing) {
    core_->TraceMissingAsset(p);
  } else if (!file) {
    core_->TraceUnreadableAsset("text file", p, file.Why());
  }
  return MakeEngine<EngineTextFile>(file ? std::move(file.bytes) : std::string());
}

std::vector<std::string> EngineRoot::DamagedAssets() const { return core_->DamagedAssets(); }
void EngineRoot::NoteDamagedAsset(const std::string& path) { core_->NoteDamagedAsset(path); }

void EngineRoot::SetQuitHandler(std::function<void()> onQuit) {
  onQuit_ = std::move(onQuit);
  core_->Backend().SetCloseHandler(onQuit_);
}

void EngineRoot::SetInputScript(std::unique_ptr<InputScript> script) { script_ = std::move(script); }

bool EngineRoot::FireNextEvent(int timeoutMs) {
  EngineBackend& backend = core_->Backend();
  if (script_) {
    ScriptAction action;
    while (true) {
      if (!script_->Next(action)) {
        // A script that ends without "quit" still ends the run: nobody is there to close the window.
        core_->Trace("input script ended");
        script_.reset();
        if (onQuit_) onQuit_();
        return false;
      }
      if (action.kind == ScriptAction::Quit) {
        if (onQuit_) onQuit_();
        return false;
      }
      if (action.kind == ScriptAction::Capture) {
        const std::string path = FromStartFolder(action.path);
        if (!backend.CaptureFrame(path))
          core_->Trace("capture " + path + ": the " + backend.Name() + " backend has no picture to capture");
        continue;
      }
      backend.Enqueue(action.event);
      break;
    }
  }
  RawEvent e;
  if (!backend.NextEvent(e, timeoutMs)) return false;
  if (e.id == kEventFrame) core_->AdvanceClock(e.frameTime);
  if (sink_) sink_->OnEngineEvent(e.id, MakeEngine<EngineEvent>(e));
  return true;
}

EngineRef<EngineRoot> CreateEngineRoot(const std::string& backendName) {
  std::unique_ptr<EngineBackend> backend;
  if (backendName == "headless") {
    backend = MakeHeadlessBackend();
  } else if (backendName == "sdl") {
    backend = MakeSdlBackend();
    if (!backend) throw EngineError(kStatusFailed, "EngineRoot", "create (this build has no SDL backend)");
  } else {
    throw EngineError(kStatusInvalidArgument, "EngineRoot", "create (unknown backend \"" + backendName + "\")");
  }
  return MakeEngine<EngineRoot>(std::move(backend));
}

EngineRef<EngineRoot> CreateEngineRoot() {
  const char* env = std::getenv("KESTRINE_ENGINE");
  const std::string name = env && *env ? env : "sdl";
  const char* script = std::getenv("KESTRINE_INPUT");
  if (name == "headless" && !(script && *script))
    return MakeEngine<EngineRoot>(MakeUnattendedHeadlessBackend(kUnattendedRunMs));
  return CreateEngineRoot(name);
}

void SetStartFolder(const std::string& folder) { StartFolder() = folder; }

}  // namespace engine
