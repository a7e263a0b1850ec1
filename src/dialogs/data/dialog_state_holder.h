// A base that holds a table dialog's state ahead of the widgets that refer to it, so that
// the state outlives them when the dialog is destroyed.
#pragma once

#include <utility>

namespace curvanta {

// Listed before QDialog among a dialog's bases: constructed first, destroyed last.
template <class State>
struct DialogStateHolder {
  explicit DialogStateHolder(State s) : state_(std::move(s)) {}
  State state_;
};

}  // namespace curvanta
