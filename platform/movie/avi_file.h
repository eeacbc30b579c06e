// AVI movie files as the movie player reads them: a file holds streams, each with its type, its sample
// rate and its range of samples (a video stream's samples are its frames, an audio stream's samples are
// its sample frames). Times are milliseconds. Frames come from an AviFrameDecoder (avi_frames.h), sound
// from an AviAudioReader (avi_audio.h).
//
// Whatever the bytes are, opening and reading never crash and never read beyond them: a stream's length is
// what its data holds, not what its header claims, so a broken header cannot make a movie run for hours.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrine {

enum class AviStreamType { Video, Audio, Other };

struct AviStreamInfo {
  AviStreamType type = AviStreamType::Other;
  // rate / scale samples a second.
  int32_t scale = 1;
  int32_t rate = 1;
  int32_t start = 0;   // first sample
  int32_t length = 0;  // samples
  int32_t width = 0;   // video frame size as the header gives it
  int32_t height = 0;
  int32_t channels = 0;    // audio as it is read: 1 or 2 channels of 16-bit samples
  int32_t sampleSize = 0;  // bytes of one audio sample (all channels); 0 for video
};

// Sample and time conversions of a stream (the time a sample starts at, the sample showing at a time).
int32_t AviSampleToTime(const AviStreamInfo& info, int64_t sample);
int32_t AviTimeToSample(const AviStreamInfo& info, int64_t ms);
inline int32_t AviStreamStartTime(const AviStreamInfo& info) { return AviSampleToTime(info, info.start); }
inline int32_t AviStreamEndTime(const AviStreamInfo& info) {
  return AviSampleToTime(info, static_cast<int64_t>(info.start) + info.length);
}

class AviFrameDecoder;
class AviAudioReader;
struct AviSource;

class AviFile {
 public:
  // Opens a game path ("avi\ostrel.avi", found without regard to case). Null when the file is missing
  // or is no AVI file.
  static std::unique_ptr<AviFile> Open(const std::string& gamePath);
  // The same for an AVI file held in memory.
  static std::unique_ptr<AviFile> OpenMemory(std::string bytes);
  ~AviFile();
  AviFile(const AviFile&) = delete;
  AviFile& operator=(const AviFile&) = delete;

  int StreamCount() const;
  // Null for an index out of range.
  const AviStreamInfo* StreamInfo(int index) const;
  // The frame decompressor of a video stream; null when the stream is no video or has no decoder.
  std::unique_ptr<AviFrameDecoder> OpenFrames(int index) const;
  // The sound of an audio stream; null when the stream is no audio.
  std::unique_ptr<AviAudioReader> OpenAudio(int index) const;

 private:
  struct Stream;
  AviFile();
  static std::unique_ptr<AviFile> Scan(const AviSource& source);
  std::unique_ptr<AviSource> source_;
  std::vector<Stream> streams_;
};

}  // namespace kestrine
