// A casualty built in the running program on the generated data speaks a queued remark: his line is found
// in his voice's folder, its sound plays, and his jaw moves through several shapes while it does; then the
// line ends and his face rests.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/patient_speech.h"
#include "casualty/speech_kinds.h"
#include "harness.h"
#include "shell/globals.h"

namespace kestrine::scenario {
namespace {

using PatientSpeech = AtTheDisclaimer;

TEST_F(PatientSpeech, AQueuedRemarkIsHeardWithHisMouthMoving) {
  constexpr int32_t kEvisceration = 0;  // awake, able to speak, with a remark about his wound
  casualties[2] = std::make_unique<Patient>(engineRoot, engineStage, kEvisceration, 1, nullptr);
  Patient& patient = *casualties[2];
  currentCasualtyIndex = 2;
  currentPatient = &patient;
  patient.QueueSpeech(SPEECH_WOUND_RIGHT, WoundTypeTable[kEvisceration].remarkKey);

  const auto jaw = [&] { return patient.bodyModel->FindPart(L"lo_mouth")->LocalRotation().f.y; };
  std::set<int> jawAngles;  // in hundredths
  int soundFrames = 0;
  int frames = 0;
  for (; frames < 400; ++frames) {
    game.Frame(20);
    PlayPatientSpeech();
    patient.UpdateAnimation();
    patient.UpdateIdleTimer();
    if (patientSpeech.speechSound && patientSpeech.speechSound->IsPlaying()) ++soundFrames;
    jawAngles.insert(static_cast<int>(jaw() * 100));
    if (frames > 10 && !patientSpeech.timeline) break;
  }
  EXPECT_NE(game.DebugLog().find("sounds\\speech\\ws3\\intestinec"), std::string::npos) << game.DebugLog();
  EXPECT_EQ(game.DebugLog().find("No speech file"), std::string::npos);
  // A remark of a few words: well over half a second of sound, and ended within the frames given.
  EXPECT_GT(soundFrames, 25);
  EXPECT_LT(frames, 400);
  EXPECT_GE(jawAngles.size(), 3u);
  EXPECT_GE(patient.speechDelay, 5000);

  DeleteCasualty(2);
  EXPECT_FALSE(patientSpeech.speechSound);
}

}  // namespace
}  // namespace kestrine::scenario
