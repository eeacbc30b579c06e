// The WAV reader: the formats the game's sounds come in, and the broken files it must survive.
#include <gtest/gtest.h>

#include "core/wav_reader.h"
#include "wav_test_bytes.h"

namespace engine {
namespace {

using wavtest::Chunk;
using wavtest::FmtBody;
using wavtest::PutU32;
using wavtest::Riff;
using wavtest::Samples16;

TEST(WavReaderFormats, EightBitIsCentredAndWidenedSixteenBitKeptAndStereoInterleaved) {
  auto mono8 = DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 11025, 8)) + Chunk("data", {'\x00', '\x80', '\xFF', '\x40'})));
  ASSERT_TRUE(mono8);
  EXPECT_EQ(mono8->sampleRate, 11025);
  EXPECT_EQ(mono8->channels, 1);
  EXPECT_EQ(mono8->samples, (std::vector<int16_t>{-32768, 0, 32512, -16384}));

  const std::vector<int16_t> v = {1, -1, 32767, -32768, 1234, -4321};
  auto stereo16 = DecodeWav(Riff(Chunk("fmt ", FmtBody(2, 44100, 16)) + Chunk("data", Samples16(v))));
  ASSERT_TRUE(stereo16);
  EXPECT_EQ(stereo16->sampleRate, 44100);
  EXPECT_EQ(stereo16->channels, 2);
  EXPECT_EQ(stereo16->Frames(), 3u);
  EXPECT_EQ(stereo16->samples, v);

  auto stereo8 = DecodeWav(Riff(Chunk("fmt ", FmtBody(2, 7919, 8)) + Chunk("data", {'\x80', '\x00', '\xFF', '\x80'})));
  ASSERT_TRUE(stereo8);
  EXPECT_EQ(stereo8->sampleRate, 7919);
  EXPECT_EQ(stereo8->Frames(), 2u);
  EXPECT_EQ(stereo8->samples, (std::vector<int16_t>{0, -32768, 32512, 0}));
}

TEST(WavReaderFormats, ExtensibleHeaderWithPcmSubformat) {
  auto extensible = [](uint16_t subformat) {
    std::string fmt = FmtBody(1, 22050, 16, 0xFFFE);
    wavtest::PutU16(fmt, 22);  // extra bytes
    wavtest::PutU16(fmt, 16);  // valid bits
    PutU32(fmt, 4);            // channel mask
    wavtest::PutU16(fmt, subformat);
    fmt += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return Riff(Chunk("fmt ", fmt) + Chunk("data", Samples16({7, 8})));
  };
  auto pcm = DecodeWav(extensible(1));
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->samples, (std::vector<int16_t>{7, 8}));
  EXPECT_FALSE(DecodeWav(extensible(3))) << "float sub-format is not PCM";
}

TEST(WavReaderChunks, OddSizedChunksAreSkippedWithTheirPadByteInAnyOrderAndEmptyDataIsSilence) {
  // "LIST" of 3 bytes is followed by a pad byte; missing it would misread the next chunk's id.
  auto padded = DecodeWav(Riff(Chunk("LIST", "abc") + Chunk("fmt ", FmtBody(1, 8000, 16)) + Chunk("junk", "x") +
                               Chunk("data", Samples16({100, -200, 300}))));
  ASSERT_TRUE(padded);
  EXPECT_EQ(padded->samples, (std::vector<int16_t>{100, -200, 300}));
  auto oddData = DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 8000, 8)) + Chunk("data", std::string("\x90\x70\x80", 3)) +
                                Chunk("cue ", "1234")));
  ASSERT_TRUE(oddData);
  EXPECT_EQ(oddData->samples, (std::vector<int16_t>{4096, -4096, 0}));
  auto dataFirst = DecodeWav(Riff(Chunk("data", Samples16({5, 6})) + Chunk("fmt ", FmtBody(1, 16000, 16))));
  ASSERT_TRUE(dataFirst);
  EXPECT_EQ(dataFirst->sampleRate, 16000);
  EXPECT_EQ(dataFirst->samples, (std::vector<int16_t>{5, 6}));
  auto empty = DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 22050, 16)) + Chunk("data", "")));
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Frames(), 0u);
  EXPECT_EQ(empty->LengthMs(), 0);
}

