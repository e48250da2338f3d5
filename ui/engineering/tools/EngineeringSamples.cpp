// The engineering windows over a sample campaign, for the screenshot tools and the screen-fit walk.
#include "EngineeringSamples.h"

#include <QCoreApplication>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "FopWindow.h"
#include "GridWindow.h"
#include "LayeredEarth.h"
#include "Sites.h"
#include "SoilWindow.h"

namespace terrovane::engineering::samples {

namespace {

std::uint32_t Bcd(int value) {
    return static_cast<std::uint32_t>((value / 10) << 4 | (value % 10));
}

record::MeasurementRecord Result(std::uint32_t mode, int minute) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.year = Bcd(24);
    r.month = Bcd(4);
    r.day = Bcd(mode == 9 ? 16 : 17);
    r.hour = Bcd(10 + minute / 60);
    r.minute = Bcd(minute % 60);
    r.voltageCode = 2;
    r.frequencyCode = 2;
    r.values[record::kJammingVoltage] = 0.4f;
    r.values[record::kJammingFrequency] = 50.0f;
    r.values[record::kRs] = 900.0f;
    r.values[record::kRh] = 1400.0f;
    r.validMark = 'U';
    return r;
}

// Twelve Wenner readings over 60 ohm m on 250 ohm m on 35 ohm m (1.5 m and 6 m), with 2 % scatter, and a
// rod's fall-of-potential curve (current probe at 50 m) with a little scatter of its own.
}  // namespace

record::ReadOutBuffer Campaign() {
    record::ReadOutBuffer image{};
    const terrovane::analysis::LayeredEarth earth{{60, 250, 35}, {1.5, 6}};
    const int spacings[] = {1, 2, 3, 4, 5, 6, 8, 10, 14, 20, 28, 40};
    const double scatter[] = {0.01,  -0.015, 0.02,  -0.005, 0.012, -0.02,
                              0.008, -0.012, 0.018, -0.01,  0.004, -0.016};
    std::size_t slot = 0;
    const auto put = [&](const record::MeasurementRecord& r) {
        auto packet = record::PacketOf(image, slot++);
        packet[0] = packet[68] = 'O';
        packet[1] = packet[69] = 'K';
        r.ToPacket(packet);
    };
    for (std::size_t i = 0; i < std::size(spacings); ++i) {
        auto r = Result(9, static_cast<int>(i) * 4);
        r.values[record::kResistivity] = static_cast<float>(
            terrovane::analysis::WennerApparentResistivity(earth, spacings[i]) * (1 + scatter[i]));
        r.integerValue = static_cast<std::uint32_t>(spacings[i]);
        put(r);
    }
    constexpr double kD = 50;
    for (int i = 1; i <= 9; ++i) {
        const double x = kD * i / 10;
        const double re = 120 / (2 * std::numbers::pi) * (1 / 0.8 - 1 / kD - 1 / x + 1 / (kD - x));
        auto r = Result(1, 200 + i * 3);
        r.values[record::kRe] = static_cast<float>(re * (1 + 0.3 * scatter[i]));
        put(r);
        if (i == 5) {
            // A reading the instrument showed as ">300k" (a lead off the probe): left out, and said so.
            auto over = Result(1, 200 + i * 3 + 1);
            over.values[record::kRe] = 350000.0f;
            put(over);
        }
    }
    for (std::size_t rest = slot; rest < record::kSlotCount; ++rest) {
        auto packet = record::PacketOf(image, rest);
        packet[0] = packet[68] = 'O';
        packet[1] = packet[69] = 'K';
    }
    return image;
}

