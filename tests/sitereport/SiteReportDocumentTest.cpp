// The site report as the document a client receives, read back as a reader would: pdftotext page by page
// for the title page, every page's header, the summary table, the details with each result's method and
// conditions, the photos with their captions and the signatures; pdfinfo and qpdf for the PDF/A claim and
// its metadata; pdfimages for the logo, the signature and the photos.
#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <charconv>

#include "ArchiveFixtures.h"
#include "Attachments.h"
#include "FopCurves.h"
#include "LanguageChoice.h"
#include "Numbers.h"
#include "ReportPhotos.h"
#include "ResultCheck.h"
#include "SiteCertificate.h"
#include "SiteReportDocument.h"
#include "SiteReportPdf.h"
#include "Sites.h"
#include "TypedResults.h"
#include "Visits.h"

namespace terrovane::archive::testing {
namespace {

std::string Png(QColor colour, int width = 240, int height = 120) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.fillRect(width / 4, height / 4, width / 2, height / 2, Qt::white);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

constexpr const char* kSvgLogo =
    R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 200 80"><rect width="200" height="80" fill="#0d47a1"/>)"
    R"(<circle cx="40" cy="40" r="25" fill="#ffca28"/></svg>)";

class SiteReportDocumentTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_NE(archive_, nullptr);
    }

    // A site "Depot Nord" with the points given, each limited to 10 Ω by the site's standard.
    std::vector<std::int64_t> AddSiteWith(const std::vector<std::string>& points,
                                          const std::string& site = "Depot Nord") {
        SiteFields fields;
        fields.name = site;
        fields.address = "Hafenstraße 4, Bremen";
        fields.limit = Limit{10, "IEC 62305-3"};
        fields.intervalMonths = 12;
        std::int64_t id = 0;
        EXPECT_TRUE(AddSite(*archive_, fields, id, error_)) << error_;
        std::vector<std::int64_t> ids;
        for (const std::string& name : points) {
            PointFields point;
            point.name = name;
            point.kind = PointKind::Rod;
            std::int64_t pointId = 0;
            EXPECT_TRUE(AddPoint(*archive_, id, point, pointId, error_)) << error_;
            ids.push_back(pointId);
        }
        return ids;
    }

    // A 3-pole result of 2009-01-`day` with Re `ohms` and the probes' resistances.
    static record::MeasurementRecord ThreePole(int day, int minute, float ohms, float rs, float rh) {
        record::MeasurementRecord result = MakeResult(1, day, minute, ohms);
        result.values[record::kRs] = rs;
        result.values[record::kRh] = rh;
        return result;
    }

    sitereport::ReportFront Front() {
        sitereport::ReportFront front;
        front.firm.name = "Erdungsprüfung Weser GmbH";
        front.firm.address = "Am Deich 7\n28195 Bremen";
        front.firm.phone = "+49 421 555 0100";
        front.firm.email = "pruefung@weser.example";
        front.firm.licence = "DAkkS D-PL-99999-01";
        front.firm.logo = Png(QColor(0x0D, 0x47, 0xA1));
        front.firm.logoType = "png";
        front.client = "Stadtwerke Bremen AG";
        front.number = "EW-2009-0017";
        front.revision = 1;
        front.issueDate = "2009-01-22";
        front.preparedBy = "Jana Roth";
        front.checkedBy = "Malik Öztürk";
        archive::Visit visit;
        visit.date = "2009-01-05";
        visit.weather = "overcast, light rain";
        visit.airTemperature = 3.5;
        visit.soil = archive::SoilCondition::Wet;
        front.visits = {visit};
        front.signatures = {
            {"tested", "Jana Roth", "2009-01-22", Png(QColor(0x10, 0x10, 0x60), 300, 90), "png"},
            {"checked", "Malik Öztürk", "2009-01-22", "", ""}};
        return front;
    }

    sitereport::SiteReport Load(const std::string& site = "Depot Nord") {
        sitereport::SiteReport report;
        EXPECT_TRUE(sitereport::LoadSiteReport(*archive_, site, "", "", {}, report, error_)) << error_;
        report.version = "9.8.7";
        return report;
    }

    std::string Render(const sitereport::SiteReport& report, const std::string& name) {
        const std::string path = Path(name);
        EXPECT_TRUE(sitereport::RenderSiteReportPdf(report, path, error_)) << error_;
        return path;
    }

