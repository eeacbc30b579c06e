// Events written as an input script's line would give them ("frame 16", "mouse 6 10 20", "key 65 1"), so a
// whole sequence compares at once, and a sink that keeps every event an engine fires.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/engine_event.h"

namespace engine::testing {

inline std::string EventText(int id, const RawEvent& e) {
  if (id == kEventFrame) return "frame " + std::to_string(e.frameTime);
  if (id == kEventMouse)
    return "mouse " + std::to_string(e.button) + " " + std::to_string(e.mouseX) + " " + std::to_string(e.mouseY);
  if (id == kEventKey) return "key " + std::to_string(e.keyCode) + " " + std::to_string(e.keyDown);
  return "event " + std::to_string(id);
}

inline std::vector<std::string> EventTexts(const std::vector<RawEvent>& events) {
  std::vector<std::string> texts;
  for (const RawEvent& e : events) texts.push_back(EventText(e.id, e));
  return texts;
}

class RecordingSink : public EngineEventSink {
 public:
  void OnEngineEvent(int dispatchId, const EngineRef<EngineEvent>& event) override {
    texts.push_back(EventText(dispatchId, event->Raw()));
    events.push_back(event->Raw());
    if (onEvent) onEvent(event->Raw());
  }
  std::vector<std::string> texts;
  std::vector<RawEvent> events;
  std::function<void(const RawEvent&)> onEvent;
};

}  // namespace engine::testing
