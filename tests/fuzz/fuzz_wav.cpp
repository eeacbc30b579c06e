// Sound files from outside: the WAV reader and a play cursor over whatever it accepts must neither crash
// nor allocate beyond the input, and what they give back must be self-consistent.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/wav_reader.h"
#include "engine/engine_sound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::optional<engine::PcmData> pcm = engine::DecodeWav(bytes);
  if (!pcm) return 0;
  if (pcm->channels < 1 || pcm->channels > 2 || pcm->sampleRate <= 0) std::abort();
  if (pcm->samples.size() % static_cast<size_t>(pcm->channels) != 0) std::abort();
  // Every sample came from at least one byte of the input: nothing was made up or over-allocated.
  if (pcm->samples.size() > size) std::abort();

  const size_t frames = pcm->Frames();
  const int64_t lengthMs = pcm->LengthMs();
  auto sound = engine::MakeEngine<engine::EngineSound>(nullptr, std::move(*pcm));
  // A one-shot ends exactly at its length; a loop never leaves the sound.
  sound->Play(0, 0);
  if (lengthMs > 1) sound->AdvanceMs(lengthMs - 1);
  if (frames > 0 && lengthMs > 1 && !sound->IsPlaying()) std::abort();
  sound->AdvanceMs(1);
  if (sound->IsPlaying()) std::abort();
  sound->Play(1, 0);
  sound->AdvanceMs(static_cast<int64_t>(size) * 7 + 3);
  if (!sound->IsPlaying() || (frames > 0 && sound->CursorFrame() >= frames)) std::abort();
  return 0;
}
