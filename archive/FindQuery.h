#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace terrovane::archive {

// A person's search text as the full-text index takes it. The text is never the index's query syntax:
// each word is quoted, so quotes, stars, colons, dashes and the words AND, OR, NOT and NEAR are found as
// typed. Every word must be in the same entry (a site's name, address and notes are one entry); each is
// taken as the start of a word, so the list narrows as one types. Words with Chinese, Japanese or Korean
// characters are found anywhere in a text instead, as those languages write no spaces between words.
struct FindQuery {
    std::vector<std::string> words;      // find_words phrases: "word"*
    std::vector<std::string> grams;      // find_grams phrases of three characters or more: "文字列"
    std::vector<std::string> fragments;  // shorter East Asian words, found as parts of the texts
    // False when the text held no word the index can find (blank, or marks only): nothing matches.
    bool Searchable() const { return !words.empty() || !grams.empty() || !fragments.empty(); }
};

[[nodiscard]] FindQuery ParseFind(std::string_view text);

// SQL with its parameters in order.
struct FindSql {
    std::string sql;
    std::vector<std::string> values;
};

// A SELECT of one column `k`: the rowids of the index's entries that hold every word of `query`.
[[nodiscard]] FindSql FindKeysSql(const FindQuery& query);

}  // namespace terrovane::archive
