// terrovane-cli soil and fop as programs: soundings and curves from CSV files, from a saved read-out image
// and from the archive, their JSON, and the messages of data they refuse.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <numbers>

#include "Archive.h"
#include "ChildProcess.h"
#include "JsonOutput.h"
#include "JsonSchema.h"
#include "LayeredEarth.h"
#include "MeasurementRecord.h"
#include "Sites.h"

namespace terrovane::testing {
namespace {

class AnalysisCommandTest : public ::testing::Test {
  protected:
    std::string In(const std::string& name) const { return (dir_.path() + "/" + name.c_str()).toStdString(); }
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(In(name), std::ios::binary) << text;
        return In(name);
    }
    ChildOutcome Cli(const std::vector<std::string>& arguments) const {
        ChildSettings settings;
        settings.environment.push_back("TERROVANE_ARCHIVE=" + In("archive.sqlite"));
        ChildOutcome run = RunChild(TERROVANE_CLI_PATH, arguments, settings);
        EXPECT_EQ(CliJsonViolations(arguments, run.out), "");
        return run;
    }
    // A read-out image holding `records` from slot 0 on.
    record::ReadOutBuffer Image(const std::vector<record::MeasurementRecord>& records) const {
        record::ReadOutBuffer image{};
        for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
            auto packet = record::PacketOf(image, slot);
            packet[0] = packet[68] = 'O';
            packet[1] = packet[69] = 'K';
            if (slot < records.size()) {
                record::MeasurementRecord r = records[slot];
                r.validMark = 'U';
                r.ToPacket(packet);
            }
        }
        return image;
    }
    std::string WriteImage(const std::string& name, const record::ReadOutBuffer& image) const {
        return Write(name, std::string(image.begin(), image.end()));
    }

    QTemporaryDir dir_;
};

record::MeasurementRecord Resistivity(std::uint32_t distance, double rho) {
    record::MeasurementRecord r;
    r.mode = 9;
    r.voltageCode = 1;
    r.frequencyCode = 1;
    r.integerValue = distance;
    r.values[record::kResistivity] = static_cast<float>(rho);
    return r;
}

record::MeasurementRecord ThreePole(double resistance) {
    record::MeasurementRecord r;
    r.mode = 1;
    r.voltageCode = 1;
    r.frequencyCode = 1;
    r.values[record::kRe] = static_cast<float>(resistance);
    return r;
}

