// Archive › Import... driven as a user drives it: the file chosen in the file dialog, what each column
// holds chosen over the preview, the import's report of taken and refused rows, and the mapping offered
// again for the next file with the same header row.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ArchiveFixtures.h"
#include "EventWait.h"
#include "HistoryWindow.h"
#include "ImportDialog.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

using archive::testing::ReadArchive;
using archive::testing::WriteFile;

archive::SiteFields SiteNamed(const std::string& name) {
    archive::SiteFields fields;
    fields.name = name;
    return fields;
}

archive::PointFields PointNamed(const std::string& name) {
    archive::PointFields fields;
    fields.name = name;
    return fields;
}

class ImportWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        std::int64_t site = 0;
        std::int64_t point = 0;
        std::string error;
        ASSERT_TRUE(archive::AddSite(*archive_, SiteNamed("Mast"), site, error)) << error;
        ASSERT_TRUE(archive::AddPoint(*archive_, site, PointNamed("Leg A"), point, error)) << error;
        WriteFile(Path("readings.csv"),
                  "Datum;Where;Re;Rh\n01.03.2024 09:15;Mast/Leg A;4,2;>300k\n"
                  "02.03.2024 09:15;Mast/Leg Z;5;1k\n31.04.2024 09:15;Mast/Leg A;6;1k\n");
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    QAction* ImportAction() const {
        for (QAction* action : window_->findChild<QMenuBar*>()->actions().first()->menu()->actions()) {
            if (action->text() == QStringLiteral("&Import...")) {
                return action;
            }
        }
        return nullptr;
    }

    // Opens the dialog from the menu and runs `drive` in it while it is open.
    void InDialog(const std::function<void(ImportDialog&)>& drive) {
        QAction* action = ImportAction();
        ASSERT_NE(action, nullptr);
        bool driven = false;
        QTimer::singleShot(0, window_.get(), [&] {
            auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
            EXPECT_NE(dialog, nullptr);
            if (dialog != nullptr) {
                drive(*dialog);
                dialog->accept();
            }
            driven = true;
        });
        action->trigger();
        EXPECT_TRUE(driven);
    }

    // Runs `act` on the file dialog once it is the modal window, polling on the event loop; a dialog that
    // never comes or never closes is closed after a deadline so the test fails rather than hangs.
    static void WhenFileDialog(const std::function<void(QFileDialog&)>& act) {
        auto* poll = new QTimer;
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        QObject::connect(poll, &QTimer::timeout, [poll, started, act] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (files != nullptr && files->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(*files);
                if (files->isVisible()) {
                    ADD_FAILURE() << "the file dialog stayed open: "
                                  << files->selectedFiles().join(u',').toStdString() << " in "
                                  << files->directory().absolutePath().toStdString();
                    files->reject();
                }
            } else if (started->elapsed() > 10000) {
                ADD_FAILURE() << "no file dialog came";
                poll->stop();
                poll->deleteLater();
            }
        });
        poll->start(10);
    }

    // The file chosen in the file dialog that Choose... opens, as its Open button takes it.
    static void ChooseFile(ImportDialog& dialog, const std::string& path) {
        WhenFileDialog([path](QFileDialog& files) {
            // The path pasted into the name field (typed letter by letter, each "/" lets the completion
            // add a name); the list of the folder, which the dialog fills in the background, plays no part.
            auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setFocus();
            name->setText(QString::fromStdString(path));
            EXPECT_EQ(files.selectedFiles(), QStringList{QString::fromStdString(path)});
            // As the Open button ends it; its own check of the name waits on that background list, which
            // a loaded machine may not have finished.
            static_cast<QDialog&>(files).done(QDialog::Accepted);
        });
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == ImportDialog::tr("&Choose...")) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    }

    static void Pick(QComboBox& box, const QString& text) {
        box.setFocus();
        QTest::keyClicks(&box, text);
        EXPECT_EQ(box.currentText(), text);
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
};

