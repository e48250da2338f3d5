#include "NoteTexts.h"

namespace terrovane::analysis {

const std::vector<const char*>& NoteTexts() {
    static const std::vector<const char*> texts = {
        kLeftOutOverRange, kLeftOutNoValue, kLeftOutDoubtful,       kLeftOutNoDistance, kDistanceAsStored,
        kSpacingMerged,    kSolverNoStart,  kSolverOutOfIterations, kSolverStopped};
    return texts;
}

const std::vector<const char*>& SourceTexts() {
    // The longer text first: "slot %1" alone would take "07 of 2026-03-14" for its number.
    static const std::vector<const char*> texts = {kArchivedSource, kSlotSource, kResultSource};
    return texts;
}

std::string Noted(const char* text, const std::vector<std::string>& arguments) {
    std::string noted;
    for (const char* c = text; *c != '\0'; ++c) {
        const bool placeholder = c[0] == '%' && c[1] >= '1' && c[1] <= '9';
        const std::size_t index = placeholder ? static_cast<std::size_t>(c[1] - '1') : 0;
        if (placeholder && index < arguments.size()) {
            noted += arguments[index];
            ++c;
        } else {
            noted += *c;
        }
    }
    return noted;
}

namespace {

std::string TwoDigits(std::size_t slot) {
    const std::string number = std::to_string(slot);
    return number.size() < 2 ? "0" + number : number;
}

}  // namespace

std::string SlotSource(std::size_t slot) {
    return Noted(kSlotSource, {TwoDigits(slot)});
}

std::string ArchivedSource(std::size_t slot, const std::string& measuredOn) {
    return Noted(kArchivedSource, {TwoDigits(slot), measuredOn});
}

}  // namespace terrovane::analysis
