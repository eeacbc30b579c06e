// An input script feeds the engine timed events instead of a person (KESTRINE_INPUT=<file>), so the
// whole game can be driven and followed from outside. Lines:
//   frame <ms> | frames <n> <ms> | mouse <code> <x> <y> | click <x> <y> | key <vk> <0|1>
//   capture <png path> | quit
// Blank lines and lines starting with '#' are skipped; anything else is an error naming the line.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "engine/engine_event.h"

namespace engine {

struct ScriptAction {
  enum Kind { Event, Capture, Quit } kind = Event;
  RawEvent event;
  std::string path;  // Capture
};

class InputScript {
 public:
  // Throws std::runtime_error ("input script <file> line <n>: <why>") on a bad line or unreadable file.
  static std::unique_ptr<InputScript> Load(const std::string& file);
  static std::unique_ptr<InputScript> Parse(const std::string& text, const std::string& name);
  // The next action; false at the end of the script.
  bool Next(ScriptAction& out);
  bool AtEnd() const { return actions_.empty(); }

 private:
  // "frames <n> <ms>" is kept as one entry with a count, so a long scripted run costs no memory per frame.
  struct Entry {
    ScriptAction action;
    long count = 1;
  };
  std::deque<Entry> actions_;
};

}  // namespace engine
