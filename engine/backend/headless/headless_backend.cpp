#include "backend/headless/headless_backend.h"

#include <string>

#include "core/engine_core.h"
#include "core/engine_internals.h"
#include "engine/engine_root.h"

namespace engine {

void HeadlessBackend::Sleep(int ms) {
  // Virtual time only: the caller (EngineRoot::Wait) moves the sounds on itself.
  if (ms > 0) now_ += ms;
}

bool HeadlessBackend::SetDisplayMode(int width, int height, int bitsPerPixel) {
  if (width <= 0 || height <= 0 || bitsPerPixel <= 0) return false;
  // Switching the mode makes the screen that size, as a real mode switch would; SetScreenSize can
  // then play the desktop changing under the game.
  width_ = width;
  height_ = height;
  modeActive_ = true;
  return true;
}

int HeadlessBackend::TestCondition(int condition) {
  if (condition < 0 || condition >= static_cast<int>(std::size(conditions_))) return 0;
  if (conditionForced_[condition]) return conditions_[condition];
  if (condition == 5) return modeActive_ ? 1 : 0;
  // No window, no renderer to doubt: every other start-up check passes.
  return 0;
}

void HeadlessBackend::SetConditionResult(int condition, int result) {
  if (condition < 0 || condition >= static_cast<int>(std::size(conditions_))) return;
  conditions_[condition] = result;
  conditionForced_[condition] = true;
}

bool HeadlessBackend::NextEvent(RawEvent& out, int /*timeoutMs*/) {
  // Nobody is waiting in real time here: either an event is queued, or the clock runs freely, or the
  // host's wait returns at once.
  if (!queue_.empty()) {
    out = queue_.front();
    queue_.pop_front();
  } else if (freeRun_ && Started() && freeRunLimitMs_ > 0 && now_ >= freeRunLimitMs_) {
    if (!limitReached_) {
      limitReached_ = true;
      if (core_)
        core_->Trace("headless run without an input script: stopping after " + std::to_string(freeRunLimitMs_ / 1000) +
                     " s of game time");
      if (onClose_) onClose_();
    }
    return false;
  } else if (freeRun_ && Started()) {
    // Frame n ends at n * 1000 / fps ms, so the lengths add up exactly (16, 17, 17 at 60 fps).
    const int64_t fps = FrameRate();
    const int64_t begin = freeRunFrames_ * 1000 / fps;
    ++freeRunFrames_;
    out = RawEvent::Frame(static_cast<int>(freeRunFrames_ * 1000 / fps - begin));
  } else {
    return false;
  }
  if (out.id == kEventFrame && out.frameTime > 0) now_ += out.frameTime;
  return true;
}

// Input state changes when the input happens (is queued), not when the game gets round to the event:
// a game waiting on EngineInput::IsInputPressed without pumping events must still see the press.
void HeadlessBackend::Enqueue(const RawEvent& e) {
  input_.Note(e);
  queue_.push_back(e);
}

void HeadlessBackend::InjectFrame(int ms) { Enqueue(RawEvent::Frame(ms)); }
void HeadlessBackend::InjectMouse(int code, int x, int y) { Enqueue(RawEvent::Mouse(code, x, y)); }
void HeadlessBackend::InjectKey(int virtualKey, bool down) { Enqueue(RawEvent::Key(virtualKey, down)); }

HeadlessBackend* HeadlessBackendOf(EngineRoot& root) { return dynamic_cast<HeadlessBackend*>(&BackendOf(root)); }

}  // namespace engine
