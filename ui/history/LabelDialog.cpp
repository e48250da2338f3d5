#include "LabelDialog.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include "ScreenFit.h"

namespace terrovane::history {

LabelDialog::LabelDialog(const QString& title, const LabelEdit& current, const QStringList& known,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setMinimumWidth(screenfit::TitleRoom(this));  // the title names the read-out: long in German
    label_ = new QLineEdit(current.label, this);
    label_->setMaxLength(200);
    auto* completer = new QCompleter(known, label_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    // Completed in the field itself: a popup would take the first Enter, which should confirm the dialog.
    completer->setCompletionMode(QCompleter::InlineCompletion);
    label_->setCompleter(completer);
    note_ = new QPlainTextEdit(current.note, this);
    note_->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Label:"), label_);
    layout->addRow(tr("Note:"), note_);
    layout->addRow(buttons);
}

LabelEdit LabelDialog::Value() const {
    return {label_->text(), note_->toPlainText()};
}

}  // namespace terrovane::history
