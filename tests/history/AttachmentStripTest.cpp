// The archive window's strip of photos and documents worked as a user would: files added by the file
// dialog and by dropping them, a renamed file refused with its name, a photo opened large, captioned,
// its GPS position made the site's, and removed; the strip follows the tree and the chosen result.
#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "ArchiveFixtures.h"
#include "AttachmentView.h"
#include "HistoryWindow.h"
#include "PhotoFiles.h"
#include "ReportPhotos.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

class AttachmentStripTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        archive::SiteFields site;
        site.name = "Depot";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Rod 1";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        attach::testing::PhotoFacts facts;
        facts.taken = "2024:05:17 09:30:05";
        facts.latitude[0] = 52, facts.latitude[1] = 31, facts.latitude[2] = 120;
        facts.north = 'N';
        facts.longitude[0] = 13, facts.longitude[1] = 24, facts.longitude[2] = 180;
        facts.east = 'E';
        archive::testing::WriteFile(Path("pit.jpg"), attach::testing::Photo(800, 600, facts));
        archive::testing::WriteFile(Path("plan.png"), attach::testing::PngImage(300, 200));
        archive::testing::WriteFile(Path("report.pdf"), attach::testing::PdfDocument());
        archive::testing::WriteFile(Path("notes.jpg"), "not a photo\n");
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    AttachmentStrip& Strip() const { return window_->Attachments(); }
    QString Text(int row) const { return Strip().List().item(row)->text(); }
    void Click(const QString& button) const {
        for (QPushButton* push : Strip().findChildren<QPushButton*>()) {
            if (push->text() == button) {
                ASSERT_TRUE(push->isEnabled()) << button.toStdString();
                QTest::mouseClick(push, Qt::LeftButton);
                return;
            }
        }
        FAIL() << "no button " << button.toStdString();
    }
    void Drop(const QStringList& paths) const {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls << QUrl::fromLocalFile(path);
        }
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Strip(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Strip(), &drop);
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
};

TEST_F(AttachmentStripTest, FilesAddedByDialogAndByDropAreShownAndARenamedFileIsRefused) {
    EXPECT_TRUE(Strip().Title().text().contains("choose a site"));
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    EXPECT_EQ(Strip().Title().text(), "Photos and documents of Depot / Rod 1");
    Strip().fileChooser = [this] {
        return QStringList{QString::fromStdString(Path("pit.jpg")), QString::fromStdString(Path("notes.jpg")),
                           QString::fromStdString(Path("report.pdf"))};
    };
    Click("Attach...");
    ASSERT_EQ(Strip().List().count(), 2);
    EXPECT_EQ(Text(0), "pit.jpg");
    EXPECT_EQ(Text(1), "report.pdf");
    EXPECT_FALSE(Strip().List().item(0)->icon().isNull());
    EXPECT_TRUE(Strip().List().item(0)->toolTip().contains("taken 2024-05-17 09:30:05"));
    EXPECT_TRUE(Strip().Problem().isVisible());
    EXPECT_EQ(Strip().Problem().text(), "\"notes.jpg\" is named as a JPEG file but is none");

    Drop({QString::fromStdString(Path("plan.png"))});
    ASSERT_EQ(Strip().List().count(), 3);
    EXPECT_EQ(Strip().List().currentItem()->text(), "plan.png");
    EXPECT_FALSE(Strip().Problem().isVisible());
    EXPECT_FALSE(Strip().Actions().UsePositionButton().isEnabled());  // a PNG without GPS

    // The site shows its own, none yet; the point's are still there when it is chosen again.
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    EXPECT_EQ(Strip().List().count(), 0);
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    EXPECT_EQ(Strip().List().count(), 3);
}

TEST_F(AttachmentStripTest, APhotoOpensLargeIsCaptionedGivesItsPositionAndIsRemoved) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    Strip().AttachFiles({QString::fromStdString(Path("pit.jpg"))});
    ASSERT_EQ(Strip().List().count(), 1);
    Strip().List().setCurrentRow(0);

    bool viewed = false;
    Strip().Actions().viewShown = [&viewed](QDialog& dialog) {
        auto& view = dynamic_cast<AttachmentView&>(dialog);
        EXPECT_FALSE(view.Picture().pixmap().isNull());
        EXPECT_TRUE(view.Facts().text().contains("800 \u00d7 600"));
        EXPECT_TRUE(view.Facts().text().contains("at 52.520000, 13.405000"));
        viewed = true;
        dialog.close();
    };
    Click("Open");
    EXPECT_TRUE(viewed);

    Strip().Actions().captionAsker = [](const QString& current) {
        EXPECT_EQ(current, "");
        return std::optional<QString>("Rod pit, north side");
    };
    Click("Caption...");
    EXPECT_EQ(Text(0), "Rod pit, north side");

    QString asked;
    Strip().Actions().confirmer = [&asked](const QString& question) {
        asked = question;
        return true;
    };
    Click("Use as position");
    EXPECT_EQ(asked, "Place site Depot where the photo was taken, 52.520000, 13.405000?");
    const auto site = archive::FindSite(*archive_, "Depot", error_);
    ASSERT_TRUE(site);
    EXPECT_EQ(site->fields.latitude, 52.52);
    EXPECT_EQ(site->fields.longitude, 13.405);

    Click("Remove");
    EXPECT_EQ(asked, "Remove pit.jpg from Depot / Rod 1?");
    EXPECT_EQ(Strip().List().count(), 0);
    EXPECT_EQ(archive::testing::ReadArchive(Path(), "SELECT count(*) FROM attachment_files"), "[[0]]");
}