    static int Pages(const std::string& path) {
        const std::string pages = RunCommand("pdfinfo '" + path + "' | awk '/^Pages:/ {print $2}'").text;
        int count = 0;
        std::from_chars(pages.data(), pages.data() + pages.size(), count);
        return count;
    }
    // One page's text, the lines of a wrapped cell joined by spaces.
    static std::string PageText(const std::string& path, int page) {
        std::string text = RunCommand("pdftotext -raw -f " + std::to_string(page) + " -l " +
                                      std::to_string(page) + " '" + path + "' - 2>&1")
                               .text;
        std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    }
    static void ExpectAll(const std::string& text, std::initializer_list<const char*> expected) {
        for (const char* each : expected) {
            EXPECT_NE(text.find(each), std::string::npos) << each << "\n" << text;
        }
    }

    std::unique_ptr<Archive> archive_;
    std::string error_;
};

TEST_F(SiteReportDocumentTest, EveryBlockOfTheDocumentIsThereOnItsPage) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1", "Rod 2"});
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, ThreePole(5, 1, 4.2f, 1200, 2300)},
                                                 {1, ThreePole(5, 2, 14.5f, 1500, 64000)}}))
                    .stored);
    ASSERT_TRUE(Assign(*archive_, {1}, points[0], error_)) << error_;
    ASSERT_TRUE(Assign(*archive_, {2}, points[1], error_)) << error_;
    sitereport::SiteReport report = Load();
    report.front = Front();
    const std::string path = Render(report, "document.pdf");
    // Title, summary, details, signatures.
    ASSERT_EQ(Pages(path), 4);
    ExpectAll(PageText(path, 1), {"Erdungsprüfung Weser GmbH", "Am Deich 7", "28195 Bremen",
                                  "+49 421 555 0100", "pruefung@weser.example", "DAkkS D-PL-99999-01",
                                  "Earth resistance test report", "Report EW-2009-0017, revision 1",
                                  "Stadtwerke Bremen AG", "Depot Nord", "Hafenstraße 4, Bremen", "2009-01-05",
                                  "Jana Roth", "Malik Öztürk", "Issue date 2009-01-22", "Revision 1"});
    for (int page = 1; page <= 4; ++page) {
        ExpectAll(PageText(path, page), {"Erdungsprüfung Weser GmbH", "EW-2009-0017", "Terrovane 9.8.7"});
        EXPECT_NE(PageText(path, page).find("Page " + std::to_string(page) + " of 4"), std::string::npos);
    }
    // Due a year after the newest test, by the site's interval.
    ExpectAll(PageText(path, 2),
              {"Summary of the test points", "Rod 1", "Rod 2", "10 Ω", "IEC 62305-3", "4.20 Ω", "14.50 Ω",
               "pass", "fail", "2010-01-05", "Verdicts: 1 passed, 1 failed, 0 without limit"});
    const std::string details = PageText(path, 3);
    ExpectAll(details, {"Method: 3-pole earth resistance", "probe distances not recorded",
                        "test frequency 105 Hz", "Rs 1.2 kΩ, Rh 2.3 kΩ: valid, both at most 50 kΩ",
                        "Rs 1.5 kΩ, Rh 64.0 kΩ: doubtful, above 50 kΩ",
                        "Visit of 2009-01-05: weather overcast, light rain; air 3.5 °C; soil wet"});
    ExpectAll(PageText(path, 4), {"Result and signatures", "Tested by", "Checked by", "Jana Roth",
                                  "Malik Öztürk", "Signature, date: 2009-01-22"});
    // The logo in every page's header and on the title page, and the one signature given as an image.
    const std::string images = RunCommand("pdfimages -list '" + path + "' | tail -n +3 | wc -l").text;
    EXPECT_EQ(images, "6\n") << RunCommand("pdfimages -list '" + path + "'").text;
}

