#pragma once

#include <QPrinter>

#include <array>
#include <functional>
#include <memory>

#include "PrintForm.h"
#include "RecordTable.h"
#include "ReportHeaderInfo.h"

class QPainter;

namespace terrovane::printsvc {

// The report's pages over the records handed over in data.inf, drawn on whatever printer asks for them.
class ReportPages {
  public:
    // Loads the records handed over; without them the report has no pages.
    ReportPages();
    ~ReportPages();
    ReportPages(const ReportPages&) = delete;
    ReportPages& operator=(const ReportPages&) = delete;

    int Count() const { return count_; }
    // Draws the printer's page range, or every page for the whole report; beforeEachPage runs before a
    // page is drawn.
    void Paint(QPrinter* printer, bool wholeReport, const report::ReportHeaderInfo& header,
               const std::function<void()>& beforeEachPage);

  private:
    void PaintPage(QPainter& painter, QPrinter& printer, int pageNumber,
                   const report::ReportHeaderInfo& header);

    record::RecordTable records_;
    int count_ = 0;
    std::array<std::unique_ptr<form::PrintForm>, 5> pages_;
};

}  // namespace terrovane::printsvc
