// The spoken lines of the patient view, checked by ear-proxy: every file the speech kinds can ask for is
// there under the game's own path pattern, a line lasts as long as its words, the mouth changes shape at
// the rate of the sounds and takes the shape the sounds call for, the voices are different men, and the
// synthesiser says the same thing the same way every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "casualty/lip_sync.h"
#include "casualty/tool_table.h"
#include "core/wav_reader.h"
#include "generated_data.h"
#include "tools/assetgen/mouth_shapes.h"
#include "tools/assetgen/patient_speech.h"
#include "tools/assetgen/speech_files.h"
#include "tools/assetgen/speech_voices.h"
#include "tools/assetgen/wound_assets.h"
#include "unit/tools/wound_table_walk.h"

namespace {

using assetgen::SpeakLine;
using assetgen::SpokenLine;

// The length of a sound file as the game finds it; -1 when it is missing or no sound.
int64_t LengthMs(const std::string& gamePath) {
  const auto pcm = engine::DecodeWav(kestrine::testing::ReadGameFile(gamePath));
  return pcm ? pcm->LengthMs() : -1;
}

// A line a face speaks: its sound, and a timeline the player can follow from the first shape to the closing
// record while the sound plays.
void ExpectSpokenWithLips(const std::string& path) {
  const int64_t soundMs = LengthMs(path + ".qwv");
  ASSERT_GT(soundMs, 200) << path << ".qwv";
  const std::string bytes = kestrine::testing::ReadGameFile(path + ".phn");
  ASSERT_EQ(bytes.size() % 8, 0u) << path;
  const auto records = kestrine::ParseLipSync(bytes);
  ASSERT_EQ(records.size() + 1, bytes.size() / 8) << path << ": one closing record, at the end";
  ASSERT_GE(records.size(), 2u) << path;
  for (size_t i = 0; i < records.size(); ++i) {
    EXPECT_NE(records[i].shape, kestrine::kNoMouthShape) << path << " record " << i;
    if (i > 0) {
      EXPECT_GE(records[i].timeMs, records[i - 1].timeMs) << path << " record " << i;
    }
  }
  // The mouth comes to rest when the sound ends (a record's shape gives way 50 ms before its time).
  EXPECT_NEAR(records.back().timeMs - 50, soundMs, 15) << path;
  EXPECT_EQ(records.back().shape, assetgen::MOUTH_REST) << path;
}

class PatientSpeechFiles : public ::testing::Test {
 protected:
  const kestrine::testing::GeneratedData data_{assetgen::WritePatientSpeech};
  kestrine::testing::InFolder in_{data_.Dir()};
};

TEST_F(PatientSpeechFiles, EveryFileASpeechKindCanAskForIsThere) {
  const kestrine_test::TableNames table = kestrine_test::WalkTable();
  // Kind 1: the medic's finding, sound only, lasting as long as its words (40 to 150 ms a letter).
  const assetgen::WoundAssetNames words = assetgen::CollectWoundAssetNames();
  for (const std::string& clip : table.clips) {
    const double ms = static_cast<double>(LengthMs("sounds\\speech\\self\\" + clip + ".qwv"));
    const double letters = static_cast<double>(words.clips.at(clip).size());
    EXPECT_GT(ms, 40.0 * letters) << clip << ": " << words.clips.at(clip);
    EXPECT_LT(ms, 150.0 * letters + 500.0) << clip;
  }
  std::set<std::string> toolKeys;
  for (const kestrine::ToolDef& tool : kestrine::ToolTable)
    if (*tool.speechKey != '\0') toolKeys.insert(tool.speechKey);
  for (int voice = 1; voice <= 4; ++voice) {
    const std::string folder = "sounds\\speech\\ws" + std::to_string(voice) + "\\";
    for (int take = 1; take <= 6; ++take) {
      // Kinds 4, 5 and 6: the wound's remarks.
      for (const std::string& key : table.remarkKeys)
        for (const char* kind : {"c", "i", "l"}) ExpectSpokenWithLips(folder + key + kind + std::to_string(take));
      // Kinds 2 and 3: the tool's, three takes each.
      if (take <= 3)
        for (const std::string& key : toolKeys)
          for (const char* kind : {"c", "i"}) ExpectSpokenWithLips(folder + key + kind + std::to_string(take));
      // Kind 7.
      if (take <= 4) ExpectSpokenWithLips(folder + "yell" + std::to_string(take));
    }
  }
  // Every kind but 1 and 9 for an enemy.
  for (int take = 1; take <= 8; ++take) ExpectSpokenWithLips("sounds\\speech\\arab\\wegroan" + std::to_string(take));
  // Kind 9: the moans, by who he is and how he is hurt.
  for (const char* moan :
       {"awakemajor", "awakemedium", "awakelite", "unconscious", "arabmajor", "arablite", "arabuncon", "zahreem"}) {
    for (char letter = 'a'; letter <= 'e'; ++letter) {
      EXPECT_GT(LengthMs(std::string("sounds\\speech\\self\\") + moan + letter + ".qwv"), 300) << moan << letter;
    }
  }
}

// The pitch of a voice: the median, over the voiced stretches of a line, of the period the sound repeats at.
double MedianPitchHz(const assetgen::synth::Buffer& sound) {
  constexpr int kRate = assetgen::synth::kRate;
  constexpr size_t kFrame = kRate / 25;
  std::vector<double> pitches;
  for (size_t at = 0; at + kFrame * 2 < sound.size(); at += kFrame) {
    double energy = 0.0;
    for (size_t i = 0; i < kFrame; ++i) energy += sound[at + i] * sound[at + i];
    if (energy / kFrame < 1e-3) continue;
    double best = 0.0;
    int bestLag = 0;
    for (int lag = kRate / 320; lag <= kRate / 60; ++lag) {
      double sum = 0.0;
      for (size_t i = 0; i < kFrame; ++i) sum += sound[at + i] * sound[at + i + lag];
      if (sum > best) best = sum, bestLag = lag;
    }
    if (best / energy > 0.6) pitches.push_back(static_cast<double>(kRate) / bestLag);
  }
  if (pitches.empty()) return 0.0;
  std::nth_element(pitches.begin(), pitches.begin() + pitches.size() / 2, pitches.end());
  return pitches[pitches.size() / 2];
}

TEST(PatientSpeech, ALineLastsAsLongAsItsWordsReadOut) {
  const assetgen::SpeechVoice& voice = assetgen::kPatientVoices[0];
  const SpokenLine one = SpeakLine("Doc.", voice);
  const SpokenLine four = SpeakLine("Am I gonna make it?", voice);
  const SpokenLine twelve =
      SpeakLine("My leg is bleeding and I can not feel my foot, doc, please do something.", voice);
  EXPECT_LT(one.lengthMs, four.lengthMs);
  EXPECT_LT(four.lengthMs, twelve.lengthMs);
  // About two and a half words a second at 160 words a minute.
  EXPECT_GT(twelve.lengthMs, 3000);
  EXPECT_LT(twelve.lengthMs, 7000);
  // The same words, faster in a quicker man's mouth.
  EXPECT_LT(SpeakLine("Am I gonna make it?", assetgen::kPatientVoices[3]).lengthMs,
            SpeakLine("Am I gonna make it?", assetgen::kPatientVoices[2]).lengthMs);
  // Units are read out as words; only whole words: "mgmt" and "Pulse Ox" stay as they are.
  EXPECT_EQ(assetgen::ReadableText("10 mg morphine, 500 ml, a 6 cm cut; mgmt, Pulse Ox."),
            "10 milligrams morphine, 500 millilitres, a 6 centimetres cut; mgmt, Pulse Ox.");
}

TEST(PatientSpeech, TheMouthChangesAtTheRateOfTheSoundsToTheShapesTheWordsCallFor) {
  const SpokenLine line = SpeakLine("Doc, my leg is bleeding and I can not feel my foot.", assetgen::kMedicVoice);
  size_t sounds = 0;
  for (const assetgen::PhonemeAt& phoneme : line.phonemes)
    if (phoneme.name[0] != '_') ++sounds;
  const double seconds = line.lengthMs / 1000.0;
  const double changesPerSecond = static_cast<double>(line.shapes.size()) / seconds;
  // Speech runs at some ten to fifteen sounds a second; brief ones merge, but most show.
  EXPECT_GT(static_cast<double>(sounds) / seconds, 8.0);
  EXPECT_GT(changesPerSecond, 5.0);
  EXPECT_GT(line.shapes.size() * 2, sounds);
  ASSERT_FALSE(line.shapes.empty());
  EXPECT_EQ(line.shapes.front().startMs, 0);
  for (size_t i = 1; i < line.shapes.size(); ++i) {
    EXPECT_NE(line.shapes[i].shape, line.shapes[i - 1].shape) << i;
    EXPECT_GE(line.shapes[i].startMs - line.shapes[i - 1].startMs, assetgen::kMinMouthShapeMs) << i;
  }
  struct Case {
    const char* words;
    int32_t shape;
  };
  // Closed lips, lip and teeth, tongue between the teeth, the hush, rounded lips, an open jaw.
  const Case cases[] = {{"Mama, Bob, pop.", assetgen::MOUTH_M_B_P}, {"Five fives.", assetgen::MOUTH_F_V},
                        {"Thin thumb.", assetgen::MOUTH_TH},        {"Shush, shoes.", assetgen::MOUTH_CH_SH_J},
                        {"Who knew?", assetgen::MOUTH_W_OO_Q},      {"Ha! Pa!", assetgen::MOUTH_A},
                        {"Go, go, go.", assetgen::MOUTH_O},         {"Sis, sit.", assetgen::MOUTH_S_Z}};
  for (const Case& c : cases) {
    const SpokenLine line = SpeakLine(c.words, assetgen::kPatientVoices[1]);
    int32_t held = 0;
    for (size_t i = 0; i < line.shapes.size(); ++i) {
      const int32_t until = i + 1 < line.shapes.size() ? line.shapes[i + 1].startMs : line.lengthMs;
      if (line.shapes[i].shape == c.shape) held += until - line.shapes[i].startMs;
    }
    EXPECT_GT(held, line.lengthMs / 10) << c.words;
  }
  // A quiet start and a quiet end.
  const SpokenLine pause = SpeakLine("Wait. Okay.", assetgen::kMedicVoice);
  EXPECT_EQ(pause.shapes.back().shape, assetgen::MOUTH_REST);
}

TEST(PatientSpeech, TheVoicesAreDifferentMen) {
  const char* line = "Doc, how bad is my leg? Am I gonna make it?";
  std::vector<double> pitches;
  for (const assetgen::SpeechVoice& voice : assetgen::kPatientVoices)
    pitches.push_back(MedianPitchHz(SpeakLine(line, voice).sound));
  pitches.push_back(MedianPitchHz(SpeakLine(line, assetgen::kMedicVoice).sound));
  for (size_t i = 0; i < pitches.size(); ++i) {
    EXPECT_GT(pitches[i], 70.0) << i;  // men's voices
    EXPECT_LT(pitches[i], 220.0) << i;
    for (size_t j = 0; j < i; ++j)
      EXPECT_GT(std::fabs(pitches[i] - pitches[j]) / std::min(pitches[i], pitches[j]), 0.05) << i << " and " << j;
  }
  // In pain he is higher.
  EXPECT_GT(MedianPitchHz(SpeakLine(line, assetgen::Distressed(assetgen::kPatientVoices[0])).sound), pitches[0] * 1.1);
}

TEST(PatientSpeech, BriefSoundsFoldIntoTheShapeBeforeAndTheTimelineHoldsEachShapeUntilTheNext) {
  using assetgen::PhonemeAt;
  // "pit": p 0-60, i 60-70 (too brief to show), t 70-200, a pause to the end.
  const std::vector<PhonemeAt> phonemes = {{0, "p"}, {60, "I"}, {70, "t"}, {200, "_:"}};
  const auto shapes = assetgen::MouthShapesOf(phonemes, 300);
  ASSERT_EQ(shapes.size(), 3u);
  EXPECT_EQ(shapes[0].startMs, 0);
  EXPECT_EQ(shapes[0].shape, assetgen::MOUTH_M_B_P);
  EXPECT_EQ(shapes[1].startMs, 60);  // the tongue comes up with the brief vowel's start
  EXPECT_EQ(shapes[1].shape, assetgen::MOUTH_N_D_T_L);
  EXPECT_EQ(shapes[2].startMs, 200);
  EXPECT_EQ(shapes[2].shape, assetgen::MOUTH_REST);

  // A gliding vowel opens, then spreads half-way through; an h leaves the mouth as it was.
  const auto glide = assetgen::MouthShapesOf({{0, "_"}, {100, "h"}, {150, "aI"}, {350, "_:"}}, 500);
  ASSERT_EQ(glide.size(), 4u);
  EXPECT_EQ(glide[1].startMs, 150);
  EXPECT_EQ(glide[1].shape, assetgen::MOUTH_A);
  EXPECT_EQ(glide[2].startMs, 250);
  EXPECT_EQ(glide[2].shape, assetgen::MOUTH_I_U);

  // The written timeline holds each shape until the next starts.
  const std::string bytes = assetgen::EncodeLipSync({{0, 15}, {100, 0}, {250, 6}}, 400);
  const auto records = kestrine::ParseLipSync(bytes);
  ASSERT_EQ(bytes.size(), 32u);  // three shapes and the closing record
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].timeMs, 150);
  EXPECT_EQ(records[0].shape, 15);
  EXPECT_EQ(records[1].timeMs, 300);
  EXPECT_EQ(records[1].shape, 0);
  EXPECT_EQ(records[2].timeMs, 450);
  EXPECT_EQ(records[2].shape, 6);
}

}  // namespace