// A draft has no number: it says so on its title page and in every header, and leaves lines to sign on.
TEST_F(SiteReportDocumentTest, ADraftSaysDraftAndLeavesLinesToSignOn) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1"});
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(5, 5, 1, 12.0f)}})).stored);
    ASSERT_TRUE(Assign(*archive_, {1}, points[0], error_)) << error_;
    sitereport::SiteReport report = Load();
    report.front.firm.name = "Weser";
    report.front.firm.logo = kSvgLogo;
    report.front.firm.logoType = "svg";
    report.front.preparedBy = "Jana Roth";
    const std::string path = Render(report, "draft.pdf");
    const int pages = Pages(path);
    ASSERT_EQ(pages, 4);
    ExpectAll(PageText(path, 1), {"Draft", "Report number not issued", "Issue date not issued", "Client –",
                                  "no visit recorded", "Checked by –"});
    for (int page = 1; page <= pages; ++page) {
        ExpectAll(PageText(path, page), {"Weser", "Draft"});
    }
    // A 2-clamp result carries no frequency and no probes: its method says what is not recorded.
    ExpectAll(PageText(path, 3), {"Method: Two clamps (stakeless)", "probe distances not recorded",
                                  "Conditions not recorded (no visit on 2009-01-05)"});
    ExpectAll(PageText(path, 4), {"Jana Roth", "Name: ____", "Signature, date: ____"});
    // The SVG logo is drawn as vectors: no image in the file.
    EXPECT_EQ(RunCommand("pdfimages -list '" + path + "' | tail -n +3 | wc -l").text, "0\n");
}

// A reading on a stored fall-of-potential curve has its probes' distances; a typed result says it was typed,
// by whom and from which instrument, with its own Rs and Rh judged as the instrument's are.
TEST_F(SiteReportDocumentTest, ProbeDistancesAndTypedResultsAreNamedWithTheirMethod) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1", "Rod 2"});
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, ThreePole(5, 1, 4.1f, 900, 1100)},
                                                 {1, ThreePole(5, 2, 4.4f, 900, 1100)}}))
                    .stored);
    ASSERT_TRUE(Assign(*archive_, {1, 2}, points[0], error_)) << error_;
    StoredFopCurve curve;
    curve.point = points[0];
    curve.currentProbe = 40;
    curve.readings = {{12, 4.1, 1}, {24.7, 4.4, 2}};
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreFopCurve(*archive_, curve)));
    TypedResultFields typed;
    typed.point = points[1];
    typed.method = "fall-of-potential";
    typed.values = {{"Re", 6.5, false}, {"Rs", 700, false}, {"Rh", 300000, true}};
    typed.measured = "2009-01-06 09:15";
    typed.instrument = "Ohmcheck 3, serial A-17";
    typed.typedBy = "jroth";
    typed.measuredBy = "A. Weber";
    ASSERT_TRUE(AddTypedResult(*archive_, typed)) << error_;
    const sitereport::SiteReport report = Load();
    ASSERT_EQ(report.points[1].results.size(), 1u);
    EXPECT_TRUE(report.points[1].tested);
    const std::string path = Render(report, "methods.pdf");
    const std::string details = PageText(path, 3);
    ExpectAll(details,
              {"probes: current 40 m, potential 24.7 m", "probes: current 40 m, potential 12 m",
               "Method: Fall of potential", "Rs 700 Ω, Rh > 300 kΩ: doubtful, above 50 kΩ",
               "Measured by A. Weber, typed in by jroth", "instrument Ohmcheck 3, serial A-17", "6.5 Ω"});
    ExpectAll(PageText(path, 2), {"Rod 2", "6.5 Ω", "2009-01-06", "pass"});
}

