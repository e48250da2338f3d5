// The GBK conversions of the hand-off texts, both ways. The first byte says which way the rest goes and
// where GbkPrefix cuts it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "GbkText.h"
#include "QuietMessages.h"

namespace {

using namespace terrovane;
using fuzz::Require;

const std::string kReplacement = "\xEF\xBF\xBD";

// The plain ASCII characters of a text, but question marks (what replaces what GBK cannot hold).
std::string AsciiOf(const std::string& text) {
    std::string ascii;
    std::copy_if(text.begin(), text.end(), std::back_inserter(ascii),
                 [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != '?'; });
    return ascii;
}

// GBK bytes the conversion produced come back as the same text: the header fields survive a save and load.
// A malformed or unconvertible character costs only itself, never the characters after it.
void CheckFromUtf8(const std::string& utf8) {
    const std::string gbk = platform::Utf8ToGbk(utf8);
    const std::string again = platform::GbkToUtf8(gbk);
    Require(again.find(kReplacement) == std::string::npos);
    Require(platform::Utf8ToGbk(again) == gbk);
    Require(AsciiOf(again) == AsciiOf(utf8));
}

// Text read from any bytes converts back to those bytes wherever nothing had to be replaced.
void CheckFromGbk(const std::string& gbk) {
    const std::string utf8 = platform::GbkToUtf8(gbk);
    if (utf8.find(kReplacement) == std::string::npos)
        Require(platform::GbkToUtf8(platform::Utf8ToGbk(utf8)) == utf8);
}

void CheckPrefix(const std::string& gbk, std::size_t maxBytes) {
    const std::string prefix = platform::GbkPrefix(gbk, maxBytes);
    Require(prefix.size() <= maxBytes && gbk.compare(0, prefix.size(), prefix) == 0);
    // A prefix of valid GBK never ends inside a character.
    if (platform::GbkToUtf8(gbk).find(kReplacement) == std::string::npos)
        Require(platform::GbkToUtf8(prefix).find(kReplacement) == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::SilenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1)
        CheckFromUtf8(text);
    else
        CheckFromGbk(text);
    CheckPrefix(text, data[0] >> 1);
    return 0;
}
