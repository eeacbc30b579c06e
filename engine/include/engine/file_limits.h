// How big a file of each kind may be before it is refused unread. Every limit is far above the largest
// file the game ships (pictures under 1 MB, sounds under 1 MB, movies under 1 MB, text files of a few
// kilobytes), and is checked against the size on disk before a byte is read: a damaged or hostile file can
// neither take the memory its size asks for nor keep the game reading it for a minute.
#pragma once

#include <cstdint>

namespace engine {

enum class FileKind { Image, Sound, Model, Movie, Text, Font };

constexpr uint64_t kMiB = uint64_t{1} << 20;

constexpr uint64_t MaxFileBytes(FileKind kind) {
  switch (kind) {
    case FileKind::Image:
      return 80 * kMiB;  // a 4096 x 4096 picture at 32 bits a pixel, uncompressed, with room for its header
    case FileKind::Sound:
      return 128 * kMiB;  // ten minutes of CD-quality stereo
    case FileKind::Model:
      return 64 * kMiB;
    case FileKind::Movie:
      return 256 * kMiB;
    case FileKind::Text:
      return 16 * kMiB;
    case FileKind::Font:
      return 64 * kMiB;
  }
  return 0;
}

// The largest of them: the bound for a read whose kind nobody named.
constexpr uint64_t kLargestFileBytes = 256 * kMiB;

}  // namespace engine
