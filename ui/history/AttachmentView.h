#pragma once

#include <QDialog>
#include <QLabel>
#include <QPixmap>

#include "Attachments.h"

namespace terrovane::history {

// One attached photo shown large, fitted to the window as it is resized, with its caption, file name,
// EXIF date and GPS position.
class AttachmentView : public QDialog {
    Q_OBJECT

  public:
    AttachmentView(const archive::AttachmentRow& row, const QByteArray& bytes, QWidget* parent = nullptr);

    QLabel& Picture() const { return *picture_; }
    QLabel& Facts() const { return *facts_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FitPicture();

    QPixmap full_;
    QLabel* picture_ = nullptr;
    QLabel* facts_ = nullptr;
};

// "taken 2024-05-17 09:30:05 · 48.137, 11.575": what the photo's EXIF says, empty when nothing.
QString ExifWords(const archive::AttachmentRow& row);

}  // namespace terrovane::history
