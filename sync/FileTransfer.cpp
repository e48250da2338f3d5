#include "FileTransfer.h"

#include <algorithm>
#include <span>

#include "ContentKey.h"
#include "LocalSql.h"
#include "TextArray.h"

namespace terrovane::sync {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string DigestOf(const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return archive::HexText(archive::Sha256(std::span(data, bytes.size())));
}

}  // namespace

const LocalFileBytes kAttachmentBytes{
    "SELECT hex(substr(b.bytes, ?2, ?3)) FROM attachment_bytes b JOIN attachment_files f ON f.id = b.file_id "
    "WHERE f.digest = ?1"};
const LocalFileBytes kReportBytes{
    "SELECT hex(substr(b.bytes, ?2, ?3)) FROM report_file_bytes b JOIN report_files f ON f.id = b.file_id "
    "WHERE f.digest = ?1"};

bool RefusedThing(const pg::QueryResult& answer) {
    return answer.error == pg::ErrorClass::Rejected || answer.sqlState == "22023" ||
           answer.sqlState == "54000";
}

std::optional<std::string> BytesOfHex(const std::string& hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t at = 0; at < hex.size(); at += 2) {
        const int high = HexValue(hex[at]);
        const int low = HexValue(hex[at + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

std::optional<std::vector<std::string>> FilesMissing(const FileLink& link,
                                                     const std::vector<std::string>& wanted) {
    // The server takes so many digests a call; a first sync of a large archive asks in several.
    constexpr std::size_t kDigestsPerCall = 1000;
    std::vector<std::string> missing;
    for (std::size_t from = 0; from < wanted.size(); from += kDigestsPerCall) {
        const std::vector<std::string> some(
            wanted.begin() + static_cast<std::ptrdiff_t>(from),
            wanted.begin() + static_cast<std::ptrdiff_t>(std::min(wanted.size(), from + kDigestsPerCall)));
        const pg::QueryResult answer = link.call("SELECT terrovane.files_missing($1, $2::text[])",
                                                 {link.layout, pg::TextArray(some)}, {});
        if (RefusedThing(answer)) {
            return missing;  // a viewer: each file is then refused on its own and listed
        }
        if (!answer.Ok()) {
            link.failed(answer);
            return std::nullopt;
        }
        for (const auto& row : answer.rows) {
            missing.push_back(row[0].value_or(""));
        }
    }
    return missing;
}

Sent UploadFile(const FileLink& link, const LocalFileBytes& where, const std::string& digest,
                std::int64_t size, pg::QueryResult& refusal) {
    const auto piece = static_cast<std::int64_t>(kFilePieceBytes);
    for (std::int64_t at = 0; at < size; at += piece) {
        std::optional<std::string> bytes;
        if (!link.local([&](archive::Database& db) {
                bytes = BytesOfHex(
                    Single(db, where.pieceSql, {digest, at + 1, std::min(piece, size - at)}).value_or(""));
            })) {
            return Sent::Stop;
        }
        if (!bytes || bytes->empty()) {
            link.failed(pg::QueryResult::Failure(pg::ErrorClass::Failed,
                                                 "the archive holds fewer bytes of a file than it lists"));
            return Sent::Stop;
        }
        const pg::QueryResult answer = link.call(
            "SELECT terrovane.put_file_piece($1, $2, $3::bigint, $4::bytea)",
            {link.layout, digest, std::to_string(at), std::move(*bytes)}, {false, false, false, true});
        if (!answer.Ok()) {
            if (RefusedThing(answer)) {
                refusal = answer;
                return Sent::Refused;
            }
            link.failed(answer);
            return Sent::Stop;
        }
    }
    const pg::QueryResult finished =
        link.call("SELECT terrovane.finish_file($1, $2)", {link.layout, digest}, {});
    if (!finished.Ok()) {
        if (RefusedThing(finished)) {
            refusal = finished;
            return Sent::Refused;
        }
        link.failed(finished);
        return Sent::Stop;
    }
    return Sent::Done;
}

std::optional<std::string> DownloadFile(const FileLink& link, const std::string& digest, std::int64_t size,
                                        SyncReport& report) {
    std::string bytes;
    const auto piece = static_cast<std::int64_t>(kFilePieceBytes);
    for (std::int64_t at = 0; at < size; at += piece) {
        const pg::QueryResult answer = link.call(
            "SELECT encode(terrovane.file_piece($1, $2, $3::bigint, $4), 'hex')",
            {link.layout, digest, std::to_string(at), std::to_string(std::min(piece, size - at))}, {});
        if (!answer.Ok()) {
            link.failed(answer);
            return std::nullopt;
        }
        const std::optional<std::string> got = BytesOfHex(answer.Scalar());
        if (!got || got->empty()) {
            break;
        }
        bytes += *got;
    }
    if (static_cast<std::int64_t>(bytes.size()) != size || DigestOf(bytes) != digest) {
        report.error = SyncError::ServerFailed;
        report.detail = "a file from the server whose bytes are not those of its digest: " + digest;
        return std::nullopt;
    }
    return bytes;
}

void ListRefusal(archive::Database& db, const std::string& kind, const std::string& key,
                 const pg::QueryResult& refusal) {
    Exec(db, "INSERT OR REPLACE INTO sync_rejected VALUES (?1, ?2, 'file', NULL, ?3, ?4)",
         {kind, key, refusal.sqlState, refusal.message});
}

}  // namespace terrovane::sync
