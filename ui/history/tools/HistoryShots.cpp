// Fills a sample archive (a site read out once a season over three years, its slots assigned to the
// site's test points), opens the archive window, the assignment step and the trend of one electrode, and
// saves them as PNG files: history-shots ARCHIVE OUT_PREFIX.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>

#include "Archive.h"
#include "AssignDialog.h"
#include "DueWindow.h"
#include "HistorySamples.h"
#include "HistoryWindow.h"
#include "LanguageChoice.h"
#include "PropertiesDialog.h"
#include "Sites.h"
#include "StoredAnalyses.h"
#include "TrendWindow.h"
#include "TypedResultDialog.h"
#include "TypedResults.h"

using terrovane::history::samples::Fill;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), so one run per language shows each.
    terrovane::translations::InstallLanguage(terrovane::translations::SystemLanguage());
    if (argc < 3) {
        std::fprintf(stderr, "usage: terrovane-history-shots ARCHIVE OUT_PREFIX\n");
        return 2;
    }
    std::filesystem::remove(argv[1]);
    std::string error;
    auto archive = terrovane::archive::Archive::Open(argv[1], error);
    if (!archive) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    Fill(*archive);
    // Two results of other testers typed in at the first point, one of them corrected.
    {
        terrovane::archive::TypedResultFields typed;
        typed.point = 1;
        typed.method = "fall-of-potential";
        typed.values = {{"Re", 2.35, false}, {"Rh", 300000, true}};
        typed.measured = "2024-04-12 10:40";
        typed.instrument = "Other make 4105, SN 77";
        typed.measuredBy = "J. Field";
        typed.note = "after rain";
        typed.typedBy = "office";
        const auto first = terrovane::archive::AddTypedResult(*archive, typed);
        typed.values[0].number = 2.53;
        if (first) {
            (void)terrovane::archive::CorrectTypedResult(*archive, first.Value(), typed);
        }
        typed.method = "clamp-on";
        typed.values = {{"Re", 3.1, false}};
        typed.measured = "2023-10-02 14:05";
        typed.instrument = "clamp meter CM-2";
        typed.note.clear();
        (void)terrovane::archive::AddTypedResult(*archive, typed);
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    terrovane::history::HistoryWindow window(archive.get(), QString());
    window.resize(1240, 600);
    window.move(10, 10);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    window.Tree().Choose({terrovane::history::TreeChoice::Kind::Site, 1});
    window.View().resizeColumnsToContents();
    window.View().selectRow(2);
    QTest::qWait(300);
    window.grab().save(prefix + QStringLiteral("history-window.png"));
    // "New result..." at the first point, a value over range ticked.
    {
        std::vector<terrovane::history::PointOffer> points = {
            {1, QStringLiteral("Substation North / E1 north-east")}};
        terrovane::history::TypedResultDialog dialog(
            points, 1, std::nullopt,
            [](const terrovane::archive::TypedResultFields&) {
                return terrovane::archive::Result<std::int64_t>(0);
            },
            &window);
        dialog.Method().setCurrentIndex(dialog.Method().findData(QStringLiteral("fall-of-potential")));
        dialog.Values()[0].number->setValue(2.35);
        dialog.Values()[2].given->setChecked(true);
        dialog.Values()[2].number->setValue(300);
        dialog.Values()[2].unit->setCurrentIndex(1);
        dialog.Values()[2].overRange->setChecked(true);
        dialog.Measured().setDateTime(QDateTime(QDate(2024, 4, 12), QTime(10, 40)));
        dialog.Instrument().setText(QStringLiteral("Other make 4105, SN 77"));
        dialog.MeasuredBy().setText(QStringLiteral("J. Field"));
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
        QTest::qWait(200);
        dialog.grab().save(prefix + QStringLiteral("history-typed-result.png"));
    }
    // The site report: its step asking tester and instrument, the print preview, and the PDF.
    {
        terrovane::history::SiteReportDialog dialog(
            QStringLiteral("Substation North"),
            {terrovane::history::SiteReportRequest::Output::Preview, QStringLiteral("Zoë Brandt"), QString(),
             QStringLiteral("Stadtwerke Nord"), QStringLiteral("Zoë Brandt"), QString(), QString()},
            &window);
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
        QTest::qWait(200);
        dialog.grab().save(prefix + QStringLiteral("history-site-report-step.png"));
    }
    const auto reportAs = [&window](terrovane::history::SiteReportRequest::Output output) {
        window.Reporting().reportAsker = [output](const QString&,
                                                  const terrovane::history::SiteReportRequest&) {
            return std::optional(terrovane::history::SiteReportRequest{
                output, QStringLiteral("Zoë Brandt"), QStringLiteral("TV-2231-0457"),
                QStringLiteral("Stadtwerke Nord"), QStringLiteral("Zoë Brandt"),
                QStringLiteral("Malik Öztürk"), QString()});
        };
    };
    reportAs(terrovane::history::SiteReportRequest::Output::Preview);
    window.Reporting().previewShown = [&prefix](QPrintPreviewDialog& preview) {
        preview.resize(1100, 760);
        QTest::qWait(300);
        preview.grab().save(prefix + QStringLiteral("history-site-report-preview.png"));
        preview.reject();
    };
    window.Reporting().ReportChosenSite();
    reportAs(terrovane::history::SiteReportRequest::Output::Pdf);
    window.Reporting().reportFileChooser = [&prefix] {
        return prefix + QStringLiteral("history-site-report.pdf");
    };
    window.Reporting().ReportChosenSite();
    // The site's results as a workbook, as the window exports them (one is over range).
    window.SelectAll();
    window.Results().exportFileChooser = [&prefix] { return prefix + QStringLiteral("history-export.xlsx"); };
    window.Results().ExportSelected();
    // The assignment step over the newest read-out's unassigned results.
    window.Tree().Choose({terrovane::history::TreeChoice::Kind::Unassigned, 0});
    window.View().resizeColumnsToContents();
    window.SelectAll();
    QTest::qWait(200);
    window.grab().save(prefix + QStringLiteral("history-unassigned.png"));
    {
        terrovane::history::AssignDialog dialog(*archive, window.Model().rowCount(), &window);
        dialog.InOrder().setChecked(true);
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
        QTest::qWait(200);
        dialog.grab().save(prefix + QStringLiteral("history-assign.png"));
    }

    // The properties of the site and of one of its points, and the stored analyses.
    {
        const auto site = terrovane::archive::FindSite(*archive, "Substation North", error);
        terrovane::history::SitePropertiesDialog siteDialog(site->fields, &window);
        siteDialog.show();
        (void)QTest::qWaitForWindowExposed(&siteDialog);
        QTest::qWait(200);
        siteDialog.grab().save(prefix + QStringLiteral("history-site-properties.png"));
        siteDialog.close();
        const auto point = terrovane::archive::PointById(*archive, 3, error);
        terrovane::history::PointPropertiesDialog pointDialog(point->fields, site->fields, &window);
        pointDialog.Limit().Choice().setCurrentIndex(pointDialog.Limit().Choice().count() - 1);
        pointDialog.Limit().Ohms().setText(QStringLiteral("2.5"));
        pointDialog.Limit().Source().setText(QStringLiteral("client specification"));
        pointDialog.show();
        (void)QTest::qWaitForWindowExposed(&pointDialog);
        QTest::qWait(200);
        pointDialog.grab().save(prefix + QStringLiteral("history-point-properties.png"));
        pointDialog.close();
        terrovane::history::StoredAnalysesDialog stored(*archive, &window);
        stored.show();
        (void)QTest::qWaitForWindowExposed(&stored);
        QTest::qWait(200);
        stored.grab().save(prefix + QStringLiteral("history-stored-analyses.png"));
    }
    // The due list as it is saved as a PDF (and printed).
    {
        terrovane::history::DueWindow due(*archive);
        due.fileChooser = [&prefix](const QString&, const QString&) {
            return prefix + QStringLiteral("history-due-list.pdf");
        };
        due.SaveAsPdf();
    }
    {
        terrovane::history::TrendWindow byPoint(*archive, QString(), nullptr, 3);
        byPoint.resize(760, 460);
        byPoint.show();
        (void)QTest::qWaitForWindowExposed(&byPoint);
        QTest::qWait(200);
        byPoint.grab().save(prefix + QStringLiteral("history-trend-point.png"));
    }

    terrovane::history::TrendWindow trend(*archive, QStringLiteral("Electrode E1"));
    trend.resize(760, 460);
    trend.move(40, 120);
    trend.show();
    (void)QTest::qWaitForWindowExposed(&trend);
    QTest::qWait(200);
    trend.grab().save(prefix + QStringLiteral("history-trend.png"));
    // The value of one point under the mouse.
    auto& chart = trend.Chart();
    const QPoint at = chart.Layout().points[5].toPoint();
    QTest::mouseMove(&chart, at);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), chart.mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
    QTest::qWait(200);
    trend.grab().save(prefix + QStringLiteral("history-trend-hover.png"));
    std::printf(
        "saved %shistory-site-report-step.png, %shistory-site-report-preview.png, "
        "%shistory-site-report.pdf\n",
        argv[2], argv[2], argv[2]);
    std::printf(
        "saved %shistory-window.png, %shistory-typed-result.png, %shistory-unassigned.png, "
        "%shistory-assign.png, %shistory-trend.png, "
        "%shistory-trend-hover.png\n",
        argv[2], argv[2], argv[2], argv[2], argv[2], argv[2]);
    return 0;
}
