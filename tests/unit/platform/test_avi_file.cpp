// Reading AVI movies: streams described from their data, frames decoded in order and back again, sound read
// by samples, and broken files that are refused or read as far as they go, never past their end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <vector>

#include "movie_test_files.h"
#include "platform/movie/avi_audio.h"
#include "platform/movie/avi_file.h"
#include "platform/movie/avi_frames.h"

namespace kestrine {
namespace {

using testing::CopyMovie;
using testing::CorpusBytes;

struct Rgb {
  int r, g, b;
};

Rgb PixelAt(const AviFrame& frame, int x, int y) {
  const uint32_t p = frame.pixels[static_cast<size_t>(y) * frame.width + x];
  return Rgb{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

// The corpus pictures are solid: frame i is (20 + 10 i, 200 - 8 i, 40) below a white bar in the top rows.
void ExpectFrameColour(const AviFrame* frame, int index) {
  ASSERT_NE(frame, nullptr);
  const Rgb c = PixelAt(*frame, 32, 30);
  // MJPEG is lossy: near is good enough, and frames 2 apart differ by 20 in red.
  EXPECT_NEAR(c.r, 20 + 10 * index, 6) << "frame " << index;
  EXPECT_NEAR(c.g, 200 - 8 * index, 6) << "frame " << index;
  EXPECT_NEAR(c.b, 40, 6) << "frame " << index;
}

TEST(AviFileTest, StreamsAreDescribedFromTheirDataWithPicturesAndSoundOrEitherAlone) {
  auto file = AviFile::OpenMemory(CorpusBytes("video_audio.avi"));
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->StreamCount(), 2);
  const AviStreamInfo& video = *file->StreamInfo(0);
  EXPECT_EQ(video.type, AviStreamType::Video);
  EXPECT_EQ(video.rate / video.scale, 10);
  EXPECT_EQ(video.start, 0);
  EXPECT_EQ(video.length, 20);
  EXPECT_EQ(video.width, 64);
  EXPECT_EQ(video.height, 48);
  EXPECT_EQ(AviStreamEndTime(video), 2000);

  const AviStreamInfo& audio = *file->StreamInfo(1);
  EXPECT_EQ(audio.type, AviStreamType::Audio);
  EXPECT_EQ(audio.rate, 8000);
  EXPECT_EQ(audio.channels, 1);
  EXPECT_EQ(audio.sampleSize, 2);
  EXPECT_EQ(audio.length, 16000);
  EXPECT_EQ(AviStreamEndTime(audio), 2000);

  EXPECT_EQ(file->StreamInfo(2), nullptr);
  EXPECT_EQ(file->StreamInfo(-1), nullptr);
  EXPECT_EQ(file->OpenFrames(1), nullptr);  // the sound has no pictures
  EXPECT_EQ(file->OpenAudio(0), nullptr);   // and the pictures no sound

  // Movies with only pictures or only sound.
  auto pictures = AviFile::OpenMemory(CorpusBytes("video_only.avi"));
  ASSERT_NE(pictures, nullptr);
  ASSERT_EQ(pictures->StreamCount(), 1);
  EXPECT_EQ(pictures->StreamInfo(0)->type, AviStreamType::Video);
  EXPECT_EQ(AviStreamEndTime(*pictures->StreamInfo(0)), 2000);
  auto stereo = AviFile::OpenMemory(CorpusBytes("audio_only.avi"));
  ASSERT_NE(stereo, nullptr);
  ASSERT_EQ(stereo->StreamCount(), 1);
  const AviStreamInfo& info = *stereo->StreamInfo(0);
  EXPECT_EQ(info.type, AviStreamType::Audio);
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.sampleSize, 4);
  EXPECT_EQ(info.length, 11025);
}

TEST(AviFileTest, SamplesAndTimesConvertBothWays) {
  AviStreamInfo tenPerSecond;
  tenPerSecond.scale = 1;
  tenPerSecond.rate = 10;
  EXPECT_EQ(AviSampleToTime(tenPerSecond, 7), 700);
  EXPECT_EQ(AviTimeToSample(tenPerSecond, 699), 6);  // the frame showing at 699 ms
  EXPECT_EQ(AviTimeToSample(tenPerSecond, 700), 7);
  EXPECT_EQ(AviTimeToSample(tenPerSecond, -1), -1);  // before the start, never rounded up to it

  AviStreamInfo ntsc;
  ntsc.scale = 1001;
  ntsc.rate = 30000;
  EXPECT_EQ(AviSampleToTime(ntsc, 30), 1001);
  EXPECT_EQ(AviTimeToSample(ntsc, 1001), 30);

  // A broken scale makes huge numbers, which stop at the ends of the range instead of wrapping round.
  AviStreamInfo slow;
  slow.scale = 1000000;
  slow.rate = 1;
  EXPECT_EQ(AviSampleToTime(slow, 1LL << 40), INT32_MAX);
  EXPECT_EQ(AviSampleToTime(slow, -(1LL << 40)), INT32_MIN);
  AviStreamInfo broken;
  broken.rate = 0;
  EXPECT_EQ(AviSampleToTime(broken, 5), 0);
  EXPECT_EQ(AviTimeToSample(broken, 5), 0);
}

TEST(AviFramesTest, FramesComeInOrderAndAgainFromTheStart) {
  auto file = AviFile::OpenMemory(CorpusBytes("video_audio.avi"));
  ASSERT_NE(file, nullptr);
  auto frames = file->OpenFrames(0);
  ASSERT_NE(frames, nullptr);
  const AviFrame* first = frames->GetFrame(0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->width, 64);
  EXPECT_EQ(first->height, 48);
  EXPECT_EQ(first->pixels.size(), 64u * 48u);
  ExpectFrameColour(first, 0);
  ExpectFrameColour(frames->GetFrame(5), 5);
  ExpectFrameColour(frames->GetFrame(19), 19);
  EXPECT_EQ(frames->ShownSample(), 19);
  ExpectFrameColour(frames->GetFrame(3), 3);  // back again
  EXPECT_EQ(frames->ShownSample(), 3);
  // The white bar at the top grows by 3 pixels a frame.
  const AviFrame* four = frames->GetFrame(4);
  ASSERT_NE(four, nullptr);
  EXPECT_GT(PixelAt(*four, 4 + 4 * 3 - 2, 1).g, 220);
  EXPECT_LT(PixelAt(*four, 4 + 4 * 3 + 3, 1).g, 220);

  EXPECT_EQ(frames->GetFrame(-1), nullptr);  // none before the start
  EXPECT_EQ(frames->GetFrame(20), nullptr);  // none past the end
}

TEST(AviAudioTest, SoundIsReadBySamplesUpToItsEnd) {
  auto file = AviFile::OpenMemory(CorpusBytes("video_audio.avi"));
  ASSERT_NE(file, nullptr);
  auto sound = file->OpenAudio(1);
  ASSERT_NE(sound, nullptr);
  const AviWaveFormat format = sound->Format();
  EXPECT_EQ(format.channels, 1);
  EXPECT_EQ(format.samplesPerSecond, 8000);
  EXPECT_EQ(format.bitsPerSample, 16);
  EXPECT_EQ(format.blockAlign, 2);

  std::vector<int16_t> buffer(200, 0x5555);
  ASSERT_EQ(sound->Read(100, 100, buffer.data(), 400), 100);
  // The corpus sound is 8000 sin(2 pi 440 i / 8000), stored as PCM: read back exactly.
  for (int i = 0; i < 100; ++i) {
    const int sample = 100 + i;
    EXPECT_EQ(buffer[static_cast<size_t>(i)], static_cast<int16_t>(8000 * std::sin(sample * 2 * M_PI * 440.0 / 8000)))
        << "sample " << sample;
  }
  EXPECT_EQ(buffer[100], 0x5555);  // nothing past what was asked for

  EXPECT_EQ(sound->Read(15950, 100, buffer.data(), 400), 50);  // the end of the stream
  EXPECT_EQ(sound->Read(16000, 10, buffer.data(), 400), 0);
  EXPECT_EQ(sound->Read(-5, 10, buffer.data(), 400), 0);
  EXPECT_EQ(sound->Read(0, 100, buffer.data(), 21), 10);  // as many as fit the buffer
  EXPECT_EQ(sound->Read(0, 100, nullptr, 400), 0);

  // Two channels: a sample is both, and the end comes after the stream's samples, not its values.
  auto stereo = AviFile::OpenMemory(CorpusBytes("audio_only.avi"))->OpenAudio(0);
  ASSERT_NE(stereo, nullptr);
  EXPECT_EQ(stereo->Format().blockAlign, 4);
  EXPECT_EQ(stereo->Read(11000, 100, buffer.data(), 400), 25);
  EXPECT_EQ(stereo->Read(11025, 1, buffer.data(), 400), 0);

  // A stream that starts later counts its samples from its start: sample 1000 is its first.
  AviStreamInfo late;
  late.type = AviStreamType::Audio;
  late.start = 1000;
  late.channels = 1;
  late.sampleSize = 2;
  const AviAudioReader delayed(late, std::make_shared<const std::vector<int16_t>>(std::vector<int16_t>{7, 8, 9}));
  EXPECT_EQ(delayed.Read(999, 2, buffer.data(), 400), 0);
  ASSERT_EQ(delayed.Read(1001, 5, buffer.data(), 400), 2);
  EXPECT_EQ(buffer[0], 8);
  EXPECT_EQ(buffer[1], 9);
}

TEST(AviFileTest, BrokenFilesAreRefusedOrReadOnlyAsFarAsTheirDataGoes) {
  EXPECT_EQ(AviFile::OpenMemory(""), nullptr);
  EXPECT_EQ(AviFile::OpenMemory(CorpusBytes("not_a_movie.avi")), nullptr);
  EXPECT_EQ(AviFile::OpenMemory(std::string(4096, '\0')), nullptr);

  // Cut after 60 %: the streams are as long as what is left of them, not as the header says.
  auto truncated = AviFile::OpenMemory(CorpusBytes("truncated.avi"));
  ASSERT_NE(truncated, nullptr);
  ASSERT_EQ(truncated->StreamCount(), 2);
  const AviStreamInfo& video = *truncated->StreamInfo(0);
  EXPECT_GT(video.length, 0);
  EXPECT_LT(video.length, 20);
  const AviStreamInfo& audio = *truncated->StreamInfo(1);
  EXPECT_GT(audio.length, 0);
  EXPECT_LT(audio.length, 16000);
  auto cutFrames = truncated->OpenFrames(0);
  ASSERT_NE(cutFrames, nullptr);
  EXPECT_NE(cutFrames->GetFrame(video.length - 1), nullptr);
  EXPECT_EQ(AviFile::OpenMemory(CorpusBytes("header_only.avi")), nullptr);

  // A header claiming 60000 x 60000 pictures: the decoder refuses it rather than make frames that size.
  auto huge = AviFile::OpenMemory(CorpusBytes("huge_frame_header.avi"));
  ASSERT_NE(huge, nullptr);
  ASSERT_EQ(huge->StreamCount(), 1);
  EXPECT_EQ(huge->StreamInfo(0)->width, 60000);
  EXPECT_EQ(huge->OpenFrames(0), nullptr);

  // Flipped bytes in the middle of the pictures: every frame asked for is answered, broken or not.
  auto flipped = AviFile::OpenMemory(CorpusBytes("flipped_bytes.avi"));
  ASSERT_NE(flipped, nullptr);
  auto frames = flipped->OpenFrames(0);
  ASSERT_NE(frames, nullptr);
  int answered = 0;
  for (int sample = 0; sample < flipped->StreamInfo(0)->length; ++sample)
    if (frames->GetFrame(sample)) ++answered;
  EXPECT_GT(answered, 0);
}

TEST(AviFileTest, GamePathsAreFoundWithoutRegardToCase) {
  testing::ScratchFolder folder;
  CopyMovie(folder, "video_only.avi", "Avi/Logo.AVI");
  auto file = AviFile::Open("avi\\logo.avi");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->StreamCount(), 1);
  EXPECT_EQ(AviFile::Open("avi\\other.avi"), nullptr);
  EXPECT_EQ(AviFile::Open(""), nullptr);
  // The frames are read from the file itself, as often as asked.
  auto frames = file->OpenFrames(0);
  ASSERT_NE(frames, nullptr);
  ExpectFrameColour(frames->GetFrame(2), 2);
}

TEST(AviFileTest, APipeOrAFileLargerThanAnyMovieIsNotOpened) {
  testing::ScratchFolder folder;
  std::filesystem::create_directories(folder.Root() / "avi");
  ASSERT_EQ(::mkfifo((folder.Root() / "avi/pipe.avi").c_str(), 0644), 0);
  EXPECT_EQ(AviFile::Open("avi\\pipe.avi"), nullptr) << "nobody writes to it: no hang";
  // A real movie with 300 MB of nothing after it.
  CopyMovie(folder, "video_only.avi", "avi/long.avi");
  std::filesystem::resize_file(folder.Root() / "avi/long.avi", 300u << 20);
  EXPECT_EQ(AviFile::Open("avi\\long.avi"), nullptr);
}

}  // namespace
}  // namespace kestrine
