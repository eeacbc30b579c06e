#include "harness.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <sstream>

#include "casualty/backpack.h"
#include "casualty/backpack_screen.h"
#include "casualty/casualty_slots.h"
#include "casualty/report_lines.h"
#include "casualty/injury_picker.h"
#include "casualty/mission_score.h"
#include "casualty/player_figure.h"
#include "casualty/tool_images.h"
#include "casualty/tool_table.h"
#include "core/backend.h"
#include "core/engine_internals.h"
#include "platform/control_host.h"
#include "platform/desktop.h"
#include "platform/message_queue.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "program/register_screens.h"
#include "shell/asset_loader.h"
#include "shell/explosion.h"
#include "shell/fullscreen_window.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/main_window.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/text_scroll_box.h"
#include "shell/tooltip.h"
#include "shell/winmain.h"

namespace kestrine::scenario {

namespace {

void ResetSharedImages() {
  gridBitmap.Reset();
  for (auto& image : markerImages) image.Reset();
  extractionMarkerImage.Reset();
  for (auto& image : levelTextures) image.Reset();
  wreckImage.Reset();
  soldierIconImage.Reset();
  gridMaskImage.Reset();
  crosshairImage.Reset();
  roofBreakImage.Reset();
  kiaImage.Reset();
  disclaimerImage.Reset();
  openingImage.Reset();
  menuBarsImage.Reset();
  mainButtonImage.Reset();
  for (auto& image : medalImages) image.Reset();
  for (auto& image : badgeImages) image.Reset();
  pauseMenuImage.Reset();
  quitScreenImage.Reset();
}

void ResetExplosion() {
  explosionSprite.reset();
  for (auto& frame : explosionFrames) frame.Reset();
  explosionFrameIndex = 0;
  explosionFadeStart = 0.0f;
  explosionFrameReciprocal = 0.0f;
}

// The overlays behind and in front of the screen text, the tool-tip and its box.
void ResetScreenLayers() {
  fullScreenOverlay.Reset();
  fullScreenOverlaySprite.Reset();
  fullScreenOverlayWidth = 0;
  fullScreenOverlayHeight = 0;
  menuCanvas.Reset();
  menuCanvasSprite.Reset();
  toolTip = ToolTip{};
  toolTipDeferred = 0;
}

// The pack, its screen and the tools' pictures. The tool table itself is built before the program starts
// and stays; only the pictures the screens load into its rows go.
void ResetToolsAndBackpack() {
  backpack = Backpack();
  keepBackpack = false;
  std::iota(std::begin(backpackListOrder), std::end(backpackListOrder), 0);
  capacityFactor = 1.0f;
  noFitShown = false;
  noFitUntil = 0;
  SetChosenPlayerFigure(0);

  backpackScreenBuilt = false;
  toolStripImage.Reset();
  toolStripHighlight.Reset();
  std::fill(std::begin(toolStripRightEdge), std::end(toolStripRightEdge), 0);
  toolStripWidth = 0;
  toolStripScroll = 0;
  std::fill(std::begin(listRowBottom), std::end(listRowBottom), 0.0f);
  loadPackImage.Reset();

  for (ToolDef& tool : ToolTable) {
    tool.sprite.Reset();
    tool.cursorImage.Reset();
  }
  toolCount = 0;
  toolSpriteSheet.Reset();
  toolIconTotalWidth = 0;
  toolSpritesLoaded = false;
}

void ResetMissionCasualties() {
  ResetInjuryPicks();
  std::fill(std::begin(pickedInjuries), std::end(pickedInjuries), 0);
  // The score keeps its totals to itself; adding back what each holds brings it to zero through its own door.
  AddToMissionScore(-MissionScore());
  AddToMissionMaximum(-MissionMaximum());
}

}  // namespace

void ResetProgramGlobals() {
  // shell/movie
  movieCount = 0;
  movieNextIndex = 0;
  movieSkipLock = 0;
  movieSoundFailed = 0;
  movieCredits = 0;
  movieStillImage.Reset();
  moviePlayer.window = 0;
  // casualty: the mission's patients and the report they wrote
  DeleteAllCasualties();
  ClearReport();
  // shell/globals.h
  engineRoot.Reset();
  engineStage.Reset();
  engineCamera.Reset();
  engineLights[0].Reset();
  engineLights[1].Reset();
  loadingScreenImage.Reset();
  desktopRect = Rect32{};
  screenWidth = 640;
  screenHeight = 480;
  gameState = STATE_LOGOS;
  previousGameState = STATE_LOGOS;
  gameClock = 0;
  frameTime = 0;
  clampCountdown = 1;
  missionStartCountdown = 0;
  missionClock = 0;
  skipClockFrame = 0;
  clockFrozen = 0;
  nightMission = 0;
  introPending = 0;
  logosStarted = 0;
  disclaimerAt = 0;
  pointerX = 0;
  pointerY = 0;
  debugMode = 0;
  woundPickerAll = 0;
  altEnemyModel = 0;
  loserEnding = 0;
  missionNumber = 1;
  difficulty = 0;
  trainingRun = 0;
  missionEndFlag = 0;
  // start-up and window search
  instanceHandle = nullptr;
  previousInstanceHandle = nullptr;
  mainWindowHandle = 0;
  engineFullScreenWindow = 0;
  // 2D layer
  textOverlay.Reset();
  textOverlaySprite.Reset();
  MenuHotspots = MenuHotspotList{};
  hotspotIndex = -1;
  sharedTextBox = TextScrollBox{};
  // sounds and shared assets
  for (auto& slot : soundTable.slots) slot.Reset();
  effectsVolume = 127;
  musicVolume = 127;
  overheadEffectsOffset = 20;
  overheadMusicOffset = 20;
  replayingSave = 0;
  noFitSound.Reset();
  loadingProgress = 0.0;
  loadingStep = 0.0;
  loadingStepDivisor = 80;
  sharedAssetsLoaded = 0;
  ResetSharedImages();
  ResetExplosion();
  ResetScreenLayers();
  // The generator's state before anything seeds it.
  srand(1);
  ResetToolsAndBackpack();
  ResetMissionCasualties();
}

Harness::Harness(const HarnessOptions& options) {
  setenv("KESTRINE_ENGINE", options.engine.c_str(), 1);
  unsetenv("KESTRINE_INPUT");
  ResetProgramGlobals();
  RegisterAllScreens();
  ClearMessageQueue();
  ResetWindows();
  SetForeignWindowProvider(nullptr);
  SetDesktopSizeOverride(DesktopSize{options.desktopWidth, options.desktopHeight});
  SetDesktopWebOpenerOverride(options.webOpener);
  SetMessageBoxRecorder([this](const MessageBoxRecord& box) { boxes_.push_back(box); });
  const bool processesStart = options.processesStart;
  SetProcessLauncherOverride([this, processesStart](const std::string& app, const std::string& line) {
    launches_.emplace_back(app, line);
    return processesStart;
  });
  SetControlFactory([this, options]() -> engine::EngineRef<engine::EngineRoot> {
    if (options.engineMissing) return nullptr;
    struct ScriptVariable {
      explicit ScriptVariable(const std::string& file) {
        if (!file.empty()) setenv("KESTRINE_INPUT", file.c_str(), 1);
      }
      ~ScriptVariable() { unsetenv("KESTRINE_INPUT"); }
    } script(options.inputScript);
    root_ = options.makeEngine ? options.makeEngine() : engine::CreateEngineRoot(options.engine);
    if (!root_) return nullptr;
    engine::CoreOf(*root_).SetTraceToStderr(options.traceToStderr);
    if (engine::HeadlessBackend* backend = engine::HeadlessBackendOf(*root_)) {
      for (const auto& [condition, result] : options.conditions) backend->SetConditionResult(condition, result);
    }
    return root_;
  });

  try {
    started_ = StartProgram(nullptr, nullptr, 10);
    srand(options.seed);
    running_ = true;
    Pump();
  } catch (const std::exception& e) {
    startError_ = e.what();
    running_ = false;
    Finish();
  }
}

Harness::~Harness() {
  if (running_) {
    try {
      Close();
    } catch (const std::exception&) {
      // The test has already failed on this error; the program is torn down below regardless.
    }
  }
  Finish();
  SetControlFactory(nullptr);
  SetMessageBoxRecorder(nullptr);
  SetProcessLauncherOverride(nullptr);
  SetDesktopWebOpenerOverride(std::nullopt);
  SetDesktopSizeOverride(std::nullopt);
  SetForeignWindowProvider(DefaultForeignWindowProvider());
}

void Harness::Finish() {
  // Whatever an error left behind (a window still open, a control still hosted) goes without messages.
  ResetWindows();
  mainWindow.root.Reset();
  mainWindow.frameEvent.Reset();
  mainWindow.mouseEvent.Reset();
  mainWindow.keyEvent.Reset();
  mainWindow.unusedEvent.Reset();
  EndProgram();
  SetMessageSource(nullptr);
}

void Harness::Pump() {
  if (running_ && !PumpAvailableMessages()) running_ = false;
}

void Harness::Inject(const engine::RawEvent& event) {
  if (!running_) return;
  engine::BackendOf(Root()).Enqueue(event);
  Pump();
}

void Harness::Frame(int ms) {
  engine::RawEvent event;
  event.id = engine::kEventFrame;
  event.frameTime = ms;
  Inject(event);
}

void Harness::Frames(int count, int ms) {
  for (int i = 0; i < count && running_; ++i) Frame(ms);
}

bool Harness::RunUntilState(int state, int ms, int maxMs) {
  for (int passed = 0; running_ && gameState != state && passed < maxMs; passed += ms) Frame(ms);
  return gameState == state;
}

void Harness::Mouse(int code, int x, int y) {
  engine::RawEvent event;
  event.id = engine::kEventMouse;
  event.button = code;
  event.mouseX = x;
  event.mouseY = y;
  Inject(event);
}

void Harness::MoveTo(int x, int y) { Mouse(engine::kMouseMove, x, y); }

void Harness::Click(int x, int y) {
  Mouse(engine::kMouseLeftDown, x, y);
  Mouse(engine::kMouseLeftUp, x, y);
}

void Harness::Key(int virtualKey, bool down) {
  engine::RawEvent event;
  event.id = engine::kEventKey;
  event.keyCode = virtualKey;
  event.keyDown = down ? 1 : 0;
  Inject(event);
}

void Harness::Press(int virtualKey) {
  Key(virtualKey, true);
  Key(virtualKey, false);
}

void Harness::Close() {
  if (!running_) return;
  PostMessage(mainWindowHandle, WM_CLOSE, 0, 0);
  Pump();
}

int Harness::RunToEnd() {
  if (running_) {
    MSG msg;
    while (GetMessage(&msg, 0, 0, 0) > 0) DispatchMessage(&msg);
    running_ = false;
  }
  return started_ ? 0 : 1;
}

engine::EngineRoot& Harness::Root() {
  if (!root_) throw std::logic_error("the harness made no engine (engine missing)");
  return *root_;
}

engine::HeadlessBackend& Harness::Backend() {
  engine::HeadlessBackend* backend = engine::HeadlessBackendOf(Root());
  if (!backend) throw std::logic_error("the harness's engine is not headless");
  return *backend;
}

std::string Harness::DebugLog() const { return root_ ? engine::CoreOf(*root_).DebugLog() : std::string(); }

std::vector<int> Harness::TracedStates() const {
  std::vector<int> states;
  std::istringstream log(DebugLog());
  std::string line;
  const std::string prefix = "game state ";
  while (std::getline(log, line)) {
    if (line.rfind(prefix, 0) != 0) continue;
    const std::string rest = line.substr(prefix.size());
    if (rest.find("refused") != std::string::npos) continue;
    states.push_back(std::atoi(rest.c_str()));
  }
  return states;
}

namespace {

int Count(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r, int g,
          int b, bool equal) {
  if (!image) return 0;
  const engine::Color want = engine::EngineBitmap::MakeColor(r, g, b);
  int n = 0;
  for (int py = std::max(0, y); py < std::min(image->GetHeight(), y + height); ++py)
    for (int px = std::max(0, x); px < std::min(image->GetWidth(), x + width); ++px) {
      const engine::Color c = image->PixelColor(px, py);
      const bool same = c.r == want.r && c.g == want.g && c.b == want.b;
      if (same == equal) ++n;
    }
  return n;
}

}  // namespace

int CountPixels(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r, int g,
                int b) {
  return Count(image, x, y, width, height, r, g, b, true);
}

int CountPixelsNot(const engine::EngineRef<engine::EngineBitmap>& image, int x, int y, int width, int height, int r,
                   int g, int b) {
  return Count(image, x, y, width, height, r, g, b, false);
}

}  // namespace kestrine::scenario
