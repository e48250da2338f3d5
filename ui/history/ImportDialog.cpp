// Archive › Import...: the file, the mapping of its columns over a preview, and what the import did.
#include "ImportDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "FileDialogSetup.h"
#include "FocusFrame.h"
#include "ImportProblemText.h"
#include "ImportProblems.h"
#include "RememberedMappings.h"
#include "ScreenFit.h"
#include "TypedMethodText.h"
#include "TypedMethods.h"
#include "TypedResults.h"
#include "TypedValue.h"
#include "XlsxSource.h"

namespace terrovane::history {
namespace {

// Rows of the preview above the file's: what each column holds, and the unit of a value column.
constexpr int kRoleRow = 0;
constexpr int kUnitRow = 1;
constexpr int kPreviewRows = 8;

const char* const kValueNames[] = {"Re", "Rs", "Rh", "Rk", "Rac", "R", "rho", "I"};

// Each role a column can have: its code in the combo box and its words.
std::vector<std::pair<QString, QString>> Roles() {
    std::vector<std::pair<QString, QString>> roles = {
        {QStringLiteral("ignore"), ImportDialog::tr("(not imported)")},
        {QStringLiteral("date"), ImportDialog::tr("Date")},
        {QStringLiteral("time"), ImportDialog::tr("Time")},
        {QStringLiteral("site"), ImportDialog::tr("Site")},
        {QStringLiteral("point"), ImportDialog::tr("Test point")},
        {QStringLiteral("method"), ImportDialog::tr("Method")}};
    for (const char* name : kValueNames) {
        roles.emplace_back(QStringLiteral("value:") + QString::fromLatin1(name),
                           ImportDialog::tr("Value %1").arg(QString::fromLatin1(name)));
    }
    roles.emplace_back(QStringLiteral("instrument"), ImportDialog::tr("Instrument"));
    roles.emplace_back(QStringLiteral("measured_by"), ImportDialog::tr("Measured by"));
    roles.emplace_back(QStringLiteral("note"), ImportDialog::tr("Note"));
    return roles;
}

QComboBox* RoleBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const auto& [code, words] : Roles()) {
        box->addItem(words, code);
    }
    return box;
}

QComboBox* UnitBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(ImportDialog::tr("as the cell says"), QString());
    for (const archive::TypedUnit& unit : archive::TypedUnits()) {
        box->addItem(QString::fromUtf8(unit.symbol), QString::fromUtf8(unit.symbol));
    }
    return box;
}

// The role a header's words suggest ("Re [kOhm]" a value Re, "Datum" nothing): the role codes and value
// names themselves, in any case.
QString GuessedRole(const QString& header) {
    const QString word = header.section(u' ', 0, 0).trimmed();
    for (const char* name : kValueNames) {
        if (word == QLatin1String(name)) {
            return QStringLiteral("value:") + word;
        }
    }
    const QString lower = word.toLower();
    for (const char* role : {"date", "time", "site", "point", "method", "instrument", "note"}) {
        if (lower == QLatin1String(role)) {
            return lower;
        }
    }
    return QStringLiteral("ignore");
}

imports::ColumnRef ColumnNamed(const std::vector<std::string>& header, int column) {
    if (static_cast<std::size_t>(column) < header.size() &&
        !header[static_cast<std::size_t>(column)].empty()) {
        return {header[static_cast<std::size_t>(column)], 0};
    }
    return {{}, column + 1};
}

}  // namespace

