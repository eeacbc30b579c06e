#include "backend/sdl/sdl_audio.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>

namespace engine {

namespace {

constexpr int kWantedRate = 44100;
constexpr int kBufferFrames = 1024;  // about 23 ms: short enough for shots to feel immediate

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The sound library SDL tries on Linux prints a screenful of errors of its own on a machine without a sound
// card; a game that then plays silently says so in one line instead. Its handler is set before SDL loads it
// (the same library, loaded once), when it is there at all.
void QuietAlsa() {
  static const bool done = [] {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa) return true;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    auto setHandler = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler) setHandler(&IgnoreAlsaError);
    return true;  // kept loaded: the handler must outlive every later use
  }();
  (void)done;
}

}  // namespace

SdlAudio::SdlAudio(EngineCore& core) : core_(core) {
  QuietAlsa();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    failure_ = SDL_GetError();
    return;
  }
  subsystem_ = true;
  SDL_AudioSpec want{}, have{};
  want.freq = kWantedRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = kBufferFrames;
  want.callback = &SdlAudio::Fill;
  want.userdata = this;
  // The device may keep its own rate (the mixer resamples to it); format and channels SDL converts.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (device_ == 0) {
    failure_ = SDL_GetError();
    return;
  }
  // The device opens paused: the callback cannot run before the mixer is there.
  mixer_ = std::make_unique<SoundMixer>(have.freq);
  SDL_PauseAudioDevice(device_, 0);
}

SdlAudio::~SdlAudio() {
  // Closing waits for a running callback to return, so no mix touches the core after this.
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::Fill(void* self, uint8_t* stream, int bytes) {
  auto* audio = static_cast<SdlAudio*>(self);
  const size_t frames = static_cast<size_t>(bytes) / (2 * sizeof(int16_t));
  audio->mixer_->Mix(audio->core_, reinterpret_cast<int16_t*>(stream), frames);
}

}  // namespace engine
