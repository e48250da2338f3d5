#include "PageTexts.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "PrintForm.h"

namespace terrovane::form {
namespace {

constexpr std::size_t kTextBufferSize = 5000;

}  // namespace

PageTexts::PageTexts(PrintForm& form)
    : form_(form), state_(form.MutableState()), scale_(form.Scale()), textBuffer_(kTextBufferSize) {}

double PageTexts::PrintTextAt(double row, double column, int attributes, int pointSize, const char* format,
                              ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(textBuffer_.data(), textBuffer_.size(), format, args);
    va_end(args);
    return PrintText(row, column, attributes, pointSize, std::string(textBuffer_.data()), Unit::Inches);
}

double PageTexts::PrintText(double row, double column, int attributes, int pointSize, const std::string& text,
                            Unit unit, double* endColumn) {
    const int deviceColumn = column < 0 ? state_.textRight : scale_.ToDevice(column, unit, true);
    const int deviceRow = scale_.ToDevice(row, unit, false);
    if (form_.Beyond(deviceColumn, deviceRow))
        return scale_.FromDevice(state_.y, unit, false);

    state_.text = text;
    if (pointSize > 0)
        state_.pointSize = pointSize;
    if (attributes != kKeepAttributes)
        state_.attributes = attributes;
    state_.x = deviceColumn;
    state_.y = deviceRow;
    const int offset = state_.centringOffset;
    const int right = std::min(offset + state_.rightLimit, state_.pageWidth - offset);
    int next = form_.Ink().DrawTextIn(
        RectFromEdges(offset + deviceColumn, deviceRow, right, state_.bottomLimit), text);
    if (lineSpacing_ > 1.0)
        next += scale_.ToDeviceY((lineSpacing_ - 1.0) * state_.pointSize / 72.0);
    if (endColumn != nullptr)
        *endColumn = scale_.FromDevice(state_.textRight, unit, true);
    return scale_.FromDevice(next, unit, false);
}

double PageTexts::PrintUserText(double row, double column, int textId, Unit unit) {
    const std::string text = userText_ ? userText_(textId) : std::string();
    return PrintText(row, column, kKeepAttributes, 0, text, unit);
}

double PageTexts::PrintTextInRegion(const SubRegion& region, double row, double column,
                                    const std::string& text, Unit unit) {
    const double top = scale_.FromDevice(region.top, unit, false);
    const double left = scale_.FromDevice(region.left, unit, true);
    return PrintText(top + row, left + column, kKeepAttributes, 0, text, unit);
}

double PageTexts::PrintTextInBox(double left, double top, double right, double bottom, int attributes,
                                 int pointSize, int fill, const std::string& text, Unit unit,
                                 const SubRegion* region) {
    int l = scale_.ToDevice(left, unit, true), t = scale_.ToDevice(top, unit, false);
    int r = scale_.ToDevice(right, unit, true), b = scale_.ToDevice(bottom, unit, false);
    if (region != nullptr) {
        l += region->left, r += region->left, t += region->top, b += region->top;
    }
    if (form_.Beyond(l, t))
        return scale_.FromDevice(state_.y, unit, false);
    form_.SaveState();
    if (pointSize > 0)
        state_.pointSize = pointSize;
    if (attributes != kKeepAttributes)
        state_.attributes = attributes | kBox;
    if (fill != kKeepStyle)
        state_.fill = fill;
    const int offset = state_.centringOffset;
    const int next = form_.Ink().DrawTextIn(RectFromEdges(offset + l, t, offset + r, b), text);
    const PrintState results = state_;
    form_.RestoreState();
    state_.textRight = results.textRight;
    state_.textBottom = results.textBottom;
    state_.nextRow = results.nextRow;
    return scale_.FromDevice(next, unit, false);
}

double PageTexts::SetLineSpacing(double factor) {
    return std::exchange(lineSpacing_, factor);
}

std::string PageTexts::SetFaceName(const std::string& face) {
    return std::exchange(state_.faceName, face);
}

int PageTexts::SetCurrentRow(int row) {
    return std::exchange(state_.y, row);
}

QColor PageTexts::SetTextColor(const QColor& color) {
    return std::exchange(state_.textColor, color);
}

int PageTexts::SetPointSize(int pointSize) {
    return std::exchange(state_.pointSize, pointSize);
}

int PageTexts::SetRightLimit(int limit) {
    return std::exchange(state_.rightLimit, limit == -1 ? state_.pageWidth : limit);
}

int PageTexts::SetBottomLimit(int limit) {
    return std::exchange(state_.bottomLimit, limit == -1 ? state_.pageHeight : limit);
}

}  // namespace terrovane::form
