#include "platform/event_sink.h"

namespace kestrine {

long ControlEventSink::DispEventAdvise(const engine::EngineRef<engine::EngineRoot>& control) {
  if (!control) return engine::kStatusNullReference;
  control->Advise(this);
  advised_ = control.Get();
  return 0;
}

long ControlEventSink::DispEventUnadvise(const engine::EngineRef<engine::EngineRoot>& control) {
  if (!control) return engine::kStatusNullReference;
  control->Unadvise();
  if (advised_ == control.Get()) advised_ = nullptr;
  return 0;
}

void ControlEventSink::OnEngineEvent(int dispatchId, const engine::EngineRef<engine::EngineEvent>& event) {
  auto it = entries_.find(dispatchId);
  if (it != entries_.end()) it->second(event);
}

void ControlEventSink::SinkEntry(int dispatchId, Handler handler) { entries_[dispatchId] = std::move(handler); }

}  // namespace kestrine
