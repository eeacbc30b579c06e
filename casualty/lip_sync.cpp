#include "casualty/lip_sync.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "shell/game_files.h"

namespace kestrine {

namespace {

int32_t ReadLe32(const unsigned char* at) {
  const uint32_t v = static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
                     (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
  return static_cast<int32_t>(v);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::vector<LipSyncRecord> ParseLipSync(std::string_view bytes) {
  const size_t whole = bytes.size() / kLipSyncRecordBytes;
  std::vector<LipSyncRecord> records;
  records.reserve(whole);
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (size_t i = 0; i < whole; ++i) {
    const unsigned char* record = data + i * kLipSyncRecordBytes;
    const int32_t time = ReadLe32(record);
    if (time < 0) break;
    const int32_t shape = ReadLe32(record + 4);
    records.push_back({time, shape >= 0 && shape < kMouthShapeCount ? shape : kNoMouthShape});
  }
  return records;
}

LipSyncFile LoadLipSync(const std::string& gamePath) {
  LipSyncFile file;
  const auto real = RealGamePath(gamePath);
  std::error_code error;
  if (!real || !std::filesystem::is_regular_file(*real, error)) return file;
  std::unique_ptr<std::FILE, FileCloser> in(std::fopen(real->c_str(), "rb"));
  if (!in || std::fseek(in.get(), 0, SEEK_END) != 0) return file;
  const long size = std::ftell(in.get());
  if (size < 0 || std::fseek(in.get(), 0, SEEK_SET) != 0) return file;
  if (static_cast<unsigned long>(size) > kMaxLipSyncBytes) {
    file.status = LipSyncStatus::TooLarge;
    return file;
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  // A file that shrank since its size was taken gives what is there.
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in.get()));
  file.records = ParseLipSync(bytes);
  file.status = LipSyncStatus::Loaded;
  return file;
}

}  // namespace kestrine
