#include "FindQuery.h"

#include <cstdint>

namespace terrovane::archive {
namespace {

// The code point of the UTF-8 sequence at `at`, moving `at` past it; a byte that starts no valid
// sequence counts as itself (it can only be found as typed).
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = static_cast<unsigned char>(text[at++]);
    const int more = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    char32_t code = more == 0 ? byte : byte & (0x3F >> more);
    for (int i = 0; i < more && at < text.size(); ++i) {
        const auto next = static_cast<unsigned char>(text[at]);
        if ((next & 0xC0) != 0x80) {
            break;
        }
        code = code << 6 | (next & 0x3F);
        ++at;
    }
    return code;
}

bool IsSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0x3000 ||
           c == 0xA0;
}

// The same ranges as kEastAsianGlob.
bool IsEastAsian(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF);
}

// Punctuation and symbols, which the index's word splitting drops: a word of these alone has nothing to
// find, and would make a whole search find nothing. Letters and digits of any script are kept.
bool IsMark(char32_t c) {
    if (c < 0x80) {
        return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
    }
    const bool latin1Mark = c >= 0xA0 && c <= 0xBF && c != 0xAA && c != 0xB2 && c != 0xB3 && c != 0xB5 &&
                            c != 0xB9 && c != 0xBA && (c < 0xBC || c > 0xBE);
    return latin1Mark || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x206F) ||
           (c >= 0x20A0 && c <= 0x20CF) || (c >= 0x2190 && c <= 0x23FF) || (c >= 0x2500 && c <= 0x27BF) ||
           (c >= 0x2900 && c <= 0x2BFF);
}

// A phrase of the index's query syntax holding `word` exactly: a quote inside is doubled.
std::string Quoted(std::string_view word) {
    std::string quoted = "\"";
    for (char c : word) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

void AddWord(FindQuery& query, std::string_view word) {
    std::size_t at = 0;
    std::size_t characters = 0;
    bool eastAsian = false;
    bool findable = false;
    while (at < word.size()) {
        const char32_t c = NextCodePoint(word, at);
        ++characters;
        eastAsian = eastAsian || IsEastAsian(c);
        findable = findable || !IsMark(c);
    }
    if (eastAsian && characters >= 3) {
        query.grams.push_back(Quoted(word));
    } else if (eastAsian) {
        query.fragments.emplace_back(word);
    } else if (findable) {
        query.words.push_back(Quoted(word) + "*");
    }
}

std::string AllOf(const std::vector<std::string>& phrases) {
    std::string joined;
    for (const std::string& phrase : phrases) {
        joined += (joined.empty() ? "" : " AND ") + phrase;
    }
    return joined;
}

}  // namespace

FindQuery ParseFind(std::string_view text) {
    FindQuery query;
    std::size_t start = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t before = at;
        if (IsSpace(NextCodePoint(text, at))) {
            if (before > start) {
                AddWord(query, text.substr(start, before - start));
            }
            start = at;
        }
    }
    if (text.size() > start) {
        AddWord(query, text.substr(start));
    }
    return query;
}

FindSql FindKeysSql(const FindQuery& query) {
    FindSql found;
    std::vector<std::string> parts;
    if (!query.words.empty()) {
        parts.emplace_back("SELECT rowid AS k FROM find_words WHERE find_words MATCH ?");
        found.values.push_back(AllOf(query.words));
    }
    if (!query.grams.empty()) {
        parts.emplace_back("SELECT rowid AS k FROM find_grams WHERE find_grams MATCH ?");
        found.values.push_back(AllOf(query.grams));
    }
    // Fewer than three characters are below what the trigram index can look up: the entries with East
    // Asian text are few enough to be read through.
    for (const std::string& fragment : query.fragments) {
        parts.emplace_back("SELECT rowid AS k FROM find_grams WHERE instr(lower(body), lower(?)) > 0");
        found.values.push_back(fragment);
    }
    if (parts.empty()) {
        found.sql = "SELECT NULL AS k WHERE 0";
    }
    for (const std::string& part : parts) {
        found.sql += (found.sql.empty() ? "" : " INTERSECT ") + part;
    }
    return found;
}

}  // namespace terrovane::archive
