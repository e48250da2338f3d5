#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

namespace terrovane::history {

// A label (site, electrode, object) and a note for a result or a read-out.
struct LabelEdit {
    QString label;
    QString note;
};

class LabelDialog : public QDialog {
    Q_OBJECT

  public:
    // `known` are the labels in use, offered as the user types.
    LabelDialog(const QString& title, const LabelEdit& current, const QStringList& known,
                QWidget* parent = nullptr);

    LabelEdit Value() const;
    QLineEdit& LabelField() const { return *label_; }
    QPlainTextEdit& NoteField() const { return *note_; }

  private:
    QLineEdit* label_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
};

}  // namespace terrovane::history
