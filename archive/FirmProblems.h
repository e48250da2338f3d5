#pragma once

#include "TranslationMark.h"

namespace terrovane::archive {

// Why the firm's profile, a report number or an issued report is refused or not found (see Problems.h).
inline constexpr const char* kFirmTextTooLong =
    QT_TRANSLATE_NOOP("ArchiveProblems",
                      "the firm's name, phone, e-mail and licence take at most %1 characters each, its "
                      "address %2, all as text");
inline constexpr const char* kPrefixNotUnderstood = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "a report number's prefix is 1 to 12 letters (A-Z) and digits, not \"%1\"");
inline constexpr const char* kLogoTooLarge =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the logo is larger than %1 kB, the most a logo may be");
inline constexpr const char* kLogoNotPngOrSvg =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the logo is neither a PNG image nor an SVG drawing");
inline constexpr const char* kNoReportPrefix = QT_TRANSLATE_NOOP(
    "ArchiveProblems",
    "the firm has no prefix for its report numbers yet: set one (terrovane-cli firm set --prefix P, or "
    "Settings > Firm... in the archive window)");
inline constexpr const char* kNoIssuedReport =
    QT_TRANSLATE_NOOP("ArchiveProblems", "no report numbered \"%1\" was issued from this archive");
inline constexpr const char* kNoReportRevision =
    QT_TRANSLATE_NOOP("ArchiveProblems", "report %1 has no revision %2");
inline constexpr const char* kReportOfOtherSite =
    QT_TRANSLATE_NOOP("ArchiveProblems", "report %1 was issued for the site \"%2\", not for \"%3\"");
inline constexpr const char* kRevisionTaken =
    QT_TRANSLATE_NOOP("ArchiveProblems", "revision %1 of report %2 was issued meanwhile; issue it again");

}  // namespace terrovane::archive
