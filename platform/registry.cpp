#include "platform/registry.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

namespace kestrine {

namespace {

// The web-page file type the desktop's answer names; any name would do, the game only passes it on.
constexpr const char* kWebPageType = "htmlfile";

std::optional<std::optional<std::string>> openerOverride;
std::map<HKEY, std::string> openKeys;
HKEY nextKey = 0x1000;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::optional<std::string> FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (!path) return std::nullopt;
  std::istringstream dirs(path);
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (dir.empty()) continue;
    const std::string candidate = dir + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

// The default value of a key, when the desktop has one for it.
std::optional<std::string> DefaultValueOf(const std::string& key) {
  const std::optional<std::string> opener = DesktopWebOpener();
  if (!opener) return std::nullopt;
  const std::string classes = "software\\classes\\";
  if (key == classes + ".htm") return std::string(kWebPageType);
  if (key == classes + kWebPageType + "\\shell\\open\\command") return "\"" + *opener + "\" \"%1\"";
  return std::nullopt;
}

bool KeyExists(const std::string& key) { return DefaultValueOf(key).has_value(); }

}  // namespace

std::optional<std::string> DesktopWebOpener() {
  if (openerOverride) {
    if (!*openerOverride || (*openerOverride)->empty()) return std::nullopt;
    return *openerOverride;
  }
  return FindOnPath("xdg-open");
}

void SetDesktopWebOpenerOverride(std::optional<std::string> path) {
  if (path)
    openerOverride = std::optional<std::string>(std::move(path));
  else
    openerOverride.reset();
}

long RegOpenKeyExA(HKEY root, const char* subKey, uint32_t, uint32_t, HKEY* result) {
  if (!result) return ERROR_INVALID_HANDLE;
  *result = 0;
  if (root != HKEY_LOCAL_MACHINE || !subKey) return ERROR_FILE_NOT_FOUND;
  const std::string key = Lower(subKey);
  if (!KeyExists(key)) return ERROR_FILE_NOT_FOUND;
  *result = nextKey++;
  openKeys[*result] = key;
  return ERROR_SUCCESS;
}

long RegQueryValueExA(HKEY key, const char* valueName, uint32_t*, uint32_t* type, uint8_t* data, uint32_t* size) {
  auto it = openKeys.find(key);
  if (it == openKeys.end()) return ERROR_INVALID_HANDLE;
  if (valueName && *valueName) return ERROR_FILE_NOT_FOUND;
  const std::optional<std::string> value = DefaultValueOf(it->second);
  if (!value) return ERROR_FILE_NOT_FOUND;
  const uint32_t needed = static_cast<uint32_t>(value->size() + 1);
  if (type) *type = REG_SZ;
  if (!size) return data ? ERROR_INVALID_HANDLE : ERROR_SUCCESS;
  if (!data) {
    *size = needed;
    return ERROR_SUCCESS;
  }
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, value->c_str(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

long RegCloseKey(HKEY key) { return openKeys.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; }

}  // namespace kestrine
