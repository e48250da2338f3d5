#include "PrintForm.h"

#include <QPaintDevice>
#include <QPainter>

namespace terrovane::form {
namespace {

constexpr std::size_t kTextBufferSize = 5000;

}  // namespace

PrintForm::PrintForm(QPainter& painter, int left, int top, int right, int bottom, int mapMode,
                     int orientation)
    : mapMode_(mapMode == kMapScaled ? kMapScaled : kMapPixels),
      orientation_(orientation),
      textBuffer_(kTextBufferSize) {
    state_.painter = &painter;
    const QPaintDevice* device = painter.device();
    axisX_ = {mapMode_, device ? device->logicalDpiX() : 96, 0.0, kScaledExtent};
    axisY_ = {mapMode_, device ? device->logicalDpiY() : 96, 0.0, kScaledExtent};
    axisX_.pageInches = axisX_.resolution > 0 ? static_cast<double>(right) / axisX_.resolution : 0.0;
    axisY_.pageInches = axisY_.resolution > 0 ? static_cast<double>(bottom) / axisY_.resolution : 0.0;
    if (mapMode_ == kMapScaled) {
        painter.setWindow(0, 0, kScaledExtent, kScaledExtent);
        painter.setViewport(left, top, right, bottom);
        state_.rightLimit = state_.bottomLimit = state_.pageWidth = state_.pageHeight = kScaledExtent;
    } else {
        state_.x = left;
        state_.y = top;
        state_.rightLimit = state_.pageWidth = right;
        state_.bottomLimit = state_.pageHeight = bottom;
    }
    state_.centringOffset = InchesToUnits(CentringOffsetInches(axisX_.pageInches, orientation_), axisX_);
}

PrintForm::~PrintForm() = default;

void PrintForm::Release() {
    regions_.clear();
    stack_.Clear();
}

int PrintForm::ToDevice(double value, Unit unit, bool horizontal) const {
    if (unit == Unit::Device)
        return static_cast<int>(value);
    return horizontal ? ToDeviceX(value) : ToDeviceY(value);
}

double PrintForm::FromDevice(int value, Unit unit, bool horizontal) const {
    if (unit == Unit::Device)
        return value;
    return horizontal ? ToInchesX(value) : ToInchesY(value);
}

double PrintForm::SetLineSpacing(double factor) {
    return std::exchange(lineSpacing_, factor);
}

std::string PrintForm::SetFaceName(const std::string& face) {
    return std::exchange(state_.faceName, face);
}

int PrintForm::SetCurrentRow(int row) {
    return std::exchange(state_.y, row);
}

QColor PrintForm::SetTextColor(const QColor& color) {
    return std::exchange(state_.textColor, color);
}

int PrintForm::SetPointSize(int pointSize) {
    return std::exchange(state_.pointSize, pointSize);
}

int PrintForm::SetRightLimit(int limit) {
    return std::exchange(state_.rightLimit, limit == -1 ? state_.pageWidth : limit);
}

int PrintForm::SetBottomLimit(int limit) {
    return std::exchange(state_.bottomLimit, limit == -1 ? state_.pageHeight : limit);
}

const SubRegion* PrintForm::CreateSubRegion(double left, double top, double right, double bottom, Unit unit) {
    SubRegion region{ToDevice(left, unit, true), ToDevice(top, unit, false), ToDevice(right, unit, true),
                     ToDevice(bottom, unit, false)};
    const bool inside = region.left >= 0 && region.top >= 0 && region.left < region.right &&
                        region.top < region.bottom && region.right <= state_.pageWidth &&
                        region.bottom <= state_.pageHeight;
    if (!inside)
        return nullptr;
    regions_.push_back(std::make_unique<SubRegion>(region));
    return regions_.back().get();
}

}  // namespace terrovane::form
