// The receiving end of the engine control's events. A window registers one handler per dispatch
// identifier (5100 mouse, 5101 frame, 5102 key, 5103 the fourth event); connecting the sink to a control
// makes the control fire its events into those handlers.
#pragma once

#include <functional>
#include <map>

#include "engine/engine.h"

namespace kestrine {

class ControlEventSink : public engine::EngineEventSink {
 public:
  using Handler = std::function<long(const engine::EngineRef<engine::EngineEvent>&)>;

  // 0 when connected; a failure for an empty control.
  long DispEventAdvise(const engine::EngineRef<engine::EngineRoot>& control);
  long DispEventUnadvise(const engine::EngineRef<engine::EngineRoot>& control);
  bool Advised() const { return advised_ != nullptr; }

  // Events with no registered handler are dropped.
  void OnEngineEvent(int dispatchId, const engine::EngineRef<engine::EngineEvent>& event) override;

 protected:
  void SinkEntry(int dispatchId, Handler handler);

 private:
  std::map<int, Handler> entries_;
  engine::EngineRoot* advised_ = nullptr;
};

}  // namespace kestrine