TEST(WavReaderTruncated, ACutDataChunkGivesItsWholeFramesAndACutHeaderNothing) {
  std::string wav = wavtest::Wave16(2, 22050, 100);
  const auto full = DecodeWav(wav);
  ASSERT_TRUE(full);
  ASSERT_EQ(full->Frames(), 100u);
  // Header is 44 bytes; keep 10 whole stereo frames and 3 bytes of the eleventh.
  wav.resize(44 + 10 * 4 + 3);
  auto cut = DecodeWav(wav);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->Frames(), 10u);
  EXPECT_EQ(cut->samples, std::vector<int16_t>(full->samples.begin(), full->samples.begin() + 20));

  const std::string mono = wavtest::Wave16(1, 22050, 10);
  for (size_t len : {0u, 4u, 11u, 12u, 20u, 35u, 40u}) EXPECT_FALSE(DecodeWav(mono.substr(0, len))) << "length " << len;
  // With the data header complete but no samples, the sound is there and silent.
  auto empty = DecodeWav(mono.substr(0, 44));
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Frames(), 0u);
}

TEST(WavReaderRejects, GarbageOtherContainersAndFormatsTheEngineCannotPlay) {
  EXPECT_FALSE(DecodeWav(""));
  EXPECT_FALSE(DecodeWav("RIFF"));
  EXPECT_FALSE(DecodeWav(std::string(64, '\xAB')));
  EXPECT_FALSE(DecodeWav("\x89PNG\r\n\x1a\n0000000000000000000000000000000000000000"));
  std::string avi = Riff(Chunk("fmt ", FmtBody(1, 8000, 8)) + Chunk("data", "ab"));
  avi.replace(8, 4, "AVI ");
  EXPECT_FALSE(DecodeWav(avi));

  const std::string data = Chunk("data", Samples16({1, 2, 3, 4, 5, 6}));
  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 8000, 16, 2)) + data))) << "ADPCM";
  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 8000, 24)) + data))) << "24-bit";
  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(3, 8000, 16)) + data))) << "three channels";
  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(0, 8000, 16)) + data))) << "no channels";
  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 0, 16)) + data))) << "rate 0";
  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 8000, 16).substr(0, 14)) + data))) << "short fmt";
  EXPECT_FALSE(DecodeWav(Riff(data))) << "no fmt";
  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 8000, 16))))) << "no data";
}

TEST(WavReaderRejects, AbsurdSizesNeitherCrashNorAllocate) {
  // A data chunk claiming 4 GB holds only what the file has.
  std::string wav = Riff(Chunk("fmt ", FmtBody(1, 8000, 16)) + "data");
  PutU32(wav, 0xFFFFFFFFu);
  wav += Samples16({9, 10, 11});
  auto pcm = DecodeWav(wav);
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->samples, (std::vector<int16_t>{9, 10, 11}));

  // A huge unknown chunk swallows the rest of the file: no data chunk is left to find.
  std::string swallowed = Riff(Chunk("fmt ", FmtBody(1, 8000, 16)) + "LIST");
  PutU32(swallowed, 0xFFFFFFF0u);
  swallowed += Chunk("data", Samples16({1, 2}));
  EXPECT_FALSE(DecodeWav(swallowed));

  // An absurd RIFF size is not trusted either way.
  std::string riff = wavtest::Wave16(1, 8000, 4);
  riff[4] = riff[5] = riff[6] = riff[7] = '\xFF';
  auto fromBadRiff = DecodeWav(riff);
  ASSERT_TRUE(fromBadRiff);
  EXPECT_EQ(fromBadRiff->Frames(), 4u);

  EXPECT_FALSE(DecodeWav(Riff(Chunk("fmt ", FmtBody(1, 0x7FFFFFFF, 16)) + Chunk("data", "ab")))) << "rate";
}

}  // namespace
}  // namespace engine
