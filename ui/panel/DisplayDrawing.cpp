#include "DisplayDrawing.h"

#include <QCoreApplication>
#include <QLabel>

#include "ChartWindow.h"
#include "DigitField.h"
#include "MessageBox.h"
#include "PanelControls.h"
#include "SpokenDisplay.h"

namespace terrovane::panel {

void DisplayDrawing::BlankDisplay() {
    HideEverything();
    HideNotice();
    controls_.Chart()->SetReading(QString());
}

bool DisplayDrawing::Blank() const {
    return !anythingShown_ && controls_.Chart()->Reading().isEmpty();
}

void DisplayDrawing::HideEverything() {
    // The port watch blanks the idle panel every few milliseconds: skip the 51 hides when nothing shows.
    if (!anythingShown_)
        return;
    for (const auto& row : kPanelControls)
        controls_.Control(row.id)->hide();
    anythingShown_ = false;
    shown_ = {};
}

void DisplayDrawing::Replace(const PanelView& view, std::uint32_t mode) {
    HideEverything();
    ShowView(view, mode);
}

void DisplayDrawing::ShowView(const PanelView& view, std::uint32_t mode) {
    if (!view.visible.empty())
        HideNotice();
    for (const auto& [id, text] : view.texts)
        controls_.Field(id)->SetText(text);
    for (int id : view.visible)
        controls_.Control(id)->show();
    anythingShown_ = anythingShown_ || !view.visible.empty();
    shown_.visible.insert(view.visible.begin(), view.visible.end());
    for (const auto& [id, text] : view.texts)
        shown_.texts[id] = text;
    controls_.Chart()->SetReading(QString::fromStdString(SpokenDisplay(shown_, mode)));
}

void DisplayDrawing::Tell(const char* text) {
    if (!quiet_) {
        platform::Alert(text);
        return;
    }
    const QString translated = QCoreApplication::translate("Messages", text);
    QLabel* notice = controls_.Notice();
    notice->setText(translated);
    notice->raise();
    notice->show();
    controls_.Chart()->SetReading(translated);
}

void DisplayDrawing::HideNotice() {
    if (controls_.Notice()->isVisible()) {
        controls_.Notice()->hide();
    }
}

QString DisplayDrawing::Notice() const {
    QLabel* notice = controls_.Notice();
    return notice->isVisibleTo(notice->parentWidget()) ? notice->text() : QString();
}

}  // namespace terrovane::panel
