#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace terrovane::archive {

// One connection to an SQLite file, closed with the object. Every call reports the library's result code;
// Error() gives the text of the last failure.
class Database {
  public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (creating when allowed) without following a symbolic link at the path.
    int Open(const std::string& path, bool create);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    // Runs one or more statements without results.
    int Exec(const char* sql);
    std::string Error() const;
    int ExtendedErrorCode() const;
    std::int64_t LastInsertId() const;
    sqlite3* Handle() const { return handle_; }

  private:
    sqlite3* handle_ = nullptr;
};

// One prepared statement. Bind indices start at 1, column indices at 0.
class Statement {
  public:
    Statement() = default;
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int Prepare(Database& db, std::string_view sql);
    bool IsPrepared() const { return handle_ != nullptr; }

    void Bind(int index, std::int64_t value);
    void Bind(int index, double value);
    void Bind(int index, std::string_view text);
    void BindBlob(int index, std::span<const std::uint8_t> bytes);
    void BindNull(int index);
    void Bind(int index, const std::optional<std::string>& text);

    // SQLITE_ROW while rows come, SQLITE_DONE at the end, any other code on failure.
    int Step();
    // Ready for new bindings and a new run.
    void Reset();

    int ColumnCount() const;
    bool IsNull(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;
    std::vector<std::uint8_t> Blob(int column) const;

  private:
    sqlite3_stmt* handle_ = nullptr;
};

}  // namespace terrovane::archive
