#include "LabelDialog.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace terrovane::history {

LabelDialog::LabelDialog(const QString& title, const LabelEdit& current, const QStringList& known,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    label_ = new QLineEdit(current.label, this);
    label_->setMaxLength(200);
    auto* completer = new QCompleter(known, label_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    label_->setCompleter(completer);
    note_ = new QPlainTextEdit(current.note, this);
    note_->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Label:"), label_);
    layout->addRow(QStringLiteral("Note:"), note_);
    layout->addRow(buttons);
}

LabelEdit LabelDialog::Value() const {
    return {label_->text(), note_->toPlainText()};
}

}  // namespace terrovane::history
