// What the patients and the medic say: the files of every kind of request for own soldiers and the enemy,
// the moans, the queue, the lip-sync against the sound, the spellings tried and the trace of a missing file,
// what a patient must be able to do to speak, the silence that brings his remark back, and pauses that
// never lock his speech up.
#include <map>

#include "casualty/speech_kinds.h"
#include "casualty_view/speech_paths.h"
#include "shell/events.h"
#include "shell/sound_table.h"
#include "unit/casualty/patient_face_fixture.h"

namespace kestrine::testing {
namespace {

std::set<std::string> PathsOf(int32_t kind, int32_t appearance) {
  std::set<std::string> paths;
  for (int i = 0; i < 400; ++i) paths.insert(SpeechFilesOf(kind, "steth", appearance, 3, kOrdinaryWound).Path("qwv"));
  return paths;
}

// stem + each of the takes + ".qwv".
std::set<std::string> Takes(const std::string& stem, std::initializer_list<std::string> takes) {
  std::set<std::string> paths;
  for (const std::string& take : takes) paths.insert(stem + take + ".qwv");
  return paths;
}

TEST(SpeechPaths, EveryKindHasItsFolderNameAndTakesForOwnSoldiersAndTheEnemy) {
  const std::string ws3 = "sounds\\speech\\ws3\\";
  EXPECT_EQ(PathsOf(0, 1), Takes(ws3 + "steth", {""}));
  EXPECT_EQ(PathsOf(1, 0), Takes("sounds\\speech\\self\\steth", {""}));
  EXPECT_EQ(PathsOf(2, 0), Takes(ws3 + "stethc", {"1", "2", "3"}));
  EXPECT_EQ(PathsOf(3, 0), Takes(ws3 + "stethi", {"1", "2", "3"}));
  EXPECT_EQ(PathsOf(4, 0), Takes(ws3 + "stethc", {"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(PathsOf(5, 0), Takes(ws3 + "stethi", {"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(PathsOf(6, 0), Takes(ws3 + "stethl", {"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(PathsOf(7, 0), Takes(ws3 + "yell", {"1", "2", "3", "4"}));
  EXPECT_EQ(PathsOf(8, 0), Takes(ws3 + "stethws", {""}));
  EXPECT_EQ(SpeechFilesOf(0, "a", 0, 1, 0).Path("phn"), "sounds\\speech\\ws1\\a.phn");
  EXPECT_FALSE(SpeechFilesOf(10, "steth", 0, 3, kOrdinaryWound).known);

  // The enemy groans whatever he is asked to say; the medic's lines and the moans stay as they are.
  for (int32_t appearance : {2, 3}) {
    for (int32_t kind : {0, 2, 3, 4, 5, 6, 7, 8})
      EXPECT_EQ(PathsOf(kind, appearance),
                Takes("sounds\\speech\\arab\\wegroan", {"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(PathsOf(1, appearance), Takes("sounds\\speech\\self\\steth", {""}));
  }
  EXPECT_EQ(PathsOf(9, 3), Takes("sounds\\speech\\self\\zahreem", {"a", "b", "c", "d", "e"}));
  EXPECT_EQ(VoiceSetOf(3), 4);
  EXPECT_EQ(VoiceSetOf(6), 3);
}

TEST(SpeechPaths, MoansGoByWhoHeIsAndHowBadlyAnAwakeWoundHurts) {
  std::map<std::string, int32_t> rows;  // a wound row awake at each severity, and one out cold
  for (int32_t row = 0; row < kWoundTypeCount; ++row) {
    const WoundType& w = WoundTypeTable[row];
    rows.emplace((w.conditionFlags & WOUND_CONSCIOUS) ? "awake" + std::to_string(w.severity) : "out", row);
  }
  ASSERT_EQ(rows.size(), 4u);
  // The moan's stem, checked for its last letter.
  const auto stem = [](int32_t appearance, int32_t row) {
    const std::string name = PickMoanName(appearance, row);
    EXPECT_TRUE(name.back() >= 'a' && name.back() <= 'e') << name;
    return name.substr(0, name.size() - 1);
  };
  EXPECT_EQ(stem(0, rows["awake0"]), "awakemajor");
  EXPECT_EQ(stem(1, rows["awake1"]), "awakemedium");
  EXPECT_EQ(stem(1, rows["awake2"]), "awakelite");
  EXPECT_EQ(stem(0, rows["out"]), "unconscious");
  EXPECT_EQ(stem(2, rows["awake1"]), "arabmajor");
  EXPECT_EQ(stem(2, rows["awake2"]), "arablite");
  EXPECT_EQ(stem(2, rows["out"]), "arabuncon");
  const std::string last = PickMoanName(3, 0);
  EXPECT_EQ(PickMoanName(7, 0), last);
}

TEST(SpeechQueue, FiveRequestsWaitAsCopiesAndEmptyNamesSixthRequestsAndReplaysAreDropped) {
  Patient patient;
  patient.speechDelay = 4000;
  std::string name = "steth-a";
  patient.QueueSpeech(SPEECH_TOOL_RIGHT, name);
  name[0] = 'X';
  EXPECT_EQ(patient.speechQueue[0].name, "steth-a");
  EXPECT_EQ(patient.speechDelay, 500);
  patient.QueueSpeech(SPEECH_YELL, "");
  for (int i = 0; i < 5; ++i) patient.QueueSpeech(SPEECH_WOUND_WRONG, "n" + std::to_string(i));
  EXPECT_EQ(patient.speechCount, 5);
  EXPECT_EQ(patient.speechQueue[4].name, "n3");
  SetReplayingSave(true);
  Patient replayed;
  replayed.QueueSpeech(SPEECH_YELL, "x");
  EXPECT_EQ(replayed.speechCount, 0);
}

TEST_F(PatientFaceTest, TheMouthFollowsTheTimelineOnTheSoundsClockInTwentyMillisecondFrames) {
  Patient& patient = Build();
  WriteLine("sounds\\speech\\ws1\\talk", Phn({{300, 2}, {520, 7}, {-1, 0}}));
  patient.QueueSpeech(SPEECH_PATIENT_LINE, "talk");
  std::vector<std::string> events;
  bool was[3] = {};
  for (int frame = 1; frame <= 29; ++frame) {
    Frame();
    const bool now[3] = {Speaking(), Track(L"ph_CKG") != nullptr, Track(L"ph_NDTL") != nullptr};
    const char* names[3] = {"sound", "ph_CKG", "ph_NDTL"};
    for (int i = 0; i < 3; ++i)
      if (now[i] != was[i]) events.push_back(std::to_string(frame) + (now[i] ? " +" : " -") + names[i]);
    std::copy(now, now + 3, was);
  }
  // Sound and shape 2 after the 100 ms lead; shape 7 once the sound is 260 ms in (50 ms before 300), shape 2
  // let go 100 ms later; the end (the sound let go) once it passes 470 ms, shape 7 left for the resting face.
  EXPECT_EQ(events, (std::vector<std::string>{"5 +sound", "5 +ph_CKG", "18 +ph_NDTL", "23 -ph_CKG", "29 -sound"}));
  EXPECT_FALSE(PatientSpeech().timeline);
  EXPECT_FALSE(PatientSpeech().speechSound);
  EXPECT_TRUE(patient.speechDelay >= 5000 && patient.speechDelay <= 9999) << patient.speechDelay;
  EXPECT_EQ(Track(L"ph_NDTL")->speed, -1.2f);
}

TEST_F(PatientFaceTest, ANegativeFirstRecordEndsTheLineBeforeAnySoundAndTheNextWaitsHalfASecond) {
  Patient& patient = Build();
  WriteLine("sounds\\speech\\ws1\\none", Phn({{-1, 0}, {300, 2}}));
  patient.QueueSpeech(SPEECH_PATIENT_LINE, "none");
  patient.QueueSpeech(SPEECH_PATIENT_LINE, "none");
  for (int frame = 1; frame <= 45; ++frame) {
    Frame();
    EXPECT_FALSE(Speaking()) << frame;
    if (frame == 5) {
      EXPECT_EQ(patient.speechDelay, 500);  // another line waits
    }
  }
  EXPECT_EQ(patient.speechCount, 0);
  EXPECT_GE(patient.speechDelay, 5000 - 15 * kFrameMs);
  EXPECT_EQ(Track(L"ph_CKG"), nullptr);
}

TEST_F(PatientFaceTest, NamesAreTriedWithUnderscoresThenDashesAndMissingFilesAreTracedAndDropped) {
  Patient& patient = Build();
  WriteLine("sounds\\speech\\ws1\\a_b", Phn({{300, 2}}));
  WriteLine("sounds\\speech\\ws1\\c-d", Phn({{300, 2}}));
  tree_.WriteBytes("sounds\\speech\\ws1\\mute.phn", Phn({{300, 2}}));
  tree_.WriteWav("sounds\\speech\\self\\x-y.qwv", 100);
  const auto take = [&](int32_t kind, const char* name) {
    patient.speechDelay = 0;
    patient.QueueSpeech(kind, name);
    PlayPatientSpeech();
    return patient.speechDelay;
  };
  EXPECT_EQ(take(SPEECH_PATIENT_LINE, "a-b"), -1);
  EXPECT_TRUE(Logged("sounds\\speech\\ws1\\a_b.qwv"));
  EXPECT_EQ(take(SPEECH_PATIENT_LINE, "c-d"), -1);
  EXPECT_TRUE(Logged("sounds\\speech\\ws1\\c-d.qwv"));
  EXPECT_EQ(take(SPEECH_PATIENT_LINE, "e-f"), 0);
  EXPECT_TRUE(Logged("No speech file: sounds\\speech\\ws1\\e-f.phn"));
  // A lip-sync without its sound is let go with its request.
  EXPECT_EQ(take(SPEECH_PATIENT_LINE, "mute"), 0);
  EXPECT_TRUE(Logged("No speech file: sounds\\speech\\ws1\\mute.qwv"));
  EXPECT_FALSE(PatientSpeech().timeline);
  OnPatientSpeechKey(true);
  EXPECT_EQ(take(SPEECH_MEDIC_FINDING, "x-y"), -1);
  EXPECT_EQ(patient.soundOnlySpeech, 1);
}

TEST_F(PatientFaceTest, ABodyWithoutItsFaceNeverSpeaksHisLinesAndTheMedicIsHeardOnlyWithHisVoiceOn) {
  for (const std::string tail : {"",   "ws", "c1", "c2", "c3", "c4", "c5", "c6", "i1",    "i2",    "i3",    "i4",
                                 "i5", "i6", "l1", "l2", "l3", "l4", "l5", "l6", "yell1", "yell2", "yell3", "yell4"})
    WriteLine("sounds\\speech\\ws1\\" + (tail.starts_with("yell") ? tail : "n" + tail), Phn({{300, 2}}));
  WriteLine("sounds\\speech\\self\\n", "");
  for (const char* moan : {"awakemajor", "awakemedium", "awakelite", "unconscious"})
    for (const char* letter : {"a", "b", "c", "d", "e"})
      WriteLine("sounds\\speech\\self\\" + std::string(moan) + letter, "");
  const auto says = [](Patient& patient, int32_t kind) {
    ReleasePatientSpeech();
    patient.speechDelay = patient.soundOnlySpeech = 0;
    patient.QueueSpeech(kind, "n");
    PlayPatientSpeech();
    return patient.speechDelay == -1;
  };
  Patient& faceless = Build(0, kOrdinaryWound, 4);
  for (int32_t kind = 0; kind <= 9; ++kind) EXPECT_FALSE(says(faceless, kind)) << kind;
  OnPatientSpeechKey(true);
  OnPatientSpeechKey(false);  // letting the key go leaves the switch on
  for (int32_t kind = 0; kind <= 9; ++kind) EXPECT_EQ(says(faceless, kind), kind == 1 || kind == 9) << kind;

  Patient& whole = Build();
  for (int32_t kind = 0; kind <= 9; ++kind) EXPECT_TRUE(says(whole, kind)) << kind;
  whole.canSpeak = 0;  // he can still yell
  for (int32_t kind = 0; kind <= 9; ++kind) EXPECT_EQ(says(whole, kind), kind == 1 || kind >= 7) << kind;
}

TEST_F(PatientFaceTest, FifteenSecondsOfSilenceBringHisWoundRemarkBack) {
  Patient& patient = Build();
  SetFrameTime(1000);
  for (int second = 0; second < 15; ++second) PlayPatientSpeech();
  EXPECT_EQ(patient.speechCount, 0);
  PlayPatientSpeech();
  ASSERT_EQ(patient.speechCount, 1);
  EXPECT_EQ(patient.speechQueue[0].kind, SPEECH_WOUND_SILENCE);
  EXPECT_EQ(patient.speechQueue[0].name, WoundTypeTable[kOrdinaryWound].remarkKey);
  PlayPatientSpeech();  // taken, and the silence is broken, though he has no such line
  EXPECT_EQ(patient.speechCount, 0);
  EXPECT_EQ(patient.silenceTime, 0);
}

TEST_F(PatientFaceTest, OnlyALineCutShortLeavesAPauseAndALineTakenByAnotherPatientDoesNotLockHimUp) {
  for (const char* folder : {"ws1", "ws2"})
    WriteLine("sounds\\speech\\" + std::string(folder) + "\\talk", Phn({{300, 2}}));
  WriteLine("sounds\\speech\\self\\talk", "");
  Patient& first = Build(0);
  first.QueueSpeech(SPEECH_PATIENT_LINE, "talk");
  Frame();
  first.animationsOff = 1;  // a tool stops his face: the line is cut short
  Frame();
  EXPECT_FALSE(PatientSpeech().timeline);
  EXPECT_EQ(first.speechDelay, 100);
  // Still, with nothing more to say, he holds nothing up: the medic's line comes after the pause.
  OnPatientSpeechKey(true);
  first.QueueSpeech(SPEECH_MEDIC_FINDING, "talk");
  for (int frame = 0; frame < 10 && !Speaking(); ++frame) Frame();
  EXPECT_TRUE(Speaking());

  // The player leaves him mid-line for another casualty, then comes back: he speaks again.
  first.animationsOff = 0;
  Build(1).QueueSpeech(SPEECH_PATIENT_LINE, "talk");
  Frame();
  EXPECT_EQ(PatientSpeech().speaker, Slots().casualties[1].get());
  Show(0);
  first.QueueSpeech(SPEECH_PATIENT_LINE, "talk");
  for (int frame = 0; frame < 6; ++frame) Frame();
  EXPECT_EQ(PatientSpeech().speaker, &first);
  EXPECT_TRUE(PatientSpeech().timeline.has_value());
}

}  // namespace
}  // namespace kestrine::testing
