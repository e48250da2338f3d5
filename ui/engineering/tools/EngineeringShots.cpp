// Fills a sample archive (a Wenner sounding over three layers and a fall-of-potential run of nine 3-pole
// readings and one over range, at one site), opens the soil model, fall-of-potential and grid safety windows
// on them and saves them as PNG files: engineering-shots ARCHIVE OUT_PREFIX.
#include <QApplication>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>

#include "Archive.h"
#include "FopWindow.h"
#include "GridWindow.h"
#include "LayeredEarth.h"
#include "MeasurementRecord.h"
#include "Sites.h"
#include "SoilWindow.h"

namespace {

namespace record = terrovane::record;
namespace archive = terrovane::archive;

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

void Save(QWidget& window, const QString& path) {
    window.move(10, 10);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    QTest::qWait(300);
    window.grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: terrovane-engineering-shots ARCHIVE OUT_PREFIX\n");
        return 2;
    }
    std::filesystem::remove(argv[1]);
    std::string error;
    auto store = archive::Archive::Open(argv[1], error);
    if (!store) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const auto image = Campaign();
    store->Store({"2024-04-17T16:30:00+02:00", "COM3", &image});
    archive::SiteFields site;
    site.name = "Substation North";
    std::int64_t siteId = 0;
    archive::AddSite(*store, site, siteId, error);
    archive::PointFields point;
    point.name = "E1 north-east";
    point.kind = archive::PointKind::Rod;
    std::int64_t pointId = 0;
    archive::AddPoint(*store, siteId, point, pointId, error);
    const QString prefix = QString::fromLocal8Bit(argv[2]);

    terrovane::engineering::SoilWindow soil(store.get(), OfMode(*store, 9),
                                            terrovane::engineering::SiteChoice{siteId, "Substation North"});
    soil.resize(1120, 600);
    Save(soil, prefix + QStringLiteral("soil-model.png"));
    soil.StoreWithSite();  // kept with the site, for the site report
    soil.LayerChoice().setCurrentText(QStringLiteral("2"));
    Save(soil, prefix + QStringLiteral("soil-model-two-layers.png"));
    soil.close();

    terrovane::engineering::FopWindow fop(
        store.get(), OfMode(*store, 1),
        terrovane::engineering::PointChoice{pointId, "Substation North / E1 north-east"});
    fop.resize(1120, 560);
    fop.StoreWithPoint();
    Save(fop, prefix + QStringLiteral("fall-of-potential.png"));
    fop.CurrentProbe().setValue(40);  // readings beyond the current probe are refused with the reason
    fop.Readings().item(8, 2)->setText(QStringLiteral("45"));
    Save(fop, prefix + QStringLiteral("fall-of-potential-refused.png"));
    fop.close();

    // The grid window on the site's stored model: the standard's example, an L-shaped grid with rods, and
    // the smallest safe grid of the sweep, which is kept with the site.
    terrovane::engineering::GridWindow grid(
        store.get(), terrovane::engineering::SiteChoice{siteId, "Substation North"}, std::nullopt);
    grid.resize(1320, 740);
    Save(grid, prefix + QStringLiteral("grid-safety.png"));
    grid.SoilSource().setCurrentIndex(1);  // the standard's 400 ohm m, typed: not safe
    grid.TypedResistivity().setValue(400);
    Save(grid, prefix + QStringLiteral("grid-safety-unsafe.png"));
    grid.SoilSource().setCurrentIndex(0);
    grid.Shape().setCurrentIndex(2);
    grid.CutoutLength().setValue(28);
    grid.CutoutWidth().setValue(35);
    grid.RodCount().setValue(24);
    grid.RodLength().setValue(7.5);
    Save(grid, prefix + QStringLiteral("grid-safety-l-shaped.png"));
    grid.Shape().setCurrentIndex(0);
    grid.FindSmallestSafe();
    grid.StoreWithSite();
    Save(grid, prefix + QStringLiteral("grid-safety-smallest.png"));
    std::printf(
        "saved %ssoil-model.png, %ssoil-model-two-layers.png, %sfall-of-potential.png, "
        "%sfall-of-potential-refused.png, %sgrid-safety.png, %sgrid-safety-unsafe.png, "
        "%sgrid-safety-l-shaped.png, %sgrid-safety-smallest.png\n",
        argv[2], argv[2], argv[2], argv[2], argv[2], argv[2], argv[2], argv[2]);
    return 0;
}
