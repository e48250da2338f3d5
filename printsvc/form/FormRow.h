#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace terrovane::form {

class RowPrinter;
class PrintForm;

inline constexpr int kMaxColumns = 25;

struct FormCell {
    double width = 0.0;
    std::string title;  // UTF-8; empty prints "Col <n>"
    int fill = 0;       // fill code of the column's body cells
};

// One table drawn in one call. Geometry is in inches when inInches is 1, else device units.
struct FormRow {
    int ruleEvery = 0;
    int inInches = 0;
    int equalWidths = 1;
    int fillStyle = 0;
    int pointSize = 10;
    int borderWidth = 1;
    int columns = 2;
    int rows = 2;
    int drawBorder = 1;
    int drawColumnLines = 1;
    int drawRowLines = 1;
    int noLines = 0;
    int noTitleRow = 0;
    int titleLines = 1;
    int bodyLines = 1;
    double top = 0.0;
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;  // output
    std::array<FormCell, kMaxColumns> cells{};

    FormRow();
    ~FormRow();
    FormRow(FormRow&&) noexcept;
    FormRow& operator=(FormRow&&) noexcept;

    std::unique_ptr<RowPrinter> printer;  // made by the page while it draws this row
};

// Column widths made to fill [left, right] exactly: the last column takes up the difference.
std::vector<int> FitColumnWidths(std::vector<int> widths, int left, int right);

// The text of a title cell: its title, or "Col <index + 1>" when empty.
std::string ColumnTitle(const FormCell& cell, int index);

// Draws a FormRow's title row, border, rules, column lines and body cells on a page.
class RowPrinter {
  public:
    RowPrinter(PrintForm& form, FormRow& row);
    void Draw();

  private:
    void DrawTitleRow(int titleHeight);
    void DrawRules(int titleHeight, int bodyHeight);
    void DrawBodyCells(int titleHeight, int bodyHeight);

    PrintForm& form_;
    FormRow& row_;
    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    std::vector<int> widths_;
};

}  // namespace terrovane::form