TEST_F(AnalysisCommandTest, ASoundingFromCsvGivesTheIssuesJson) {
    const analysis::LayeredEarth earth{{250.0, 60.0}, {2.0}};
    std::string csv = "spacing_m,resistance_ohm\n";
    for (double a : {0.5, 1.0, 2.0, 3.0, 5.0, 8.0, 12.0, 20.0, 30.0, 50.0}) {
        const double rho = analysis::WennerApparentResistivity(earth, a);
        csv += std::to_string(a) + "," + std::to_string(rho / (2.0 * std::numbers::pi * a)) + "\n";
    }
    const ChildOutcome run = Cli({"soil", "--csv", Write("s.csv", csv), "--resistance", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject fit = Json(run.out);
    const QJsonArray layers = fit["layers"].toArray();
    ASSERT_EQ(layers.size(), 2);
    EXPECT_NEAR(layers[0]["resistivity_ohm_m"].toDouble(), 250.0, 1.0);
    EXPECT_NEAR(layers[0]["thickness_m"].toDouble(), 2.0, 0.02);
    EXPECT_TRUE(layers[0].toObject().contains("thickness_sigma"));
    EXPECT_TRUE(layers[1].toObject().contains("resistivity_sigma"));
    EXPECT_FALSE(layers[1].toObject().contains("thickness_m"));
    EXPECT_LT(fit["rms_percent"].toDouble(), 0.1);
    const QJsonArray points = fit["points"].toArray();
    ASSERT_EQ(points.size(), 10);
    EXPECT_EQ(points[0].toObject().keys(),
              (QStringList{"measured", "model", "residual_percent", "spacing_m"}));
    // The table says the same.
    const ChildOutcome table = Cli({"soil", "--csv", In("s.csv"), "--resistance", "--layers", "2"});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("(to any depth)"), std::string::npos) << table.out;
    // In the signs a person reads, the columns kept however many bytes a sign takes.
    EXPECT_EQ(table.out.find("+-"), std::string::npos);
    EXPECT_EQ(table.out.find("ohm"), std::string::npos);
    const std::size_t header = table.out.find("layer  resistivity (Ω·m)");
    ASSERT_NE(header, std::string::npos) << table.out;
    const std::size_t firstRow = table.out.find('\n', header) + 1;
    const QString headerLine = QString::fromStdString(table.out.substr(header, firstRow - header));
    const QString row =
        QString::fromStdString(table.out.substr(firstRow, table.out.find('\n', firstRow) - firstRow));
    EXPECT_TRUE(row.contains(QStringLiteral(" ± "))) << row.toStdString();
    EXPECT_EQ(headerLine.indexOf(QStringLiteral("thickness")), 44);
    // The first layer's thickness starts under its header, after the resistivity padded to 37 columns.
    EXPECT_EQ(row.at(43), QLatin1Char(' ')) << row.toStdString();
    EXPECT_TRUE(row.at(44).isDigit()) << row.toStdString();
}

TEST_F(AnalysisCommandTest, ASoundingFromASavedImageAndFromTheArchiveNotesWhatItMerged) {
    std::vector<record::MeasurementRecord> records = {ThreePole(4.0)};
    for (std::uint32_t a : {1u, 2u, 4u, 8u, 16u, 32u, 64u, 120u})
        records.push_back(Resistivity(a, 300.0 - 2.0 * a));
    records.push_back(Resistivity(8, 290.0));
    const record::ReadOutBuffer image = Image(records);
    const ChildOutcome saved = Cli({"soil", "--from", WriteImage("data.inf", image), "--layers", "1"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(saved.err.find("soil: slot 08: distance shown as >99; the stored 120 m is used"),
              std::string::npos)
        << saved.err;
    EXPECT_NE(saved.err.find("soil: 2 results at 8 m: their geometric mean is used"), std::string::npos);
    std::string error;
    auto store = archive::Archive::Open(In("archive.sqlite"), error);
    ASSERT_NE(store, nullptr) << error;
    const archive::StoreOutcome stored = store->Store({"2026-12-08T10:00:00+00:00", "COM3", &image});
    ASSERT_TRUE(stored.stored) << stored.error;
    store.reset();
    const ChildOutcome archived =
        Cli({"soil", "--readout", std::to_string(stored.readoutId), "--layers", "1", "--format", "json"});
    ASSERT_EQ(archived.status, 0) << archived.err;
    EXPECT_EQ(Json(archived.out)["points"].toArray().size(), 8);
    const ChildOutcome missing = Cli({"soil", "--readout", "999"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
}

TEST_F(AnalysisCommandTest, ASoundingFromTheResultsOfASitesTestPoints) {
    std::vector<record::MeasurementRecord> records = {ThreePole(4.0)};
    for (std::uint32_t a : {1u, 2u, 4u, 8u, 16u, 32u})
        records.push_back(Resistivity(a, 300.0 - 4.0 * a));
    const record::ReadOutBuffer image = Image(records);
    std::string error;
    auto store = archive::Archive::Open(In("archive.sqlite"), error);
    ASSERT_NE(store, nullptr) << error;
    ASSERT_TRUE(store->Store({"2026-12-08T10:00:00+00:00", "COM3", &image}).stored);
    archive::SiteFields site;
    site.name = "Ridge";
    std::int64_t siteId = 0, pointId = 0;
    ASSERT_TRUE(archive::AddSite(*store, site, siteId, error)) << error;
    site.name = "Empty";
    std::int64_t emptyId = 0;
    ASSERT_TRUE(archive::AddSite(*store, site, emptyId, error)) << error;
    archive::PointFields point;
    point.name = "Traverse";
    ASSERT_TRUE(archive::AddPoint(*store, siteId, point, pointId, error)) << error;
    // Every result but the last resistivity reading, the 3-pole one among them (passed over).
    ASSERT_TRUE(archive::Assign(*store, {1, 2, 3, 4, 5, 6}, pointId, error)) << error;
    store.reset();
    const ChildOutcome fitted = Cli({"soil", "--site", "Ridge", "--layers", "1", "--format", "json"});
    ASSERT_EQ(fitted.status, 0) << fitted.err;
    EXPECT_EQ(Json(fitted.out)["points"].toArray().size(), 5);
    const ChildOutcome empty = Cli({"soil", "--site", "Empty"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("no resistivity results (mode 9) with a distance"), std::string::npos)
        << empty.err;
    const ChildOutcome unknown = Cli({"soil", "--site", "Nowhere"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "soil: there is no site \"Nowhere\"\n");
}

TEST_F(AnalysisCommandTest, AFallOfPotentialCurveFromCsvAndFromArchivedResults) {
    // A hemisphere of 0.5 m in 100 ohm-m ground, current probe 50 m out.
    const double d = 50.0;
    auto curve = [&](double x) {
        return 100.0 / (2.0 * std::numbers::pi) * (2.0 - 1.0 / d - 1.0 / x + 1.0 / (d - x));
    };
    std::string csv = "potential_probe_m,resistance_ohm\n";
    std::vector<record::MeasurementRecord> records;
    std::string distances;
    for (int i = 2; i <= 18; i += 2) {
        const double x = d * i / 20.0;
        csv += std::to_string(x) + "," + std::to_string(curve(x)) + "\n";
        records.push_back(ThreePole(curve(x)));
        distances += (distances.empty() ? "" : ",") + std::to_string(x);
    }
    const ChildOutcome run =
        Cli({"fop", "--csv", Write("c.csv", csv), "--current-probe", "50", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject result = Json(run.out);
    EXPECT_NEAR(result["r_61_8_ohm"].toDouble(), 100.0 / std::numbers::pi, 0.05);
    EXPECT_TRUE(result["plateau"].toBool());
    EXPECT_TRUE(result["plateau_spread_percent"].isDouble());
    EXPECT_NEAR(result["slope"]["pt_over_c"].toDouble(), 0.618, 0.005);
    EXPECT_TRUE(result["slope"].toObject().contains("resistance_ohm"));

    const record::ReadOutBuffer image = Image(records);
    std::string error;
    auto store = archive::Archive::Open(In("archive.sqlite"), error);
    ASSERT_NE(store, nullptr) << error;
    const archive::StoreOutcome stored = store->Store({"2026-12-08T10:00:00+00:00", "COM3", &image});
    ASSERT_TRUE(stored.stored) << stored.error;
    store.reset();
    const std::string id = std::to_string(stored.readoutId);
    const ChildOutcome archived =
        Cli({"fop", "--readout", id, "--distances", distances, "--current-probe", "50", "--format", "json"});
    ASSERT_EQ(archived.status, 0) << archived.err;
    EXPECT_EQ(Json(archived.out)["r_61_8_ohm"], result["r_61_8_ohm"]);
    const ChildOutcome fewer = Cli({"fop", "--readout", id, "--distances", "5,10", "--current-probe", "50"});
    EXPECT_EQ(fewer.status, 1);
    EXPECT_EQ(fewer.err, "fop: 2 distances given for 9 earth-resistance results (3Pole, 4Pole)\n");

    // A reading shown as ">300k" among them leaves with its distance and is named, never plotted as 3.5e5.
    records.insert(records.begin() + 4, ThreePole(350000.0));
    const record::ReadOutBuffer withOver = Image(records);
    store = archive::Archive::Open(In("archive.sqlite"), error);
    ASSERT_NE(store, nullptr) << error;
    const archive::StoreOutcome second = store->Store({"2026-12-08T11:00:00+00:00", "COM3", &withOver});
    ASSERT_TRUE(second.stored) << second.error;
    store.reset();
    std::string overDistances;  // the over-range reading was taken at 22 m, between the fourth and fifth
    for (int i = 2; i <= 18; i += 2)
        overDistances +=
            (i == 2 ? "" : ",") + std::string(i == 10 ? "22," : "") + std::to_string(d * i / 20.0);
    const ChildOutcome over = Cli({"fop", "--readout", std::to_string(second.readoutId), "--distances",
                                   overDistances, "--current-probe", "50", "--format", "json"});
    ASSERT_EQ(over.status, 0) << over.err;
    EXPECT_EQ(over.err, "fop: slot 04: Re > 300 k\xCE\xA9 is over range, no measured value; left out\n");
    const QJsonObject honest = Json(over.out);
    EXPECT_EQ(honest["left_out"].toArray().size(), 1);
    EXPECT_NEAR(honest["r_61_8_ohm"].toDouble(), result["r_61_8_ohm"].toDouble(), 1e-3);
}

TEST_F(AnalysisCommandTest, DataThatCannotBeAnalysedAreRefusedWithTheReason) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> failures = {
        {{"soil", "--csv", Write("few.csv", "spacing_m,apparent_resistivity_ohm_m\n1,100\n2,80\n"),
          "--layers", "3"},
         "soil: 3 layers need 5 points, but there are only 2.\n"},
        {{"soil", "--csv", Write("dup.csv", "spacing_m,apparent_resistivity_ohm_m\n1,100\n1,80\n")},
         "soil: Point 2: the spacing 1 m is already that of point 1.\n"},
        {{"soil", "--csv", Write("bad.csv", "spacing_m,apparent_resistivity_ohm_m\n1,x\n")},
         "soil: " + In("bad.csv") + ": line 2: \"1,x\" is not two numbers\n"},
        {{"soil", "--from", WriteImage("none.inf", Image({ThreePole(3.0)}))},
         "soil: no resistivity results (mode 9) with a distance among the stored results\n"},
        {{"fop", "--csv", Write("near.csv", "potential_probe_m,resistance_ohm\n5,1\n10,2\n"),
          "--current-probe", "50"},
         "fop: 61.8 % of D (30.9 m) lies outside the readings (5 m to 10 m): add readings on both sides of "
         "it.\n"},
    };
    for (const auto& [arguments, message] : failures) {
        const ChildOutcome run = Cli(arguments);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
    }
    const std::vector<std::pair<std::vector<std::string>, std::string>> usages = {
        {{"soil", "--from", "x", "--resistance"}, "terrovane-cli soil: --resistance applies to --csv only"},
        {{"soil", "--csv", "x", "--layers", "4"}, "terrovane-cli soil: --layers is 1, 2, 3 or auto"},
        {{"fop", "--readout", "1", "--current-probe", "50"},
         "terrovane-cli fop: --readout needs --distances"},
        {{"fop", "--readout", "1", "--distances", "1,,2", "--current-probe", "50"},
         "terrovane-cli fop: --distances takes"},
        {{"fop", "--csv", "x", "--current-probe", "far"}, "terrovane-cli fop: --current-probe takes"},
    };
    for (const auto& [arguments, message] : usages) {
        const ChildOutcome run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
    }
}

}  // namespace
}  // namespace terrovane::testing
