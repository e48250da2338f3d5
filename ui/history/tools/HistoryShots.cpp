// Fills a sample archive (a site read out once a season over three years, its slots assigned to the
// site's test points), opens the archive window, the assignment step and the trend of one electrode, and
// saves them as PNG files: history-shots ARCHIVE OUT_PREFIX.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "Archive.h"
#include "AssignDialog.h"
#include "FopCurves.h"
#include "HistoryWindow.h"
#include "LanguageChoice.h"
#include "Limits.h"
#include "MeasurementRecord.h"
#include "PropertiesDialog.h"
#include "Sites.h"
#include "SoilCovariance.h"
#include "SoilModels.h"
#include "StoredAnalyses.h"
#include "TrendWindow.h"

namespace {

namespace record = terrovane::record;

std::uint32_t Bcd(int value) {
    return static_cast<std::uint32_t>((value / 10) << 4 | (value % 10));
}

// One season's read-out: earth resistance of four electrodes, a resistivity survey and a loop test.
record::ReadOutBuffer Season(int year, int month) {
    record::ReadOutBuffer image{};
    const int modes[] = {1, 2, 3, 1, 9, 6};
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        auto packet = record::PacketOf(image, slot);
        packet[0] = packet[68] = 'O';
        packet[1] = packet[69] = 'K';
        if (slot >= 6) {
            continue;
        }
        record::MeasurementRecord r;
        r.mode = static_cast<std::uint32_t>(modes[slot]);
        r.year = Bcd(year);
        r.month = Bcd(month);
        r.day = Bcd(3 + static_cast<int>(slot));
        r.hour = Bcd(9 + static_cast<int>(slot));
        r.minute = Bcd(15);
        r.voltageCode = slot % 2 == 0 ? 2 : 1;
        r.frequencyCode = 1 + static_cast<std::uint32_t>(slot % 5);
        const double season = std::sin((month - 1) / 12.0 * 6.283);  // dry summers, wet winters
        const double drift = (year - 21) * 0.6;
        r.values[record::kRe] = static_cast<float>(4.5 + slot + season * 1.2 + drift);
        if (year == 23 && month == 4 && slot == 0) {
            r.values[record::kRe] = 350000.0f;  // shown as ">300k": a marker on the trend's top edge
        }
        if (year == 22 && month == 7 && slot == 2) {
            r.values[record::kRe] =
                150000.0f;  // a loose clip: the reading a log axis keeps from flattening the rest
        }
        r.values[record::kRs] = static_cast<float>(820 + 40 * season);
        r.values[record::kRh] = static_cast<float>(1530 + 60 * slot);
        r.values[record::kRac] = static_cast<float>(2.4 + season * 0.3);
        r.values[record::kResistivity] = static_cast<float>(130 + 25 * season);
        r.values[record::kRk] = 0.42f;
        r.values[record::kJammingFrequency] = 50.0f;
        r.values[record::kJammingVoltage] = static_cast<float>(1.8 + slot * 0.2);
        r.integerValue = r.mode == 9 ? 5 : 0;
        r.validMark = 'U';
        r.ToPacket(packet);
    }
    return image;
}

