#include "core/engine_core.h"

#include <algorithm>
#include <cstdio>

namespace engine {

EngineCore::EngineCore(std::unique_ptr<EngineBackend> backend) : backend_(std::move(backend)) {
  backend_->Attach(this);
}

EngineCore::~EngineCore() {
  // The backend's own threads (the audio mixer) stop before the sound registry goes.
  backend_->Detach();
  // Sounds still held by the game outlive the core only at exit; make sure they stop calling back.
  std::lock_guard<std::mutex> lock(soundsMutex_);
  for (EngineSound* s : sounds_) s->DetachCore();
  sounds_.clear();
  for (EngineSoundStream* s : streams_) s->DetachCore();
  streams_.clear();
}

void EngineCore::AdvanceClock(int64_t ms) {
  if (ms <= 0) return;
  scene_.AdvanceClock(ms);
  if (!backend_->AdvancesSoundsByClock()) return;
  ForEachSound([ms](EngineSound& s) { s.AdvanceMs(ms); });
}

void EngineCore::RegisterSound(EngineSound* s) {
  std::lock_guard<std::mutex> lock(soundsMutex_);
  sounds_.push_back(s);
}

void EngineCore::UnregisterSound(EngineSound* s) {
  std::lock_guard<std::mutex> lock(soundsMutex_);
  sounds_.erase(std::remove(sounds_.begin(), sounds_.end(), s), sounds_.end());
}

void EngineCore::RegisterStream(EngineSoundStream* s) {
  std::lock_guard<std::mutex> lock(soundsMutex_);
  streams_.push_back(s);
}

void EngineCore::UnregisterStream(EngineSoundStream* s) {
  std::lock_guard<std::mutex> lock(soundsMutex_);
  streams_.erase(std::remove(streams_.begin(), streams_.end(), s), streams_.end());
}

void EngineCore::Trace(const std::string& text, bool toStderr) {
  std::string line = text;
  if (line.empty() || line.back() != '\n') line += '\n';
  {
    std::lock_guard<std::mutex> lock(logMutex_);
    log_ += line;
    // Past twice the kept size the oldest whole lines go, down to the kept size: each line is moved a
    // bounded number of times, however long the game runs.
    if (log_.size() > 2 * kDebugLogKeptBytes) {
      const size_t cut = log_.find('\n', log_.size() - kDebugLogKeptBytes - 1);
      log_.erase(0, cut == std::string::npos ? log_.size() : cut + 1);
    }
  }
  if (traceToStderr_ && toStderr) std::fputs(line.c_str(), stderr);
}

std::string EngineCore::DebugLog() const {
  std::lock_guard<std::mutex> lock(logMutex_);
  return log_;
}

void EngineCore::ClearDebugLog() {
  std::lock_guard<std::mutex> lock(logMutex_);
  log_.clear();
}

void EngineCore::TraceMissingAsset(const std::string& path) {
  {
    std::lock_guard<std::mutex> lock(logMutex_);
    if (!missingReported_.insert(path).second) return;
  }
  NoteDamagedAsset(path);
  Trace("missing asset: " + path);
}

void EngineCore::TraceUnreadableAsset(const std::string& kind, const std::string& path, const std::string& why) {
  NoteDamagedAsset(path);
  Trace("unreadable " + kind + ": " + path + (why.empty() ? "" : " (" + why + ")"));
}

void EngineCore::NoteDamagedAsset(const std::string& path) {
  std::lock_guard<std::mutex> lock(logMutex_);
  if (damagedSet_.insert(path).second) damaged_.push_back(path);
}

std::vector<std::string> EngineCore::DamagedAssets() const {
  std::lock_guard<std::mutex> lock(logMutex_);
  return damaged_;
}

std::string ToUtf8(const std::wstring& w) {
  std::string out;
  out.reserve(w.size());
  for (wchar_t wc : w) {
    auto c = static_cast<uint32_t>(wc);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring FromUtf8(const std::string& s) {
  std::wstring out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    auto b = static_cast<unsigned char>(s[i]);
    int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0)) {
      // Not UTF-8: keep the byte as Latin-1, as the game's own texts are.
      out += static_cast<wchar_t>(b);
      ++i;
      continue;
    }
    uint32_t c = extra == 0 ? b : (b & (0x3F >> extra));
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      auto cb = static_cast<unsigned char>(s[i + k]);
      if ((cb & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      c = (c << 6) | (cb & 0x3F);
    }
    if (!ok) {
      out += static_cast<wchar_t>(b);
      ++i;
      continue;
    }
    out += static_cast<wchar_t>(c);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

}  // namespace engine
