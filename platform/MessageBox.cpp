#include "MessageBox.h"

#include <cstdio>
#include <utility>

namespace terrovane::platform {
namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

}  // namespace

MessageResult ShowMessage(const Message& message) {
    if (Handler())
        return Handler()(message);
    std::fprintf(stderr, "%s\n", message.text.c_str());
    if (!message.details.empty())
        std::fprintf(stderr, "%s\n", message.details.c_str());
    return MessageResult::Ok;
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void Alert(const std::string& text) {
    ShowMessage({text, kApplicationTitle});
}

bool Ask(const std::string& text) {
    return ShowMessage({text, "TIP", MessageButtons::OkCancel, MessageIcon::Warning, true}) ==
           MessageResult::Ok;
}

bool AskBeforeLoss(const std::string& text, const std::string& details) {
    Message question{text, "TIP", MessageButtons::OkCancel, MessageIcon::Warning, true};
    question.details = details;
    question.defaultAnswer = MessageResult::Cancel;
    return ShowMessage(question) == MessageResult::Ok;
}

}  // namespace terrovane::platform
