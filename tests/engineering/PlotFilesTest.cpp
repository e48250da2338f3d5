// Saving the plots as a user does: the save dialog offers PNG, SVG and PDF, a bare name gets the chosen
// type's extension, and each file is read back by an independent reader. Fall of potential saves too.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "ArchiveFixtures.h"
#include "FileDialogSetup.h"
#include "FopWindow.h"
#include "SoilWindow.h"

namespace terrovane::engineering {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;
using archive::testing::RunPython;

class PlotFilesTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        std::vector<std::pair<std::size_t, record::MeasurementRecord>> records;
        const float ohms[] = {3.0f, 4.2f, 4.6f, 4.8f, 5.5f};
        for (std::size_t i = 0; i < std::size(ohms); ++i)
            records.emplace_back(i, MakeResult(1, 6, static_cast<int>(i), ohms[i]));
        for (int i = 0; i < 4; ++i) {
            auto r = MakeResult(9, 6, 10 + i, 120.0f - 15.0f * static_cast<float>(i));
            r.integerValue = static_cast<std::uint32_t>(1 << i);
            records.emplace_back(10 + static_cast<std::size_t>(i), r);
        }
        ASSERT_TRUE(StoreImage(*archive_, ImageWith(records)).stored);
        ASSERT_TRUE(archive_->Results({}, {archive::ResultOrder::Slot, false}, -1, 0, rows_, error_))
            << error_;
    }

    // Clicks `button` and answers the save dialog it opens with `name` in the folder, as type `type`. The
    // name goes into the name field as typed: selectFile() leaves the field alone once the shown dialog has
    // given it the focus, which on a loaded machine can come first, and Save then only opens the folder. The
    // answer is given again on every tick while the dialog stays open.
    void SaveThroughDialog(QPushButton& button, const QString& name, const QString& type) {
        bool answered = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            // The shown dialog, active or not: the window system need not activate a second dialog at once.
            QFileDialog* dialog = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* shown = qobject_cast<QFileDialog*>(top); shown != nullptr && shown->isVisible())
                    dialog = shown;
            if (dialog == nullptr)
                return;
            if (!answered) {
                EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("PNG image (*.png)"),
                                                              QStringLiteral("SVG drawing (*.svg)"),
                                                              QStringLiteral("PDF (*.pdf)")}));
                dialog->selectNameFilter(type);
                answered = true;
            }
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(field, nullptr);
            field->setText(QString::fromStdString(Folder()) + QLatin1Char('/') + name);
            static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        });
        poll.start(10);
        QTest::mouseClick(&button, Qt::LeftButton);
        poll.stop();
        EXPECT_TRUE(answered);
    }

    std::unique_ptr<archive::Archive> archive_;
    std::vector<archive::ResultRow> rows_;
    std::string error_;
};

// One save dialog per window: a second dialog in the same window was at times never found by the poll on
// a loaded machine, and the test hung; each type is saved from a window of its own instead.
TEST_F(PlotFilesTest, FallOfPotentialSavesItsPlotAsSvgWithTheExtensionAdded) {
    FopWindow window(archive_.get(), rows_, std::nullopt);
    window.show();
    const std::string folder = Folder();
    SaveThroughDialog(window.Outcome().SavePlotButton(), QStringLiteral("curve"),
                      QStringLiteral("SVG drawing (*.svg)"));
    EXPECT_EQ(window.Outcome().Status().text(),
              QStringLiteral("Plot saved to %1/curve.svg").arg(QString::fromStdString(folder)));
    EXPECT_EQ(RunPython("import xml.etree.ElementTree as t\nr = t.parse('" + folder +
                            "/curve.svg').getroot()\nprint(r.tag.endswith('svg'), "
                            "any('x / D' in (e.text or '') for e in r.iter()))",
                        ""),
              "True True");
}

TEST_F(PlotFilesTest, FallOfPotentialSavesItsPlotAsPdfWithTheExtensionAdded) {
    FopWindow window(archive_.get(), rows_, std::nullopt);
    window.show();
    SaveThroughDialog(window.Outcome().SavePlotButton(), QStringLiteral("curve"),
                      QStringLiteral("PDF (*.pdf)"));
    const auto text = archive::testing::RunCommand("pdftotext '" + Folder() + "/curve.pdf' -");
    EXPECT_NE(text.text.find("Potential probe x / D"), std::string::npos) << text.text;
}

TEST_F(PlotFilesTest, FallOfPotentialSavesItsPlotAsPngWithTheExtensionAdded) {
    FopWindow window(archive_.get(), rows_, std::nullopt);
    window.show();
    SaveThroughDialog(window.Outcome().SavePlotButton(), QStringLiteral("curve"),
                      QStringLiteral("PNG image (*.png)"));
    EXPECT_EQ(
        RunPython("print(open('" + Folder() + "/curve.png', 'rb').read(8) == b'\\x89PNG\\r\\n\\x1a\\n')", ""),
        "True");
}

TEST_F(PlotFilesTest, TheSoilPlotKeepsAnExtensionTheUserTyped) {
    SoilWindow window(archive_.get(), rows_, std::nullopt);
    window.show();
    QPushButton* save = nullptr;
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Save plot..."))
            save = button;
    ASSERT_NE(save, nullptr);
    SaveThroughDialog(*save, QStringLiteral("sounding.SVG"), QStringLiteral("PNG image (*.png)"));
    EXPECT_EQ(RunPython("print(open('" + Folder() + "/sounding.SVG').read(200).find('<svg') >= 0)", ""),
              "True");
}

TEST(PlotFileNames, OnlyAnOfferedExtensionIsKept) {
    const QString types = QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF (*.pdf)");
    EXPECT_EQ(filedialog::WithChosenExtension(QStringLiteral("/t/a"), types, QStringLiteral("PDF (*.pdf)")),
              QStringLiteral("/t/a.pdf"));
    EXPECT_EQ(
        filedialog::WithChosenExtension(QStringLiteral("/t/a.Png"), types, QStringLiteral("PDF (*.pdf)")),
        QStringLiteral("/t/a.Png"));
    EXPECT_EQ(filedialog::WithChosenExtension(QStringLiteral("/t/v1.2"), types,
                                              QStringLiteral("SVG drawing (*.svg)")),
              QStringLiteral("/t/v1.2.svg"));
}

}  // namespace
}  // namespace terrovane::engineering
