// The registry the game reads: only the desktop's answer to "which program opens web pages". There is no
// registry here; the two keys the game asks for are answered from the desktop's opener (xdg-open on the
// PATH), and every other key is absent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrine {

using HKEY = std::uintptr_t;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
constexpr uint32_t REG_SZ = 1;

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_MORE_DATA = 234;

// Key names are compared without regard to case, as the registry does.
long RegOpenKeyExA(HKEY root, const char* subKey, uint32_t options, uint32_t access, HKEY* result);
// valueName null or "" is the key's default value. On entry *size is the buffer's size; on success it is
// the bytes written, the terminating zero included. A value that does not fit gives ERROR_MORE_DATA and
// writes nothing.
long RegQueryValueExA(HKEY key, const char* valueName, uint32_t* reserved, uint32_t* type, uint8_t* data,
                      uint32_t* size);
long RegCloseKey(HKEY key);

// The program that opens web pages, as the desktop offers it: the path of xdg-open found on the PATH, or
// nothing. Tests replace it (an empty string: no browser at all); nullopt asks the desktop again.
std::optional<std::string> DesktopWebOpener();
void SetDesktopWebOpenerOverride(std::optional<std::string> path);

}  // namespace kestrine
