#include "SyncIds.h"

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "ContentKey.h"

namespace terrovane::sync {

std::string DerivedUuid(std::string_view text) {
    archive::Sha256Digest digest =
        archive::Sha256(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    digest[6] = static_cast<std::uint8_t>((digest[6] & 0x0F) | 0x50);  // version 5: made from a name
    digest[8] = static_cast<std::uint8_t>((digest[8] & 0x3F) | 0x80);
    const std::string hex = archive::HexText(std::span(digest).first(16));
    return hex.substr(0, 8) + "-" + hex.substr(8, 4) + "-" + hex.substr(12, 4) + "-" + hex.substr(16, 4) +
           "-" + hex.substr(20, 12);
}

std::string NewUuid() {
    std::random_device source;
    std::array<std::uint8_t, 16> bytes{};
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(source() & 0xFF);
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4: random
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);
    const std::string hex = archive::HexText(bytes);
    return hex.substr(0, 8) + "-" + hex.substr(8, 4) + "-" + hex.substr(12, 4) + "-" + hex.substr(16, 4) +
           "-" + hex.substr(20, 12);
}

std::string ReadOutKey(std::string_view readAt, std::string_view port, std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> bytes(readAt.begin(), readAt.end());
    bytes.push_back('\n');
    bytes.insert(bytes.end(), port.begin(), port.end());
    bytes.push_back('\n');
    bytes.insert(bytes.end(), image.begin(), image.end());
    return archive::HexText(archive::Sha256(bytes));
}

std::string JsonString(std::string_view text) {
    static const char* const kHex = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace terrovane::sync