std::vector<archive::ResultRow> OfMode(archive::Archive& store, int mode) {
    archive::ResultFilter filter;
    filter.mode = mode;
    std::vector<archive::ResultRow> rows;
    std::string error;
    if (!store.Results(filter, {archive::ResultOrder::Slot, false}, -1, 0, rows, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    return rows;
}

SampleSite FillCampaign(archive::Archive& store) {
    const auto image = Campaign();
    std::string error;
    if (const auto outcome = store.Store({"2024-04-17T16:30:00+02:00", "COM3", &image}); !outcome.stored) {
        error = outcome.error;
    }
    archive::SiteFields site;
    site.name = "Substation North";
    SampleSite at;
    archive::PointFields point;
    point.name = "E1 north-east";
    point.kind = archive::PointKind::Rod;
    // Windows over a sample that could not be made would show empty: the reason is said.
    if (!error.empty() || !archive::AddSite(store, site, at.site, error) ||
        !archive::AddPoint(store, at.site, point, at.point, error)) {
        std::fprintf(stderr, "sample campaign: %s\n", error.c_str());
    }
    return at;
}

namespace {

// The grid window once its computation in the soil model has come back (the screenshot shows the values,
// not "Computing..."), with a minute's deadline so that a failing computation cannot hang the tool.
// The loop sleeps until an event comes (the computation's answer, the window's own timer, the deadline):
// a loop that only polls would take a core from the computation it waits for.
std::shared_ptr<GridWindow> OnceComputed(std::shared_ptr<GridWindow> window) {
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(60000);
    while (window->InSoil().Computing() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return window;
}

// A traverse from a tester without a link, written on paper: nine readings over a 60 m current probe.
archive::TypedTraverse TypedTraverseSample(std::int64_t point) {
    archive::TypedTraverse traverse;
    traverse.point = point;
    traverse.currentProbe = 60;
    const double resistances[] = {8.12, 10.95, 11.84, 12.31, 12.66, 12.98, 13.52, 14.61, 18.2};
    for (int i = 0; i < 9; ++i)
        traverse.readings.push_back({6.0 * (i + 1), resistances[i]});
    traverse.taking = {"2024-04-16 10:30", "Other make 4105, serial 77", "J. Field", "dry ground", "office"};
    return traverse;
}

// A Wenner sounding typed as the resistances read at each spacing, over the campaign's three layers, as a
// tester without a link shows them (three significant digits).
archive::TypedSounding TypedSoundingSample(std::int64_t site) {
    archive::TypedSounding sounding;
    sounding.site = site;
    sounding.array = archive::ElectrodeArray::Wenner;
    sounding.quantity = archive::TypedQuantity::Resistance;
    const terrovane::analysis::LayeredEarth earth{{60, 250, 35}, {1.5, 6}};
    const double spacings[] = {0.5, 1, 2, 3, 4, 6, 8, 12, 16, 24};
    for (const double a : spacings) {
        const double r =
            terrovane::analysis::WennerApparentResistivity(earth, a) / (2 * std::numbers::pi * a);
        const double step = std::pow(10.0, std::floor(std::log10(r)) - 2);
        sounding.points.push_back({a, std::round(r / step) * step});
    }
    sounding.taking = {"2024-04-16 09:00", "Other make 4105, serial 77", "J. Field", "", "office"};
    return sounding;
}

}  // namespace

screenfit::WindowSamples Windows(std::shared_ptr<archive::Archive> store, SampleSite at) {
    const SiteChoice site{at.site, QStringLiteral("Substation North")};
    {
        SoilWindow soil(store.get(), OfMode(*store, 9), site);
        soil.LayerChoice().setCurrentText(QStringLiteral("2"));
        soil.StoreWithSite();  // the model the grid window starts from
    }
    {
        // A small grid with rods: the windows show every part of a computed grid, and the walk over every
        // window in every language and scale stays quick (the 70 m example grid takes seconds to compute).
        GridWindow grid(store.get(), site, std::nullopt);
        grid::GridDesign design = grid.Design();
        design.grid = {grid::GridShape::Rectangular, 24, 16, 3, 4, 0.5, 0.01, 0, 0};
        design.rods = grid::GroundRods{4, 3.0, 0.016, grid::RodPlacement::Perimeter};
        grid.SetDesign(design);
        grid.StoreWithSite();  // the design the grid windows start from
    }
    return {
        {QStringLiteral("soil-model"),
         [store, site] { return std::make_shared<SoilWindow>(store.get(), OfMode(*store, 9), site); }},
        {QStringLiteral("fall-of-potential"),
         [store, at] {
             return std::make_shared<FopWindow>(
                 store.get(), OfMode(*store, 1),
                 PointChoice{at.point, QStringLiteral("Substation North / E1 north-east")});
         }},
        {QStringLiteral("fall-of-potential-typed"),
         [store, at] {
             auto window = std::make_shared<FopWindow>(
                 store.get(), std::vector<archive::ResultRow>{},
                 PointChoice{at.point, QStringLiteral("Substation North / E1 north-east")});
             window->ShowTyped(TypedTraverseSample(at.point));
             return window;
         }},
        {QStringLiteral("soil-model-typed"),
         [store, site] {
             auto window = std::make_shared<SoilWindow>(store.get(), std::vector<archive::ResultRow>{}, site);
             window->ShowTyped(TypedSoundingSample(site.id));
             return window;
         }},
        {QStringLiteral("grid-safety"),
         [store, site] {
             return OnceComputed(std::make_shared<GridWindow>(store.get(), site, std::nullopt));
         }},
        {QStringLiteral("grid-safety-map"),
         [store, site] {
             auto window = OnceComputed(std::make_shared<GridWindow>(store.get(), site, std::nullopt));
             window->Pictures().Tabs().setCurrentIndex(1);
             return window;
         }},
        {QStringLiteral("grid-safety-profile"),
         [store, site] {
             auto window = OnceComputed(std::make_shared<GridWindow>(store.get(), site, std::nullopt));
             window->Pictures().Tabs().setCurrentIndex(2);
             return window;
         }},
    };
}

}  // namespace terrovane::engineering::samples
