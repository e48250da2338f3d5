#include "Sqlite.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdlib>
#include <utility>

namespace terrovane::archive {
namespace {

// Five seconds; TERROVANE_ARCHIVE_WAIT_MS shortens it for tests of an archive locked past the wait.
int BusyWaitMs() {
    const char* text = std::getenv("TERROVANE_ARCHIVE_WAIT_MS");
    int ms = 0;
    if (text != nullptr) {
        const std::string_view digits(text);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), ms);
        if (error == std::errc() && end == digits.data() + digits.size() && ms >= 0) {
            return ms;
        }
    }
    return 5000;
}

}  // namespace

Database::~Database() {
    Close();
}

int Database::Open(const std::string& path, bool create) {
    Close();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOFOLLOW |
                      SQLITE_OPEN_FULLMUTEX;
    const int rc = sqlite3_open_v2(path.c_str(), &handle_, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(handle_, 1);
        // Another program (the command line beside the window) may hold the write lock for a moment.
        sqlite3_busy_timeout(handle_, BusyWaitMs());
    }
    return rc;
}

void Database::Close() {
    if (handle_ != nullptr) {
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
    }
}

int Database::Exec(const char* sql) {
    return sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr);
}

std::string Database::Error() const {
    return handle_ != nullptr ? sqlite3_errmsg(handle_) : "the archive is not open";
}

int Database::ExtendedErrorCode() const {
    return handle_ != nullptr ? sqlite3_extended_errcode(handle_) : SQLITE_MISUSE;
}

std::int64_t Database::LastInsertId() const {
    return sqlite3_last_insert_rowid(handle_);
}

Statement::~Statement() {
    sqlite3_finalize(handle_);
}

Statement::Statement(Statement&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

int Statement::Prepare(Database& db, std::string_view sql) {
    sqlite3_finalize(handle_);
    handle_ = nullptr;
    if (db.Handle() == nullptr) {
        return SQLITE_MISUSE;
    }
    return sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &handle_, nullptr);
}

void Statement::Bind(int index, std::int64_t value) {
    sqlite3_bind_int64(handle_, index, value);
}

void Statement::Bind(int index, double value) {
    sqlite3_bind_double(handle_, index, value);
}

void Statement::Bind(int index, std::string_view text) {
    sqlite3_bind_text(handle_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Statement::BindBlob(int index, std::span<const std::uint8_t> bytes) {
    sqlite3_bind_blob(handle_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

void Statement::BindNull(int index) {
    sqlite3_bind_null(handle_, index);
}

void Statement::Bind(int index, const std::optional<std::string>& text) {
    if (text) {
        Bind(index, std::string_view(*text));
    } else {
        BindNull(index);
    }
}

int Statement::Step() {
    return sqlite3_step(handle_);
}

void Statement::Reset() {
    sqlite3_reset(handle_);
    sqlite3_clear_bindings(handle_);
}

int Statement::ColumnCount() const {
    return sqlite3_column_count(handle_);
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(handle_, column) == SQLITE_NULL;
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(handle_, column);
}

double Statement::Real(int column) const {
    return sqlite3_column_double(handle_, column);
}

std::string Statement::Text(int column) const {
    const auto* text = sqlite3_column_text(handle_, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text),
                                         static_cast<std::size_t>(sqlite3_column_bytes(handle_, column)))
                           : std::string();
}

std::vector<std::uint8_t> Statement::Blob(int column) const {
    const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(handle_, column));
    const int size = sqlite3_column_bytes(handle_, column);
    return bytes != nullptr ? std::vector<std::uint8_t>(bytes, bytes + size) : std::vector<std::uint8_t>();
}

}  // namespace terrovane::archive
