// The import dialog's preview: the file's first rows and what each column holds.
#include "ImportColumns.h"

#include <QHeaderView>

#include "ImportDialog.h"
#include "ImportProblems.h"
#include "TypedResults.h"
#include "TypedValue.h"

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

QTableWidget* ImportColumns::Build(QWidget* dialog, std::function<void()> changed) {
    dialog_ = dialog;
    changed_ = std::move(changed);
    preview_ = new QTableWidget(dialog);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->verticalHeader()->setVisible(false);
    return preview_;
}

QComboBox& ImportColumns::RoleOf(int column) const {
    return *static_cast<QComboBox*>(preview_->cellWidget(kRoleRow, column));
}

QComboBox& ImportColumns::UnitOf(int column) const {
    return *static_cast<QComboBox*>(preview_->cellWidget(kUnitRow, column));
}

void ImportColumns::Fill(const imports::SourceTable& table, int headerRow) {
    std::size_t columns = 0;
    for (const imports::SourceRow& row : table.rows) {
        columns = std::max(columns, row.cells.size());
    }
    std::vector<const imports::SourceRow*> shown;
    QStringList header;
    for (const imports::SourceRow& row : table.rows) {
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
        role->setAccessibleName(ImportDialog::tr("What column %1 holds").arg(name));
        QObject::connect(role, &QComboBox::currentIndexChanged, dialog_, changed_);
        preview_->setCellWidget(kRoleRow, c, role);
        auto* unit = UnitBox(preview_);
        unit->setAccessibleName(ImportDialog::tr("The unit of column %1").arg(name));
        preview_->setCellWidget(kUnitRow, c, unit);
    }
    for (std::size_t r = 0; r < shown.size(); ++r) {
        for (std::size_t c = 0; c < shown[r]->cells.size(); ++c) {
            preview_->setItem(static_cast<int>(r) + 2, static_cast<int>(c),
                              new QTableWidgetItem(QString::fromStdString(shown[r]->cells[c].text)));
        }
    }
    preview_->resizeColumnsToContents();
}

void ImportColumns::GuessRoles() {
    for (int c = 0; c < preview_->columnCount(); ++c) {
        const QString role = GuessedRole(preview_->horizontalHeaderItem(c)->text());
        RoleOf(c).setCurrentIndex(std::max(0, RoleOf(c).findData(role)));
    }
}

void ImportColumns::Apply(const imports::Mapping& mapping, const imports::ColumnIndex& index) {
    const auto set = [this](int column, const QString& role) {
        if (column >= 0 && column < preview_->columnCount()) {
            RoleOf(column).setCurrentIndex(std::max(0, RoleOf(column).findData(role)));
        }
    };
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

QString ImportColumns::Map(imports::Mapping& mapping, const std::vector<std::string>& header) const {
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
    return !date                    ? ImportDialog::tr("Choose the column of the date.")
           : !point                 ? ImportDialog::tr("Choose the column of the test point.")
           : mapping.values.empty() ? ImportDialog::tr("Choose the column of at least one value.")
                                    : QString();
}

void ImportColumns::EnableUnits() {
    for (int c = 0; preview_ != nullptr && c < preview_->columnCount(); ++c) {
        UnitOf(c).setEnabled(RoleOf(c).currentData().toString().startsWith(u"value:"));
    }
}

}  // namespace terrovane::history
