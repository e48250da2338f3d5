#include <numeric>

#include "PrintForm.h"
#include "TextAttributes.h"

namespace terrovane::form {

FormRow::FormRow() = default;
FormRow::~FormRow() = default;
FormRow::FormRow(FormRow&&) noexcept = default;
FormRow& FormRow::operator=(FormRow&&) noexcept = default;

std::vector<int> FitColumnWidths(std::vector<int> widths, int left, int right) {
    if (widths.empty())
        return widths;
    const int sum = std::accumulate(widths.begin(), widths.end(), 0);
    widths.back() += right - (left + sum);
    return widths;
}

std::string ColumnTitle(const FormCell& cell, int index) {
    return cell.title.empty() ? "Col " + std::to_string(index + 1) : cell.title;
}

RowPrinter::RowPrinter(PrintForm& form, FormRow& row) : form_(form), row_(row) {
    const bool inches = row.inInches == 1;
    left_ = inches ? form.Scale().ToDeviceX(row.left) : static_cast<int>(row.left);
    top_ = inches ? form.Scale().ToDeviceY(row.top) : static_cast<int>(row.top);
    right_ = inches ? form.Scale().ToDeviceX(row.right) : static_cast<int>(row.right);
    const int columns = std::clamp(row.columns, 1, kMaxColumns);
    for (int c = 0; c < columns; ++c) {
        const double width = row.cells[c].width;
        widths_.push_back(inches ? form.Scale().ToDeviceX(width) : static_cast<int>(width));
    }
    if (row.equalWidths == 1)
        widths_.assign(columns, (right_ - left_) / columns);
}

void RowPrinter::Draw() {
    const double points = row_.pointSize / 72.0;
    const int titleHeight =
        row_.noTitleRow == 1
            ? 0
            : form_.Scale().ToDeviceY(points * row_.titleLines * (row_.titleLines == 1 ? 1.5 : 1.0));
    const int bodyHeight = form_.Scale().ToDeviceY(row_.bodyLines * 1.5 * points);
    form_.MutableState().pointSize = row_.pointSize;
    if (row_.noTitleRow != 1)
        DrawTitleRow(titleHeight);
    bottom_ = top_ + titleHeight + bodyHeight * std::max(0, row_.rows);
    row_.bottom = row_.inInches == 1 ? form_.Scale().ToInchesY(bottom_) : bottom_;
    DrawRules(titleHeight, bodyHeight);
    DrawBodyCells(titleHeight, bodyHeight);
}

void RowPrinter::DrawTitleRow(int titleHeight) {
    const int offset = form_.CentringOffset();
    form_.Ink().DrawRect(RectFromEdges(offset + left_, top_, offset + right_, top_ + titleHeight),
                         row_.borderWidth, 0, 0);
    widths_ = FitColumnWidths(widths_, left_, right_);
    PrintState& state = form_.MutableState();
    state.attributes = kTableCellAttributes;
    state.fill = row_.fillStyle;
    state.penWidth = row_.borderWidth;
    state.lineStyle = 0;
    if (row_.fillStyle >= 3)
        state.textColor = Qt::white;
    int x = offset + left_;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        const QRect cell = RectFromEdges(x, top_, x + widths_[c], top_ + titleHeight);
        form_.Ink().DrawTextIn(cell, ColumnTitle(row_.cells[c], static_cast<int>(c)));
        x += widths_[c];
    }
}

void RowPrinter::DrawRules(int titleHeight, int bodyHeight) {
    if (row_.noLines == 1)
        return;
    const int offset = form_.CentringOffset();
    const int pen = row_.borderWidth;
    if (row_.drawBorder == 1) {
        form_.Ink().DrawRect(RectFromEdges(offset + left_, top_, offset + right_, bottom_), pen, 0, 0);
    }
    if (row_.drawRowLines == 1) {
        for (int k = 0; k < row_.rows; ++k) {
            if (row_.ruleEvery > 0 && k % row_.ruleEvery != 0)
                continue;
            const int y = top_ + titleHeight + k * bodyHeight;
            form_.Ink().DrawLine(offset + right_, y, offset + left_, y, pen, 0);
        }
    }
    if (row_.drawColumnLines == 1) {
        int x = offset + left_;
        for (std::size_t c = 0; c + 1 < widths_.size(); ++c) {
            x += widths_[c];
            form_.Ink().DrawLine(x, top_ + titleHeight, x, bottom_, pen, 0);
        }
    }
}

void RowPrinter::DrawBodyCells(int titleHeight, int bodyHeight) {
    int x = form_.CentringOffset() + left_;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        const int fill = row_.cells[c].fill;
        for (int r = 0; r < row_.rows && fill != 0; ++r) {
            const int y = top_ + titleHeight + r * bodyHeight;
            form_.Ink().DrawRect(RectFromEdges(x, y, x + widths_[c], y + bodyHeight), 0, fill, 0);
        }
        x += widths_[c];
    }
}

}  // namespace terrovane::form