TEST_F(ImportWindowTest, AFileIsMappedOverItsPreviewImportedAndItsRefusedRowsListed) {
    InDialog([&](ImportDialog& dialog) {
        ChooseFile(dialog, Path("readings.csv"));
        ASSERT_EQ(dialog.Columns().Table().columnCount(), 4);
        EXPECT_EQ(dialog.Columns().Table().item(2, 2)->text(), QStringLiteral("4,2"));
        // The names the columns have suggest the values; the date and the point are chosen by hand.
        EXPECT_EQ(dialog.Columns().RoleOf(2).currentData().toString(), QStringLiteral("value:Re"));
        EXPECT_FALSE(dialog.ImportButton().isEnabled());
        EXPECT_EQ(dialog.Status().text(), ImportDialog::tr("Choose the column of the date."));
        Pick(dialog.Columns().RoleOf(0), ImportDialog::tr("Date"));
        Pick(dialog.Columns().RoleOf(1), ImportDialog::tr("Test point"));
        dialog.Options().DateFormat().selectAll();
        QTest::keyClicks(&dialog.Options().DateFormat(), QStringLiteral("dd.MM.yyyy HH:mm"));
        ASSERT_TRUE(dialog.ImportButton().isEnabled()) << dialog.Status().text().toStdString();
        QTest::mouseClick(&dialog.ImportButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.findChildren<QLabel*>().size() > 0, true);
        ASSERT_EQ(dialog.Summary().RefusedRows().rowCount(), 2);
        EXPECT_EQ(dialog.Summary().RefusedRows().item(0, 0)->text(), QStringLiteral("3"));
        EXPECT_EQ(dialog.Summary().RefusedRows().item(0, 1)->text(),
                  QStringLiteral("there is no test point \"Leg Z\" at site \"Mast\""));
        EXPECT_EQ(dialog.Summary().RefusedRows().item(1, 1)->text(),
                  QStringLiteral("the date \"31.04.2024 09:15\" is not a date written dd.MM.yyyy HH:mm"));
        EXPECT_FALSE(dialog.ImportButton().isEnabled());
        EXPECT_TRUE(dialog.Stored());
    });
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT t.method, v.name, v.value, v.over_range_bound, t.typed_by LIKE "
                          "'%, imported from readings.csv' FROM typed_results t JOIN typed_values v ON "
                          "v.version_id = t.id ORDER BY v.ordinal"),
              "[[\"3-pole\", \"Re\", 4.2, null, 1], [\"3-pole\", \"Rh\", null, 300000.0, 1]]");

    // The next file with the same header row comes with the same mapping; its known reading adds nothing.
    WriteFile(Path("later.csv"), "Datum;Where;Re;Rh\n01.03.2024 09:15;Mast/Leg A;4,2;>300k\n");
    InDialog([&](ImportDialog& dialog) {
        ChooseFile(dialog, Path("later.csv"));
        EXPECT_EQ(dialog.Columns().RoleOf(0).currentData().toString(), QStringLiteral("date"));
        EXPECT_EQ(dialog.Columns().RoleOf(1).currentData().toString(), QStringLiteral("point"));
        EXPECT_EQ(dialog.Options().DateFormat().text(), QStringLiteral("dd.MM.yyyy HH:mm"));
        QTest::mouseClick(&dialog.ImportButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.Summary().RefusedRows().rowCount(), 0);
        EXPECT_FALSE(dialog.Stored());
    });
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[1]]");
}

TEST_F(ImportWindowTest, AFileThatCannotBeReadIsSaidInTheDialog) {
    WriteFile(Path("open.csv"), "Date;Point\n\"2024-03-01;Mast/Leg A\n");
    InDialog([&](ImportDialog& dialog) {
        ChooseFile(dialog, Path("open.csv"));
        EXPECT_EQ(dialog.Status().text(), QStringLiteral("the quote opened on line 2 is never closed"));
        EXPECT_FALSE(dialog.ImportButton().isEnabled());
    });
}

}  // namespace
}  // namespace terrovane::history
