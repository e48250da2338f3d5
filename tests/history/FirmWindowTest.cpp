// Settings > Firm..., Issue... in the site report's dialog and Archive > Issued reports..., driven as a user
// drives them offscreen: the profile read back from the archive, a logo that is none refused in the
// dialog, issued PDFs kept byte for byte and read by pdftotext, revisions kept, and a number from the
// team's server taken as it came.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <set>

#include "ArchiveFixtures.h"
#include "Firm.h"
#include "HistoryWindow.h"
#include "IssuedReports.h"
#include "MessageRecorder.h"
#include "PhotoFiles.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

using archive::testing::ReadFile;
using archive::testing::RunCommand;
using archive::testing::WriteFile;

class FirmWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        archive::SiteFields site;
        site.name = "Line 4";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Leg A";
        std::int64_t id = 0;
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, id, error_)) << error_;
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    }
    QAction* Action(const QString& text) const {
        for (QAction* action : window_->findChildren<QAction*>()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
    // Opens the site report's dialog and presses Issue... with the revision chosen at `revise`.
    void IssueFromDialog(int revise, const std::string& file) {
        window_->Reporting().reportFileChooser = [this, file] {
            return file.empty() ? QString() : QString::fromStdString(Path(file));
        };
        bool driven = false;
        QTimer::singleShot(0, window_.get(), [&] {
            auto* dialog = qobject_cast<SiteReportDialog*>(QApplication::activeModalWidget());
            EXPECT_NE(dialog, nullptr);
            if (dialog != nullptr) {
                EXPECT_EQ(dialog->ReviseChoice().count(), 1 + Numbers());
                dialog->ReviseChoice().setCurrentIndex(revise);
                QTest::mouseClick(&dialog->IssueButton(), Qt::LeftButton);
            }
            driven = true;
        });
        window_->Reporting().ReportChosenSite();
        EXPECT_TRUE(driven);
    }
    int Numbers() const {
        const auto rows = archive::IssuedReportsOf(*archive_, siteId_);
        std::set<std::string> numbers;
        for (const auto& row : rows.Value()) {
            numbers.insert(row.number);
        }
        return static_cast<int>(numbers.size());
    }
    std::vector<archive::IssuedReport> Issued() const {
        return archive::IssuedReportsOf(*archive_, siteId_).Value();
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(FirmWindowTest, TheFirmIsTypedInItsDialogWithALogoThatIsCheckedWhenChosen) {
    WriteFile(Path("logo.png"), attach::testing::PngImage(300, 100));
    WriteFile(Path("renamed.png"), "not an image at all");
    bool shown = false;
    window_->Reporting().firmShown = [&](FirmDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&] {
            shown = true;
            QTest::keyClicks(&dialog.NameField(), QStringLiteral("Nordlicht Erdungstechnik GmbH"));
            dialog.AddressField().setFocus();
            QTest::keyClicks(&dialog.AddressField(), QStringLiteral("Hafenstraße 12"));
            QTest::keyClick(&dialog.AddressField(), Qt::Key_Return);
            QTest::keyClicks(&dialog.AddressField(), QStringLiteral("20457 Hamburg"));
            QTest::keyClicks(&dialog.LicenceField(), QStringLiteral("DAkkS D-PL-20417-01"));
            // The dash is no part of a prefix: the field does not take it.
            QTest::keyClicks(&dialog.PrefixField(), QStringLiteral("NL-E"));
            EXPECT_EQ(dialog.PrefixField().text(), QStringLiteral("NLE"));
            dialog.Logo().logoChooser = [this] { return QString::fromStdString(Path("renamed.png")); };
            QTest::mouseClick(&dialog.LogoButton(), Qt::LeftButton);
            EXPECT_TRUE(dialog.Problem().isVisible());
            EXPECT_TRUE(dialog.Problem().text().contains(QStringLiteral("neither a PNG image nor an SVG")));
            EXPECT_EQ(dialog.LogoPreview().text(), QStringLiteral("no logo"));
            EXPECT_FALSE(dialog.RemoveLogoButton().isEnabled());
            dialog.Logo().logoChooser = [this] { return QString::fromStdString(Path("logo.png")); };
            QTest::mouseClick(&dialog.LogoButton(), Qt::LeftButton);
            EXPECT_FALSE(dialog.Problem().isVisible());
            EXPECT_FALSE(dialog.LogoPreview().pixmap().isNull());
            EXPECT_TRUE(dialog.RemoveLogoButton().isEnabled());
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
    };
    QAction* firm = Action(QStringLiteral("&Firm..."));
    ASSERT_NE(firm, nullptr);
    firm->trigger();
    EXPECT_TRUE(shown);
    const archive::Result<archive::FirmProfile> kept = archive::LoadFirm(*archive_);
    ASSERT_TRUE(kept.Ok());
    EXPECT_EQ(kept.Value().name, "Nordlicht Erdungstechnik GmbH");
    EXPECT_EQ(kept.Value().address, "Hafenstraße 12\n20457 Hamburg");
    EXPECT_EQ(kept.Value().prefix, "NLE");
    EXPECT_EQ(kept.Value().logoType, "png");
    EXPECT_EQ(kept.Value().logo, ReadFile(Path("logo.png")));
    EXPECT_TRUE(recorder_.Messages().empty());
}

TEST_F(FirmWindowTest, ReportsAreIssuedKeptWithTheirRevisionsAndListedForTheSite) {
    archive::FirmProfile firm;
    firm.name = "Acme Earthing";
    firm.prefix = "ACME";
    ASSERT_TRUE(archive::SaveFirm(*archive_, firm).Ok());

    // Cancelled where the file is asked: nothing issued, no number taken (the first below is 001).
    IssueFromDialog(0, "");
    EXPECT_TRUE(Issued().empty());
    IssueFromDialog(0, "first.pdf");
    ASSERT_EQ(Issued().size(), 1u) << (recorder_.Texts().empty() ? "" : recorder_.Texts().front());
    const std::string number = Issued()[0].number;
    EXPECT_TRUE(QString::fromStdString(number).contains(
        QRegularExpression(QStringLiteral("^ACME-\\d{4}-[0-9A-F]{8}-001$"))))
        << number;
    EXPECT_TRUE(window_->Status().text().contains(QStringLiteral("revision 1")));
    EXPECT_EQ(archive::IssuedReportBytes(*archive_, Issued()[0].id).Value(), ReadFile(Path("first.pdf")));
    EXPECT_NE(RunCommand("pdftotext '" + Path("first.pdf") + "' -").text.find("Leg A"), std::string::npos);

    // Its next revision, chosen in the dialog; the first stays as it was issued.
    IssueFromDialog(1, "second.pdf");
    ASSERT_EQ(Issued().size(), 2u);
    EXPECT_EQ(Issued()[0].number, number);
    EXPECT_EQ(Issued()[0].revision, 2);
    EXPECT_EQ(archive::IssuedReportBytes(*archive_, Issued()[1].id).Value(), ReadFile(Path("first.pdf")));

    // In a team the server's number is taken as it came; a viewer's request issues nothing.
    window_->Reporting().serverReportNumber = [](const std::string& prefix, int year) {
        return archive::ServerReportNumber{archive::ServerReportNumber::Outcome::Issued,
                                           prefix + "-" + std::to_string(year) + "-0042", "ann", ""};
    };
    IssueFromDialog(0, "third.pdf");
    ASSERT_EQ(Issued().size(), 3u);
    EXPECT_TRUE(Issued()[0].number.ends_with("-0042")) << Issued()[0].number;
    EXPECT_EQ(Issued()[0].issuedBy, "ann");
    window_->Reporting().serverReportNumber = [](const std::string&, int) {
        return archive::ServerReportNumber{archive::ServerReportNumber::Outcome::Refused, "", "", "viewer"};
    };
    IssueFromDialog(0, "fourth.pdf");
    EXPECT_EQ(Issued().size(), 3u);
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_NE(recorder_.Texts()[0].find("inspectors and admins only"), std::string::npos);

    // The list of the site's reports: a copy saved, and one opened, byte for byte as issued.
    window_->Tree().Choose({TreeChoice::Kind::Site, siteId_});
    IssuedReportsDialog* list = window_->Reporting().ShowIssuedReports();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Table().rowCount(), 3);
    EXPECT_EQ(list->Table().item(1, 0)->text().toStdString(), number);
    EXPECT_EQ(list->Table().item(1, 1)->text(), QStringLiteral("2"));
    list->Table().selectRow(2);
    list->copyChooser = [this](const QString& suggested) {
        EXPECT_EQ(suggested.toStdString(), Issued()[2].number + " rev 1.pdf");
        return QString::fromStdString(Path("copy.pdf"));
    };
    QTest::mouseClick(&list->SaveButton(), Qt::LeftButton);
    EXPECT_EQ(ReadFile(Path("copy.pdf")), ReadFile(Path("first.pdf")));
    QString opened;
    list->opener = [&opened](const QString& path) {
        opened = path;
        return true;
    };
    list->Table().selectRow(1);
    QTest::mouseClick(&list->OpenButton(), Qt::LeftButton);
    EXPECT_EQ(ReadFile(opened.toStdString()), ReadFile(Path("second.pdf")));
    list->close();
}

}  // namespace
}  // namespace terrovane::history
