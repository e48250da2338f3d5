#pragma once

#include <span>
#include <string>
#include <string_view>

namespace terrovane::sync {

// A UUID every archive computes alike from the same text, for what belongs to content known by its key
// (a result's assignment, the note on a read-out): two PCs that annotate one result change one thing.
std::string DerivedUuid(std::string_view text);

// A new random UUID (version 4), for a device of its own.
std::string NewUuid();

// The key of a read-out: its time, its port and its image, so the same read-out is one thing everywhere.
std::string ReadOutKey(std::string_view readAt, std::string_view port, std::span<const std::uint8_t> image);

// A JSON string literal of the text.
std::string JsonString(std::string_view text);

}  // namespace terrovane::sync
