// The program's one top-level window. It hosts the engine control, runs the start-up checks when it is
// created, receives the engine's events through its sink and hands them to the game, and shuts the engine
// down when it is destroyed.
#pragma once

#include "engine/engine.h"
#include "platform/event_sink.h"
#include "platform/window.h"

namespace kestrine {

class MainWindow : public WindowImpl, public ControlEventSink {
 public:
  MainWindow();

  WindowClassInfo WindowClass() const override;
  bool ProcessWindowMessage(HWND hwnd, uint32_t message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            uint32_t mapId) override;

  LRESULT OnCreate();
  LRESULT OnDestroy(bool& handled);

  long OnMouseEvent(const engine::EngineRef<engine::EngineEvent>& event);
  long OnFrameEvent(const engine::EngineRef<engine::EngineEvent>& event);
  long OnKeyEvent(const engine::EngineRef<engine::EngineEvent>& event);
  long OnUnusedEngineEvent(const engine::EngineRef<engine::EngineEvent>& event);

  // The hosted control, and the argument of the last event of each kind.
  engine::EngineRef<engine::EngineRoot> root;
  engine::EngineRef<engine::EngineEvent> frameEvent;
  engine::EngineRef<engine::EngineEvent> mouseEvent;
  engine::EngineRef<engine::EngineEvent> keyEvent;
  engine::EngineRef<engine::EngineEvent> unusedEvent;

 private:
  // A failed start-up check: the player is told, and the window goes.
  void Refuse(const char* text, const char* title, uint32_t icon, bool openDownloadPage);
};

extern MainWindow mainWindow;

// One start-up condition of the engine, asked in table order.
struct EngineConditionCheck {
  int condition;
  bool fatal;
  const char* text;
  const char* title;
};
constexpr int kEngineConditionChecks = 6;
extern const EngineConditionCheck EngineConditionChecks[kEngineConditionChecks];

}  // namespace kestrine
