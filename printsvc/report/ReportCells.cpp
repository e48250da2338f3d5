#include "ReportCells.h"

#include <cstdarg>
#include <cstdio>

namespace terrovane::report {
namespace {

using record::MeasurementRecord;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[64];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

bool ModeIn(std::uint32_t mode, std::initializer_list<std::uint32_t> modes) {
    for (const auto m : modes) {
        if (m == mode)
            return true;
    }
    return false;
}

std::string VoltageText(const MeasurementRecord& r) {
    if (ModeIn(r.mode, {6, 7, 8}) || r.voltageCode == 1)
        return "20";
    return r.voltageCode == 2 ? "48" : kBlank;
}

std::string FrequencyText(const MeasurementRecord& r) {
    static const char* const kNames[] = {"94", "105", "111", "128", "AFE"};
    if (ModeIn(r.mode, {7, 8, 10}) || r.frequencyCode < 1 || r.frequencyCode > 5)
        return kBlank;
    return kNames[r.frequencyCode - 1];
}

// Ohms in the bands shared by several columns: below 3, 30, 300 and 3000 ohms.
std::string SmallOhms(double v) {
    if (v < 3)
        return Format("%.3f", v);
    if (v < 30)
        return Format("%.2f", v);
    if (v < 300)
        return Format("%.1f", v);
    return Format("%.0f", v);
}

std::string EarthText(const MeasurementRecord& r, double v) {
    const bool clamp = r.mode == 3 || r.mode == 4;
    if (v < 3)
        return Format("%4.3f", v);
    if (v < 30)
        return Format("%4.2f", v);
    if (v < 300)
        return Format("%3.1f", v);
    if (v < 3000)
        return Format("%4.0f", v);
    if (v < 30000)
        return clamp && v > 20000 ? Format(">%.2fk", 20.0) : Format("%4.2fk", v / 1000);
    if (v <= 300000)
        return clamp ? Format(">%.2fk", 20.0) : Format("%4.1fk", v / 1000);
    return ">300k";
}

std::string TwoClampText(double v) {
    if (v < 3)
        return Format("%.3f", v);
    if (v < 30)
        return Format("%.2f", v);
    if (v < 100)
        return Format("%.1f", v);
    if (v < 150)
        return Format("%.0f", v);
    return ">150.0";
}

std::string KiloOhms(double v, const char* over) {
    if (v <= 100000)
        return Format("%.1fk", v / 1000);
    if (v <= 300000)
        return Format("%.0fk", v / 1000);
    return over;
}

std::string AcText(double v) {
    if (v < 3000)
        return SmallOhms(v);
    if (v < 30000)
        return Format("%.2fk", v / 1000);
    if (v < 300000)
        return Format("%.1fk", v / 1000);
    return ">300k";
}

std::string DcText(double v) {
    if (v > 3000)
        return ">3000";
    if (v > 299.9)
        return Format("%.0f", v);
    if (v > 30)
        return Format("%.1f", v);
    if (v > 3)
        return Format("%.2f", v);
    return Format("%.3f", v);
}

std::string ResistivityText(double v) {
    if (v < 3000)
        return SmallOhms(v);
    if (v < 30000)
        return Format("%.2fk", v / 1000);
    if (v < 1000000)
        return Format("%.1fk", v / 1000);
    return Format(">%.1fk", 999.9);
}

std::string CappedText(double v, double cap) {
    return v > cap ? Format(">%.1f", cap) : Format("%.1f", v);
}

std::string RkText(double v) {
    return v == 0 ? "0.000" : (v > 0 ? Format("%.1f", v) : kBlank);
}

std::string DistanceText(std::uint32_t d) {
    if (d == 0)
        return kBlank;
    return d > 99 ? Format(">%d", 99) : Format("%u", d);
}

// A value column's text: blank when the mode does not use the column or the reading is invalid.
template <typename Render>
std::string ValueText(const MeasurementRecord& r, int index, std::initializer_list<std::uint32_t> modes,
                      Render render, double lowest = 0.0) {
    const double v = r.values[index];
    if (!ModeIn(r.mode, modes) || !(v >= lowest))
        return kBlank;
    return render(v);
}

std::string ReText(const MeasurementRecord& r, const std::string& voltage) {
    const double v = r.values[record::kRe];
    if (!ModeIn(r.mode, {1, 2, 3, 4, 5}) || !(v >= 0))
        return {};
    if (r.mode == 5)
        return TwoClampText(v);
    return voltage == kBlank ? std::string() : EarthText(r, v);
}

constexpr std::initializer_list<std::uint32_t> kAllModes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

std::string ReportModeName(std::uint32_t mode) {
    static const char* const kNames[] = {"3Pole",    "4Pole",    "3Pole Clamp", "4Pole Clamp", "2clamp",
                                         "2Pole AC", "2Pole DC", "4Pole DC",    "ρ",           "Iac"};
    return mode >= 1 && mode <= 10 ? kNames[mode - 1] : kBlank;
}

RowTexts ReportRowTexts(const record::RecordTable& table, std::size_t slot) {
    RowTexts texts;
    texts.fill(kBlank);
    texts[0] = slot < 10 ? Format("0%zu", slot) : Format("%zu", slot);
    texts[6].clear();
    const MeasurementRecord* r = table.At(slot);
    if (r == nullptr)
        return texts;
    texts[1] = ReportModeName(r->mode);
    texts[2] = Format("20%02d-%02d-%02d", record::BcdToInt(r->year), record::BcdToInt(r->month),
                      record::BcdToInt(r->day));
    texts[3] = Format("%02d:%02d:%02d", record::BcdToInt(r->hour), record::BcdToInt(r->minute),
                      record::BcdToInt(r->second));
    texts[4] = VoltageText(*r);
    texts[5] = FrequencyText(*r);
    texts[6] = ReText(*r, texts[4]);
    texts[7] = ValueText(*r, record::kRs, {1, 2, 3, 4}, [](double v) { return KiloOhms(v, ">300.0k"); });
    texts[8] = ValueText(*r, record::kRh, {1, 2, 3, 4}, [](double v) { return KiloOhms(v, ">300k"); });
    texts[9] = ValueText(*r, record::kRac, {6}, AcText);
    texts[10] = ValueText(*r, record::kR1, {7, 8}, DcText);
    texts[11] = ValueText(*r, record::kR2, {7, 8}, DcText);
    texts[12] = ValueText(*r, record::kResistivity, {9}, ResistivityText);
    texts[13] = ValueText(*r, record::kRk, {1, 3, 6, 7}, RkText);
    texts[14] =
        ValueText(*r, record::kJammingFrequency, kAllModes, [](double v) { return CappedText(v, 999.9); });
    texts[15] = ValueText(
        *r, record::kJammingVoltage, kAllModes, [](double v) { return CappedText(v, 50); }, 1.0);
    texts[16] = ValueText(*r, record::kIac, {10}, [](double v) { return CappedText(v, 2.2); });
    if (r->mode == 9)
        texts[17] = DistanceText(r->integerValue);
    return texts;
}

}  // namespace terrovane::report
