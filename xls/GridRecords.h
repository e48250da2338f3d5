#pragma once

#include "RkValue.h"
#include "XlsCell.h"

namespace terrovane::xls {

// Record sizes on the stream (header included) of the cell records a grid row turns into.
constexpr std::size_t kLabelSstBytes = 14;
constexpr std::size_t kRkBytes = 14;
constexpr std::size_t kNumberBytes = 18;
constexpr std::size_t MulRkBytes(std::size_t cells) {
    return 10 + 6 * cells;
}

// The RK form of a cell inside a MULRK run (all of one kind, all fitting).
inline std::uint32_t RunRk(const XlsCell& cell) {
    return cell.Kind() == Integer ? IntegerRk(cell.IntegerValue()) : DoubleRk(cell.DoubleValue());
}

// Walks one grid row and tells the sink which record each non-empty cell goes out as. Sizing and writing
// both walk with it, so the two can never disagree on a record. Integers within the RK range form MULRK
// runs; doubles fitting RK form runs of two or more; the rest become single RK or NUMBER records.
// Sink: Text(column, cell), Rk(column, rk), Number(column, value), MulRk(first, end).
template <typename Sink>
void VisitRowRecords(const XlsCell* cells, int columns, Sink& sink) {
    int c = 0;
    while (c < columns) {
        const XlsCell& cell = cells[c];
        const CellKind kind = cell.Kind();
        if (kind == Text || kind == WideText) {
            sink.Text(c, cell);
            ++c;
        } else if (kind == Integer) {
            const std::int32_t first = cell.IntegerValue();
            if (!IntegerFitsRk(first)) {
                sink.Number(c, first);  // beyond the RK range it would lose its high bits
                ++c;
                continue;
            }
            int end = c + 1;
            while (end < columns && cells[end].Kind() == Integer &&
                   IntegerFitsRk(cells[end].IntegerValue())) {
                ++end;
            }
            end - c == 1 ? sink.Rk(c, IntegerRk(first)) : sink.MulRk(c, end);
            c = end;
        } else if (kind == Double) {
            const double first = cell.DoubleValue();
            if (!DoubleFitsRk(first)) {
                sink.Number(c, first);
                ++c;
                continue;
            }
            int end = c + 1;
            while (end < columns && cells[end].Kind() == Double && DoubleFitsRk(cells[end].DoubleValue())) {
                ++end;
            }
            if (end - c < 2) {
                sink.Rk(c, DoubleRk(first));
                end = c + 1;
            } else {
                sink.MulRk(c, end);
            }
            c = end;
        } else {
            ++c;
        }
    }
}

}  // namespace terrovane::xls
