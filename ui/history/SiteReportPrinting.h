#pragma once

#include <functional>

#include "SiteReport.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace terrovane::history {

// Draws the report on a printer: the pages its PDF has, or those of the range chosen in the print dialog.
// False when the printer cannot be painted on.
bool PrintSiteReport(const sitereport::SiteReport& report, QPrinter& printer);

// Shows the report in the print preview on A4 landscape, from where it is printed. `shown` (tests) is
// called once the preview is up, inside its event loop.
void PreviewSiteReport(const sitereport::SiteReport& report, QWidget* parent,
                       const std::function<void(QPrintPreviewDialog&)>& shown);

// The pages the preview shows (0 before it drew them).
int PreviewPageCount(const QPrintPreviewDialog& preview);

}  // namespace terrovane::history
