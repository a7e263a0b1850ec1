// ValueStack: the growable stack of the expression engine (operator stack of the conversion,
// value stack of the evaluation). Grows by 10 items at a time and never shrinks.
#pragma once

#include <cstdint>
#include <vector>

#include "common/errors.h"
#include "expr/engine_texts.h"

namespace curvanta {

template <typename T>
class ValueStack {
 public:
  // The number of items.
  int32_t StackSize() const { return count_; }
  // Room reserved so far (0 before the first push, then a multiple of 10).
  int32_t Capacity() const { return int32_t(items_.size()); }

  void Push(const T& value) {
    if (count_ + 1 > Capacity()) items_.resize(items_.size() + 10);
    items_[size_t(count_)] = value;
    ++count_;
  }

  T Pop() {
    if (count_ == 0)
      throw curvanta::EngineError(curvanta::kErrPopEmpty, curvanta::texts::kPopEmpty);
    --count_;
    return items_[size_t(count_)];
  }

  T GetPopValue() const {
    if (count_ == 0)
      throw curvanta::EngineError(curvanta::kErrPeekEmpty, curvanta::texts::kPeekEmpty);
    return items_[size_t(count_ - 1)];
  }

 private:
  std::vector<T> items_;
  int32_t count_ = 0;
};

}  // namespace curvanta
