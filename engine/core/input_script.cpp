#include "core/input_script.h"

#include <charconv>
#include <limits>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "core/path_resolver.h"

namespace engine {

namespace {

// A single frame longer than a minute is a typing error.
constexpr long kMaxFrameMs = 60000;
constexpr long kMaxFrameCount = 100000000;
// All the frames of a script together: the longest time that every clock of the game, down to the 32-bit
// times it keeps of the game clock, counts without overflowing (24.8 days).
constexpr int64_t kMaxScriptMs = std::numeric_limits<int32_t>::max();

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

class LineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

long Number(const std::string& word, long lo, long hi, const char* what) {
  long value = 0;
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc() || ptr != end) throw LineError(std::string(what) + " is not a whole number: \"" + word + "\"");
  if (value < lo || value > hi)
    throw LineError(std::string(what) + " must be " + std::to_string(lo) + ".." + std::to_string(hi) + ", not " + word);
  return value;
}

void ExpectWords(const std::vector<std::string>& words, size_t n, const char* usage) {
  if (words.size() != n) throw LineError(std::string("expected \"") + usage + "\"");
}

bool IsMouseCode(long code) {
  return code == kMouseMove || code == kMouseLeftDown || code == kMouseLeftUp || code == kMouseRightDown ||
         code == kMouseRightUp;
}

}  // namespace

std::unique_ptr<InputScript> InputScript::Load(const std::string& file) {
  const FileRead text = ReadRealFile(file, MaxFileBytes(FileKind::Text));
  if (!text) throw std::runtime_error("input script " + file + ": " + text.Why());
  return Parse(text.bytes, file);
}

std::unique_ptr<InputScript> InputScript::Parse(const std::string& text, const std::string& name) {
  auto script = std::make_unique<InputScript>();
  constexpr long kIntMin = std::numeric_limits<int>::min();
  constexpr long kIntMax = std::numeric_limits<int>::max();
  std::istringstream in(text);
  std::string line;
  int lineNumber = 0;
  int64_t scriptMs = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty() || words[0][0] == '#') continue;
    const std::string& verb = words[0];
    try {
      Entry entry;
      ScriptAction& a = entry.action;
      if (verb == "frame") {
        ExpectWords(words, 2, "frame <ms>");
        a.event = RawEvent::Frame(static_cast<int>(Number(words[1], 0, kMaxFrameMs, "frame length")));
      } else if (verb == "frames") {
        ExpectWords(words, 3, "frames <n> <ms>");
        entry.count = Number(words[1], 0, kMaxFrameCount, "frame count");
        a.event = RawEvent::Frame(static_cast<int>(Number(words[2], 0, kMaxFrameMs, "frame length")));
        if (entry.count == 0) continue;
      } else if (verb == "mouse") {
        ExpectWords(words, 4, "mouse <code> <x> <y>");
        const long code = Number(words[1], 0, kIntMax, "mouse code");
        if (!IsMouseCode(code)) throw LineError("mouse code must be 2, 6, 7, 9 or 10, not " + words[1]);
        a.event = RawEvent::Mouse(static_cast<int>(code), static_cast<int>(Number(words[2], kIntMin, kIntMax, "x")),
                                  static_cast<int>(Number(words[3], kIntMin, kIntMax, "y")));
      } else if (verb == "click") {
        ExpectWords(words, 3, "click <x> <y>");
        const int x = static_cast<int>(Number(words[1], kIntMin, kIntMax, "x"));
        const int y = static_cast<int>(Number(words[2], kIntMin, kIntMax, "y"));
        Entry down;
        down.action.event = RawEvent::Mouse(kMouseLeftDown, x, y);
        script->actions_.push_back(down);
        a.event = RawEvent::Mouse(kMouseLeftUp, x, y);
      } else if (verb == "key") {
        ExpectWords(words, 3, "key <vk> <0|1>");
        a.event = RawEvent::Key(static_cast<int>(Number(words[1], 0, 255, "virtual-key code")),
                                Number(words[2], 0, 1, "key state") != 0);
      } else if (verb == "capture") {
        // The path is the rest of the line, so it may hold blanks.
        const size_t at = line.find("capture") + 7;
        const size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string::npos) throw LineError("expected \"capture <png path>\"");
        const size_t end = line.find_last_not_of(" \t");
        a.kind = ScriptAction::Capture;
        a.path = line.substr(start, end - start + 1);
      } else if (verb == "quit") {
        ExpectWords(words, 1, "quit");
        a.kind = ScriptAction::Quit;
      } else {
        throw LineError("unknown command \"" + verb + "\"");
      }
      if (verb == "frame" || verb == "frames") {
        scriptMs += static_cast<int64_t>(entry.count) * a.event.frameTime;
        if (scriptMs > kMaxScriptMs)
          throw LineError("the frames add up to more than " + std::to_string(kMaxScriptMs) + " ms of game time");
      }
      script->actions_.push_back(std::move(entry));
    } catch (const LineError& e) {
      throw std::runtime_error("input script " + name + " line " + std::to_string(lineNumber) + ": " + e.what() +
                               " in \"" + line + "\"");
    }
  }
  return script;
}

bool InputScript::Next(ScriptAction& out) {
  if (actions_.empty()) return false;
  Entry& front = actions_.front();
  out = front.action;
  if (--front.count <= 0) actions_.pop_front();
  return true;
}

}  // namespace engine
