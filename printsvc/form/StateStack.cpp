#include "StateStack.h"

namespace terrovane::form {

bool StateStack::Push(const PrintState& state) {
    if (top_ + 1 >= kDepth)
        return false;
    saved_[++top_] = state;
    return true;
}

bool StateStack::Pop(PrintState& state) {
    if (top_ < 0)
        return false;
    state = saved_[top_--];
    return true;
}

}  // namespace terrovane::form
