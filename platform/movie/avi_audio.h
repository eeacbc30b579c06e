// The sound of an AVI audio stream, read by samples. Whatever the file holds is decoded when the file is
// opened and given out as interleaved 16-bit PCM with one or two channels at the stream's own rate.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/movie/avi_file.h"

namespace kestrine {

struct AviWaveFormat {
  int32_t channels = 1;
  int32_t samplesPerSecond = 22050;
  int32_t bitsPerSample = 16;
  int32_t blockAlign = 2;  // bytes of one sample, all channels
};

class AviAudioReader {
 public:
  AviAudioReader(AviStreamInfo info, std::shared_ptr<const std::vector<int16_t>> pcm);
  const AviStreamInfo& Info() const { return info_; }
  // What the samples are (AVIStreamReadFormat).
  AviWaveFormat Format() const;
  // Copies at most count samples from sample `start` on into buffer (at most bufferBytes bytes) and
  // returns how many it copied: fewer at the end of the stream, 0 outside it.
  int32_t Read(int32_t start, int32_t count, void* buffer, int32_t bufferBytes) const;

 private:
  AviStreamInfo info_;
  std::shared_ptr<const std::vector<int16_t>> pcm_;
};

}  // namespace kestrine
