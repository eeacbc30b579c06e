#include "battlefield/mission_file_io.h"

#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/wide_text.h"

namespace kestrine {

std::vector<uint8_t> ReadEngineFileBytes(const std::string& gamePath, size_t limit) {
  std::vector<uint8_t> bytes;
  engine::EngineRef<engine::EngineTextFile> file = Engine().engineRoot->OpenFile(WidenText(gamePath), 1, 2);
  while (!file->IsLoaded()) Engine().engineRoot->Wait(100);
  for (int b; bytes.size() < limit && (b = file->ReadByte()) >= 0;) bytes.push_back(static_cast<uint8_t>(b));
  file->Close();
  return bytes;
}

}  // namespace kestrine
