#include "AttachmentView.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QImageReader>
#include <QVBoxLayout>

#include "EscapeCloses.h"
#include "ScreenFit.h"

namespace terrovane::history {

QString ExifWords(const archive::AttachmentRow& row) {
    QStringList words;
    if (!row.taken.empty()) {
        words << AttachmentView::tr("taken %1").arg(QString::fromStdString(row.taken));
    }
    if (row.position) {
        words << AttachmentView::tr("at %1, %2")
                     .arg(QString::number(row.position->latitude, 'f', 6),
                          QString::number(row.position->longitude, 'f', 6));
    }
    return words.join(QStringLiteral(" \u00b7 "));
}

AttachmentView::AttachmentView(const archive::AttachmentRow& row, const QByteArray& bytes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(row.caption.empty() ? QString::fromStdString(row.name)
                                       : QString::fromStdString(row.caption));
    auto* layout = new QVBoxLayout(this);
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(200, 150);
    picture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    full_ = QPixmap::fromImage(reader.read());
    layout->addWidget(picture_, 1);
    QStringList lines;
    if (!row.caption.empty()) {
        lines << QString::fromStdString(row.caption);
    }
    lines
        << tr("%1, %2 \u00d7 %3 pixels").arg(QString::fromStdString(row.name)).arg(row.width).arg(row.height);
    if (const QString exif = ExifWords(row); !exif.isEmpty()) {
        lines << exif;
    }
    facts_ = new QLabel(lines.join(QLatin1Char('\n')), this);
    facts_->setWordWrap(true);
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(facts_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    keyboard::CloseOnEscape(this);
    screenfit::ResizeOnScreen(this, QSize(900, 640));
}

void AttachmentView::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitPicture();
}

// Scaled from the full photo each time, at the screen's pixel density, so it stays sharp at 2x.
void AttachmentView::FitPicture() {
    if (full_.isNull()) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap fitted = full_.scaled(picture_->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    picture_->setPixmap(fitted);
}

}  // namespace terrovane::history
