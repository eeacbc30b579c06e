// The patient's queue of speech requests: what he and the medic are to say, in order, five at most.
#include "casualty/patient.h"
#include "casualty/speech_kinds.h"
#include "shell/sound_table.h"

namespace kestrine {

void Patient::QueueSpeech(int32_t kind, std::string_view name) {
  // A replayed save re-applies old treatments: what was said then is not said again.
  if (Sounds().replayingSave || name.empty() || speechCount < 0 || speechCount >= kSpeechQueueCapacity) return;
  speechQueue[speechCount].kind = kind;
  speechQueue[speechCount].name.assign(name);
  ++speechCount;
  // A request that arrives while a long pause runs does not wait the whole pause.
  if (speechDelay > kQueuedSpeechDelayMs) speechDelay = kQueuedSpeechDelayMs;
}

}  // namespace kestrine
