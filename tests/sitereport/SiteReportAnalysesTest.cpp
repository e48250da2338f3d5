// The site report's pages of engineering answers: the site's newest stored soil model with its layer table
// and plot, its newest grid assessment, and each point's newest fall-of-potential curve with its values, read
// back by pdftotext.
#include <QColor>
#include <QImage>

#include "ArchiveFixtures.h"
#include "FopCurves.h"
#include "GridAssessments.h"
#include "ResultCheck.h"
#include "SiteReportPdf.h"
#include "Sites.h"
#include "SoilModels.h"

namespace terrovane::archive::testing {
namespace {

class SiteReportAnalysesTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 4.2f)}})).stored);
        SiteFields fields;
        fields.name = "Substation West";
        ASSERT_TRUE(AddSite(*archive_, fields, site_, error_)) << error_;
        for (const char* name : {"E1", "E2", "E3"}) {
            PointFields point;
            point.name = name;
            std::int64_t id = 0;
            ASSERT_TRUE(AddPoint(*archive_, site_, point, id, error_)) << error_;
            points_.push_back(id);
        }
        ASSERT_TRUE(Assign(*archive_, {1}, points_[0], error_)) << error_;
    }

    std::string Report() {
        sitereport::SiteReport report;
        EXPECT_TRUE(sitereport::LoadSiteReport(*archive_, "Substation West", "", "", {}, report, error_))
            << error_;
        report.version = "1.0";
        const std::string path = Path("site.pdf");
        EXPECT_TRUE(sitereport::RenderSiteReportPdf(report, path, error_)) << error_;
        return RunCommand("pdftotext -layout '" + path + "' - 2>&1").text;
    }

    void StoreCurve(std::int64_t point, double scale) {
        StoredFopCurve curve{0, point, "", 50, {}, {}};
        for (int i = 1; i <= 9; ++i)
            curve.readings.push_back({5.0 * i, scale * (20 + i - 0.02 * (i - 6) * (i - 6)), {}});
        ASSERT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*archive_, curve)));
    }

    std::unique_ptr<Archive> archive_;
    std::int64_t site_ = 0;
    std::vector<std::int64_t> points_;
    std::string error_;
};

TEST_F(SiteReportAnalysesTest, WithoutStoredAnswersTheReportHasItsResultPagesOnly) {
    const std::string text = Report();
    // The title page, the summary, the results and the signatures.
    EXPECT_NE(text.find("Page 4 of 4"), std::string::npos) << text;
    EXPECT_EQ(text.find("Soil model"), std::string::npos);
}

TEST_F(SiteReportAnalysesTest, TheNewestSoilModelAndEachPointsNewestCurveArePrinted) {
    StoredSoilModel older{0, site_, "", "1", 9.5, {{80, 3, {}, {}}}, {{1, 80}, {2, 81}}, {}, {}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive_, older)));
    StoredSoilModel model{0,
                          site_,
                          "",
                          "auto",
                          1.84,
                          {{152.5, 4.1, 2.4, 0.31}, {31.7, 1.2, {}, {}}},
                          {{1, 150}, {2, 140}, {4, 101}, {8, 55}, {16, 36}, {32, 32}},
                          {},
                          {}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive_, model)));
    StoreCurve(points_[0], 1.0);
    StoreCurve(points_[2], 0.5);
    StoreCurve(points_[2], 0.25);  // the newer of E3's two curves is printed
    const std::string text = Report();
    // Title, summary, results, the soil model, the two curves side by side, signatures.
    EXPECT_NE(text.find("Page 6 of 6"), std::string::npos) << text;
    EXPECT_NE(text.find("Soil model"), std::string::npos);
    EXPECT_NE(text.find("layers: auto; RMS error 1.84 %"), std::string::npos) << text;
    EXPECT_NE(text.find("152.5 ± 4.1"), std::string::npos) << text;
    EXPECT_NE(text.find("2.4 ± 0.31"), std::string::npos);
    EXPECT_NE(text.find("below"), std::string::npos);
    EXPECT_NE(text.find("Electrode spacing a (m)"), std::string::npos);
    EXPECT_EQ(text.find("9.50 %"), std::string::npos);  // not the older model
    EXPECT_NE(text.find("Fall of potential: E1"), std::string::npos);
    EXPECT_NE(text.find("Fall of potential: E3"), std::string::npos);
    EXPECT_EQ(text.find("Fall of potential: E2"), std::string::npos);
    EXPECT_NE(text.find("current probe D = 50 m; 9 readings"), std::string::npos);
    EXPECT_NE(text.find("Resistance at 61.8 % of D:"), std::string::npos);
    EXPECT_NE(text.find("Potential probe x / D"), std::string::npos);
}

