#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace terrovane::archive {

// What went wrong, as a code the user interface turns into its own words; the arguments fill that text in
// (a name, an id) and SQLite's own message goes along for the details.
enum class ErrorCode {
    CannotOpen,   // the file or its folder cannot be opened or created
    ReadOnly,     // the file or its folder may not be written
    Locked,       // another program held the archive past the wait
    Damaged,      // SQLite finds the file damaged, or it is no archive
    NewerLayout,  // written by a newer program; argument: its layout
    NoSuchItem,   // arguments: what ("site"), its id or name
    Refused,      // the request itself is not possible; argument: why
    Failed,       // any other failure of the library
};

struct Failure {
    ErrorCode code = ErrorCode::Failed;
    std::vector<std::string> arguments;
    std::string sqliteMessage;
    int sqliteCode = 0;
    // A refusal or a missing item is said with one fixed text of a list of problems, which `arguments` fill:
    // the text is its code, so the words are chosen (and translated, under `problemContext`) where they are
    // shown, never read back from a sentence. Null for the library's own failures.
    const char* problem = nullptr;
    const char* problemContext = nullptr;

    // One line for logs and machine output, in English: the problem's text filled, else SQLite's message,
    // else the arguments.
    std::string Text() const;
};

// Maps SQLite's result code (and the connection's message) to a failure.
Failure FailureOf(int sqliteCode, std::string message);

// A value or the failure that stopped it; [[nodiscard]] so no caller drops the failure unseen.
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::move(value)) {}            // NOLINT: implicit on purpose, as a return value
    Result(Failure failure) : state_(std::move(failure)) {}  // NOLINT

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }
    const T& Value() const& { return std::get<0>(state_); }
    T& Value() & { return std::get<0>(state_); }
    T&& Value() && { return std::get<0>(std::move(state_)); }
    const Failure& Error() const { return std::get<1>(state_); }

  private:
    std::variant<T, Failure> state_;
};

// A result with no value: success or its failure.
struct Done {};
using Status = Result<Done>;

}  // namespace terrovane::archive
