#include "RequestLine.h"

namespace terrovane::sim {

bool RequestLine::Take(std::uint8_t byte) {
    const bool swallow = afterCr_ && byte == '\n';
    afterCr_ = byte == '\r';
    if (swallow)
        return false;
    if (byte != '\r') {
        if (text_.size() < kMaxLine)
            text_ += static_cast<char>(byte);
        return false;
    }
    return true;
}

}  // namespace terrovane::sim
