#pragma once

#include <string>
#include <vector>

#include "TranslationMark.h"

namespace terrovane::imports {

// Why a file, its mapping or one of its rows cannot be taken: fixed texts with what varies as %1, %2, in
// English as the functions return them; texts/ says them in the user's language.
// The file as a whole.
inline constexpr const char* kFileUnreadable =
    QT_TRANSLATE_NOOP("ImportProblems", "the file cannot be read: %1");
inline constexpr const char* kFileTooLarge =
    QT_TRANSLATE_NOOP("ImportProblems", "the file is larger than %1 MiB; split it");
inline constexpr const char* kQuoteOpen =
    QT_TRANSLATE_NOOP("ImportProblems", "the quote opened on line %1 is never closed");
inline constexpr const char* kNotAWorkbook =
    QT_TRANSLATE_NOOP("ImportProblems", "the file is no .xlsx workbook: %1");
inline constexpr const char* kNoSheet =
    QT_TRANSLATE_NOOP("ImportProblems", "the workbook has no sheet \"%1\"; its sheets are %2");
inline constexpr const char* kNoRows =
    QT_TRANSLATE_NOOP("ImportProblems", "the file holds no rows to import");
// The mapping.
inline constexpr const char* kMappingNotJson =
    QT_TRANSLATE_NOOP("ImportProblems", "the mapping is no JSON object: %1");
inline constexpr const char* kMappingInvalid =
    QT_TRANSLATE_NOOP("ImportProblems", "the mapping's \"%1\" is not valid: it takes %2");
inline constexpr const char* kMappingUnknownMember =
    QT_TRANSLATE_NOOP("ImportProblems", "the mapping has no member \"%1\"; its members are %2");
inline constexpr const char* kMappingNeeds =
    QT_TRANSLATE_NOOP("ImportProblems", "the mapping needs a column for %1");
inline constexpr const char* kNoSuchColumn = QT_TRANSLATE_NOOP(
    "ImportProblems", "the mapping names the column \"%1\", which the header row does not have");
inline constexpr const char* kNoMapping =
    QT_TRANSLATE_NOOP("ImportProblems", "no mapping is remembered for a file with this header row; give one");
// One row.
inline constexpr const char* kRowShort = QT_TRANSLATE_NOOP("ImportProblems", "the row has no column %1");
inline constexpr const char* kCellEmpty = QT_TRANSLATE_NOOP("ImportProblems", "the column %1 is empty");
inline constexpr const char* kDateNotInFormat =
    QT_TRANSLATE_NOOP("ImportProblems", "the date \"%1\" is not a date written %2");
inline constexpr const char* kPointNotSitePoint =
    QT_TRANSLATE_NOOP("ImportProblems", "the point \"%1\" is not written SITE/POINT");
inline constexpr const char* kOverRangeWithoutBound =
    QT_TRANSLATE_NOOP("ImportProblems", "the value of %1 is marked over range without its bound: \"%2\"");

// Every text above, for the one boundary that translates them.
const std::vector<const char*>& ImportProblemTexts();

}  // namespace terrovane::imports