ImportDialog::ImportDialog(archive::Archive& archive, QWidget* parent) : QDialog(parent), archive_(archive) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(tr("Import readings"));
    setMinimumWidth(screenfit::TitleRoom(this));
    auto* layout = new QVBoxLayout(this);
    auto* fileRow = new QHBoxLayout;
    file_ = new QLineEdit(this);
    file_->setReadOnly(true);
    file_->setPlaceholderText(tr("A CSV file or an .xlsx workbook of readings"));
    auto* choose = new QPushButton(tr("&Choose..."), this);
    connect(choose, &QPushButton::clicked, this, &ImportDialog::Choose);
    sheet_ = new QComboBox(this);
    sheet_->setEnabled(false);
    connect(sheet_, &QComboBox::activated, this, &ImportDialog::Reload);
    auto* fileLabel = new QLabel(tr("&File:"), this);
    fileLabel->setBuddy(file_);
    auto* sheetLabel = new QLabel(tr("&Sheet:"), this);
    sheetLabel->setBuddy(sheet_);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(choose);
    fileRow->addWidget(sheetLabel);
    fileRow->addWidget(sheet_);
    layout->addLayout(fileRow);
    layout->addWidget(BuildOptions());
    pages_ = new QStackedWidget(this);
    preview_ = new QTableWidget(this);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->verticalHeader()->setVisible(false);
    pages_->addWidget(preview_);
    pages_->addWidget(BuildReport());
    layout->addWidget(pages_, 1);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    import_ = new QPushButton(tr("&Import"), this);
    import_->setDefault(true);
    connect(import_, &QPushButton::clicked, this, &ImportDialog::Import);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addStretch(1);
    buttons->addWidget(import_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    UpdateState();
}

QWidget* ImportDialog::BuildOptions() {
    auto* options = new QWidget(this);
    auto* grid = new QGridLayout(options);
    grid->setContentsMargins(0, 0, 0, 0);
    headerRow_ = new keyboard::WholeNumberBox(options);
    headerRow_->setRange(0, 1000);
    headerRow_->setValue(1);
    connect(headerRow_, &QSpinBox::editingFinished, this, &ImportDialog::Reload);
    dateFormat_ = new QLineEdit(QStringLiteral("yyyy-MM-dd HH:mm"), options);
    dateFormat_->setToolTip(
        tr("yyyy, yy, MM, M, dd, d, HH, H, mm, ss; any other character stands for itself"));
    timeFormat_ = new QLineEdit(QStringLiteral("HH:mm"), options);
    decimal_ = new QComboBox(options);
    decimal_->addItem(tr("as the file writes it"), QStringLiteral("auto"));
    decimal_->addItem(tr("point (4.2)"), QStringLiteral("point"));
    decimal_->addItem(tr("comma (4,2)"), QStringLiteral("comma"));
    connect(decimal_, &QComboBox::activated, this, &ImportDialog::Reload);
    overRange_ = new QLineEdit(QStringLiteral(">"), options);
    method_ = new QComboBox(options);
    for (const archive::TypedMethod& method : archive::TypedMethods()) {
        method_->addItem(texts::TypedMethodText(method.code), QString::fromUtf8(method.code));
    }
    const std::vector<std::pair<QString, QWidget*>> fields = {
        {tr("&Header row:"), headerRow_},        {tr("&Date format:"), dateFormat_},
        {tr("&Time format:"), timeFormat_},      {tr("Decimal &mark:"), decimal_},
        {tr("&Over range marked:"), overRange_}, {tr("Method &without a column:"), method_}};
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

QWidget* ImportDialog::BuildReport() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel(page);
    summary_->setWordWrap(true);
    refused_ = new QTableWidget(0, 2, page);
    refused_->setHorizontalHeaderLabels({tr("Line"), tr("Why it was not taken")});
    refused_->horizontalHeader()->setStretchLastSection(true);
    refused_->verticalHeader()->setVisible(false);
    refused_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(summary_);
    layout->addWidget(refused_, 1);
    return page;
}

QComboBox& ImportDialog::RoleOf(int column) const {
    return *static_cast<QComboBox*>(preview_->cellWidget(kRoleRow, column));
}

QComboBox& ImportDialog::UnitOf(int column) const {
    return *static_cast<QComboBox*>(preview_->cellWidget(kUnitRow, column));
}