// With two visits on a day, a result's conditions are those of the visit it is assigned to, read out or
// typed; one not assigned takes the day's first.
TEST_F(SiteReportDocumentTest, AResultsConditionsAreThoseOfItsAssignedVisit) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1", "Rod 2", "Rod 3"});
    const auto site = PointById(*archive_, points[0], error_);
    ASSERT_TRUE(site) << error_;
    std::vector<std::int64_t> visits;
    for (const char* weather : {"morning sun", "afternoon hail"}) {
        Visit visit;
        visit.site = site->site;
        visit.date = "2009-01-06";
        visit.weather = weather;
        const auto id = AddVisit(*archive_, visit);
        ASSERT_TRUE(id) << id.Error().Text();
        visits.push_back(id.Value());
    }
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, ThreePole(6, 1, 4.1f, 900, 1100)},
                                                 {1, ThreePole(6, 2, 4.4f, 900, 1100)}}))
                    .stored);
    ASSERT_TRUE(Assign(*archive_, {1}, points[0], error_)) << error_;
    ASSERT_TRUE(Assign(*archive_, {2}, points[2], error_)) << error_;
    ASSERT_TRUE(AssignToVisit(*archive_, {1}, visits[1]).Ok());
    TypedResultFields typed;
    typed.point = points[1];
    typed.method = "fall-of-potential";
    typed.values = {{"Re", 6.5, false}};
    typed.measured = "2009-01-06 15:15";
    typed.typedBy = "jroth";
    const auto typedId = AddTypedResult(*archive_, typed);
    ASSERT_TRUE(typedId);
    ASSERT_TRUE(AssignTypedToVisit(*archive_, {typedId.Value()}, visits[1]).Ok());

    const sitereport::SiteReport report = Load();
    ASSERT_EQ(report.points.size(), 3u);
    const auto conditions = [&](std::size_t point) {
        return sitereport::ResultDetailText(report, report.points[point].results.at(0)).toStdString();
    };
    EXPECT_NE(conditions(0).find("weather afternoon hail"), std::string::npos) << conditions(0);
    EXPECT_NE(conditions(1).find("weather afternoon hail"), std::string::npos) << conditions(1);
    EXPECT_NE(conditions(2).find("weather morning sun"), std::string::npos) << conditions(2);
    std::string text = RunCommand("pdftotext -raw '" + Render(report, "visits.pdf") + "' - 2>&1").text;
    std::replace(text.begin(), text.end(), '\n', ' ');
    EXPECT_NE(text.find("Visit of 2009-01-06: weather afternoon hail"), std::string::npos) << text;
}

// Only the photos chosen for the report are printed, four to a page, each with its caption; a document
// cannot be chosen, and a choice goes with its attachment.
TEST_F(SiteReportDocumentTest, ChosenPhotosArePrintedWithTheirCaptions) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1"});
    std::vector<std::int64_t> photos;
    for (int i = 0; i < 7; ++i) {
        NewAttachment photo;
        photo.owner = {AttachedTo::Point, points[0]};
        photo.name = "rod-" + std::to_string(i) + ".png";
        photo.caption = "Inspection pit " + std::to_string(i) + ", clamp corroded";
        photo.file.kind = AttachmentKind::Png;
        photo.file.bytes = Png(QColor::fromHsv(i * 40, 200, 200));
        photo.file.width = 240;
        photo.file.height = 120;
        const auto id = Attach(*archive_, photo);
        ASSERT_TRUE(id) << id.Error().Text();
        photos.push_back(id.Value());
    }
    NewAttachment document;
    document.owner = {AttachedTo::Point, points[0]};
    document.name = "plan.pdf";
    document.file.kind = AttachmentKind::Pdf;
    document.file.bytes = "%PDF-1.4\n%%EOF\n";
    const auto plan = Attach(*archive_, document);
    ASSERT_TRUE(plan) << plan.Error().Text();
    const Status refused = ChooseForReport(*archive_, plan.Value(), true);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Error().code, ErrorCode::Refused);
    EXPECT_EQ(ChooseForReport(*archive_, 999, true).Error().code, ErrorCode::NoSuchItem);
    // Six of the seven chosen, one of them chosen and taken out again, one removed from the archive.
    for (std::size_t i = 0; i < 6; ++i) {
        ASSERT_TRUE(ChooseForReport(*archive_, photos[i], true));
    }
    ASSERT_TRUE(ChooseForReport(*archive_, photos[0], true));  // twice is once
    ASSERT_TRUE(ChooseForReport(*archive_, photos[1], false));
    ASSERT_TRUE(Detach(*archive_, photos[2]));
    EXPECT_EQ(ReadArchive(Path(), "SELECT attachment_id FROM report_photos ORDER BY 1"),
              "[[" + std::to_string(photos[0]) + "], [" + std::to_string(photos[3]) + "], [" +
                  std::to_string(photos[4]) + "], [" + std::to_string(photos[5]) + "]]");

    const sitereport::SiteReport report = Load();
    ASSERT_EQ(report.points[0].photos.size(), 4u);
    const std::string path = Render(report, "photos.pdf");
    ASSERT_EQ(Pages(path), 5);  // title, summary, details, one page of four photos, signatures
    const std::string page = PageText(path, 4);
    ExpectAll(page, {"Photos", "Inspection pit 0, clamp corroded", "Inspection pit 3, clamp corroded",
                     "Inspection pit 4, clamp corroded", "Inspection pit 5, clamp corroded"});
    for (const char* left : {"Inspection pit 1", "Inspection pit 2", "Inspection pit 6"}) {
        EXPECT_EQ(page.find(left), std::string::npos) << left;
    }
    EXPECT_EQ(RunCommand("pdfimages -f 4 -l 4 -list '" + path + "' | tail -n +3 | wc -l").text, "4\n");
}

