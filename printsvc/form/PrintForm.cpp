#include "PrintForm.h"

#include <QPainter>

namespace terrovane::form {

PrintForm::PrintForm(QPainter& painter, int left, int top, int right, int bottom, int mapMode,
                     int orientation)
    : scale_(painter.device(), right, bottom, mapMode, orientation),
      ink_(state_, scale_.ResolutionY()),
      texts_(*this),
      shapes_(*this),
      regions_(state_, scale_) {
    state_.painter = &painter;
    if (scale_.MapMode() == kMapScaled) {
        painter.setWindow(0, 0, kScaledExtent, kScaledExtent);
        painter.setViewport(left, top, right, bottom);
        state_.rightLimit = state_.bottomLimit = state_.pageWidth = state_.pageHeight = kScaledExtent;
    } else {
        state_.x = left;
        state_.y = top;
        state_.rightLimit = state_.pageWidth = right;
        state_.bottomLimit = state_.pageHeight = bottom;
    }
    state_.centringOffset = scale_.CentringUnits();
}

PrintForm::~PrintForm() = default;

void PrintForm::Release() {
    regions_.Clear();
    stack_.Clear();
}

void PrintForm::DrawTable(FormRow& row) {
    const int right = row.inInches == 1 ? scale_.ToDeviceX(row.right) : static_cast<int>(row.right);
    if (state_.rightLimit < right)
        return;
    SaveState();
    const PrintState before = state_;
    row.printer = std::make_unique<RowPrinter>(*this, row);
    row.printer->Draw();
    state_ = before;
    RestoreState();
}

}  // namespace terrovane::form
