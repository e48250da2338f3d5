#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

#include "FirmDialog.h"
#include "HistoryControls.h"
#include "IssuedReports.h"
#include "IssuedReportsDialog.h"
#include "ResultFilters.h"
#include "SiteReport.h"
#include "SiteReportDialog.h"

class QPrintPreviewDialog;

namespace terrovane::history {

// The report of the site chosen in the archive window's tree (or of the chosen point's site) over the
// measuring dates the filters set: in the print preview, as a PDF, as certificates, or issued with a
// number and kept in the archive; the reports issued so far, and the firm that issues them.
class SiteReporting {
  public:
    SiteReporting(HistoryControls& controls, const ResultFilters& filters)
        : controls_(controls), filters_(filters) {}

    void ReportChosenSite();
    // The reports issued for the chosen site, in a window of their own; null when no site is chosen.
    IssuedReportsDialog* ShowIssuedReports();
    // Settings > Firm...: the firm that issues the reports.
    void EditFirm();

    // Asks for the site block's tester and instrument serial and where the report goes, offering the last
    // ones; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<SiteReportRequest>(const QString& site, const SiteReportRequest& last)>
        reportAsker;
    // Asks for the site report's file ("" when cancelled); tests answer it themselves.
    std::function<QString()> reportFileChooser;
    // Called once the site report's print preview is up (tests look at it and close it).
    std::function<void(QPrintPreviewDialog&)> previewShown;
    // A report number from the team's server; unset, or unreachable, outside a team (this PC then numbers
    // its reports).
    std::function<archive::ServerReportNumber(const std::string& prefix, int year)> serverReportNumber;
    // Whether the archive syncs with a team's server (the firm's dialog then says who may change it).
    std::function<bool()> inTeam;
    // Called once the firm's dialog is up (tests work it as a user would).
    std::function<void(FirmDialog&)> firmShown;

  private:
    std::optional<SiteReportRequest> AskReport(const QString& site, const QStringList& issued);
    void SaveSiteReport(const sitereport::SiteReport& report);
    void SaveCertificates(const sitereport::SiteReport& report);
    // Numbers, dates and saves the report, and keeps it in the archive as it was issued.
    void IssueSiteReport(sitereport::SiteReport& report, const QString& revise);
    // The site chosen in the tree, or the chosen point's; none after a message.
    std::optional<archive::SiteRow> ChosenSite(const QString& failure);

    HistoryControls& controls_;
    const ResultFilters& filters_;
};

}  // namespace terrovane::history
