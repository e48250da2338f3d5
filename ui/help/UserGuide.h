#pragma once

#include <QString>

class QWidget;

namespace terrovane::help {

class GuideWindow;

// The pages F1 opens: the anchors of the user guide's headings, as the guide's own links name them.
inline constexpr char kPageReading[] = "reading-the-instrument";
inline constexpr char kPageArchive[] = "the-archive";
inline constexpr char kPageSoil[] = "soil-model";
inline constexpr char kPageFallOfPotential[] = "fall-of-potential";
inline constexpr char kPageGrid[] = "grid-safety";
inline constexpr char kPageTeam[] = "team";

// The anchor a heading gets, as Markdown renderers make it: lower case, spaces to hyphens, punctuation
// dropped ("Sites, test points, limits and verdicts" -> "sites-test-points-limits-and-verdicts").
QString HeadingAnchor(const QString& heading);

// The built-in guide file for a language code ("de"): its translation where one is built in, else the
// English guide.
QString GuideFileFor(const QString& languageCode);

// F1 (the desktop's help key) in `window` opens the user guide at `page`.
void OpenGuideOnHelpKey(QWidget* window, const char* page);

// Opens (or raises) the one guide window of the program at `page` of the guide in the program's language.
GuideWindow* OpenUserGuide(const char* page);

}  // namespace terrovane::help
