// The audio device: SDL pulls mixed sound from the engine's sounds on its own thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "backend/sdl/sound_mixer.h"

namespace engine {

class EngineCore;

class SdlAudio {
 public:
  // Opens the default device and starts playing; Ok() tells whether a device could be opened.
  explicit SdlAudio(EngineCore& core);
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool Ok() const { return device_ != 0; }
  // Why no device could be opened (empty when one was).
  const std::string& Failure() const { return failure_; }
  int DeviceRate() const { return mixer_ ? mixer_->DeviceRate() : 0; }

 private:
  static void Fill(void* self, uint8_t* stream, int bytes);

  EngineCore& core_;
  bool subsystem_ = false;
  uint32_t device_ = 0;
  std::unique_ptr<SoundMixer> mixer_;
  std::string failure_;
};

}  // namespace engine
