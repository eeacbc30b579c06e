#include "platform/control_host.h"

#include <cstdio>
#include <map>
#include <string>

#include "platform/message_queue.h"
#include "platform/movie/wave_out.h"

namespace kestrine {

namespace {

ControlFactory factory;
bool observing = false;

std::map<HWND, engine::EngineRef<engine::EngineRoot>>& Hosted() {
  static auto* hosted = new std::map<HWND, engine::EngineRef<engine::EngineRoot>>;
  return *hosted;
}

void ReleaseHostedControl(HWND window) {
  auto it = Hosted().find(window);
  if (it == Hosted().end()) return;
  it->second->SetQuitHandler(nullptr);
  it->second->Unadvise();
  SetMessageSource(nullptr);
  SetWaveOutEngine(nullptr);
  Hosted().erase(it);
}

}  // namespace

bool AtlAxWinInit() {
  if (!observing) {
    AddWindowDestroyedObserver(ReleaseHostedControl);
    observing = true;
  }
  return true;
}

long AtlAxCreateControl(const wchar_t* classId, HWND window) {
  if (!classId || std::wstring(classId) != kEngineClassId || !IsWindow(window)) return engine::kStatusFailed;
  engine::EngineRef<engine::EngineRoot> control;
  try {
    control = factory ? factory() : engine::CreateEngineRoot();
  } catch (const engine::EngineError& e) {
    std::fprintf(stderr, "kestrine: the engine could not be started: %s\n", e.what());
    return e.Status();
  }
  if (!control) return engine::kStatusFailed;
  ReleaseHostedControl(window);
  Hosted()[window] = control;
  control->SetQuitHandler([window] { PostMessage(window, WM_CLOSE, 0, 0); });
  engine::EngineRoot* source = control.Get();
  SetMessageSource([source](int timeoutMs) { return source->FireNextEvent(timeoutMs); });
  // Movies play their sound through the control's audio device, beside every other sound.
  SetWaveOutEngine(control);
  return 0;
}

engine::EngineRef<engine::EngineRoot> AtlAxGetControl(HWND window) {
  auto it = Hosted().find(window);
  return it == Hosted().end() ? nullptr : it->second;
}

void SetControlFactory(ControlFactory f) { factory = std::move(f); }

}  // namespace kestrine
