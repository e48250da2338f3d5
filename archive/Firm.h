#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Archive.h"
#include "FirmProfile.h"
#include "Result.h"

namespace terrovane::archive {

// How much a profile may hold: a logo is printed small, and every field travels to each member of a team.
inline constexpr std::size_t kMostLogoBytes = 1024 * 1024;
inline constexpr std::size_t kMostFirmFieldCharacters = 200;
inline constexpr std::size_t kMostFirmAddressCharacters = 1000;
inline constexpr std::size_t kMostPrefixCharacters = 12;

// "png" or "svg" by the file's first bytes, "" for anything else. An SVG is text that opens with an XML
// declaration, a comment, a document type or the <svg> element itself.
std::string LogoTypeOf(const std::string& bytes);

// A report number's prefix: 1 to 12 letters A-Z, a-z and digits. No dash, so the parts of a number can
// always be told apart.
bool IsReportPrefix(const std::string& prefix);

// Why the profile cannot be kept (a refusal in a text of Problems.h), or nothing when it can: fields too
// long or not text, a prefix that is none, a logo too large or not what its type says.
[[nodiscard]] std::optional<Failure> FirmRefusal(const FirmProfile& firm);

// The archive's profile; an empty one when none was set.
Result<FirmProfile> LoadFirm(Archive& archive);
// Keeps the profile in place of the former one, checked first (refused with FirmRefusal's text). In a
// team it goes to the server with the next sync.
Status SaveFirm(Archive& archive, const FirmProfile& firm);

// The profile and where it stands with the team's server, for the sync inside its unit of work.
struct FirmState {
    FirmProfile firm;
    bool held = false;      // a profile was ever set here or received
    std::int64_t edit = 0;  // this archive's count of its own changes
    bool unsent = false;    // the latest change has not reached the server yet
};
Result<FirmState> ReadFirmState(Database& db);
// The change counted `edit` reached the server (or was refused by it): unless another change came since,
// nothing is left to send.
Status MarkFirmSent(Database& db, std::int64_t edit);
// The server's profile in place of this archive's, unless a change made here waits to be sent. A profile
// that breaks the rules is not taken (the refusal comes back).
Status TakeServerFirm(Database& db, const FirmProfile& firm);

}  // namespace terrovane::archive
