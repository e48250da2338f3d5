#pragma once

#include <QString>
#include <QTableWidget>

namespace terrovane::engineering {

// The headers of a table of typed readings: the distance's, the second distance's (empty without that
// column) and the value's, with the value's decimals; shown over the columns and naming each box by its
// column and row, so a refusal says which cell it means ("Distance (m), row 2").
class TypedReadingsHeaders {
  public:
    TypedReadingsHeaders(const QString& where, const QString& value) : where_(where), value_(value) {}

    int ValueDecimals() const { return valueDecimals_; }
    void SetWhere(const QString& header) { where_ = header; }
    void SetMiddle(const QString& header) { middle_ = header; }
    void SetValue(const QString& header, int decimals);

    // The headers over `table`'s columns and the names of all its boxes.
    void Show(QTableWidget& table) const;
    // The names of the boxes of `table`'s `row`.
    void NameRow(QTableWidget& table, int row) const;

  private:
    QString where_;
    QString value_;
    QString middle_;
    int valueDecimals_ = 3;
};

}  // namespace terrovane::engineering
