// Save files from outside: whatever the bytes, the reader either refuses them or gives a save that is
// written out and read back to the same value and the same text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frontend/save_game.h"

using namespace kestrine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const SaveGameRead read = ReadSaveGame(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.ok) {
    if (read.error.empty()) std::abort();
    return 0;
  }
  // Floats settle after one write: the text written from the value read back is the text itself.
  const std::string written = WriteSaveGame(read.save);
  const SaveGameRead again = ReadSaveGame(written);
  if (!again.ok || WriteSaveGame(again.save) != written) std::abort();
  if (again.save.reportLines != read.save.reportLines || again.save.battle.patients != read.save.battle.patients) {
    std::abort();
  }
  return 0;
}
