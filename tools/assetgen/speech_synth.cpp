#include "tools/assetgen/speech_synth.h"

#include <espeak-ng/speak_lib.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <stdexcept>

namespace assetgen {

namespace {

// The synthesiser is one per program and not re-entrant: one line at a time, collected by its callback.
struct Collector {
  std::vector<int16_t> samples;
  std::vector<PhonemeAt> phonemes;
};

std::mutex synthesiserLock;
Collector* collecting = nullptr;
std::string currentVoice;

int Collect(short* samples, int count, espeak_EVENT* events) {
  if (collecting == nullptr) return 0;
  if (samples != nullptr && count > 0) collecting->samples.insert(collecting->samples.end(), samples, samples + count);
  for (espeak_EVENT* event = events; event != nullptr && event->type != espeakEVENT_LIST_TERMINATED; ++event) {
    if (event->type != espeakEVENT_PHONEME) continue;
    collecting->phonemes.push_back(
        {event->audio_position, std::string(event->id.string, strnlen(event->id.string, 8))});
  }
  return 0;
}

void StartSynthesiser() {
  static const bool started = [] {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                       espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
    if (rate != synth::kRate)
      throw std::runtime_error("speech synthesiser unavailable (rate " + std::to_string(rate) + ")");
    espeak_SetSynthCallback(Collect);
    return true;
  }();
  (void)started;
}

void UseVoice(const SpeechVoice& voice) {
  // Loading a voice reads its dictionary: only when it changes.
  if (currentVoice != voice.name) {
    if (espeak_SetVoiceByName(voice.name) != EE_OK)
      throw std::runtime_error(std::string("speech synthesiser has no voice ") + voice.name);
    currentVoice = voice.name;
  }
  espeak_SetParameter(espeakRATE, voice.wordsPerMinute, 0);
  espeak_SetParameter(espeakPITCH, voice.pitch, 0);
  espeak_SetParameter(espeakRANGE, voice.pitchRange, 0);
  espeak_SetParameter(espeakVOLUME, 100, 0);
  espeak_SetParameter(espeakWORDGAP, 0, 0);
  espeak_SetParameter(espeakPUNCTUATION, espeakPUNCT_NONE, 0);
  espeak_SetParameter(espeakCAPITALS, 0, 0);
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string ReadableText(std::string_view text) {
  struct Spelling {
    const char* written;
    const char* spoken;
  };
  static constexpr Spelling kSpellings[] = {{"mg", "milligrams"},  {"ml", "millilitres"}, {"cc", "C C"},
                                            {"cm", "centimetres"}, {"mm", "millimetres"}, {"kg", "kilograms"}};
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (!IsWordChar(text[i])) {
      out += text[i++];
      continue;
    }
    size_t end = i;
    while (end < text.size() && IsWordChar(text[end])) ++end;
    const std::string_view word = text.substr(i, end - i);
    const char* spoken = nullptr;
    for (const Spelling& s : kSpellings)
      if (word == s.written) spoken = s.spoken;
    out += spoken != nullptr ? std::string_view(spoken) : word;
    i = end;
  }
  return out;
}

SpokenLine SpeakLine(std::string_view text, const SpeechVoice& voice) {
  const std::string words = ReadableText(text);
  Collector collector;
  {
    std::lock_guard<std::mutex> hold(synthesiserLock);
    StartSynthesiser();
    UseVoice(voice);
    // Its noise source is the C library's generator: the same start for every line.
    std::srand(1);
    collecting = &collector;
    const espeak_ERROR status =
        espeak_Synth(words.c_str(), words.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    if (status != EE_OK) throw std::runtime_error("speech synthesis failed for \"" + words + "\"");
  }
  SpokenLine line;
  line.sound.reserve(collector.samples.size());
  for (int16_t s : collector.samples) line.sound.push_back(static_cast<float>(s) / 32768.0f);
  line.lengthMs = static_cast<int32_t>(collector.samples.size() * 1000 / synth::kRate);
  line.phonemes = std::move(collector.phonemes);
  line.shapes = MouthShapesOf(line.phonemes, line.lengthMs);
  return line;
}

}  // namespace assetgen
