// The firm dialog's logo, its preview and its file.
#include "FirmLogo.h"

#include <QBuffer>
#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "FileDialogSetup.h"
#include "FirmDialog.h"
#include "Logo.h"

namespace terrovane::history {
namespace {

constexpr int kPreviewWidth = 240;
constexpr int kPreviewHeight = 80;

}  // namespace

QHBoxLayout* FirmLogo::Build(QWidget* dialog) {
    dialog_ = dialog;
    preview_ = new QLabel(dialog);
    preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);
    chooseLogo_ = new QPushButton(FirmDialog::tr("Choose logo..."), dialog);
    removeLogo_ = new QPushButton(FirmDialog::tr("Remove logo"), dialog);
    problem_ = new QLabel(dialog);
    problem_->setWordWrap(true);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    problem_->hide();
    QObject::connect(chooseLogo_, &QPushButton::clicked, dialog, [this] { ChooseLogo(); });
    QObject::connect(removeLogo_, &QPushButton::clicked, dialog, [this] {
        logo_.clear();
        logoType_.clear();
        problem_->hide();
        ShowLogo();
    });
    auto* logoButtons = new QVBoxLayout;
    logoButtons->addWidget(chooseLogo_);
    logoButtons->addWidget(removeLogo_);
    logoButtons->addStretch();
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(preview_);
    logoRow->addLayout(logoButtons);
    ShowLogo();
    return logoRow;
}

void FirmLogo::Fill(archive::FirmProfile& firm) const {
    firm.logo = logo_;
    firm.logoType = logoType_;
}

bool FirmLogo::TakeLogo(const QString& path) {
    archive::FirmProfile read;
    const archive::Status taken = attach::ReadLogo(path.toStdString(), read);
    if (!taken) {
        problem_->setText(texts::FailureText(taken.Error()));
        problem_->show();
        return false;
    }
    logo_ = std::move(read.logo);
    logoType_ = read.logoType;
    problem_->hide();
    ShowLogo();
    return true;
}

void FirmLogo::ChooseLogo() {
    QString path;
    if (logoChooser) {
        path = logoChooser();
    } else {
        QFileDialog dialog(dialog_, FirmDialog::tr("Logo"), {}, FirmDialog::tr("Logo (*.png *.svg)"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        filedialog::KeepOutOfFileContents(dialog);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path = dialog.selectedFiles().front();
        }
    }
    if (!path.isEmpty()) {
        (void)TakeLogo(path);
    }
}

void FirmLogo::ShowLogo() {
    removeLogo_->setEnabled(!logo_.empty());
    if (logo_.empty()) {
        preview_->setPixmap({});
        preview_->setText(FirmDialog::tr("no logo"));
        return;
    }
    // An SVG is drawn by Qt's image plugin at the preview's size, sharp at any scale.
    const qreal ratio = dialog_->devicePixelRatioF();
    const QSize room = QSize(kPreviewWidth - 8, kPreviewHeight - 8) * ratio;
    QByteArray bytes(logo_.data(), static_cast<qsizetype>(logo_.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, logoType_ == "svg" ? "svg" : "png");
    if (reader.size().isValid()) {
        reader.setScaledSize(reader.size().scaled(room, Qt::KeepAspectRatio));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        preview_->setPixmap({});
        preview_->setText(FirmDialog::tr("the logo cannot be shown here"));
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    preview_->setPixmap(pixmap);
}

}  // namespace terrovane::history
