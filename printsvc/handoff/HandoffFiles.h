#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RecordPacket.h"
#include "RecordTable.h"

namespace terrovane::handoff {

inline constexpr const char* kRecordFileName = "data.inf";
inline constexpr const char* kHeaderFileName = "set.inf";
// The same three texts as typed, in UTF-8, beside set.inf: GBK has no "ß", "Ø" or "ł", which set.inf
// would keep as "?". Preferred to set.inf while the two agree.
inline constexpr const char* kHeaderTextFileName = "set.json";
inline constexpr std::size_t kHeaderFieldSize = 256;
inline constexpr std::size_t kHeaderFileSize = 3 * kHeaderFieldSize;  // 768

// Longest entries of the three header texts, in characters.
inline constexpr int kObjectMaxChars = 32;
inline constexpr int kSerialNumberMaxChars = 16;
inline constexpr int kTesterMaxChars = 12;

// The three remembered header texts, UTF-8 (the file holds them in GBK).
struct HeaderTexts {
    std::string object;
    std::string serialNumber;
    std::string tester;
    bool operator==(const HeaderTexts&) const = default;
};

// Hand-off files are read and replaced only as regular files: a symbolic link or anything else planted
// under their names is refused, never followed. The functions without a path work in the hand-off folder
// (and fail, saying why, when it is refused); the ones with a path take a file the user named.

// Writes the 7200-byte image as data.inf. The file is written beside the old one and renamed over it, so
// a reader never sees half a file. On failure returns false and, when `error` is given, says why.
bool WriteRecordFile(const record::ReadOutBuffer& buffer, std::string* error = nullptr);
bool WriteRecordFileAt(const std::string& path, const record::ReadOutBuffer& buffer,
                       std::string* error = nullptr);

// Unpacks a data.inf of exactly 7200 bytes into `table`: every packet marked "U" fills its slot, other
// slots are left as they are. A missing file or one of another length changes nothing. True when unpacked.
bool LoadRecordFile(record::RecordTable& table);
bool LoadRecordFileAt(const std::string& path, record::RecordTable& table);

// Reads set.inf when it is at least 767 bytes long; nullopt otherwise. Each field ends at its first zero
// byte or after 256 bytes. The texts of set.json beside it are taken instead where they say the same as
// set.inf in GBK (or set.inf is not there): the letters GBK lacks come back as typed. A set.json that
// another program's later set.inf contradicts, or one that cannot be read, is passed over.
std::optional<HeaderTexts> LoadHeaderFile();
std::optional<HeaderTexts> LoadHeaderFileAt(const std::string& path);
// set.json's place for a set.inf at `path`: the same folder and name, ending ".json" for ".inf".
std::string HeaderTextPathFor(const std::string& headerPath);

// The two loaders' reading of bytes already in hand: a data.inf's bytes (exactly 7200, or nothing is
// unpacked) and a set.inf's first bytes (at least 767).
bool UnpackRecordBytes(std::string_view bytes, record::RecordTable& table);
std::optional<HeaderTexts> ParseHeaderBytes(std::string_view bytes);

// Writes set.inf: three 256-byte fields in GBK, zero-padded (a text longer than its field is cut at a
// character boundary), and then set.json beside it with the texts as they are, each file written whole.
// False when either could not be written (when set.inf could not, neither was).
bool SaveHeaderFile(const HeaderTexts& texts);
bool SaveHeaderFileAt(const std::string& path, const HeaderTexts& texts);

// What keeps the hand-off from working safely, one sentence each: a refused hand-off folder, or a data.inf
// or set.inf there that is not a regular file. Empty when there is nothing to tell.
std::vector<std::string> HandoffProblems();

}  // namespace terrovane::handoff
