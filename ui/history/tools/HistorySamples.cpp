// The archive window and its dialogs over a sample archive, for the screenshot tools and the screen-fit
// walk.
#include "HistorySamples.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <tuple>

#include "AssignDialog.h"
#include "AttachmentView.h"
#include "Attachments.h"
#include "CopySiteDialog.h"
#include "DueWindow.h"
#include "Firm.h"
#include "FirmDialog.h"
#include "HistoryWindow.h"
#include "ImportDialog.h"
#include "Inspect.h"
#include "IssuedReports.h"
#include "IssuedReportsDialog.h"
#include "LabelDialog.h"
#include "Limits.h"
#include "MeasurementRecord.h"
#include "PropertiesDialog.h"
#include "SiteReportDialog.h"
#include "Sites.h"
#include "SoilModels.h"
#include "StoredAnalyses.h"
#include "TrendWindow.h"
#include "TypedResultDialog.h"
#include "TypedResults.h"
#include "VisitDialog.h"
#include "Visits.h"

namespace terrovane::history::samples {

namespace {

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

// Another tester's export as the import dialog previews it: semicolons, decimal commas, dotted dates.
imports::SourceTable ImportSample() {
    const char* const rows[][6] = {
        {"Date", "Point", "Method", "Re", "Rh", "Tester"},
        {"12.04.2024 10:40", "Substation North/E1 north-east", "fall-of-potential", "2,35", ">300k",
         "Zoë Brandt"},
        {"12.04.2024 10:55", "Substation North/E2 north-west", "fall-of-potential", "3,10", "1,2k",
         "Zoë Brandt"},
        {"12.04.2024 11:10", "Substation North/E3 south-west", "fall-of-potential", "4,05", "1,4k",
         "Zoë Brandt"},
        {"12.04.2024 11:25", "Substation North/E9", "fall-of-potential", "2,8", "1,1k", "Zoë Brandt"},
    };
    imports::SourceTable table;
    table.separator = ';';
    table.decimalComma = true;
    int line = 1;
    for (const auto& row : rows) {
        table.rows.push_back({line++, {}});
        for (const char* cell : row) {
            table.rows.back().cells.push_back({cell, imports::CellKind::Text});
        }
    }
    return table;
}

// A photo of a rod pit as a field engineer takes it: soil, the rod with its clamp, a ruler for scale.
std::string PitPhoto(int seed) {
    QImage image(1200, 900, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(96 + seed * 9, 70 + seed * 5, 48));
    painter.setBrush(QColor(70, 110, 50));
    painter.drawRect(0, 0, 1200, 160 + seed * 30);
    painter.setBrush(QColor(150, 150, 155));
    painter.drawRect(560 + seed * 40, 200, 70, 700);
    painter.setBrush(QColor(200, 140, 40));
    painter.drawRect(520 + seed * 40, 420, 150, 60);
    painter.setBrush(QColor(235, 220, 60));
    painter.drawRect(180, 700 - seed * 20, 420, 40);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes.toStdString();
}

void AttachSamples(archive::Archive& archive, const archive::AttachmentOwner& owner, int first, int count) {
    const char* captions[] = {"Rod pit, north side", "Test link before cleaning", "Clamp on the rod",
                              "Rod pit after backfill"};
    for (int i = first; i < first + count; ++i) {
        auto file = attach::InspectAttachment("IMG_20" + std::to_string(40 + i) + ".jpg", PitPhoto(i));
        if (!file || !archive::Attach(archive, {owner, "IMG_20" + std::to_string(40 + i) + ".jpg",
                                                captions[i % 4], std::move(file).Value()})) {
            std::fprintf(stderr, "a sample photo could not be attached\n");
        }
    }
}

}  // namespace

namespace {

// The visits of the sample site.
std::vector<archive::Visit> SampleVisits(std::int64_t site) {
    archive::Visit summer;
    summer.site = site;
    summer.date = "2023-07-03";
    summer.by = "Zoë Brandt";
    summer.instruments = {{"Earth tester", "SN 20417", "2024-03-31"}};
    summer.weather = "sunny, dry for three weeks";
    summer.airTemperature = 29.5;
    summer.soil = archive::SoilCondition::Dry;
    archive::Visit autumn;
    autumn.site = site;
    autumn.date = "2023-10-03";
    autumn.by = "Zoë Brandt, Li Wei";
    autumn.instruments = {{"Earth tester", "SN 20417", "2023-09-30"}, {"Clamp meter", "CM-88", "2024-06-01"}};
    autumn.weather = "overcast, rain overnight";
    autumn.airTemperature = 11.5;
    autumn.soil = archive::SoilCondition::Wet;
    autumn.notes = "Gate 3 locked; key from the control room.";
    return {summer, autumn};
}

}  // namespace

void Fill(archive::Archive& archive) {
    std::string error;
    int readout = 0;
    for (int year = 21; year <= 23; ++year) {
        for (int month : {1, 4, 7, 10}) {
            const auto image = Season(year, month);
            char when[40];
            std::snprintf(when, sizeof when, "20%02d-%02d-%02dT16:30:00+08:00", year, month, 10);
            if (const auto outcome = archive.Store({when, "COM3", &image}); !outcome.stored) {
                std::fprintf(stderr, "%s\n", outcome.error.c_str());
            }
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
    site.limit = terrovane::archive::ParseLimit("iec62305").Value();
    site.intervalMonths = 12;
    // A sample step that fails is said: the windows over it would otherwise show less than they should.
    const auto said = [&error](bool done) {
        if (!done) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
    };
    std::int64_t siteId = 0;
    said(terrovane::archive::AddSite(archive, site, siteId, error));
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
        said(terrovane::archive::AddPoint(archive, siteId, fields, id, error));
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
        said(terrovane::archive::AssignInOrder(archive, ids, siteId, 0, error));
    }
    // A soil model and a fall-of-potential curve kept with the site and its grid.
    terrovane::archive::StoredSoilModel model;
    model.site = siteId;
    model.layerChoice = "2";
    model.rmsPercent = 2.1;
    model.layers = {{152.0, 6.1, 2.6, 0.3}, {38.0, 2.2, std::nullopt, std::nullopt}};
    model.points = {{1, 148}, {2, 137}, {4, 104}, {8, 66}, {16, 45}, {32, 40}};
    model.logCovariance = {0.0016, 0.0004, -0.0009, 0.0004, 0.0034, 0.0011, -0.0009, 0.0011, 0.012};
    if (const auto stored = terrovane::archive::StoreSoilModel(archive, model); !stored) {
        std::fprintf(stderr, "%s\n", stored.Error().Text().c_str());
    }
    terrovane::archive::StoredFopCurve curve;
    curve.point = 3;
    curve.currentProbe = 50;
    const double ohms[] = {3.1, 4.0, 4.4, 4.6, 4.7, 4.8, 4.9, 5.3, 6.4};
    for (int i = 0; i < 9; ++i) {
        curve.readings.push_back({5.0 * (i + 1), ohms[i], std::nullopt});
    }
    curve.leftOut = {"result 14: Re > 300 k\xCE\xA9 is over range, no measured value; left out"};
    if (const auto stored = terrovane::archive::StoreFopCurve(archive, curve); !stored) {
        std::fprintf(stderr, "%s\n", stored.Error().Text().c_str());
    }
    // The grid measured twice since with other testers and typed in: its trend draws them as open squares.
    for (const auto& [method, when, ohms] : {std::tuple{"clamp-on", "2023-12-04 10:00", 8.1},
                                             std::tuple{"fall-of-potential", "2024-02-05 09:30", 8.9}}) {
        terrovane::archive::TypedResultFields typed;
        typed.point = 3;
        typed.method = method;
        typed.values = {{"Re", ohms, false}};
        typed.measured = when;
        typed.instrument = "Other make 4105, serial 77";
        typed.measuredBy = "J. Field";
        typed.typedBy = "office";
        if (const auto added = terrovane::archive::AddTypedResult(archive, typed); !added) {
            std::fprintf(stderr, "%s\n", added.Error().Text().c_str());
        }
    }
    // Photos of the site and of its grid's test link.
    AttachSamples(archive, {terrovane::archive::AttachedTo::Site, siteId}, 0, 4);
    AttachSamples(archive, {terrovane::archive::AttachedTo::Point, 3}, 1, 2);
    // The firm with its logo, and two revisions of one issued report and a second report.
    terrovane::archive::FirmProfile firm;
    firm.name = "Nordlicht Erdungstechnik GmbH";
    firm.address =
        "Hafenstra\xC3\x9F"
        "e 12\n20457 Hamburg";
    firm.phone = "+49 40 555 0190";
    firm.email = "pruefung@nordlicht.example";
    firm.licence = "DAkkS D-PL-20417-01";
    firm.prefix = "NLE";
    firm.logo =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"40\"><rect width=\"120\" "
        "height=\"40\" rx=\"6\" fill=\"#1d4e89\"/><path d=\"M20 30 L35 10 L50 30 Z\" fill=\"#f2c14e\"/>"
        "<text x=\"58\" y=\"27\" font-size=\"16\" fill=\"white\">NLE</text></svg>";
    firm.logoType = "svg";
    if (const auto saved = terrovane::archive::SaveFirm(archive, firm); !saved) {
        std::fprintf(stderr, "%s\n", saved.Error().Text().c_str());
    }
    for (const auto& [number, revision, day] :
         {std::tuple{"NLE-2024-0007", 1, "2024-05-21"}, std::tuple{"NLE-2024-0007", 2, "2024-06-03"},
          std::tuple{"NLE-2024-3FA9C2D1-001", 1, "2024-09-12"}}) {
        const terrovane::archive::NewIssuedReport issued{
            number, revision,
            siteId, "Substation North",
            day,    "zoe.brandt",
            "de",   std::string("%PDF-1.4\n% ") + number + " " + std::to_string(revision) + "\n%%EOF\n"};
        if (const auto kept = terrovane::archive::KeepIssuedReport(archive, issued); !kept) {
            std::fprintf(stderr, "%s\n", kept.Error().Text().c_str());
        }
    }
    // One electrode followed on its own, across every read-out.
    std::vector<terrovane::archive::ResultRow> rows;
    if (!archive.Results({}, {}, -1, 0, rows, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    // Two visits, the later one with an instrument past its calibration, each with its day's results.
    std::vector<std::int64_t> all;
    for (const auto& row : rows) {
        all.push_back(row.id);
    }
    for (const archive::Visit& visit : SampleVisits(siteId)) {
        const auto added = archive::AddVisit(archive, visit);
        const auto joined = added ? archive::AssignDayToVisit(archive, all, added.Value())
                                  : archive::Result<int>(added.Error());
        if (!joined) {
            std::fprintf(stderr, "%s\n", joined.Error().Text().c_str());
        }
    }
    for (const auto& row : rows) {
        if (row.slot == 0 && !archive.SetLabel(terrovane::archive::LabelTarget::Result, row.id,
                                               "Electrode E1", std::string("north-east corner"), error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
    }
}

screenfit::WindowSamples Windows(std::shared_ptr<archive::Archive> archive) {
    std::string error;
    const archive::SiteFields site = archive::FindSite(*archive, "Substation North", error)->fields;
    const archive::PointFields point = archive::PointById(*archive, 3, error)->fields;
    return {
        {QStringLiteral("history-window"),
         [archive] { return std::make_shared<HistoryWindow>(archive.get(), QString()); }},
        {QStringLiteral("history-photos"),
         [archive] {
             auto window = std::make_shared<HistoryWindow>(archive.get(), QString());
             window->Tree().Choose({TreeChoice::Kind::Site, 1});
             return window;
         }},
        {QStringLiteral("history-search"),
         [archive] {
             auto window = std::make_shared<HistoryWindow>(archive.get(), QString());
             window->Search().SearchField().setText(QStringLiteral("east"));
             window->Search().SearchNow();
             return window;
         }},
        {QStringLiteral("history-photo-view"),
         [archive] {
             const auto rows = archive::Attachments(*archive, {archive::AttachedTo::Site, 1});
             const auto bytes = rows && !rows.Value().empty()
                                    ? archive::AttachmentBytes(*archive, rows.Value().front().id)
                                    : archive::Result<std::string>(std::string());
             return std::make_shared<AttachmentView>(
                 rows && !rows.Value().empty() ? rows.Value().front() : archive::AttachmentRow{},
                 QByteArray::fromStdString(bytes ? bytes.Value() : ""));
         }},
        {QStringLiteral("history-assign"), [archive] { return std::make_shared<AssignDialog>(*archive, 6); }},
        {QStringLiteral("history-assign-visit"),
         [archive] {
             // The latest season's read-out, measured on the day of the site's latest visit.
             auto dialog = std::make_shared<AssignDialog>(*archive, 6);
             archive::ResultFilter filter;
             filter.since = "2023-10-01";
             std::vector<archive::ResultRow> rows;
             std::string failure;
             std::vector<std::int64_t> ids;
             if (archive->Results(filter, {}, -1, 0, rows, failure)) {
                 for (const archive::ResultRow& row : rows) {
                     ids.push_back(row.id);
                 }
             }
             dialog->OfferVisitsOf(ids);
             return dialog;
         }},
        {QStringLiteral("history-visit"),
         [archive] {
             auto visits = archive::SiteVisits(*archive, 1);
             const archive::Visit visit =
                 visits && !visits.Value().empty() ? visits.Value().back() : SampleVisits(1).back();
             return std::make_shared<VisitDialog>(
                 QStringLiteral("Substation North"), visit,
                 [](const archive::Visit&) { return archive::Result<std::int64_t>(0); });
         }},
        {QStringLiteral("history-label"),
         [] {
             return std::make_shared<LabelDialog>(
                 QCoreApplication::translate("terrovane::history::HistoryWindow",
                                             "Label of read-out %1 and its results")
                     .arg(4),
                 LabelEdit{QStringLiteral("Electrode E1"), QStringLiteral("north-east corner")},
                 QStringList{QStringLiteral("Electrode E1"), QStringLiteral("Substation North")});
         }},
        {QStringLiteral("history-site-report-step"),
         [] {
             return std::make_shared<SiteReportDialog>(
                 QStringLiteral("Substation North"),
                 SiteReportRequest{SiteReportRequest::Output::Preview, QStringLiteral("Zoë Brandt"),
                                   QString(), QStringLiteral("Stadtwerke Nord"), QStringLiteral("Zoë Brandt"),
                                   QString(), QString()},
                 nullptr,
                 QStringList{QStringLiteral("NLE-2024-0007"), QStringLiteral("NLE-2024-3FA9C2D1-001")});
         }},
        {QStringLiteral("history-firm"),
         [archive] {
             const auto firm = archive::LoadFirm(*archive);
             return std::make_shared<FirmDialog>(firm ? firm.Value() : archive::FirmProfile{}, true);
         }},
        {QStringLiteral("history-issued-reports"),
         [archive] {
             std::string failure;
             const auto site = archive::FindSite(*archive, "Substation North", failure);
             return std::make_shared<IssuedReportsDialog>(*archive, site.value_or(archive::SiteRow{}));
         }},
        {QStringLiteral("history-site-properties"),
         [site] { return std::make_shared<SitePropertiesDialog>(site); }},
        {QStringLiteral("history-point-properties"),
         [point, site] { return std::make_shared<PointPropertiesDialog>(point, site); }},
        {QStringLiteral("history-new-site"),
         [] { return std::make_shared<SitePropertiesDialog>(archive::SiteFields{}); }},
        {QStringLiteral("history-new-point"),
         [site] { return std::make_shared<PointPropertiesDialog>(archive::PointFields{}, site); }},
        {QStringLiteral("history-copy-site"),
         [archive] {
             std::vector<archive::SiteRow> sites;
             std::string failure;
             if (!archive::Sites(*archive, sites, failure)) {
                 std::fprintf(stderr, "%s\n", failure.c_str());
             }
             return std::make_shared<CopySiteDialog>(sites, sites.empty() ? 0 : sites.front().id);
         }},
        {QStringLiteral("history-due-list"), [archive] { return std::make_shared<DueWindow>(*archive); }},
        {QStringLiteral("history-stored-analyses"),
         [archive] { return std::make_shared<StoredAnalysesDialog>(*archive); }},
        {QStringLiteral("history-trend-point"),
         [archive] { return std::make_shared<TrendWindow>(*archive, QString(), nullptr, 3); }},
        {QStringLiteral("history-import-columns"),
         [archive] {
             auto dialog = std::make_shared<ImportDialog>(*archive);
             dialog->Options().DateFormat().setText(QStringLiteral("dd.MM.yyyy HH:mm"));
             dialog->ShowTable(ImportSample(), QStringLiteral("readings-2024.csv"));
             return dialog;
         }},
        {QStringLiteral("history-import-result"),
         [archive] {
             auto dialog = std::make_shared<ImportDialog>(*archive);
             dialog->Options().DateFormat().setText(QStringLiteral("dd.MM.yyyy HH:mm"));
             dialog->ShowTable(ImportSample(), QStringLiteral("readings-2024.csv"));
             dialog->ShowReport(
                 {6,
                  3,
                  1,
                  {{5, "there is no test point \"E9\" at site \"Substation North\""},
                   {7, "the date \"31.04.2024 10:00\" is not a date written dd.MM.yyyy HH:mm"}}});
             return dialog;
         }},
        {QStringLiteral("history-typed-result"),
         [] {
             // The longest method's values (three rows), one over range.
             archive::TypedResultFields start;
             start.point = 1;
             start.method = "3-pole-clamp";
             start.values = {{"Re", 2.35, false}, {"Rh", 300000, true}, {"Rk", 0.4, false}};
             start.measured = "2024-04-12 10:40";
             start.instrument = "Other make 4105, SN 77";
             return std::make_shared<TypedResultDialog>(
                 std::vector<PointOffer>{{1, QStringLiteral("Substation North / E1 north-east")}}, 1, start,
                 [](const archive::TypedResultFields&) { return archive::Result<std::int64_t>(0); });
         }},
    };
}

}  // namespace terrovane::history::samples
