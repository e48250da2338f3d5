#include "MessageRecorder.h"

namespace terrovane::testing {

MessageRecorder::MessageRecorder() {
    previous_ = platform::SetMessageHandler([this](const platform::Message& message) {
        messages_.push_back(message);
        if (whileShown) {
            whileShown(message);
        }
        if (answers_.empty())
            return platform::MessageResult::Ok;
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageRecorder::~MessageRecorder() {
    platform::SetMessageHandler(previous_);
}

std::vector<std::string> MessageRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages_)
        texts.push_back(m.text);
    return texts;
}

}  // namespace terrovane::testing
