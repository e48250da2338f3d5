// The import dialog's options: how the file's cells are read.
#include "ImportOptions.h"

#include <QGridLayout>
#include <QLabel>

#include "ImportDialog.h"
#include "TypedMethodText.h"
#include "TypedMethods.h"

namespace terrovane::history {

QWidget* ImportOptions::Build(QWidget* dialog, const std::function<void()>& reload) {
    auto* options = new QWidget(dialog);
    auto* grid = new QGridLayout(options);
    grid->setContentsMargins(0, 0, 0, 0);
    headerRow_ = new keyboard::WholeNumberBox(options);
    headerRow_->setRange(0, 1000);
    headerRow_->setValue(1);
    QObject::connect(headerRow_, &QSpinBox::editingFinished, dialog, reload);
    dateFormat_ = new QLineEdit(QStringLiteral("yyyy-MM-dd HH:mm"), options);
    dateFormat_->setToolTip(
        ImportDialog::tr("yyyy, yy, MM, M, dd, d, HH, H, mm, ss; any other character stands for itself"));
    timeFormat_ = new QLineEdit(QStringLiteral("HH:mm"), options);
    decimal_ = new QComboBox(options);
    decimal_->addItem(ImportDialog::tr("as the file writes it"), QStringLiteral("auto"));
    decimal_->addItem(ImportDialog::tr("point (4.2)"), QStringLiteral("point"));
    decimal_->addItem(ImportDialog::tr("comma (4,2)"), QStringLiteral("comma"));
    QObject::connect(decimal_, &QComboBox::activated, dialog, reload);
    overRange_ = new QLineEdit(QStringLiteral(">"), options);
    method_ = new QComboBox(options);
    for (const archive::TypedMethod& method : archive::TypedMethods()) {
        method_->addItem(texts::TypedMethodText(method.code), QString::fromUtf8(method.code));
    }
    const std::vector<std::pair<QString, QWidget*>> fields = {
        {ImportDialog::tr("&Header row:"), headerRow_},
        {ImportDialog::tr("&Date format:"), dateFormat_},
        {ImportDialog::tr("&Time format:"), timeFormat_},
        {ImportDialog::tr("Decimal &mark:"), decimal_},
        {ImportDialog::tr("&Over range marked:"), overRange_},
        {ImportDialog::tr("Method &without a column:"), method_}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto* label = new QLabel(fields[i].first, options);
        label->setBuddy(fields[i].second);
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(fields[i].second, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return options;
}

void ImportOptions::Apply(const imports::Mapping& mapping) {
    headerRow_->setValue(mapping.headerRow);
    dateFormat_->setText(QString::fromStdString(mapping.dateFormat));
    timeFormat_->setText(QString::fromStdString(mapping.timeFormat));
    overRange_->setText(QString::fromStdString(mapping.overRangeMark));
    decimal_->setCurrentIndex(static_cast<int>(mapping.decimal));
    if (!mapping.method.fixed.empty()) {
        method_->setCurrentIndex(
            std::max(0, method_->findData(QString::fromStdString(mapping.method.fixed))));
    }
}

void ImportOptions::Fill(imports::Mapping& mapping) const {
    mapping.headerRow = headerRow_->value();
    mapping.decimal = static_cast<imports::CsvDialect::Decimal>(decimal_->currentIndex());
    mapping.dateFormat = dateFormat_->text().toStdString();
    mapping.timeFormat = timeFormat_->text().toStdString();
    mapping.overRangeMark = overRange_->text().isEmpty() ? ">" : overRange_->text().toStdString();
    mapping.method.fixed = method_->currentData().toString().toStdString();
}

}  // namespace terrovane::history
