// rapstel's window in the test's own process: what the user chooses in Print Setup is what the print job
// uses. The job goes to a PDF file, whose page the PDF reader then measures.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "CMainFrame.h"
#include "CMainView.h"
#include "Fixtures.h"
#include "HandoffFiles.h"
#include "TabChain.h"
#include "TestEnvironment.h"

namespace terrovane::printsvc {
namespace {

QAction* MenuAction(QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

// Runs `answer` on the modal dialog of type T as soon as it is shown, as the user would act on it.
template <typename T>
void WhenShown(std::function<void(T&)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start(10);
}

void PressOk(QDialog& dialog) {
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok); ok && ok->isVisible()) {
            ok->click();
            return;
        }
    }
    ADD_FAILURE() << "no OK button on " << dialog.metaObject()->className();
    dialog.reject();
}

// Width and height of the PDF's first page in points, as pdfinfo reads them.
std::pair<double, double> PdfPageSize(const std::string& path) {
    const std::string info = testing::RunCommand("pdfinfo " + testing::ShellQuoted(path)).text;
    std::smatch size;
    if (!std::regex_search(info, size, std::regex(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)"))) {
        ADD_FAILURE() << info;
        return {0, 0};
    }
    return {std::stod(size[1]), std::stod(size[2])};
}

// The print service's window: its preview button and whatever else takes the focus, reached by Tab.
TEST(PrintSetupTest, TabReachesEveryControlOfTheWindow) {
    QTemporaryDir dir;
    testing::EnvironmentOverride handoff("TERROVANE_HANDOFF_DIR", dir.path().toStdString());
    const auto image = testing::ImageWith({{0, testing::SampleRecord(1)}});
    ASSERT_TRUE(handoff::WriteRecordFileAt((dir.path() + "/data.inf").toStdString(), image));
    auto frame = std::make_unique<CMainFrame>();
    EXPECT_EQ(testing::TabChainProblems(frame.get()), "");
}

TEST(PrintSetupTest, PaperAndOrientationChosenInPrintSetupAreThoseOfThePrintJob) {
    QTemporaryDir dir;
    testing::EnvironmentOverride handoff("TERROVANE_HANDOFF_DIR", dir.path().toStdString());
    const auto image = testing::ImageWith({{0, testing::SampleRecord(1)}, {1, testing::SampleRecord(6)}});
    ASSERT_TRUE(handoff::WriteRecordFileAt((dir.path() + "/data.inf").toStdString(), image));
    const QString pdf = dir.path() + "/job.pdf";

    auto frame = std::make_unique<CMainFrame>();
    frame->show();
    // The user's choice of printer: a PDF file.
    frame->View()->Printer().setOutputFileName(pdf);

    WhenShown<QPageSetupDialog>([](QPageSetupDialog& setup) {
        auto* paper = setup.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
        ASSERT_NE(paper, nullptr);
        const int a5 = paper->findText(QStringLiteral("A5"), Qt::MatchStartsWith);
        ASSERT_GE(a5, 0);
        paper->setCurrentIndex(a5);
        auto* landscape = setup.findChild<QRadioButton*>(QStringLiteral("landscape"));
        ASSERT_NE(landscape, nullptr);
        landscape->click();
        PressOk(setup);
    });
    QAction* setup = MenuAction(*frame, QStringLiteral("P&rint Setup..."));
    ASSERT_NE(setup, nullptr);
    setup->trigger();

    WhenShown<QPrintDialog>([](QPrintDialog& print) { PressOk(print); });
    QAction* print = MenuAction(*frame, QStringLiteral("&Print..."));
    ASSERT_NE(print, nullptr);
    print->trigger();
    // The program would end once the job is spooled; the window goes before its timer can say so.
    frame.reset();

    const auto [width, height] = PdfPageSize(pdf.toStdString());
    // A5 is 148 x 210 mm: 419.5 x 595.3 points, here on its side.
    EXPECT_NEAR(width, 595.3, 1.0);
    EXPECT_NEAR(height, 419.5, 1.0);
}

}  // namespace
}  // namespace terrovane::printsvc
