// The error raised by a failed engine call. Nothing in the game catches it: main reports it and
// ends the program with a non-zero status.
#pragma once

#include <stdexcept>
#include <string>

namespace engine {

constexpr long kStatusFailed = static_cast<long>(0x80004005L);        // generic failure
constexpr long kStatusNotImplemented = static_cast<long>(0x80004001L);
constexpr long kStatusInvalidArgument = static_cast<long>(0x80070057L);
constexpr long kStatusNullReference = static_cast<long>(0x80004003L);

class EngineError : public std::runtime_error {
 public:
  EngineError(long status, std::string interfaceName, std::string operation)
      : std::runtime_error(interfaceName + "::" + operation + " failed (status 0x" + Hex(status) + ")"),
        status_(status),
        interface_(std::move(interfaceName)),
        operation_(std::move(operation)) {}

  long Status() const { return status_; }
  const std::string& Interface() const { return interface_; }
  const std::string& Operation() const { return operation_; }

 private:
  static std::string Hex(long v) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    auto u = static_cast<unsigned long>(v) & 0xFFFFFFFFul;
    for (int i = 7; i >= 0; --i) s += digits[(u >> (i * 4)) & 0xF];
    return s;
  }
  long status_;
  std::string interface_;
  std::string operation_;
};

// Raised by operations the stand-in does not provide yet; they must never pretend to succeed.
[[noreturn]] inline void NotImplemented(const char* interfaceName, const char* operation) {
  throw EngineError(kStatusNotImplemented, interfaceName, std::string(operation) + " (not implemented)");
}

}  // namespace engine
