#include "GbkText.h"

#include <iconv.h>
#include <algorithm>
#include <cerrno>

namespace terrovane::platform {
namespace {

// Length of the UTF-8 sequence that starts with lead (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// The bytes of the one character that could not be converted: its lead and the continuation bytes that
// follow it. A sequence cut short ends at the first byte that is not a continuation, which starts the
// next character and must not be lost with this one.
std::size_t Utf8CharacterAt(const char* bytes, std::size_t available) {
    const std::size_t length = std::min(available, Utf8Length(static_cast<unsigned char>(bytes[0])));
    std::size_t end = 1;
    while (end < length && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

bool IsGbkLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Converts with iconv; on an unconvertible input sequence, appends `replacement` and skips the
// `skip(bytes, available)` bytes of that sequence.
template <typename Skip>
std::string Convert(const char* to, const char* from, const std::string& input, const char* replacement,
                    Skip skip) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return input;
    std::string out;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (rc != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        out += replacement;  // EILSEQ or a sequence cut short at the end
        const std::size_t n = std::min(inLeft, skip(in, inLeft));
        in += n;
        inLeft -= n;
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string Utf8ToGbk(const std::string& utf8) {
    return Convert("GBK", "UTF-8", utf8, "?", Utf8CharacterAt);
}

std::string GbkToUtf8(const std::string& gbk) {
    return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD",
                   [](const char*, std::size_t) { return std::size_t{1}; });
}

std::string GbkPrefix(const std::string& gbk, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < gbk.size()) {
        const std::size_t width = IsGbkLead(static_cast<unsigned char>(gbk[end])) ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
    return gbk.substr(0, std::min(end, gbk.size()));
}

}  // namespace terrovane::platform
