#include "shell/browser.h"

#include <cstdio>
#include <string>

#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/registry.h"

namespace kestrine {

namespace {

constexpr int kRegistryBufferSize = 260;

// The first piece of the command between double quotes (leading quotes skipped): the browser's own path
// without the arguments its command adds ("%1" and the like).
std::string FirstQuotedToken(const char* command) {
  std::string text = command;
  const size_t start = text.find_first_not_of('"');
  if (start == std::string::npos) return "";
  const size_t end = text.find('"', start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

bool ReadRegistryString(const char* subKey, const char* valueName, char* buffer) {
  HKEY key = 0;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  uint32_t size = kRegistryBufferSize - 1;
  const long status = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<uint8_t*>(buffer), &size);
  if (status == ERROR_SUCCESS && size < kRegistryBufferSize && buffer[size] != '\0') buffer[size] = '\0';
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

bool LaunchProcess(const char* application, const char* commandLine) {
  ProcessInformation info;
  if (CreateProcessA(application, commandLine, &info)) {
    CloseHandle(info.process);
    CloseHandle(info.thread);
    return true;
  }
  MessageBox(0, "Process failed to create.", "Error", MB_OK);
  MessageBox(0, application ? application : "", commandLine ? commandLine : "", MB_OK);
  return false;
}

bool OpenUrlInBrowser(const char* url) {
  char fileType[kRegistryBufferSize] = {};
  ReadRegistryString("Software\\CLASSES\\.htm", "", fileType);
  char commandKey[kRegistryBufferSize + 64];
  std::snprintf(commandKey, sizeof commandKey, "Software\\CLASSES\\%s\\shell\\open\\command", fileType);
  char command[kRegistryBufferSize] = {};
  ReadRegistryString(commandKey, "", command);

  const std::string browser = FirstQuotedToken(command);
  // No browser registered: there is nothing to start, and nothing the player could do about a box.
  if (browser.empty()) return false;
  // Quoted, so a browser installed under a path with blanks is still one word.
  const std::string commandLine = "\"" + browser + "\" " + (url ? url : "");
  return LaunchProcess(nullptr, commandLine.c_str());
}

}  // namespace kestrine
