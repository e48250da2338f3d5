#include "SpokenDisplay.h"

#include <cctype>

#include "ModeName.h"
#include "PanelControls.h"

namespace terrovane::panel {
namespace {

// The quantity the letters on the display name, read as they are drawn.
std::string QuantityWords(const PanelView& view) {
    const auto shown = [&view](int id) { return view.IsVisible(id); };
    if (shown(kJammingMark))
        return shown(kLetterU) ? "U jamming" : shown(kLetterF) ? "F jamming" : "";
    if (shown(kLetterU))
        return "U test";
    if (shown(kLetterF))
        return "F test";
    if (shown(kLetterRho))
        return "rho";
    if (shown(kLetterR)) {
        const std::pair<int, const char*> subscripts[] = {
            {kSubE, "RE"}, {kSubWave, "RAC"}, {kSub1, "R1"}, {kSub2, "R2"}, {kSubK, "RK"}};
        for (const auto& [id, words] : subscripts)
            if (shown(id))
                return words;
        return "R";
    }
    return shown(kAmpere) ? "I" : "";
}

std::string UnitWords(const PanelView& view) {
    const std::pair<int, const char*> units[] = {{kKiloOhm, "kohm"}, {kMetre, "ohm m"}, {kOhm, "ohm"},
                                                 {kHertz, "Hz"},     {kVolt, "V"},      {kAmpere, "A"}};
    for (const auto& [id, words] : units)
        if (view.IsVisible(id))
            return words;
    return "";
}

std::string ReadingWords(const PanelView& view) {
    if (view.IsVisible(kDash1))
        return "----";
    if (view.IsVisible(kAutomaticFrequency))
        return "automatic";
    const auto digits = view.texts.find(kMainDigits);
    if (digits == view.texts.end())
        return "";
    std::string text = digits->second;
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return (view.IsVisible(kOverMark) ? ">" : "") + text;
}

void Append(std::string& sentence, const std::string& part, const char* separator) {
    if (part.empty())
        return;
    if (!sentence.empty())
        sentence += separator;
    sentence += part;
}

}  // namespace

std::string SpokenModeName(std::uint32_t mode) {
    const std::string name = format::ModeName(mode);
    if (name == "\xCF\x81")
        return "resistivity";
    if (name == "Iac")
        return "current";
    std::string spoken;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool wordAfterDigit = i > 0 && std::isdigit(static_cast<unsigned char>(name[i - 1])) &&
                                    std::isalpha(static_cast<unsigned char>(name[i]));
        if (wordAfterDigit)
            spoken += '-';
        // "Pole" and "Clamp" are words; "AC" and "DC" stay as written.
        const bool capitalisedWord = std::isupper(static_cast<unsigned char>(name[i])) &&
                                     i + 1 < name.size() &&
                                     std::islower(static_cast<unsigned char>(name[i + 1]));
        spoken +=
            capitalisedWord ? static_cast<char>(std::tolower(static_cast<unsigned char>(name[i]))) : name[i];
    }
    return name == "  " ? "" : spoken;
}

std::string SpokenDisplay(const PanelView& view, std::uint32_t mode) {
    std::string reading = QuantityWords(view);
    Append(reading, ReadingWords(view), " ");
    Append(reading, UnitWords(view), " ");
    std::string sentence = reading;
    if (view.IsVisible(kSlotDigits)) {
        Append(sentence, SpokenModeName(mode), ", ");
        Append(sentence, "slot " + view.texts.at(kSlotDigits), ", ");
    }
    return sentence;
}

}  // namespace terrovane::panel
