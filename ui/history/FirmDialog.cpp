#include "FirmDialog.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpressionValidator>

#include "ArchiveProblemText.h"
#include "FileDialogSetup.h"
#include "Firm.h"
#include "FocusFrame.h"
#include "Logo.h"

namespace terrovane::history {
namespace {

constexpr int kPreviewWidth = 240;
constexpr int kPreviewHeight = 80;

QLineEdit* FirmLine(const std::string& text, int most, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setMaxLength(most);
    return field;
}

}  // namespace

FirmDialog::FirmDialog(const archive::FirmProfile& firm, bool inTeam, QWidget* parent)
    : QDialog(parent), logo_(firm.logo), logoType_(firm.logoType) {
    setWindowTitle(tr("Firm"));
    keyboard::ShowFocusFromTheStart(this);
    name_ = FirmLine(firm.name, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    address_ = new QPlainTextEdit(QString::fromStdString(firm.address), this);
    address_->setTabChangesFocus(true);
    address_->setFixedHeight(address_->fontMetrics().lineSpacing() * 4 + 12);
    phone_ = FirmLine(firm.phone, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    email_ = FirmLine(firm.email, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    licence_ = FirmLine(firm.licence, static_cast<int>(archive::kMostFirmFieldCharacters), this);
    prefix_ = FirmLine(firm.prefix, static_cast<int>(archive::kMostPrefixCharacters), this);
    prefix_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,12}")), prefix_));
    prefix_->setPlaceholderText(tr("letters and digits, as ACME"));
    preview_ = new QLabel(this);
    preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);
    chooseLogo_ = new QPushButton(tr("Choose logo..."), this);
    removeLogo_ = new QPushButton(tr("Remove logo"), this);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    problem_->hide();
    connect(chooseLogo_, &QPushButton::clicked, this, &FirmDialog::ChooseLogo);
    connect(removeLogo_, &QPushButton::clicked, this, [this] {
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name:"), name_);
    layout->addRow(tr("Address:"), address_);
    layout->addRow(tr("Phone:"), phone_);
    layout->addRow(tr("E-mail:"), email_);
    layout->addRow(tr("Accreditation or licence:"), licence_);
    layout->addRow(tr("Report number prefix:"), prefix_);
    layout->addRow(tr("Logo (PNG or SVG):"), logoRow);
    layout->addRow(problem_);
    if (inTeam) {
        auto* team = new QLabel(
            tr("The team shares one profile: a change here goes to the server with the next sync, which "
               "takes it from admins only."),
            this);
        team->setWordWrap(true);
        layout->addRow(team);
    }
    layout->addRow(buttons);
    ShowLogo();
}

archive::FirmProfile FirmDialog::Value() const {
    archive::FirmProfile firm;
    firm.name = name_->text().trimmed().toStdString();
    firm.address = address_->toPlainText().trimmed().toStdString();
    firm.phone = phone_->text().trimmed().toStdString();
    firm.email = email_->text().trimmed().toStdString();
    firm.licence = licence_->text().trimmed().toStdString();
    firm.prefix = prefix_->text().trimmed().toStdString();
    firm.logo = logo_;
    firm.logoType = logoType_;
    return firm;
}

bool FirmDialog::TakeLogo(const QString& path) {
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

void FirmDialog::ChooseLogo() {
    QString path;
    if (logoChooser) {
        path = logoChooser();
    } else {
        QFileDialog dialog(this, tr("Logo"), {}, tr("Logo (*.png *.svg)"));
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

void FirmDialog::ShowLogo() {
    removeLogo_->setEnabled(!logo_.empty());
    if (logo_.empty()) {
        preview_->setPixmap({});
        preview_->setText(tr("no logo"));
        return;
    }
    // An SVG is drawn by Qt's image plugin at the preview's size, sharp at any scale.
    const qreal ratio = devicePixelRatioF();
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
        preview_->setText(tr("the logo cannot be shown here"));
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    preview_->setPixmap(pixmap);
}

}  // namespace terrovane::history
