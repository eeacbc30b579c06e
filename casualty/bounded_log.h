// A fixed-capacity list with a count: the patient's logs never grow past the room they were given.
#pragma once

#include <cstdint>

namespace kestrine {

template <typename Entry, int Capacity>
struct BoundedLog {
  static constexpr int kCapacity = Capacity;

  Entry entries[Capacity] = {};
  int32_t count = 0;

  // Appends when there is room; a full log keeps what it has and refuses the entry.
  bool Append(const Entry& entry) {
    if (count < 0 || count >= Capacity) return false;
    entries[count++] = entry;
    return true;
  }
  bool IsFull() const { return count >= Capacity; }
  void Clear() { count = 0; }
  const Entry* begin() const { return entries; }
  const Entry* end() const { return entries + (count < 0 ? 0 : count); }
};

}  // namespace kestrine
