#pragma once

#include <string>
#include <vector>

#include "TranslationMark.h"

namespace terrovane::analysis {

// What an analysis says about the results it was given (left out and why, distances taken as stored,
// spacings merged) and about its solver: fixed texts with what varies as %1, %2. The notes are these texts
// filled, in English, as the files (the JSON's "left_out") and the command line's scripts keep them; the
// windows and the command line's messages say them in the user's language by looking the text up in
// NoteTexts().
inline constexpr const char* kSlotSource = QT_TRANSLATE_NOOP("AnalysisNotes", "slot %1");
// An archived result by what a person sees of it: its slot and the date the instrument measured it. Notes
// stored before named a result by its archive id, which nobody sees ("result %1"); they are still read.
inline constexpr const char* kArchivedSource = QT_TRANSLATE_NOOP("AnalysisNotes", "slot %1 of %2");
inline constexpr const char* kResultSource = QT_TRANSLATE_NOOP("AnalysisNotes", "result %1");
inline constexpr const char* kLeftOutOverRange =
    QT_TRANSLATE_NOOP("AnalysisNotes", "%1: %2 %3 is over range, no measured value; left out");
inline constexpr const char* kLeftOutNoValue =
    QT_TRANSLATE_NOOP("AnalysisNotes", "%1: no valid %2; left out");
inline constexpr const char* kLeftOutDoubtful =
    QT_TRANSLATE_NOOP("AnalysisNotes", "%1: doubtful (%2); left out");
inline constexpr const char* kLeftOutNoDistance =
    QT_TRANSLATE_NOOP("AnalysisNotes", "%1: no measuring distance; left out");
inline constexpr const char* kDistanceAsStored =
    QT_TRANSLATE_NOOP("AnalysisNotes", "%1: distance shown as >99; the stored %2 m is used");
inline constexpr const char* kSpacingMerged =
    QT_TRANSLATE_NOOP("AnalysisNotes", "%1 results at %2 m: their geometric mean is used");
inline constexpr const char* kSolverNoStart =
    QT_TRANSLATE_NOOP("AnalysisNotes", "the starting model could not be computed");
inline constexpr const char* kSolverOutOfIterations =
    QT_TRANSLATE_NOOP("AnalysisNotes", "the solver stopped after %1 iterations without converging");
inline constexpr const char* kSolverStopped =
    QT_TRANSLATE_NOOP("AnalysisNotes", "the solver stopped without converging: %1");

// Every text above but the sources, for the one boundary that translates them; the sources (the first
// argument of a left-out note) are SourceTexts().
const std::vector<const char*>& NoteTexts();
const std::vector<const char*>& SourceTexts();

// The text with %1, %2, ... replaced by the arguments in one pass.
std::string Noted(const char* text, const std::vector<std::string>& arguments);

// Where a result comes from, as the notes name it: "slot 07" of the read-out at hand, "slot 07 of
// 2026-03-14" for an archived result (`measuredOn` as the instrument dated it).
std::string SlotSource(std::size_t slot);
std::string ArchivedSource(std::size_t slot, const std::string& measuredOn);

}  // namespace terrovane::analysis
