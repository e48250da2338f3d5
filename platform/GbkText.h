#pragma once

#include <cstddef>
#include <string>

namespace terrovane::platform {

// Conversions between our UTF-8 texts and the GBK (code page 936) bytes that the hand-off files hold.
// A character GBK cannot hold becomes "?"; a byte sequence that is not GBK becomes U+FFFD.
std::string Utf8ToGbk(const std::string& utf8);
std::string GbkToUtf8(const std::string& gbk);

// The longest prefix of a GBK byte string that fits in maxBytes without splitting a two-byte character.
std::string GbkPrefix(const std::string& gbk, std::size_t maxBytes);

}  // namespace terrovane::platform