// The readings the stored analyses left out are listed with the reason, wrapped inside their column.
TEST_F(SiteReportAnalysesTest, TheReadingsLeftOutOfEachAnalysisAreListedWithTheReason) {
    StoredSoilModel model{0,
                          site_,
                          "",
                          "2",
                          2.2,
                          {{152.5, 4.1, 2.4, 0.31}, {31.7, 1.2, {}, {}}},
                          {{1, 150}, {2, 140}, {4, 101}, {8, 55}, {16, 36}},
                          {},
                          {"result 12: ρ > 999.9 kΩ·m is over range, no measured value; left out"}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive_, model)));
    StoredFopCurve curve{0, points_[1], "", 50, {}, {}};
    for (int i = 1; i <= 9; ++i)
        curve.readings.push_back({5.0 * i, 20.0 + i, {}});
    for (int slot = 1; slot <= 8; ++slot)
        curve.leftOut.push_back("slot 0" + std::to_string(slot) +
                                ": Re > 300 kΩ is over range, no measured value; left out");
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*archive_, curve)));
    StoreCurve(points_[0], 1.0);  // left nothing out: no list beside it
    // Without -layout the wrapped notes read as running text.
    sitereport::SiteReport report;
    ASSERT_TRUE(sitereport::LoadSiteReport(*archive_, "Substation West", "", "", {}, report, error_))
        << error_;
    const std::string path = Path("site.pdf");
    ASSERT_TRUE(sitereport::RenderSiteReportPdf(report, path, error_)) << error_;
    std::string text = RunCommand("pdftotext '" + path + "' - 2>&1").text;
    for (char& c : text)
        c = c == '\n' ? ' ' : c;
    EXPECT_NE(text.find("Left out of the sounding, and why:"), std::string::npos) << text;
    EXPECT_NE(text.find("result 12: ρ > 999.9 kΩ·m is over range, no measured value; left out"),
              std::string::npos)
        << text;
    const std::size_t curveList = text.find("Left off the curve, and why:");
    ASSERT_NE(curveList, std::string::npos) << text;
    EXPECT_EQ(text.find("Left off the curve, and why:", curveList + 1), std::string::npos);  // E2's only
    EXPECT_NE(text.find("slot 06: Re > 300 kΩ is over range, no measured value; left out"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("slot 07:"), std::string::npos);  // past six, counted
    EXPECT_NE(text.find("and 2 more"), std::string::npos) << text;
}

TEST_F(SiteReportAnalysesTest, TheNewestGridAssessmentHasAPageBetweenTheModelAndTheCurves) {
    StoredGridAssessment a;
    a.site = site_;
    a.shape = "square";
    a.lengthM = a.widthM = 70;
    a.conductorsLengthwise = a.conductorsWidthwise = 11;
    a.depthM = 0.5;
    a.conductorDiameterM = 0.01;
    a.rodPlacement = "perimeter";
    a.givenGridCurrentA = 1908;
    a.durationS = 0.5;
    a.standard = "ieee80";
    a.soilResistivity = 400;
    a.soilMethod = "given";
    a.tolerableTouchV = 840.5;
    a.tolerableStepV = 2696.2;
    a.gridResistanceOhm = 2.776;
    a.gridCurrentA = 1908;
    a.gprV = 5296.4;
    a.meshVoltageV = 1001.6;
    a.stepVoltageV = 548.9;
    a.verdict = "unsafe";
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreGridAssessment(*archive_, a)));
    a.rodCount = 20;
    a.rodLengthM = 7.5;
    a.rodDiameterM = 0.016;
    a.surfaceResistivity = 2500;
    a.surfaceThicknessM = 0.102;
    a.schwarzResistanceOhm = 2.844;
    a.meshVoltageV = 747.4;
    a.verdict = "safe";
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreGridAssessment(*archive_, a)));
    StoreCurve(points_[0], 1.0);
    const std::string text = Report();
    EXPECT_NE(text.find("Page 6 of 6"), std::string::npos) << text;
    EXPECT_NE(text.find("Earthing grid safety"), std::string::npos) << text;
    EXPECT_LT(text.find("Earthing grid safety"), text.find("Fall of potential: E1"));
    for (const char* line :
         {"judged after IEEE Std 80-2013",
          "Grid: square, 70 m x 70 m, 11 x 11 conductors of 0.01 m, 0.5 m deep",
          "Rods: 20 of 7.5 m, 0.016 m in diameter, on the perimeter",
          "Surface layer: 2500 Ω·m, 0.102 m thick", "Fault: grid current 1908 A for 0.5 s; body of 70 kg",
          "Soil: 400 Ω·m, as typed", "Verdict: safe"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_NE(text.find("840.5 V"), std::string::npos);
    EXPECT_NE(text.find("747.4 V"), std::string::npos);
    EXPECT_NE(text.find("2.844 Ω"), std::string::npos);
    EXPECT_EQ(text.find("1001.6 V"), std::string::npos);  // not the older assessment

    // A verdict on soil not known well enough is printed as such, never as "not safe" or "safe".
    a.verdict = "not-shown-safe";
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreGridAssessment(*archive_, a)));
    const std::string doubted = Report();
    EXPECT_NE(doubted.find("Verdict: not shown safe (the soil is not known well enough)"), std::string::npos)
        << doubted;
}

