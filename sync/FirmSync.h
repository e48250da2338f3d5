#pragma once

#include <optional>
#include <string>

#include "FirmProfile.h"

namespace terrovane::sync {

// The profile's fields as the server keeps them: a JSON object of texts, the logo's type among them; the
// logo's bytes travel apart.
std::string FirmServerJson(const archive::FirmProfile& firm);
// The server's profile (its JSON and the logo's bytes in hex) back into a profile; nullopt when what came
// is none (a member's program never trusts what the server hands on).
std::optional<archive::FirmProfile> FirmFromServer(const std::string& json, const std::string& logoHex);

}  // namespace terrovane::sync
