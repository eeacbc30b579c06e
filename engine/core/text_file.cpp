#include "core/engine_core.h"
#include "engine/engine_text.h"

namespace engine {

// Lines end in "\n", "\r\n" or a lone "\r": the game's text files were written on several systems.
std::wstring EngineTextFile::ReadLine() {
  const size_t begin = pos_;
  size_t end = begin;
  while (end < data_.size() && data_[end] != '\n' && data_[end] != '\r') ++end;
  pos_ = end;
  if (pos_ < data_.size()) {
    if (data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  // UTF-8 where the bytes are UTF-8, Latin-1 otherwise (the game's own texts are Latin-1).
  return FromUtf8(data_.substr(begin, end - begin));
}

int EngineTextFile::ReadByte() {
  if (pos_ >= data_.size()) return -1;
  return static_cast<unsigned char>(data_[pos_++]);
}

}  // namespace engine
