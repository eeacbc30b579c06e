// Input scripts from outside: whatever the text, the reader either refuses it with the line at fault or
// gives actions the engine can fire as they are (frame times, mouse codes and keys in their ranges).
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/input_script.h"

namespace {

// A script may hold a hundred million frames: only the first actions are looked at one by one.
constexpr int kActionsLooked = 4096;

void Fail() { std::abort(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using engine::ScriptAction;
  std::unique_ptr<engine::InputScript> script;
  try {
    script = engine::InputScript::Parse(std::string(reinterpret_cast<const char*>(data), size), "fuzz.txt");
  } catch (const std::runtime_error& e) {
    if (std::string(e.what()).find("fuzz.txt line ") == std::string::npos) Fail();  // always names the line
    return 0;
  }
  ScriptAction action;
  for (int i = 0; i < kActionsLooked && script->Next(action); ++i) {
    if (action.kind == ScriptAction::Capture && action.path.empty()) Fail();
    if (action.kind != ScriptAction::Event) continue;
    const engine::RawEvent& e = action.event;
    if (e.id == engine::kEventFrame && (e.frameTime < 0 || e.frameTime > 60000)) Fail();
    if (e.id == engine::kEventMouse && e.button != engine::kMouseMove && e.button != engine::kMouseLeftDown &&
        e.button != engine::kMouseLeftUp && e.button != engine::kMouseRightDown && e.button != engine::kMouseRightUp)
      Fail();
    if (e.id == engine::kEventKey && (e.keyCode < 0 || e.keyCode > 255)) Fail();
  }
  return 0;
}
