// Movie files from outside: opening an AVI file, describing its streams, decoding its frames and reading
// its sound must neither crash nor hang nor read past the input, whatever the bytes; what comes back must
// be self-consistent.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/movie/avi_audio.h"
#include "platform/movie/avi_file.h"
#include "platform/movie/avi_frames.h"

namespace {

// Enough frames and sound to walk every decoder path without making one input take long.
constexpr int kFramesLooked = 12;
constexpr int32_t kSamplesPerRead = 4096;
constexpr int kReadsLooked = 64;

void Fail() { std::abort(); }

#ifdef KESTRINE_LIBFUZZER
// Under the fuzzer, inputs above this are passed over: every part of a movie shows within a few kilobytes,
// and a large input only makes each run slow. (The corpus replay also reads the game's own movies, whole.)
constexpr size_t kLargestFuzzedInput = 64 * 1024;
#endif

void LookAtFrames(const kestrine::AviFile& file, int index, const kestrine::AviStreamInfo& info) {
  std::unique_ptr<kestrine::AviFrameDecoder> frames = file.OpenFrames(index);
  if (!frames) return;
  if (frames->GetFrame(info.start - 1) != nullptr) Fail();
  if (frames->GetFrame(info.start + info.length) != nullptr) Fail();
  std::vector<int32_t> samples;
  for (int i = 0; i < kFramesLooked / 2 && i < info.length; ++i) samples.push_back(info.start + i);
  if (info.length > 0) samples.push_back(info.start + info.length - 1);
  if (info.length > 2) samples.push_back(info.start + 1);  // back again
  for (int32_t sample : samples) {
    const kestrine::AviFrame* frame = frames->GetFrame(sample);
    if (!frame) continue;
    if (frame->width <= 0 || frame->height <= 0 || frame->width > 4096 || frame->height > 4096) Fail();
    if (frame->pixels.size() != static_cast<size_t>(frame->width) * static_cast<size_t>(frame->height)) Fail();
  }
}

void LookAtSound(const kestrine::AviFile& file, int index, const kestrine::AviStreamInfo& info) {
  std::unique_ptr<kestrine::AviAudioReader> sound = file.OpenAudio(index);
  if (!sound) Fail();  // every stream described as audio can be read
  const kestrine::AviWaveFormat format = sound->Format();
  if (format.channels < 1 || format.channels > 2 || format.bitsPerSample != 16) Fail();
  if (format.blockAlign != format.channels * 2 || format.samplesPerSecond != info.rate) Fail();
  std::vector<char> buffer(static_cast<size_t>(kSamplesPerRead) * format.blockAlign);
  int32_t next = info.start;
  for (int reads = 0; reads < kReadsLooked; ++reads) {
    const int32_t got = sound->Read(next, kSamplesPerRead, buffer.data(), static_cast<int32_t>(buffer.size()));
    if (got < 0 || got > kSamplesPerRead) Fail();
    if (got == 0) break;
    next += got;
  }
  if (next > info.start + info.length) Fail();
  if (sound->Read(info.start + info.length, 1, buffer.data(), static_cast<int32_t>(buffer.size())) != 0) Fail();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifdef KESTRINE_LIBFUZZER
  if (size > kLargestFuzzedInput) return 0;
#endif
  std::unique_ptr<kestrine::AviFile> file =
      kestrine::AviFile::OpenMemory(std::string(reinterpret_cast<const char*>(data), size));
  if (!file) return 0;
  for (int i = 0; i < file->StreamCount(); ++i) {
    const kestrine::AviStreamInfo* info = file->StreamInfo(i);
    if (!info || info->length < 0 || info->start < 0) Fail();
    if (kestrine::AviStreamEndTime(*info) < kestrine::AviStreamStartTime(*info)) Fail();
    if (info->type == kestrine::AviStreamType::Video) LookAtFrames(*file, i, *info);
    if (info->type == kestrine::AviStreamType::Audio) LookAtSound(*file, i, *info);
  }
  if (file->StreamInfo(file->StreamCount()) != nullptr || file->StreamInfo(-1) != nullptr) Fail();
  return 0;
}
