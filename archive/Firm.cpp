// The firm's profile: one row of the archive, checked before it is kept.
#include "Firm.h"

#include <sqlite3.h>

#include <span>

#include "FirmProblems.h"
#include "Problems.h"
#include "Transaction.h"
#include "Utf8Text.h"

namespace terrovane::archive {
namespace {

std::size_t FirmTextCharacters(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

bool StartsWith(const std::string& text, std::size_t at, std::string_view start) {
    return text.compare(at, start.size(), start) == 0;
}

std::span<const std::uint8_t> FirmBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

constexpr const char* kFirmColumns =
    "SELECT name, address, phone, email, licence, prefix, logo, logo_type, edit, unsent FROM firm_profile "
    "WHERE id = 1";

Result<FirmState> ReadState(Database& db) {
    Statement query;
    int rc = query.Prepare(db, kFirmColumns);
    FirmState state;
    if (rc == SQLITE_OK && (rc = query.Step()) == SQLITE_ROW) {
        FirmProfile& firm = state.firm;
        firm.name = query.Text(0);
        firm.address = query.Text(1);
        firm.phone = query.Text(2);
        firm.email = query.Text(3);
        firm.licence = query.Text(4);
        firm.prefix = query.Text(5);
        const std::vector<std::uint8_t> logo = query.Blob(6);
        firm.logo.assign(logo.begin(), logo.end());
        firm.logoType = firm.logo.empty() ? std::string() : query.Text(7);
        state.held = true;
        state.edit = query.Int(8);
        state.unsent = query.Int(9) != 0;
        return state;
    }
    if (rc == SQLITE_DONE) {
        return state;
    }
    return LastFailure(db, rc);
}

// Writes the profile's row; `edit` and `unsent` as given.
Status WriteFirm(Database& db, const FirmProfile& firm, std::int64_t edit, bool unsent) {
    Statement upsert;
    int rc = upsert.Prepare(
        db,
        "INSERT INTO firm_profile (id, name, address, phone, email, licence, prefix, logo, logo_type, "
        "changed_at, edit, unsent) VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (id) DO UPDATE "
        "SET "
        "name = excluded.name, address = excluded.address, phone = excluded.phone, email = excluded.email, "
        "licence = excluded.licence, prefix = excluded.prefix, logo = excluded.logo, logo_type = "
        "excluded.logo_type, changed_at = excluded.changed_at, edit = excluded.edit, unsent = "
        "excluded.unsent");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    int index = 1;
    for (const std::string* text :
         {&firm.name, &firm.address, &firm.phone, &firm.email, &firm.licence, &firm.prefix}) {
        upsert.Bind(index++, std::string_view(*text));
    }
    firm.logo.empty() ? upsert.BindNull(index++) : upsert.BindBlob(index++, FirmBytes(firm.logo));
    firm.logo.empty() ? upsert.BindNull(index++) : upsert.Bind(index++, std::string_view(firm.logoType));
    upsert.Bind(index++, std::string_view(NowIso8601()));
    upsert.Bind(index++, edit);
    upsert.Bind(index, std::int64_t{unsent ? 1 : 0});
    if ((rc = upsert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return Done{};
}

}  // namespace

std::string LogoTypeOf(const std::string& bytes) {
    if (StartsWith(bytes, 0, "\x89PNG\r\n\x1a\n")) {
        return "png";
    }
    std::size_t at = StartsWith(bytes, 0, "\xEF\xBB\xBF") ? 3 : 0;
    while (at < bytes.size() &&
           (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n')) {
        ++at;
    }
    for (std::string_view start : {"<?xml", "<svg", "<!--", "<!DOCTYPE svg"}) {
        if (StartsWith(bytes, at, start) && bytes.find("<svg", at) != std::string::npos &&
            bytes.find('\0') == std::string::npos) {
            return "svg";
        }
    }
    return {};
}

bool IsReportPrefix(const std::string& prefix) {
    if (prefix.empty() || prefix.size() > kMostPrefixCharacters) {
        return false;
    }
    for (const char c : prefix) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

std::optional<Failure> FirmRefusal(const FirmProfile& firm) {
    for (const std::string* text : {&firm.name, &firm.phone, &firm.email, &firm.licence}) {
        if (FirmTextCharacters(*text) > kMostFirmFieldCharacters || ValidUtf8(*text) != *text) {
            return Refused(kFirmTextTooLong, {std::to_string(kMostFirmFieldCharacters),
                                              std::to_string(kMostFirmAddressCharacters)});
        }
    }
    if (FirmTextCharacters(firm.address) > kMostFirmAddressCharacters ||
        ValidUtf8(firm.address) != firm.address) {
        return Refused(kFirmTextTooLong, {std::to_string(kMostFirmFieldCharacters),
                                          std::to_string(kMostFirmAddressCharacters)});
    }
    if (!firm.prefix.empty() && !IsReportPrefix(firm.prefix)) {
        return Refused(kPrefixNotUnderstood, {firm.prefix});
    }
    if (firm.logo.size() > kMostLogoBytes) {
        return Refused(kLogoTooLarge, {std::to_string(kMostLogoBytes / 1024)});
    }
    if (!firm.logo.empty() && (LogoTypeOf(firm.logo).empty() || LogoTypeOf(firm.logo) != firm.logoType)) {
        return Refused(kLogoNotPngOrSvg);
    }
    return {};
}

Result<FirmProfile> LoadFirm(Archive& archive) {
    FirmProfile firm;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Result<FirmState> state = ReadState(db);
        if (!state) {
            return state.Error();
        }
        firm = std::move(state.Value().firm);
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return firm;
}

Status SaveFirm(Archive& archive, const FirmProfile& firm) {
    if (const std::optional<Failure> refusal = FirmRefusal(firm)) {
        return *refusal;
    }
    return archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        const Result<FirmState> state = ReadState(db);
        if (!state) {
            return state.Error();
        }
        return WriteFirm(db, firm, state.Value().edit + 1, true);
    });
}

Result<FirmState> ReadFirmState(Database& db) {
    return ReadState(db);
}

Status MarkFirmSent(Database& db, std::int64_t edit) {
    Statement update;
    int rc = update.Prepare(db, "UPDATE firm_profile SET unsent = 0 WHERE id = 1 AND edit = ?");
    if (rc == SQLITE_OK) {
        update.Bind(1, edit);
        rc = update.Step();
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return Done{};
}

Status TakeServerFirm(Database& db, const FirmProfile& firm) {
    if (const std::optional<Failure> refusal = FirmRefusal(firm)) {
        return *refusal;
    }
    const Result<FirmState> state = ReadState(db);
    if (!state) {
        return state.Error();
    }
    if (state.Value().unsent) {
        return Done{};
    }
    return WriteFirm(db, firm, state.Value().edit, false);
}

}  // namespace terrovane::archive
