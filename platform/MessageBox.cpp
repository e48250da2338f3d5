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

std::string FillArguments(const std::string& text, const std::vector<std::string>& arguments) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            filled += arguments[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string FilledText(const Message& message) {
    std::string text = FillArguments(message.text, message.arguments);
    if (message.count >= 0)
        for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
            const std::string number = std::to_string(message.count);
            text.replace(at, 2, number);
            at += number.size();
        }
    return text;
}

std::string FilledDetails(const Message& message) {
    return FillArguments(message.details, message.detailArguments);
}

MessageResult ShowMessage(const Message& message) {
    if (Handler())
        return Handler()(message);
    std::fprintf(stderr, "%s\n", FilledText(message).c_str());
    if (!message.details.empty())
        std::fprintf(stderr, "%s\n", FilledDetails(message).c_str());
    return MessageResult::Ok;
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void Alert(const std::string& text, std::vector<std::string> arguments) {
    Message message{text, kApplicationTitle};
    message.arguments = std::move(arguments);
    ShowMessage(message);
}

bool Ask(const std::string& text, std::vector<std::string> arguments) {
    Message question{text, "TIP", MessageButtons::OkCancel, MessageIcon::Warning, true};
    question.arguments = std::move(arguments);
    return ShowMessage(question) == MessageResult::Ok;
}

bool AskBeforeDeleting(const std::string& text, std::vector<std::string> arguments, int count) {
    Message question{text, "TIP", MessageButtons::OkCancel, MessageIcon::Warning, true};
    question.arguments = std::move(arguments);
    question.defaultAnswer = MessageResult::Cancel;
    question.count = count;
    return ShowMessage(question) == MessageResult::Ok;
}

bool AskBeforeLoss(const std::string& text, const std::string& details) {
    Message question{text, "TIP", MessageButtons::OkCancel, MessageIcon::Warning, true};
    question.details = details;
    question.defaultAnswer = MessageResult::Cancel;
    return ShowMessage(question) == MessageResult::Ok;
}

}  // namespace terrovane::platform
