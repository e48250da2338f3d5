#pragma once

#include <functional>
#include <string>
#include <vector>

namespace terrovane::platform {

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Warning };
enum class MessageResult { Ok, Cancel };

// One modal message: every failure the user must know of, and the "TIP" questions.
struct Message {
    std::string text;  // UTF-8
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool topmost = false;
    std::string details{};  // shown under the text, e.g. what a question is about; may be empty
    MessageResult defaultAnswer = MessageResult::Ok;  // the button Enter presses
    // What fills %1, %2, ... of the text and of the details. The text stays the fixed one marked for
    // translation, so the window translates it first and fills it after, in any language.
    std::vector<std::string> arguments{};
    std::vector<std::string> detailArguments{};
    // What the text's %n counts, so a translation takes its plural ("1 result", "3 results"); -1: none.
    int count = -1;
};

// The caption of plain messages.
inline constexpr const char* kApplicationTitle = "Terrovane";

using MessageHandler = std::function<MessageResult(const Message&)>;

// Shows a message through the handler in force. Without one installed, the text goes to standard error
// and questions are answered OK (what a program without windows does).
MessageResult ShowMessage(const Message& message);

// Installs a handler (a GUI message box, a terminal prompt, a test recorder); returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

// The text with %1 ... %9 replaced by the arguments in one pass (an argument's own "%2" stays as it is);
// a number without an argument stays as it is too.
std::string FillArguments(const std::string& text, const std::vector<std::string>& arguments);
// The message's text (its %n by the count too) and its details with their arguments filled, untranslated.
std::string FilledText(const Message& message);
std::string FilledDetails(const Message& message);

// A plain message: OK button, the application's title. `arguments` fill the fixed text's %1, %2, ...
void Alert(const std::string& text, std::vector<std::string> arguments = {});

// A "TIP" question with OK and Cancel, a warning icon, kept topmost. True when answered OK.
bool Ask(const std::string& text, std::vector<std::string> arguments = {});

// A question before deleting: OK and Cancel with Cancel the default button, so Enter keeps what is there.
// `count` is what the text's %n counts, or -1.
bool AskBeforeDeleting(const std::string& text, std::vector<std::string> arguments = {}, int count = -1);

// The same question before something that cannot be undone: `details` under it name what is lost, and
// Cancel is the default button, so a hurried Enter loses nothing.
bool AskBeforeLoss(const std::string& text, const std::string& details);

}  // namespace terrovane::platform
