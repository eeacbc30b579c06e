// The frame decompressor of an AVI video stream: the frame of any sample, decoded and converted to 32-bit
// 0x00RRGGBB pixels, top row first. Frames are decoded in order; asking for an earlier frame seeks back.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/movie/avi_file.h"

namespace kestrine {

struct AviFrame {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;  // width x height
};

class AviFrameDecoder {
 public:
  // Null when the stream has no decoder this program can use.
  static std::unique_ptr<AviFrameDecoder> Open(const AviSource& source, int streamIndex, const AviStreamInfo& info);
  ~AviFrameDecoder();
  AviFrameDecoder(const AviFrameDecoder&) = delete;
  AviFrameDecoder& operator=(const AviFrameDecoder&) = delete;

  // The frame showing at the sample (AVIStreamGetFrame): null outside the stream or when nothing in the file
  // up to that sample could be decoded. Past the last good frame the last one stays. The frame stays valid
  // until the next call.
  const AviFrame* GetFrame(int32_t sample);
  // The sample of the frame GetFrame gave last (-1 for none).
  int64_t ShownSample() const { return shown_; }

 private:
  struct Codec;
  AviFrameDecoder() = default;
  bool Restart();
  bool DecodeNext();
  bool Convert();

  std::unique_ptr<Codec> codec_;
  AviStreamInfo info_;
  int64_t decoded_ = -1;       // sample of the frame held by the decoder's output
  int64_t shown_ = -1;         // sample of `frame_`
  int64_t firstDecoded_ = -1;  // sample of the first frame decoded since the start
  AviFrame frame_;
};

}  // namespace kestrine