// A photo is chosen for the site report with the box beside the buttons, and taken out again; a document
// cannot be chosen.
TEST_F(AttachmentStripTest, APhotoIsChosenForTheSiteReportAndADocumentCannotBe) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    Strip().AttachFiles(
        {QString::fromStdString(Path("pit.jpg")), QString::fromStdString(Path("report.pdf"))});
    ASSERT_EQ(Strip().List().count(), 2);
    QCheckBox& box = Strip().InReport();
    const auto chosen = [this] {
        const auto ids = archive::ChosenForReport(*archive_);
        EXPECT_TRUE(ids);
        return ids ? ids.Value().size() : 0u;
    };
    Strip().List().setCurrentRow(1);
    EXPECT_FALSE(box.isEnabled());  // the PDF
    Strip().List().setCurrentRow(0);
    ASSERT_TRUE(box.isEnabled());
    EXPECT_FALSE(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(4, box.height() / 2));
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(chosen(), 1u);
    EXPECT_TRUE(Strip().List().item(0)->toolTip().contains("In the site report"));
    // Chosen again from elsewhere, the photo shows it is in.
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    EXPECT_FALSE(box.isEnabled());
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    Strip().List().setCurrentRow(0);
    EXPECT_TRUE(box.isChecked());
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(chosen(), 0u);
}

// The choice is undone with Ctrl+Z and redone with Ctrl+Shift+Z like the window's other edits, the box
// following what the archive holds.
TEST_F(AttachmentStripTest, APhotosChoiceForTheReportIsUndoneAndRedone) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    Strip().AttachFiles({QString::fromStdString(Path("pit.jpg"))});
    ASSERT_EQ(Strip().List().count(), 1);
    Strip().List().setCurrentRow(0);
    QCheckBox& box = Strip().InReport();
    const auto chosen = [this] {
        const auto ids = archive::ChosenForReport(*archive_);
        EXPECT_TRUE(ids);
        return ids ? ids.Value().size() : 0u;
    };
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(4, box.height() / 2));
    ASSERT_EQ(chosen(), 1u);
    EXPECT_EQ(window_->Undo().UndoStack().undoText(), QStringLiteral("Put photo in site report"));
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(chosen(), 0u);
    Strip().List().setCurrentRow(0);
    EXPECT_FALSE(box.isChecked());
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(chosen(), 1u);
    Strip().List().setCurrentRow(0);
    EXPECT_TRUE(box.isChecked());
    // Taken out, the undo puts it back.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(4, box.height() / 2));
    ASSERT_EQ(chosen(), 0u);
    EXPECT_EQ(window_->Undo().UndoStack().undoText(), QStringLiteral("Take photo out of site report"));
    QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(chosen(), 1u);
}

TEST_F(AttachmentStripTest, OneResultChosenInTheListShowsItsOwn) {
    ASSERT_TRUE(
        StoreImage(*archive_, archive::testing::ImageWith({{0, archive::testing::MakeResult(1, 5, 1, 8.0f)}}))
            .stored);
    window_->Refresh();
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::All, 0}));
    ASSERT_GE(window_->Model().rowCount(), 1);
    window_->View().selectRow(0);
    const std::int64_t result = window_->Model().RowAt(0)->id;
    ASSERT_TRUE(Strip().Owner());
    EXPECT_EQ(Strip().Owner()->kind, archive::AttachedTo::Result);
    EXPECT_EQ(Strip().Title().text(), QString("Photos and documents of result %1").arg(result));
    Strip().AttachFiles({QString::fromStdString(Path("report.pdf"))});
    const auto rows = archive::Attachments(*archive_, {archive::AttachedTo::Result, result});
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows.Value().size(), 1u);
}

}  // namespace
}  // namespace terrovane::history
