#pragma once

#include <array>

#include "PrintState.h"

namespace terrovane::form {

// Saved copies of a page's state, ten deep.
class StateStack {
  public:
    static constexpr int kDepth = 10;

    // False (nothing saved) when the stack is full.
    bool Push(const PrintState& state);
    // False (state untouched) when the stack is empty.
    bool Pop(PrintState& state);
    int Top() const { return top_; }
    void Clear() { top_ = -1; }

  private:
    std::array<PrintState, kDepth> saved_{};
    int top_ = -1;
};

}  // namespace terrovane::form
