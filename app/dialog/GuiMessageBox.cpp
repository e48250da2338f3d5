#include "GuiMessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>
#include <memory>

#include "MessageBox.h"
#include "MessageText.h"
#include "ScreenFit.h"

namespace terrovane::app {

namespace {

// The findings are long lines, one or two per check, and longer still in German: room for a whole
// checklist, so most lines stay whole and the fixes keep their indentation below them.
void MakeRoomForFindings(QMessageBox& box) {
    auto* findings = box.findChild<QTextEdit*>();
    if (findings == nullptr) {
        return;
    }
    const QFontMetrics metrics(findings->font());
    // Never wider than most of the screen: the box must stay whole on a small one.
    const int screenWidth = box.screen()->availableGeometry().width();
    findings->setMinimumWidth(std::min(metrics.averageCharWidth() * 120, screenWidth * 4 / 5));
    findings->setFixedHeight(metrics.lineSpacing() * 18);  // the box keeps its details at a fixed height
}

// A box with a short text is made wide enough for its whole title: the box sizes itself when shown, so
// the room is a spacer in its layout rather than a minimum width.
void MakeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid != nullptr) {
        grid->addItem(
            new QSpacerItem(screenfit::TitleRoom(&box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
}

}  // namespace

std::unique_ptr<QMessageBox> MessageBoxFor(const platform::Message& message, const Diagnosis& diagnose,
                                           QWidget* parent) {
    auto owned = std::make_unique<QMessageBox>(parent);
    QMessageBox& box = *owned;
    box.setWindowTitle(QString::fromStdString(message.caption));
    // Fixed messages are marked for translation under "Messages" wherever they are made, below the
    // widgets too, and carry what varies as arguments: the fixed text is translated, then filled.
    box.setText(texts::MessageText(message));
    box.setTextFormat(Qt::PlainText);
    if (!message.details.empty()) {
        box.setInformativeText(texts::MessageDetails(message));
    }
    // The message stays what it always was; why the port could not be reached is one click away.
    const std::string details = DiagnosisDetails(message.text, diagnose);
    if (!details.empty()) {
        box.setDetailedText(QString::fromStdString(details));
        MakeRoomForFindings(box);
    }
    box.setIcon(message.icon == platform::MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    const bool question = message.buttons == platform::MessageButtons::OkCancel;
    box.setStandardButtons(question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setDefaultButton(question && message.defaultAnswer == platform::MessageResult::Cancel
                             ? QMessageBox::Cancel
                             : QMessageBox::Ok);
    if (message.topmost) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    MakeRoomForTitle(box);
    return owned;
}

namespace {

platform::MessageResult ShowMessageBox(const platform::Message& message, const Diagnosis& diagnose) {
    const auto box = MessageBoxFor(message, diagnose, QApplication::activeWindow());
    return box->exec() == QMessageBox::Ok ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
}

}  // namespace

void InstallGuiMessageHandler(Diagnosis diagnose) {
    platform::SetMessageHandler([diagnose = std::move(diagnose)](const platform::Message& message) {
        return ShowMessageBox(message, diagnose);
    });
}

}  // namespace terrovane::app
