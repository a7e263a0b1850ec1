// Errors the expression engine raises instead of returning: unrecognised tokens and empty
// stacks carry their fixed codes; arithmetic faults say which fault it was.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace curvanta {

class EngineError : public std::runtime_error {
 public:
  EngineError(uint32_t code, const std::string& text) : std::runtime_error(text), code_(code) {}
  uint32_t code() const { return code_; }

 private:
  uint32_t code_;
};

inline constexpr uint32_t kErrUnknownToken = 0x800403EA;
inline constexpr uint32_t kErrPopEmpty = 0x800403F3;
inline constexpr uint32_t kErrPeekEmpty = 0x800403F4;

enum class ArithmeticFault { Overflow, InvalidOperation, DivisionByZero, InvalidPower };

class ArithmeticError : public std::runtime_error {
 public:
  explicit ArithmeticError(ArithmeticFault fault, const std::string& what = "arithmetic fault")
      : std::runtime_error(what), fault_(fault) {}
  ArithmeticFault fault() const { return fault_; }

 private:
  ArithmeticFault fault_;
};

}  // namespace curvanta
