#include "shell/damaged_data.h"

#include <vector>

#include "platform/message_box.h"
#include "shell/engine_setup.h"
#include "shell/winmain.h"

namespace kestrine {

void NoteDamagedFile(const std::string& what, const std::string& path) {
  if (!Engine().engineRoot) return;
  Engine().engineRoot->DebugPrint(what + ": " + path);
  Engine().engineRoot->NoteDamagedAsset(path);
}

void ReportDamagedData() {
  if (!Engine().engineRoot) return;
  const std::vector<std::string> damaged = Engine().engineRoot->DamagedAssets();
  if (damaged.empty()) return;
  const std::string text =
      std::to_string(damaged.size()) + (damaged.size() == 1 ? " game file is" : " game files are") +
      " missing or damaged; the first is " + damaged.front() +
      ".\n\nThe game goes on with stand-ins for them. The README tells how to make the game data again.";
  MessageBox(Handles().mainWindowHandle, text.c_str(), "Damaged Game Data", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace kestrine
