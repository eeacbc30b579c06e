#include "backend/sdl/gl_driver_residency.h"

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

namespace engine {

namespace {

bool IsGlDriver(const std::string& path) {
  const bool dri = path.find("/dri/") != std::string::npos && path.size() > 7 &&
                   path.compare(path.size() - 7, 7, "_dri.so") == 0;
  return dri || path.find("/libgallium") != std::string::npos;
}

}  // namespace

void KeepGlDriverLoaded() {
  std::vector<std::string> drivers;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* found) {
        if (info->dlpi_name && IsGlDriver(info->dlpi_name))
          static_cast<std::vector<std::string>*>(found)->push_back(info->dlpi_name);
        return 0;
      },
      &drivers);
  // Outside the walk: the loader's lock is held during it. NOLOAD only marks a library already there.
  for (const std::string& path : drivers) dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace engine
