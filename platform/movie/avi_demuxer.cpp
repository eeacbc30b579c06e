#include "platform/movie/avi_demuxer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>

extern "C" {
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
}

namespace kestrine {

struct AviDemuxer::MemoryCursor {
  std::shared_ptr<const std::string> bytes;
  int64_t position = 0;
};

namespace {

constexpr int kIoBufferBytes = 32 * 1024;

int ReadBytes(void* opaque, uint8_t* buffer, int size) {
  auto* cursor = static_cast<AviDemuxer::MemoryCursor*>(opaque);
  const int64_t total = static_cast<int64_t>(cursor->bytes->size());
  if (size <= 0) return 0;
  if (cursor->position >= total) return AVERROR_EOF;
  const int n = static_cast<int>(std::min<int64_t>(size, total - cursor->position));
  std::memcpy(buffer, cursor->bytes->data() + cursor->position, static_cast<size_t>(n));
  cursor->position += n;
  return n;
}

int64_t SeekBytes(void* opaque, int64_t offset, int whence) {
  auto* cursor = static_cast<AviDemuxer::MemoryCursor*>(opaque);
  const int64_t total = static_cast<int64_t>(cursor->bytes->size());
  if (whence & AVSEEK_SIZE) return total;
  int64_t target = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
      target = offset;
      break;
    case SEEK_CUR:
      target = cursor->position + offset;
      break;
    case SEEK_END:
      target = total + offset;
      break;
    default:
      return AVERROR(EINVAL);
  }
  if (target < 0) return AVERROR(EINVAL);
  cursor->position = target;
  return target;
}

}  // namespace

void QuietenMediaLibraries() {
  static std::once_flag once;
  std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

std::unique_ptr<AviDemuxer> AviDemuxer::Open(const AviSource& source) {
  QuietenMediaLibraries();
  const AVInputFormat* avi = av_find_input_format("avi");
  if (!avi) return nullptr;
  std::unique_ptr<AviDemuxer> demuxer(new AviDemuxer);
  AVDictionary* options = nullptr;
  int result = 0;
  if (!source.path.empty()) {
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const std::string url = "file:" + source.path;
    result = avformat_open_input(&demuxer->format_, url.c_str(), avi, &options);
  } else {
    if (!source.bytes) return nullptr;
    demuxer->cursor_ = std::make_unique<MemoryCursor>();
    demuxer->cursor_->bytes = source.bytes;
    auto* buffer = static_cast<uint8_t*>(av_malloc(kIoBufferBytes));
    if (!buffer) return nullptr;
    demuxer->io_ = avio_alloc_context(buffer, kIoBufferBytes, 0, demuxer->cursor_.get(), ReadBytes, nullptr, SeekBytes);
    if (!demuxer->io_) {
      av_free(buffer);
      return nullptr;
    }
    demuxer->format_ = avformat_alloc_context();
    if (!demuxer->format_) return nullptr;
    demuxer->format_->pb = demuxer->io_;
    demuxer->format_->flags |= AVFMT_FLAG_CUSTOM_IO;
    result = avformat_open_input(&demuxer->format_, nullptr, avi, &options);
  }
  av_dict_free(&options);
  // A failed open has freed the format context already (and set it to null); the destructor frees the rest.
  if (result < 0) return nullptr;
  return demuxer;
}

AviDemuxer::~AviDemuxer() {
  if (format_) avformat_close_input(&format_);
  if (io_) {
    av_freep(&io_->buffer);
    avio_context_free(&io_);
  }
}

}  // namespace kestrine
