// The generated movies, read back through the game's own movie reader: every movie the game plays exists
// with its still and its sound, has pictures of the planned size and a soundtrack as long as the sound
// file, and the pictures move. The AVI writer gives the same bytes every time and writes movies with
// pictures only or sound only as well.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "generated_data.h"
#include "platform/movie/avi_audio.h"
#include "platform/movie/avi_file.h"
#include "platform/movie/avi_frames.h"
#include "tools/assetgen/avi_writer.h"
#include "tools/assetgen/movie_generators.h"

namespace {

using kestrine::AviFile;
using kestrine::AviStreamInfo;
using kestrine::AviStreamType;

TEST(GeneratedMoviesTest, CardsCarryATitleNotTheFileName) {
  EXPECT_EQ(assetgen::MovieTitle("ostrel_intro"), "KESTRINE");
  EXPECT_EQ(assetgen::MovieTitle("mission10"), "MISSION 10");
  EXPECT_EQ(assetgen::MovieTitle("winner2"), "VICTORY");
  for (const std::string& name : assetgen::MovieNames()) {
    const std::string title = assetgen::MovieTitle(name);
    EXPECT_EQ(title.find('_'), std::string::npos) << name;
    EXPECT_NE(title, name) << name;
  }
}

TEST(GeneratedMoviesTest, EveryMovieTheGamePlaysIsThereWithItsStillAndSound) {
  auto root = kestrine::testing::QuietEngineRoot();
  const kestrine::testing::GeneratedData movies(assetgen::WriteMovies);
  const kestrine::testing::InFolder in(movies.Dir());
  for (const std::string& name : assetgen::MovieNames()) {
    SCOPED_TRACE(name);
    auto file = AviFile::Open("avi\\" + name + ".avi");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->StreamCount(), 2);
    const AviStreamInfo& video = *file->StreamInfo(0);
    const AviStreamInfo& audio = *file->StreamInfo(1);
    EXPECT_EQ(video.type, AviStreamType::Video);
    EXPECT_EQ(video.width, 320);
    EXPECT_EQ(video.height, 240);
    EXPECT_GE(kestrine::AviStreamEndTime(video), 1000);
    EXPECT_LE(kestrine::AviStreamEndTime(video), 5000);  // a few seconds at most: generation stays quick
    EXPECT_EQ(audio.type, AviStreamType::Audio);
    EXPECT_EQ(kestrine::AviStreamEndTime(audio), kestrine::AviStreamEndTime(video));

    auto still = root->LoadBitmap(engine::FromUtf8("avi\\" + name + ".qjp"), 1);
    EXPECT_FALSE(still->IsPlaceholder());
    auto sound = root->LoadSound(engine::FromUtf8("avi\\" + name + ".qwv"), 1);
    EXPECT_FALSE(sound->IsPlaceholder());
    EXPECT_EQ(static_cast<int32_t>(sound->Pcm().Frames()), audio.length);

    // The bar along the bottom grows: the first and the last picture differ there.
    auto frames = file->OpenFrames(0);
    ASSERT_NE(frames, nullptr);
    const kestrine::AviFrame* first = frames->GetFrame(0);
    ASSERT_NE(first, nullptr);
    const uint32_t early = first->pixels[218 * 320 + 290];
    const kestrine::AviFrame* last = frames->GetFrame(video.length - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_NE(last->pixels[218 * 320 + 290], early);
  }
}

assetgen::AviMovie SmallMovie(int frames, int soundSamples) {
  assetgen::AviMovie movie;
  movie.width = 32;
  movie.height = 16;
  movie.framesPerSecond = 5;
  movie.frameCount = frames;
  movie.paint = [](int index, engine::EngineBitmap& image) { image.Clear(index * 40, 100, 200 - index * 40); };
  movie.sound.sampleRate = 8000;
  movie.sound.channels = 2;
  movie.sound.samples.assign(static_cast<size_t>(soundSamples) * 2, 0);
  for (size_t i = 0; i < movie.sound.samples.size(); ++i)
    movie.sound.samples[i] = static_cast<int16_t>((i * 37) % 2000 - 1000);
  return movie;
}

TEST(AviWriterTest, TheSameMovieGivesTheSameBytesAndReadsBackExactlyAlsoWithPicturesOrSoundOnly) {
  const assetgen::AviMovie movie = SmallMovie(4, 6400);
  const std::string bytes = assetgen::EncodeAvi(movie);
  EXPECT_EQ(assetgen::EncodeAvi(movie), bytes);
  auto file = AviFile::OpenMemory(bytes);
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->StreamCount(), 2);
  EXPECT_EQ(file->StreamInfo(0)->length, 4);
  EXPECT_EQ(kestrine::AviStreamEndTime(*file->StreamInfo(0)), 800);
  EXPECT_EQ(file->StreamInfo(1)->length, 6400);
  auto sound = file->OpenAudio(1);
  std::vector<int16_t> back(12800);
  ASSERT_EQ(sound->Read(0, 6400, back.data(), static_cast<int32_t>(back.size() * 2)), 6400);
  EXPECT_EQ(back, movie.sound.samples);
  auto pictures = AviFile::OpenMemory(assetgen::EncodeAvi(SmallMovie(3, 0)));
  ASSERT_NE(pictures, nullptr);
  ASSERT_EQ(pictures->StreamCount(), 1);
  EXPECT_EQ(pictures->StreamInfo(0)->type, AviStreamType::Video);

  auto soundOnly = AviFile::OpenMemory(assetgen::EncodeAvi(SmallMovie(0, 4000)));
  ASSERT_NE(soundOnly, nullptr);
  ASSERT_EQ(soundOnly->StreamCount(), 1);
  EXPECT_EQ(soundOnly->StreamInfo(0)->type, AviStreamType::Audio);
  EXPECT_EQ(soundOnly->StreamInfo(0)->length, 4000);

  EXPECT_THROW(assetgen::EncodeAvi(SmallMovie(0, 0)), std::runtime_error);
}

}  // namespace
