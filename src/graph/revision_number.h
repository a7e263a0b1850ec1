// A number that tells the states of a changing thing apart: every new number is larger than
// all the numbers given out before, and a copy takes a new one of its own.
#pragma once

#include <cstdint>

namespace curvanta {

class RevisionNumber {
 public:
  RevisionNumber() : value_(Next()) {}
  RevisionNumber(const RevisionNumber&) : value_(Next()) {}
  RevisionNumber& operator=(const RevisionNumber&) {
    value_ = Next();
    return *this;
  }
  void Renew() { value_ = Next(); }
  uint64_t value() const { return value_; }

 private:
  static uint64_t Next();
  uint64_t value_;
};

}  // namespace curvanta