// The grid page maps the touch and step voltages of the grid computed in the site's two-layer model: the
// soil and the limits in words, the legend's ends, and the colours and hatching on the printed page.
TEST_F(SiteReportAnalysesTest, TheGridPageMapsTouchAndStepVoltagesInTheSoilModel) {
    StoredSoilModel model;
    model.site = site_;
    model.layerChoice = "2";
    model.layers = {{400, 4, 2.0, 0.1}, {4000, 40, {}, {}}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive_, model)));
    StoredGridAssessment a;
    a.site = site_;
    a.shape = "square";
    a.lengthM = a.widthM = 30;
    a.conductorsLengthwise = a.conductorsWidthwise = 4;
    a.depthM = 0.5;
    a.conductorDiameterM = 0.01;
    a.rodPlacement = "perimeter";
    a.surfaceResistivity = 2500;
    a.surfaceThicknessM = 0.102;
    a.givenGridCurrentA = 1908;
    a.durationS = 0.5;
    a.standard = "ieee80";
    a.soilResistivity = 1200;
    a.soilMethod = "wenner-at-equivalent-radius";
    a.soilLayers = 2;
    a.tolerableTouchV = 840.5;
    a.tolerableStepV = 2696.2;
    a.gridResistanceOhm = 20;
    a.gridCurrentA = 1908;
    a.gprV = 38160;
    a.meshVoltageV = 9000;
    a.stepVoltageV = 5000;
    a.verdict = "unsafe";
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreGridAssessment(*archive_, a)));
    const std::string text = Report();
    for (const char* line : {"Computed in the soil (400 Ω·m of 2 m, 4000 Ω·m below): largest touch voltage",
                             "Hatched and bordered: the ground at or above the limit.",
                             "Touch voltage, limit 840.5 V", "Step voltage, limit 2696.1 V", "2696 V"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    // The legends mark the limits in whole volts (840.5 may round either way).
    EXPECT_TRUE(text.find("840 V") != std::string::npos || text.find("841 V") != std::string::npos) << text;

    // Page 5 (title, summary, results, soil model, grid) as an image, at 50 dpi as the header takes its band:
    // the map's colours from blue to red, and its hatching and conductors in black.
    const std::string pdf = Path("site.pdf");
    ASSERT_EQ(RunCommand("pdftoppm -r 50 -f 5 -l 5 -png '" + pdf + "' '" + Path("grid") + "' 2>&1").status,
              0);
    const QImage page(QString::fromStdString(Path("grid-5.png")));
    ASSERT_FALSE(page.isNull());
    int red = 0, blue = 0, dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.saturationF() > 0.5 && c.valueF() > 0.5) {
                const float hue = c.hueF() * 360;
                red += hue >= 0 && hue < 20 ? 1 : 0;
                blue += hue > 200 && hue < 250 ? 1 : 0;
            }
            dark += c.valueF() < 0.25 ? 1 : 0;
        }
    EXPECT_GT(red, 100);
    EXPECT_GT(blue, 100);
    EXPECT_GT(dark, 1000);
}

}  // namespace
}  // namespace terrovane::archive::testing