TEST_F(SiteReportDocumentTest, ManyPhotosTakeAsManyPagesAsTheyNeed) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1", "Rod 2"});
    for (int i = 0; i < 10; ++i) {
        NewAttachment photo;
        photo.owner = {AttachedTo::Point, points[static_cast<std::size_t>(i % 2)]};
        photo.name = "p" + std::to_string(i) + ".png";
        photo.caption = i == 9 ? std::string() : "Photo " + std::to_string(i);
        photo.file.kind = AttachmentKind::Png;
        photo.file.bytes = Png(QColor::fromHsv(i * 30, 180, 220));
        photo.file.width = 240;
        photo.file.height = 120;
        const auto id = Attach(*archive_, photo);
        ASSERT_TRUE(id) << id.Error().Text();
        ASSERT_TRUE(ChooseForReport(*archive_, id.Value(), true));
    }
    const std::string path = Render(Load(), "many.pdf");
    ASSERT_EQ(Pages(path), 3 + 3 + 1);
    std::string all;
    for (int page = 4; page <= 6; ++page) {
        all += PageText(path, page);
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_NE(all.find("Photo " + std::to_string(i)), std::string::npos) << i;
    }
    // A photo without a caption is named by its file.
    EXPECT_NE(all.find("p9.png"), std::string::npos);
}

// Long names wrap onto more lines; none is cut short with an ellipsis or runs off the page.
TEST_F(SiteReportDocumentTest, LongNamesWrapAndAreNeverCut) {
    const std::string longPoint = "Erdungsanlage Umspannwerk Nord Feld 12 Mastfuß Südwest zweite Messstelle";
    const std::string longSite = "Umspannwerk Bremen-Nord Hafenerweiterung Bauabschnitt III Trafostation";
    const std::vector<std::int64_t> points = AddSiteWith({longPoint}, longSite);
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, ThreePole(5, 1, 4.2f, 1200, 2300)}})).stored);
    ASSERT_TRUE(Assign(*archive_, {1}, points[0], error_)) << error_;
    sitereport::SiteReport report = Load(longSite);
    report.front = Front();
    report.front.firm.name =
        "Ingenieurgesellschaft für Erdungs- und Blitzschutzprüfungen Weser-Ems mbH & Co. KG";
    report.front.client =
        "Stadtwerke Bremen AG, Netzbetrieb Hochspannung, Abteilung Instandhaltung Umspannwerke";
    const std::string path = Render(report, "long.pdf");
    const std::string certificates = Path("long-certificates.pdf");
    ASSERT_TRUE(sitereport::RenderCertificatesPdf(report, "", certificates, error_)) << error_;
    for (const std::string& file : {path, certificates}) {
        std::string all;
        for (int page = 1; page <= Pages(file); ++page) {
            const std::string text = PageText(file, page);
            EXPECT_EQ(text.find("…"), std::string::npos) << text;
            // The firm in every page's header, however long its name.
            EXPECT_NE(text.find("Ingenieurgesellschaft für Erdungs"), std::string::npos) << text;
            all += text;
        }
        // Every word of the long names is there, the lines of a wrapped name joined by a space.
        for (const std::string& name : {report.front.firm.name, report.front.client, longPoint, longSite}) {
            EXPECT_NE(all.find(name.substr(0, 20)), std::string::npos) << name << "\n" << all;
            EXPECT_NE(all.find(name.substr(name.size() - 12)), std::string::npos) << name << "\n" << all;
        }
    }
    // Nothing right of the right margin: A4 landscape for the report, portrait for the certificates.
    // Read with the project's parser, whatever the locale; a figure that does not parse fails the check.
    const auto rightmost = [](const std::string& file) {
        std::string figure = RunPython(
            "import re, sys\nprint(max(float(x) for x in re.findall(r'xMax=\"([0-9.]+)\"', "
            "sys.stdin.read())))",
            RunCommand("pdftotext -bbox '" + file + "' - 2>&1").text);
        figure.erase(figure.find_last_not_of(" \n") + 1);
        return numbers::ParseDecimal(figure).value_or(1e9);
    };
    EXPECT_LE(rightmost(path), 842 - 10 / 25.4 * 72 + 0.5);
    EXPECT_LE(rightmost(certificates), 595 - 10 / 25.4 * 72 + 0.5);
}

