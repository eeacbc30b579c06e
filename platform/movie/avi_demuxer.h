// An FFmpeg demuxer over an AVI file, for the readers of platform/movie only (the game never sees FFmpeg).
// The file is read from disk or from bytes in memory; either way only FFmpeg's AVI demuxer is tried, so
// whatever else the bytes might look like is never parsed.
#pragma once

#include <memory>
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace kestrine {

// Where an AVI file's bytes come from; shared by every reader of the same file.
struct AviSource {
  std::string path;                          // a real path, or empty
  std::shared_ptr<const std::string> bytes;  // the file in memory when path is empty
};

class AviDemuxer {
 public:
  // Null when the source cannot be opened or is no AVI file.
  static std::unique_ptr<AviDemuxer> Open(const AviSource& source);
  ~AviDemuxer();
  AviDemuxer(const AviDemuxer&) = delete;
  AviDemuxer& operator=(const AviDemuxer&) = delete;

  AVFormatContext* Context() const { return format_; }

  // The read position in bytes held in memory (defined with the demuxer).
  struct MemoryCursor;

 private:
  AviDemuxer() = default;
  AVFormatContext* format_ = nullptr;
  AVIOContext* io_ = nullptr;
  std::unique_ptr<MemoryCursor> cursor_;
};

// Libraries' chatter about broken files stays off the console: the player's errors are silent.
void QuietenMediaLibraries();

}  // namespace kestrine
