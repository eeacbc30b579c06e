#include "platform/movie/avi_audio.h"

#include <algorithm>
#include <cstring>

namespace kestrine {

AviAudioReader::AviAudioReader(AviStreamInfo info, std::shared_ptr<const std::vector<int16_t>> pcm)
    : info_(info), pcm_(std::move(pcm)) {}

AviWaveFormat AviAudioReader::Format() const {
  AviWaveFormat format;
  format.channels = info_.channels;
  format.samplesPerSecond = info_.rate;
  format.bitsPerSample = 16;
  format.blockAlign = info_.sampleSize;
  return format;
}

int32_t AviAudioReader::Read(int32_t start, int32_t count, void* buffer, int32_t bufferBytes) const {
  if (!pcm_ || !buffer || count <= 0 || bufferBytes <= 0 || info_.channels <= 0 || info_.sampleSize <= 0) return 0;
  const int64_t first = static_cast<int64_t>(start) - info_.start;
  const int64_t available = static_cast<int64_t>(pcm_->size()) / info_.channels;
  if (first < 0 || first >= available) return 0;
  const int64_t fits = bufferBytes / info_.sampleSize;
  const int64_t n = std::min({static_cast<int64_t>(count), available - first, fits});
  if (n <= 0) return 0;
  std::memcpy(buffer, pcm_->data() + first * info_.channels, static_cast<size_t>(n) * info_.sampleSize);
  return static_cast<int32_t>(n);
}

}  // namespace kestrine