// The PDF/A-1b claim, checked as far as Debian's tools reach: qpdf finds the file sound, pdfinfo reads the
// title and the author (in the information dictionary and the XMP alike), and the XMP packet carries the
// conformance, title, author and subject, and the creation date of the information dictionary the same as the
// XMP's.
TEST_F(SiteReportDocumentTest, TheReportAndTheCertificatesArePdfA1bWithTheirMetadata) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1"});
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, ThreePole(5, 1, 4.2f, 1200, 2300)}})).stored);
    ASSERT_TRUE(Assign(*archive_, {1}, points[0], error_)) << error_;
    sitereport::SiteReport report = Load();
    report.front = Front();
    const std::string path = Render(report, "archival.pdf");
    const std::string certificates = Path("certificates.pdf");
    ASSERT_TRUE(sitereport::RenderCertificatesPdf(report, "", certificates, error_)) << error_;
    for (const std::string& file : {path, certificates}) {
        const CommandRun check = RunCommand("qpdf --check '" + file + "' 2>&1");
        EXPECT_EQ(check.status, 0) << check.text;
        EXPECT_NE(check.text.find("No syntax or stream encoding errors"), std::string::npos) << check.text;
        const std::string info = RunCommand("pdfinfo '" + file + "'").text;
        EXPECT_NE(info.find("Creator:         Terrovane"), std::string::npos) << info;
        EXPECT_NE(info.find("Author:          Erdungsprüfung Weser GmbH"), std::string::npos) << info;
        EXPECT_NE(info.find("PDF version:     1.4"), std::string::npos) << info;
        const std::string xmp = RunCommand("pdfinfo -meta '" + file + "'").text;
        ExpectAll(xmp, {"<pdfaid:part>1</pdfaid:part>", "<pdfaid:conformance>B</pdfaid:conformance>",
                        "Depot Nord", "Erdungsprüfung Weser GmbH", "Report EW-2009-0017, revision 1",
                        "<xmp:CreatorTool>Terrovane</xmp:CreatorTool>"});
        // The dictionary's date, D:YYYYMMDDHHmmSS, is the XMP's to the second, and the packet begins with
        // its byte order mark.
        const std::string qdf = file + ".qdf";
        ASSERT_EQ(RunCommand("qpdf --qdf --object-streams=disable '" + file + "' '" + qdf + "'").status, 0);
        const std::string dates = RunPython(
            "import re, sys\nt = open(sys.stdin.read().strip(), 'rb').read()\n"
            "i = re.search(rb'/CreationDate \\(D:(\\d{14})', t).group(1)\n"
            "x = re.search(rb'<xmp:CreateDate>(\\d+)-(\\d+)-(\\d+)T(\\d+):(\\d+):(\\d+)', t).groups()\n"
            "print(i == b''.join(x), b'<?xpacket begin=\"\\xef\\xbb\\xbf\"' in t)",
            qdf);
        EXPECT_EQ(dates, "True True");
    }
    EXPECT_NE(RunCommand("pdfinfo '" + path + "'").text.find("Site report: Depot Nord"), std::string::npos);
}

