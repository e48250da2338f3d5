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

bool IsGbkLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Converts with iconv; on an unconvertible input sequence, appends `replacement` and skips `skip(byte)`.
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
        const std::size_t n = std::min(inLeft, skip(static_cast<unsigned char>(*in)));
        in += n;
        inLeft -= n;
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string Utf8ToGbk(const std::string& utf8) {
    return Convert("GBK", "UTF-8", utf8, "?", Utf8Length);
}

std::string GbkToUtf8(const std::string& gbk) {
    return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", [](unsigned char) { return std::size_t{1}; });
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