void ImportDialog::Choose() {
    QFileDialog dialog(this, tr("Import readings"), {},
                       tr("Readings (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    filedialog::KeepOutOfFileContents(dialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        OpenFile(dialog.selectedFiles().front());
    }
}

bool ImportDialog::OpenFile(const QString& path) {
    path_ = path;
    fileName_ = QFileInfo(path).fileName();
    file_->setText(path);
    sheet_->clear();
    sheet_->setEnabled(false);
    const std::string file = path.toStdString();
    if (imports::LooksLikeZip(file)) {
        const auto sheets = imports::XlsxSheets(file);
        for (const std::string& name : sheets ? sheets.Value() : std::vector<std::string>()) {
            sheet_->addItem(QString::fromStdString(name));
        }
        sheet_->setEnabled(sheet_->count() > 1);
    }
    // The file's own separator and decimal mark first, then its remembered mapping if it has one.
    auto first = imports::LoadTable(file, imports::Mapping{}, sheet_->currentText().toStdString());
    if (!first) {
        table_ = {};
        FillPreview();
        status_->setText(texts::FailureText(first.Error()));
        UpdateState();
        return false;
    }
    table_ = std::move(first.Value());
    FillPreview();
    if (const auto remembered = imports::RememberedMappings().Find(table_)) {
        ApplyMapping(*remembered);
        Reload();
        status_->setText(tr("The mapping used last for files with this header row is chosen."));
    } else {
        GuessRoles();
    }
    return true;
}

void ImportDialog::ShowTable(imports::SourceTable table, const QString& fileName) {
    path_.clear();
    fileName_ = fileName;
    file_->setText(fileName);
    table_ = std::move(table);
    FillPreview();
    GuessRoles();
}

void ImportDialog::Reload() {
    if (path_.isEmpty()) {
        FillPreview();
        return;
    }
    QString incomplete;
    const imports::Mapping mapping = ChosenMapping(incomplete);
    auto loaded = imports::LoadTable(path_.toStdString(), mapping, sheet_->currentText().toStdString());
    std::vector<QString> roles;
    std::vector<QString> units;
    for (int c = 0; c < preview_->columnCount(); ++c) {
        roles.push_back(RoleOf(c).currentData().toString());
        units.push_back(UnitOf(c).currentData().toString());
    }
    if (!loaded) {
        status_->setText(texts::FailureText(loaded.Error()));
        return;
    }
    table_ = std::move(loaded.Value());
    FillPreview();
    for (int c = 0; c < preview_->columnCount() && static_cast<std::size_t>(c) < roles.size(); ++c) {
        RoleOf(c).setCurrentIndex(std::max(0, RoleOf(c).findData(roles[static_cast<std::size_t>(c)])));
        UnitOf(c).setCurrentIndex(std::max(0, UnitOf(c).findData(units[static_cast<std::size_t>(c)])));
    }
    UpdateState();
}

void ImportDialog::FillPreview() {
    std::size_t columns = 0;
    for (const imports::SourceRow& row : table_.rows) {
        columns = std::max(columns, row.cells.size());
    }
    const int headerRow = headerRow_->value();
    std::vector<const imports::SourceRow*> shown;
    QStringList header;
    for (const imports::SourceRow& row : table_.rows) {
        if (row.line == headerRow) {
            for (const imports::Cell& cell : row.cells) {
                header << QString::fromStdString(cell.text);
            }
        } else if (row.line > headerRow && !imports::IsBlankRow(row) && shown.size() < kPreviewRows) {
            shown.push_back(&row);
        }
    }
    preview_->clear();
    preview_->setColumnCount(static_cast<int>(columns));
    preview_->setRowCount(2 + static_cast<int>(shown.size()));
    for (int c = 0; c < static_cast<int>(columns); ++c) {
        const QString name = c < header.size() && !header[c].isEmpty() ? header[c] : QString::number(c + 1);
        preview_->setHorizontalHeaderItem(c, new QTableWidgetItem(name));
        auto* role = RoleBox(preview_);
        role->setAccessibleName(tr("What column %1 holds").arg(name));
        connect(role, &QComboBox::currentIndexChanged, this, &ImportDialog::UpdateState);
        preview_->setCellWidget(kRoleRow, c, role);
        auto* unit = UnitBox(preview_);
        unit->setAccessibleName(tr("The unit of column %1").arg(name));
        preview_->setCellWidget(kUnitRow, c, unit);
    }
    for (std::size_t r = 0; r < shown.size(); ++r) {
        for (std::size_t c = 0; c < shown[r]->cells.size(); ++c) {
            preview_->setItem(static_cast<int>(r) + 2, static_cast<int>(c),
                              new QTableWidgetItem(QString::fromStdString(shown[r]->cells[c].text)));
        }
    }
    preview_->resizeColumnsToContents();
    pages_->setCurrentIndex(0);
    UpdateState();
}

void ImportDialog::GuessRoles() {
    for (int c = 0; c < preview_->columnCount(); ++c) {
        const QString role = GuessedRole(preview_->horizontalHeaderItem(c)->text());
        RoleOf(c).setCurrentIndex(std::max(0, RoleOf(c).findData(role)));
    }
    UpdateState();
}

void ImportDialog::ApplyMapping(const imports::Mapping& mapping) {
    headerRow_->setValue(mapping.headerRow);
    dateFormat_->setText(QString::fromStdString(mapping.dateFormat));
    timeFormat_->setText(QString::fromStdString(mapping.timeFormat));
    overRange_->setText(QString::fromStdString(mapping.overRangeMark));
    decimal_->setCurrentIndex(static_cast<int>(mapping.decimal));
    if (!mapping.method.fixed.empty()) {
        method_->setCurrentIndex(
            std::max(0, method_->findData(QString::fromStdString(mapping.method.fixed))));
    }
    const auto columns = imports::ResolveColumns(mapping, table_);
    if (!columns) {
        return;
    }
    const auto set = [this](int column, const QString& role) {
        if (column >= 0 && column < preview_->columnCount()) {
            RoleOf(column).setCurrentIndex(std::max(0, RoleOf(column).findData(role)));
        }
    };
    const imports::ColumnIndex& index = columns.Value();
    set(index.date, QStringLiteral("date"));
    set(index.time, QStringLiteral("time"));
    set(index.site, QStringLiteral("site"));
    set(index.point, QStringLiteral("point"));
    set(index.method, QStringLiteral("method"));
    set(index.instrument, QStringLiteral("instrument"));
    set(index.measuredBy, QStringLiteral("measured_by"));
    set(index.note, QStringLiteral("note"));
    for (std::size_t i = 0; i < mapping.values.size(); ++i) {
        const int column = index.values[i];
        set(column, QStringLiteral("value:") + QString::fromStdString(mapping.values[i].name));
        if (column >= 0 && column < preview_->columnCount()) {
            UnitOf(column).setCurrentIndex(
                std::max(0, UnitOf(column).findData(QString::fromStdString(mapping.values[i].unit))));
        }
    }
}

imports::Mapping ImportDialog::ChosenMapping(QString& incomplete) const {
    imports::Mapping mapping;
    mapping.headerRow = headerRow_->value();
    mapping.decimal = static_cast<imports::CsvDialect::Decimal>(decimal_->currentIndex());
    mapping.separator = table_.separator;
    mapping.sheet = sheet_->currentText().toStdString();
    mapping.dateFormat = dateFormat_->text().toStdString();
    mapping.timeFormat = timeFormat_->text().toStdString();
    mapping.overRangeMark = overRange_->text().isEmpty() ? ">" : overRange_->text().toStdString();
    mapping.method.fixed = method_->currentData().toString().toStdString();
    const std::vector<std::string> header = imports::HeaderOf(mapping, table_);
    bool date = false;
    bool point = false;
    for (int c = 0; c < preview_->columnCount(); ++c) {
        const QString role = RoleOf(c).currentData().toString();
        const imports::ColumnRef column = ColumnNamed(header, c);
        date = date || role == u"date";
        point = point || role == u"point";
        if (role == u"date") {
            mapping.date = column;
        } else if (role == u"time") {
            mapping.time = column;
        } else if (role == u"site") {
            mapping.site = column;
        } else if (role == u"point") {
            mapping.point = column;
        } else if (role == u"method") {
            mapping.method = {column, {}};
        } else if (role.startsWith(u"value:")) {
            mapping.values.push_back(
                {role.mid(6).toStdString(), column, UnitOf(c).currentData().toString().toStdString()});
        } else if (role == u"instrument" || role == u"measured_by" || role == u"note") {
            (role == u"instrument" ? mapping.instrument
             : role == u"note"     ? mapping.note
                                   : mapping.measuredBy)
                .column = column;
        }
    }
    incomplete = !date                    ? tr("Choose the column of the date.")
                 : !point                 ? tr("Choose the column of the test point.")
                 : mapping.values.empty() ? tr("Choose the column of at least one value.")
                                          : QString();
    return mapping;
}

void ImportDialog::UpdateState() {
    // A unit is asked only of a column of values.
    for (int c = 0; preview_ != nullptr && c < preview_->columnCount(); ++c) {
        UnitOf(c).setEnabled(RoleOf(c).currentData().toString().startsWith(u"value:"));
    }
    QString incomplete;
    if (preview_ != nullptr && preview_->columnCount() > 0) {
        ChosenMapping(incomplete);
        status_->setText(incomplete);
    }
    import_->setEnabled(preview_ != nullptr && preview_->columnCount() > 0 && incomplete.isEmpty() &&
                        pages_->currentIndex() == 0);
}

void ImportDialog::Import() {
    QString incomplete;
    const imports::Mapping mapping = ChosenMapping(incomplete);
    if (!incomplete.isEmpty()) {
        return;
    }
    const auto report = imports::ImportReadings(archive_, table_, mapping,
                                                {archive::TypingAccount(), fileName_.toStdString()}, false);
    if (!report) {
        status_->setText(tr("Nothing was imported: %1").arg(texts::FailureText(report.Error())));
        return;
    }
    stored_ = stored_ || report.Value().taken > 0;
    std::string error;
    if (!path_.isEmpty() && mapping.headerRow > 0 &&
        !imports::RememberedMappings().Remember(imports::HeaderOf(mapping, table_), mapping, error)) {
        status_->setText(tr("The mapping could not be remembered: %1").arg(QString::fromStdString(error)));
    }
    ShowReport(report.Value());
}

void ImportDialog::ShowReport(const imports::ImportReport& report) {
    summary_->setText(
        tr("%n row(s) read: %1 taken, %2 already in the archive, %3 refused.", nullptr, report.rows)
            .arg(report.taken)
            .arg(report.already)
            .arg(report.refused.size()));
    refused_->setRowCount(static_cast<int>(report.refused.size()));
    for (std::size_t i = 0; i < report.refused.size(); ++i) {
        refused_->setItem(static_cast<int>(i), 0,
                          new QTableWidgetItem(QString::number(report.refused[i].line)));
        refused_->setItem(static_cast<int>(i), 1,
                          new QTableWidgetItem(texts::ImportProblemText(report.refused[i].problem)));
    }
    refused_->resizeColumnToContents(0);
    pages_->setCurrentIndex(1);
    status_->clear();
    UpdateState();
}

bool RunImportDialog(archive::Archive& archive, QWidget* parent) {
    ImportDialog dialog(archive, parent);
    dialog.exec();
    return dialog.Stored();
}

}  // namespace terrovane::history