// One page per point with the firm, the point, its limit, result, method, verdict, due date and signatures;
// one point alone when asked, and a point the site does not have refused.
TEST_F(SiteReportDocumentTest, ACertificatePerPoint) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1", "Rod 2", "Rod 3"});
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, ThreePole(5, 1, 4.2f, 1200, 2300)},
                                                 {1, ThreePole(5, 2, 14.5f, 1500, 2000)}}))
                    .stored);
    ASSERT_TRUE(Assign(*archive_, {1}, points[0], error_)) << error_;
    ASSERT_TRUE(Assign(*archive_, {2}, points[1], error_)) << error_;
    sitereport::SiteReport report = Load();
    report.front = Front();
    const std::string all = Path("all.pdf");
    ASSERT_TRUE(sitereport::RenderCertificatesPdf(report, "", all, error_)) << error_;
    ASSERT_EQ(Pages(all), 3);
    EXPECT_NE(RunCommand("pdfinfo '" + all + "'").text.find("595 x 842 pts (A4)"), std::string::npos);
    const std::string first = PageText(all, 1);
    ExpectAll(first, {"Erdungsprüfung Weser GmbH",
                      "DAkkS D-PL-99999-01",
                      "Earth resistance test certificate",
                      "Report EW-2009-0017, revision 1",
                      "Stadtwerke Bremen AG",
                      "Depot Nord",
                      "Test point Rod 1 (rod)",
                      "Limit 10 Ω (IEC 62305-3)",
                      "Result 4.20 Ω",
                      "Measured 2009-01-05 10:01",
                      "Method 3-pole earth resistance",
                      "Rs 1.2 kΩ, Rh 2.3 kΩ: valid",
                      "Conditions Visit of 2009-01-05: weather overcast, light rain",
                      "Verdict pass",
                      "Due again 2010-01-05",
                      "Tested by",
                      "Jana Roth",
                      "Checked by",
                      "Malik Öztürk",
                      "Certificate 1 of 3"});
    ExpectAll(PageText(all, 2), {"Rod 2", "Verdict fail", "Certificate 2 of 3"});
    ExpectAll(PageText(all, 3), {"Rod 3", "not tested in the date range"});

    const std::string one = Path("one.pdf");
    ASSERT_TRUE(sitereport::RenderCertificatesPdf(report, "Rod 2", one, error_)) << error_;
    ASSERT_EQ(Pages(one), 1);
    ExpectAll(PageText(one, 1), {"Rod 2", "Certificate 1 of 1"});
    EXPECT_FALSE(sitereport::RenderCertificatesPdf(report, "Rod 9", Path("none.pdf"), error_));
    EXPECT_EQ(error_, "there is no test point \"Rod 9\" at site \"Depot Nord\"");
}

// In German and Chinese every block has its words; the pages are also kept as images to look at.
TEST_F(SiteReportDocumentTest, GermanAndChineseDocuments) {
    const std::vector<std::int64_t> points = AddSiteWith({"Rod 1"});
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, ThreePole(5, 1, 4.2f, 1200, 2300)}})).stored);
    ASSERT_TRUE(Assign(*archive_, {1}, points[0], error_)) << error_;
    sitereport::SiteReport report = Load();
    report.front = Front();
    const std::pair<translations::Language, std::vector<const char*>> languages[] = {
        {translations::Language::German,
         {"Prüfbericht Erdungswiderstand", "Bericht EW-2009-0017, Revision 1", "Auftraggeber",
          "Kontrolliert von", "Übersicht der Prüfpunkte", "Messverfahren: 3-Pol",
          "Sondenabstände nicht erfasst", "Begehung am 2009-01-05", "Boden nass",
          "Unterschrift, Datum: 2009-01-22"}},
        {translations::Language::Chinese,
         {"接地电阻测试报告", "报告 EW-2009-0017，第 1 版", "委托方", "审核人", "测试点汇总", "测试方法：",
          "未记录探针距离", "土壤 潮湿", "签名，日期：2009-01-22"}}};
    for (const auto& [language, words] : languages) {
        ASSERT_TRUE(translations::InstallLanguage(language));
        const std::string path = Path("report-" + std::to_string(static_cast<int>(language)) + ".pdf");
        const bool rendered = sitereport::RenderSiteReportPdf(report, path, error_);
        translations::InstallLanguage(translations::Language::English);
        ASSERT_TRUE(rendered) << error_;
        std::string text;
        for (int page = 1; page <= Pages(path); ++page) {
            text += PageText(path, page);
        }
        for (const char* word : words) {
            EXPECT_NE(text.find(word), std::string::npos) << word << "\n" << text;
        }
        EXPECT_EQ(text.find("…"), std::string::npos);
    }
}

}  // namespace
}  // namespace terrovane::archive::testing
