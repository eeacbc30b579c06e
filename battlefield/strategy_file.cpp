#include "battlefield/strategy_file.h"

#include <algorithm>

#include "battlefield/mission_bytes.h"

namespace kestrine {

void DecodeStrategyFile(const uint8_t* bytes, size_t size, StrategyEntry (&entries)[kStrategyEntryCount],
                        int32_t& count) {
  MissionByteReader in(bytes, std::min(size, kStrategyFileSize));
  if (in.ReadI32(count)) count = std::clamp(count, 0, kStrategyEntryCount);
  for (StrategyEntry& e : entries) {
    in.ReadF32(e.pos.x);
    if (in.ReadF32(e.pos.y)) e.SetSavedY(e.pos.y);
    in.ReadF32(e.pos.z);
    in.ReadI32(e.side);
    in.ReadI32(e.vehicle);
    in.ReadI32(e.injury);
    in.ReadI32(e.orders);
    in.ReadI32(e.type);
    in.ReadI32(e.patrol);
  }
}

StrategyFileBytes EncodeStrategyFile(const StrategyEntry (&entries)[kStrategyEntryCount], int32_t count) {
  StrategyFileBytes bytes{};
  MissionByteWriter out(bytes.data(), bytes.size());
  out.WriteI32(count);
  for (const StrategyEntry& e : entries) {
    out.WriteF32(e.pos.x);
    out.WriteF32(e.SavedY());
    out.WriteF32(e.pos.z);
    out.WriteI32(e.side);
    out.WriteI32(e.vehicle);
    out.WriteI32(e.injury);
    out.WriteI32(e.orders);
    out.WriteI32(e.type);
    out.WriteI32(e.patrol);
  }
  return bytes;
}

}  // namespace kestrine
