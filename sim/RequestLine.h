#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace terrovane::sim {

// Gathers the bytes of one request line as the instrument reads them: a line ends at CR, an LF right after
// a CR is swallowed, and what goes beyond kMaxLine is dropped.
class RequestLine {
  public:
    static constexpr std::size_t kMaxLine = 256;

    // Takes one byte; true when it ended the line, which Text() holds until Clear().
    bool Take(std::uint8_t byte);
    const std::string& Text() const { return text_; }
    void Clear() { text_.clear(); }

  private:
    std::string text_;
    bool afterCr_ = false;
};

}  // namespace terrovane::sim
