#include "shell/screen_table.h"

#include <array>
#include <optional>

namespace kestrine {

namespace {

constexpr int32_t kStateCount = 32;

std::array<std::optional<Screen>, kStateCount>& Table() {
  static std::array<std::optional<Screen>, kStateCount> table;
  return table;
}

}  // namespace

void RegisterScreen(int32_t state, const Screen& screen) {
  if (state < 0 || state >= kStateCount) return;
  Table()[state] = screen;
}

const Screen* FindScreen(int32_t state) {
  if (state < 0 || state >= kStateCount || !Table()[state]) return nullptr;
  return &*Table()[state];
}

void ClearScreenTable() { Table().fill(std::nullopt); }

}  // namespace kestrine
