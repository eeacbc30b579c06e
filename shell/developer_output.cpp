#include "shell/developer_output.h"

#include <cstdlib>
#include <cstring>

#include "shell/developer_keys.h"
#include "shell/engine_setup.h"

namespace kestrine {

bool DeveloperOutputShown() {
  if (Developer().debugMode >= kDebugDeveloper) return true;
  const char* asked = std::getenv("KESTRINE_DEVELOPER");
  return asked && std::strcmp(asked, "1") == 0;
}

namespace {

template <typename Text>
void PrintTo(const engine::EngineRef<engine::EngineRoot>& root, const Text& text) {
  if (!root) return;
  if (DeveloperOutputShown())
    root->DebugPrint(text);
  else
    root->DebugNote(text);
}

}  // namespace

void DeveloperPrint(const engine::EngineRef<engine::EngineRoot>& root, const std::string& text) { PrintTo(root, text); }

void DeveloperPrint(const engine::EngineRef<engine::EngineRoot>& root, const std::wstring& text) {
  PrintTo(root, text);
}

void DeveloperPrint(const std::string& text) { DeveloperPrint(Engine().engineRoot, text); }

}  // namespace kestrine
