#include "PropertiesDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>

#include <algorithm>

#include "ArchiveProblemText.h"
#include "FocusFrame.h"
#include "ScreenFit.h"
#include "SitePosition.h"

namespace terrovane::history {
namespace {

struct KindName {
    archive::PointKind kind;
    const char* name;
};

constexpr KindName kKindNames[] = {
    {archive::PointKind::Rod, QT_TRANSLATE_NOOP("terrovane::history::PointPropertiesDialog", "Rod")},
    {archive::PointKind::Grid, QT_TRANSLATE_NOOP("terrovane::history::PointPropertiesDialog", "Grid")},
    {archive::PointKind::Mesh, QT_TRANSLATE_NOOP("terrovane::history::PointPropertiesDialog", "Mesh")},
    {archive::PointKind::TowerLeg,
     QT_TRANSLATE_NOOP("terrovane::history::PointPropertiesDialog", "Tower leg")},
    {archive::PointKind::DownConductor,
     QT_TRANSLATE_NOOP("terrovane::history::PointPropertiesDialog", "Down conductor")},
    {archive::PointKind::Other, QT_TRANSLATE_NOOP("terrovane::history::PointPropertiesDialog", "Other")},
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

PropertiesDialog::PropertiesDialog(const QString& title, const std::string& name, QWidget* parent)
    : QDialog(parent) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(title);
    form_ = new QFormLayout(this);
    name_ = new QLineEdit(Text(name), this);
    form_->addRow(tr("Name:"), name_);
}

void PropertiesDialog::Finish() {
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    problem_->hide();
    form_->addRow(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertiesDialog::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form_->addRow(buttons);
    screenfit::ResizeOnScreen(this, QSize(std::max(640, sizeHint().width()), sizeHint().height()));
}

void PropertiesDialog::TryAccept() {
    QString problem;
    if (name_->text().trimmed().isEmpty()) {
        problem = tr("Enter a name.");
    } else if (Save(problem)) {
        return accept();
    }
    problem_->setText(problem);
    problem_->show();
}

SitePropertiesDialog::SitePropertiesDialog(const archive::SiteFields& fields, QWidget* parent)
    : PropertiesDialog(fields.name.empty() ? tr("New site") : tr("Properties of %1").arg(Text(fields.name)),
                       fields.name, parent),
      fields_(fields) {
    address_ = new QLineEdit(Text(fields.address), this);
    position_ = new QLineEdit(Text(archive::PositionText(fields)), this);
    position_->setPlaceholderText(tr("latitude,longitude in decimal degrees, such as 48.137,11.575"));
    limit_ = new LimitEdit(fields.limit, tr("No limit"), this);
    interval_ = new IntervalEdit(fields.intervalMonths, tr("No re-test interval"), this);
    Form()->addRow(tr("Address:"), address_);
    Form()->addRow(tr("Position:"), position_);
    Form()->addRow(tr("Limit:"), limit_);
    Form()->addRow(tr("Re-test every:"), interval_);
    Finish();
}

bool SitePropertiesDialog::Save(QString& problem) {
    archive::SiteFields fields = fields_;
    fields.name = Name().text().trimmed().toStdString();
    fields.address = address_->text().trimmed().toStdString();
    const QString position = position_->text().trimmed();
    if (position.isEmpty()) {
        fields.latitude.reset();
        fields.longitude.reset();
    } else if (const auto parsed = archive::ParsePosition(position.toStdString())) {
        fields.latitude = parsed->latitude;
        fields.longitude = parsed->longitude;
    } else {
        problem =
            tr("Enter the position as latitude,longitude in decimal degrees (such as 48.137,11.575), "
               "or leave it empty.");
        return false;
    }
    if (!limit_->Value(fields.limit, problem)) {
        return false;
    }
    fields.intervalMonths = interval_->Months();
    std::string error;
    if (save && !save(fields, error)) {
        problem = tr("The site could not be saved: %1").arg(texts::ArchiveProblemText(error));
        return false;
    }
    fields_ = fields;
    return true;
}

PointPropertiesDialog::PointPropertiesDialog(const archive::PointFields& fields,
                                             const archive::SiteFields& site, QWidget* parent)
    : PropertiesDialog(fields.name.empty()
                           ? tr("New test point of %1").arg(Text(site.name))
                           : tr("Properties of %1 / %2").arg(Text(site.name), Text(fields.name)),
                       fields.name, parent),
      fields_(fields) {
    kind_ = new QComboBox(this);
    for (const KindName& each : kKindNames) {
        kind_->addItem(tr(each.name), static_cast<int>(each.kind));
        if (each.kind == fields.kind) {
            kind_->setCurrentIndex(kind_->count() - 1);
        }
    }
    const QString siteLimit =
        site.limit ? tr("The site's: %1").arg(LimitText(*site.limit)) : tr("The site's: none");
    limit_ = new LimitEdit(fields.limit, siteLimit, this);
    const QString siteInterval =
        site.intervalMonths ? tr("The site's: %1 months").arg(*site.intervalMonths) : tr("The site's: none");
    interval_ = new IntervalEdit(fields.intervalMonths, siteInterval, this);
    Form()->addRow(tr("Kind:"), kind_);
    Form()->addRow(tr("Limit:"), limit_);
    Form()->addRow(tr("Re-test every:"), interval_);
    Finish();
}

bool PointPropertiesDialog::Save(QString& problem) {
    archive::PointFields fields = fields_;
    fields.name = Name().text().trimmed().toStdString();
    fields.kind = static_cast<archive::PointKind>(kind_->currentData().toInt());
    if (!limit_->Value(fields.limit, problem)) {
        return false;
    }
    fields.intervalMonths = interval_->Months();
    std::string error;
    if (save && !save(fields, error)) {
        problem = tr("The test point could not be saved: %1").arg(texts::ArchiveProblemText(error));
        return false;
    }
    fields_ = fields;
    return true;
}

}  // namespace terrovane::history
