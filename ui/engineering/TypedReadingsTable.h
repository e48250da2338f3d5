#pragma once

#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

#include "NumberBox.h"
#include "TypedReadingsHeaders.h"

namespace terrovane::engineering {

// A table of readings typed in, two numbers a row (a distance and what was read there), or three with a
// second distance between them (a Schlumberger reading's MN/2), each cell a number box so a number is read
// in the user's notation or refused by its name ("Distance (m), row 2"). A row left at 0 in every cell is
// not yet filled in and passed over.
class TypedReadingsTable : public QWidget {
  public:
    static constexpr int kStartRows = 6;

    TypedReadingsTable(const QString& whereHeader, const QString& valueHeader, QWidget* parent = nullptr);

    QTableWidget& Table() const { return *table_; }
    keyboard::NumberBox& Where(int row) const;
    keyboard::NumberBox& Value(int row) const;
    // The second distance's box; only while the table has that column.
    keyboard::NumberBox& Middle(int row) const;
    bool HasMiddle() const { return table_->columnCount() == 3; }
    QPushButton& AddButton() const { return *add_; }
    QPushButton& RemoveButton() const { return *remove_; }

    void SetWhereHeader(const QString& header);
    // Shows the second distance's column under `header`, or takes it away with an empty header.
    void SetMiddleHeader(const QString& header);
    // The value column's header and its decimals (a resistance or a resistivity).
    void SetValueHeader(const QString& header, int decimals);
    void AddRow();
    // Removes the row last typed in (the button takes the focus from it), else the last; one row always
    // stays.
    void RemoveRow();
    // Replaces the rows with these readings (and an empty row to go on with), each with its second distance
    // from `middles` where the table has that column.
    void SetReadings(const std::vector<std::pair<double, double>>& readings,
                     const std::vector<double>& middles = {});
    // The rows filled in, in order, with their second distances in `middles` where the table has that
    // column (0 where none was typed: the caller says what it needs). False with `badRow` (from 0) when a
    // row has a distance or a value but not both.
    bool Readings(std::vector<std::pair<double, double>>& readings, int& badRow,
                  std::vector<double>* middles = nullptr) const;

    // Called whenever a number is taken, a row added or removed.
    std::function<void()> changed;

  private:
    keyboard::NumberBox* NewBox(int row, int column);
    // Tab goes row by row through the boxes, then to Add row and Remove row.
    void ChainTabs();
    void Changed() const;

    TypedReadingsHeaders headers_;
    QTableWidget* table_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPointer<QWidget> lastFocused_;  // the box that last had the focus
};

}  // namespace terrovane::engineering
