// Reference counting for every engine object, in the manner of a COM smart pointer:
// copying a reference adds one, resetting or destroying it releases one.
#pragma once

#include <atomic>
#include <cstddef>
#include <utility>

#include "engine/engine_error.h"

namespace engine {

// Base of every engine object. Objects start with a count of zero; the first EngineRef takes it to one.
class EngineUnknown {
 public:
  EngineUnknown() { live_.fetch_add(1, std::memory_order_relaxed); }
  EngineUnknown(const EngineUnknown&) = delete;
  EngineUnknown& operator=(const EngineUnknown&) = delete;
  virtual ~EngineUnknown() { live_.fetch_sub(1, std::memory_order_relaxed); }

  void AddRef() const { refs_.fetch_add(1, std::memory_order_relaxed); }
  void Release() const {
    if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
  }
  long RefCount() const { return refs_.load(std::memory_order_relaxed); }

  // The interface name carried by errors raised from this object.
  virtual const char* InterfaceName() const { return "EngineUnknown"; }

  // Engine objects of every kind alive in the process right now: what a long run watches to see that
  // the game lets go of everything it made.
  static long LiveCount() { return live_.load(std::memory_order_relaxed); }

 private:
  mutable std::atomic<long> refs_{0};
  inline static std::atomic<long> live_{0};
};

template <class T>
class EngineRef {
 public:
  EngineRef() = default;
  EngineRef(std::nullptr_t) {}
  EngineRef(T* p) : p_(p) {  // NOLINT: implicit like a COM smart pointer
    if (p_) p_->AddRef();
  }
  EngineRef(const EngineRef& o) : EngineRef(o.p_) {}
  EngineRef(EngineRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  template <class U>
  EngineRef(const EngineRef<U>& o) : EngineRef(o.Get()) {}  // NOLINT
  ~EngineRef() { Reset(); }

  EngineRef& operator=(const EngineRef& o) {
    EngineRef(o).Swap(*this);
    return *this;
  }
  EngineRef& operator=(EngineRef&& o) noexcept {
    EngineRef(std::move(o)).Swap(*this);
    return *this;
  }
  EngineRef& operator=(std::nullptr_t) {
    Reset();
    return *this;
  }

  // Releasing an empty reference does nothing.
  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  void Swap(EngineRef& o) noexcept { std::swap(p_, o.p_); }

  // Calling through an empty reference is a failed engine call, never a crash.
  T* operator->() const {
    if (!p_) throw EngineError(kStatusNullReference, "EngineRef", "call through an empty reference");
    return p_;
  }
  T& operator*() const { return *operator->(); }

  T* Get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  bool operator==(const EngineRef& o) const { return p_ == o.p_; }
  bool operator==(std::nullptr_t) const { return p_ == nullptr; }

 private:
  T* p_ = nullptr;
};

// Wraps a freshly made object (count zero) into its first reference.
template <class T, class... Args>
EngineRef<T> MakeEngine(Args&&... args) {
  return EngineRef<T>(new T(std::forward<Args>(args)...));
}

}  // namespace engine
