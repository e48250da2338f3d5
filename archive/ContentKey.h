#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace terrovane::archive {

using Sha256Digest = std::array<std::uint8_t, 32>;

// SHA-256 of the bytes (FIPS 180-4).
Sha256Digest Sha256(std::span<const std::uint8_t> bytes);

// The key under which one stored result is kept: the digest of its whole 72-byte packet, so reading the
// same instrument again finds the results it already holds.
inline Sha256Digest ContentKey(std::span<const std::uint8_t> packet) {
    return Sha256(packet);
}

std::string HexText(std::span<const std::uint8_t> bytes);

}  // namespace terrovane::archive
