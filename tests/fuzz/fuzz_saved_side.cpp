// A save game's side line from outside: whatever the bytes, the reader gives a side and side bits the game
// could have written, or refuses and leaves them as they were; it never reads past the stream.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "casualty/body_location.h"
#include "casualty/saved_side.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;  // a stream over no bytes cannot be made
  std::FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "r");
  if (!stream) return 0;
  int32_t side = 99;
  uint32_t bits = 99;
  const bool read = kestrine::ReadSavedSide(stream, side, bits);
  if (read) {
    if (side != 0 && side != 1) std::abort();
    if (bits != kestrine::LOC_RIGHT && bits != kestrine::LOC_LEFT && bits != kestrine::kSideBits) std::abort();
  } else if (side != 99 || bits != 99) {
    std::abort();
  }
  const long at = std::ftell(stream);
  if (at < 0 || static_cast<size_t>(at) > size) std::abort();
  std::fclose(stream);
  return 0;
}