void Fill(terrovane::archive::Archive& archive) {
    std::string error;
    int readout = 0;
    for (int year = 21; year <= 23; ++year) {
        for (int month : {1, 4, 7, 10}) {
            const auto image = Season(year, month);
            char when[40];
            std::snprintf(when, sizeof when, "20%02d-%02d-%02dT16:30:00+08:00", year, month, 10);
            archive.Store({when, "COM3", &image});
            ++readout;
            if (!archive.SetLabel(terrovane::archive::LabelTarget::ReadOut, readout, "Substation North",
                                  std::nullopt, error)) {
                std::fprintf(stderr, "%s\n", error.c_str());
            }
        }
    }
    // The site's six test points, measured in slot order each season; the newest season not yet assigned.
    terrovane::archive::SiteFields site;
    site.name = "Substation North";
    site.address = "Ringstraße 4, Nordheim";
    site.latitude = 52.52;
    site.longitude = 13.405;
    site.limit = terrovane::archive::ParseLimit("iec62305", error);
    site.intervalMonths = 12;
    std::int64_t siteId = 0;
    terrovane::archive::AddSite(archive, site, siteId, error);
    const std::pair<const char*, terrovane::archive::PointKind> points[] = {
        {"E1 north-east", terrovane::archive::PointKind::Rod},
        {"E2 south-east", terrovane::archive::PointKind::Rod},
        {"Grid", terrovane::archive::PointKind::Grid},
        {"Tower leg A", terrovane::archive::PointKind::TowerLeg},
        {"Soil survey", terrovane::archive::PointKind::Other},
        {"Loop", terrovane::archive::PointKind::Other}};
    for (const auto& [name, kind] : points) {
        terrovane::archive::PointFields fields;
        fields.name = name;
        fields.kind = kind;
        std::int64_t id = 0;
        terrovane::archive::AddPoint(archive, siteId, fields, id, error);
    }
    for (int season = 1; season < readout; ++season) {
        terrovane::archive::ResultFilter filter;
        filter.readout = season;
        std::vector<terrovane::archive::ResultRow> run;
        if (!archive.Results(filter, {terrovane::archive::ResultOrder::Slot, false}, -1, 0, run, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
        std::vector<std::int64_t> ids;
        for (const auto& row : run) {
            ids.push_back(row.id);
        }
        terrovane::archive::AssignInOrder(archive, ids, siteId, 0, error);
    }
    // A soil model and a fall-of-potential curve kept with the site and its grid.
    terrovane::archive::StoredSoilModel model;
    model.site = siteId;
    model.layerChoice = "2";
    model.rmsPercent = 2.1;
    model.layers = {{152.0, 6.1, 2.6, 0.3}, {38.0, 2.2, std::nullopt, std::nullopt}};
    model.points = {{1, 148}, {2, 137}, {4, 104}, {8, 66}, {16, 45}, {32, 40}};
    model.logCovariance = {0.0016, 0.0004, -0.0009, 0.0004, 0.0034, 0.0011, -0.0009, 0.0011, 0.012};
    terrovane::archive::StoreSoilModel(archive, model, error);
    terrovane::archive::StoredFopCurve curve;
    curve.point = 3;
    curve.currentProbe = 50;
    const double ohms[] = {3.1, 4.0, 4.4, 4.6, 4.7, 4.8, 4.9, 5.3, 6.4};
    for (int i = 0; i < 9; ++i) {
        curve.readings.push_back({5.0 * (i + 1), ohms[i], std::nullopt});
    }
    curve.leftOut = {"result 14: Re > 300 k\xCE\xA9 is over range, no measured value; left out"};
    terrovane::archive::StoreFopCurve(archive, curve, error);
    // One electrode followed on its own, across every read-out.
    std::vector<terrovane::archive::ResultRow> rows;
    if (!archive.Results({}, {}, -1, 0, rows, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    for (const auto& row : rows) {
        if (row.slot == 0 && !archive.SetLabel(terrovane::archive::LabelTarget::Result, row.id,
                                               "Electrode E1", std::string("north-east corner"), error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
    }
}

}  // namespace

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
    // The site report: its step asking tester and instrument, the print preview, and the PDF.
    {
        terrovane::history::SiteReportDialog dialog(
            QStringLiteral("Substation North"),
            {terrovane::history::SiteReportRequest::Output::Preview, QStringLiteral("Zoë Brandt"), QString()},
            &window);
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
        QTest::qWait(200);
        dialog.grab().save(prefix + QStringLiteral("history-site-report-step.png"));
    }
    const auto reportAs = [&window](terrovane::history::SiteReportRequest::Output output) {
        window.reportAsker = [output](const QString&, const terrovane::history::SiteReportRequest&) {
            return std::optional(terrovane::history::SiteReportRequest{output, QStringLiteral("Zoë Brandt"),
                                                                       QStringLiteral("TV-2231-0457")});
        };
    };
    reportAs(terrovane::history::SiteReportRequest::Output::Preview);
    window.previewShown = [&prefix](QPrintPreviewDialog& preview) {
        preview.resize(1100, 760);
        QTest::qWait(300);
        preview.grab().save(prefix + QStringLiteral("history-site-report-preview.png"));
        preview.reject();
    };
    window.ReportChosenSite();
    reportAs(terrovane::history::SiteReportRequest::Output::Pdf);
    window.reportFileChooser = [&prefix] { return prefix + QStringLiteral("history-site-report.pdf"); };
    window.ReportChosenSite();
    // The site's results as a workbook, as the window exports them (one is over range).
    window.SelectAll();
    window.exportFileChooser = [&prefix] { return prefix + QStringLiteral("history-export.xlsx"); };
    window.ExportSelected();
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
        "saved %shistory-window.png, %shistory-unassigned.png, %shistory-assign.png, %shistory-trend.png, "
        "%shistory-trend-hover.png\n",
        argv[2], argv[2], argv[2], argv[2], argv[2]);
    return 0;
}
