// EngineRoot: the engine control. Creates and loads everything, waits, tests conditions, and fires its
// events into the host's sink.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_bitmap.h"
#include "engine/engine_event.h"
#include "engine/engine_scene.h"
#include "engine/engine_sound.h"
#include "engine/engine_text.h"

namespace engine {

class EngineCore;
class EngineBackend;
class InputScript;

class EngineRoot : public EngineUnknown {
 public:
  explicit EngineRoot(std::unique_ptr<EngineBackend> backend);
  ~EngineRoot() override;
  const char* InterfaceName() const override { return "EngineRoot"; }

  // ---- set-up ----
  std::wstring GetVersion() const { return L"2.2.0.0"; }
  // Compares dotted versions: negative when b is older than a, 0 when equal, positive when newer.
  int CompareVersions(const std::wstring& a, const std::wstring& b) const;
  int Initialize(const std::wstring& version, const std::wstring& mode, int flags);
  // Non-zero when the condition holds: 0 no 3D context, 1 under 16 bits per pixel, 2 software renderer,
  // 3/7/8 never here, 5 the display mode is in force.
  int TestCondition(int condition);
  void SetOptionA(int v) { options_[0] = v; }
  void SetOptionB(int v) { options_[1] = v; }
  void SetOptionC(int v) { options_[2] = v; }
  void SetOptionD(int v) { options_[3] = v; }
  int Option(int i) const { return options_[i]; }

  // ---- display and time ----
  void SetDisplayMode(int width, int height, int bitsPerPixel);
  void ExitDisplayMode();
  int GetScreenWidth() const;
  int GetScreenHeight() const;
  void SetFrameRate(int framesPerSecond);
  void Start();
  void Render();
  // Blocks for ms: a real sleep, or an advance of the virtual clock in headless mode. Sounds advance too.
  void Wait(int ms);
  EngineRef<EngineInput> GetInput();
  // Developer trace: to stderr and to a buffer tests can read.
  void DebugPrint(const std::wstring& text);
  void DebugPrint(const std::string& text);
  // Developer detail a player has no use for: kept in that buffer only.
  void DebugNote(const std::wstring& text);
  void DebugNote(const std::string& text);

  // ---- creation ----
  EngineRef<EngineStage> CreateStage();
  EngineRef<EngineObject> CreateObject();
  EngineRef<EngineActor> CreateActor();
  EngineRef<EngineLight> CreateLight(int type);
  EngineRef<EngineBitmap> CreateBitmap(int width, int height);
  EngineRef<EngineTextFont> CreateText(int flags);
  EngineRef<EngineMesh> CreatePlane(float width, float height, int flags, float a, float b, int c);
  EngineRef<EngineMesh> CreateBox(float width, float height, float depth, int flags);
  EngineRef<EngineMesh> CreateCylinder(float length, float radius, int segments, int variant);
  EngineRef<EngineMesh> CreateSphere(float radius, int segments);
  EngineRef<EngineMesh> CreateGrid(int columns, int rows, float cellWidth, float cellDepth, float x0, float z0,
                                   int flags);

  // ---- loading (finishes inside the call; a missing file gives a traced placeholder) ----
  EngineRef<EngineBitmap> LoadBitmap(const std::wstring& path, int mode);
  EngineRef<EngineSound> LoadSound(const std::wstring& path, int mode);
  // A stream of sound fed while it plays, at its own rate with 1 or 2 channels, mixed with every other sound;
  // an empty reference when the engine has no audio device to play it (headless, no sound card).
  EngineRef<EngineSoundStream> CreateSoundStream(int rate, int channels);
  EngineRef<EngineModel> LoadModel(const std::wstring& path, int flags);
  EngineRef<EngineTextFile> OpenFile(const std::wstring& path, int a, int b);
  // Every file a load found missing or unreadable so far, once each and in the order met (a damaged data
  // tree is worth telling the player about). The host adds the files it reads itself, such as movies.
  std::vector<std::string> DamagedAssets() const;
  void NoteDamagedAsset(const std::string& path);

  // ---- host side: the window hosting the engine ----
  void Advise(EngineEventSink* sink) { sink_ = sink; }
  void Unadvise() { sink_ = nullptr; }
  // Waits at most timeoutMs (negative: as long as it takes) for the next engine event and fires it into
  // the sink. Returns false when no event came.
  bool FireNextEvent(int timeoutMs);
  // What a scripted "quit" (or the end of an input script), or the person closing the engine's window,
  // does: the host posts its close message.
  void SetQuitHandler(std::function<void()> onQuit);
  // Replaces the input script (KESTRINE_INPUT is read when the root is made); null feeds real input.
  void SetInputScript(std::unique_ptr<InputScript> script);
  bool HasInputScript() const { return script_ != nullptr; }

  // Tests, benchmarks and tools reach the engine's inside through engine/core/engine_internals.h; the game
  // never does.
  friend class EngineInternals;

 private:
  std::unique_ptr<EngineCore> core_;
  std::unique_ptr<InputScript> script_;
  std::function<void()> onQuit_;
  EngineRef<EngineStage> stage_;  // the stage Render draws
  EngineEventSink* sink_ = nullptr;
  int options_[4] = {0, 0, 0, 0};
};

// Makes the engine control with the backend the environment asks for (KESTRINE_ENGINE=sdl|headless). A
// headless engine with no input script (KESTRINE_INPUT) to drive it runs on its own for a minute of game
// time and then closes, rather than sit unseen for ever.
EngineRef<EngineRoot> CreateEngineRoot();
// The same with a named backend ("headless" or "sdl").
EngineRef<EngineRoot> CreateEngineRoot(const std::string& backendName);
// The folder the program was started from. The program works in its data folder, but the input script's
// paths (KESTRINE_INPUT itself and its captures) mean what they meant where the person typed them. Empty
// (the default): the working folder.
void SetStartFolder(const std::string& folder);

}  // namespace engine
