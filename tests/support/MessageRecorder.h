#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "MessageBox.h"

namespace terrovane::testing {

// Records every message shown while it lives and answers questions from a script (OK by default).
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void AnswerNext(platform::MessageResult answer) { answers_.push_back(answer); }
    const std::vector<platform::Message>& Messages() const { return messages_; }
    std::vector<std::string> Texts() const;
    void Clear() { messages_.clear(); }
    // Runs while each message is on screen, before it is answered.
    std::function<void(const platform::Message&)> whileShown;

  private:
    std::vector<platform::Message> messages_;
    std::deque<platform::MessageResult> answers_;
    platform::MessageHandler previous_;
};

}  // namespace terrovane::testing
