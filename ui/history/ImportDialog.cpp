// Archive › Import...: the file, the mapping of its columns over a preview, and what the import did.
#include "ImportDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "FocusFrame.h"
#include "RememberedMappings.h"
#include "ScreenFit.h"
#include "TypedResults.h"

namespace terrovane::history {

ImportDialog::ImportDialog(archive::Archive& archive, QWidget* parent) : QDialog(parent), archive_(archive) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(tr("Import readings"));
    setMinimumWidth(screenfit::TitleRoom(this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file_.Build(
        this, [this](const QString& path) { OpenFile(path); }, [this] { Reload(); }));
    layout->addWidget(options_.Build(this, [this] { Reload(); }));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(columns_.Build(this, [this] { UpdateState(); }));
    pages_->addWidget(summary_.Build(this));
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

bool ImportDialog::OpenFile(const QString& path) {
    file_.Show(path);
    // The file's own separator and decimal mark first, then its remembered mapping if it has one.
    auto first = file_.Load(imports::Mapping{});
    if (!first) {
        file_.Keep({});
        FillPreview();
        status_->setText(texts::FailureText(first.Error()));
        UpdateState();
        return false;
    }
    file_.Keep(std::move(first.Value()));
    FillPreview();
    if (const auto remembered = imports::RememberedMappings().Find(file_.Table())) {
        ApplyMapping(*remembered);
        Reload();
        status_->setText(tr("The mapping used last for files with this header row is chosen."));
    } else {
        columns_.GuessRoles();
        UpdateState();
    }
    return true;
}

void ImportDialog::ShowTable(imports::SourceTable table, const QString& fileName) {
    file_.ShowRows(std::move(table), fileName);
    FillPreview();
    columns_.GuessRoles();
    UpdateState();
}

void ImportDialog::Reload() {
    if (!file_.FromFile()) {
        FillPreview();
        return;
    }
    QString incomplete;
    const imports::Mapping mapping = ChosenMapping(incomplete);
    auto loaded = file_.Load(mapping);
    std::vector<QString> roles;
    std::vector<QString> units;
    for (int c = 0; c < columns_.Count(); ++c) {
        roles.push_back(columns_.RoleOf(c).currentData().toString());
        units.push_back(columns_.UnitOf(c).currentData().toString());
    }
    if (!loaded) {
        status_->setText(texts::FailureText(loaded.Error()));
        return;
    }
    file_.Keep(std::move(loaded.Value()));
    FillPreview();
    for (int c = 0; c < columns_.Count() && static_cast<std::size_t>(c) < roles.size(); ++c) {
        QComboBox& role = columns_.RoleOf(c);
        QComboBox& unit = columns_.UnitOf(c);
        role.setCurrentIndex(std::max(0, role.findData(roles[static_cast<std::size_t>(c)])));
        unit.setCurrentIndex(std::max(0, unit.findData(units[static_cast<std::size_t>(c)])));
    }
    UpdateState();
}

void ImportDialog::FillPreview() {
    columns_.Fill(file_.Table(), options_.HeaderRow());
    pages_->setCurrentIndex(0);
    UpdateState();
}

void ImportDialog::ApplyMapping(const imports::Mapping& mapping) {
    options_.Apply(mapping);
    const auto columns = imports::ResolveColumns(mapping, file_.Table());
    if (!columns) {
        return;
    }
    columns_.Apply(mapping, columns.Value());
}

imports::Mapping ImportDialog::ChosenMapping(QString& incomplete) const {
    imports::Mapping mapping;
    options_.Fill(mapping);
    mapping.separator = file_.Table().separator;
    mapping.sheet = file_.Sheet();
    incomplete = columns_.Map(mapping, imports::HeaderOf(mapping, file_.Table()));
    return mapping;
}

void ImportDialog::UpdateState() {
    columns_.EnableUnits();
    QString incomplete;
    if (columns_.Count() > 0) {
        ChosenMapping(incomplete);
        status_->setText(incomplete);
    }
    import_->setEnabled(columns_.Count() > 0 && incomplete.isEmpty() && pages_->currentIndex() == 0);
}

void ImportDialog::Import() {
    QString incomplete;
    const imports::Mapping mapping = ChosenMapping(incomplete);
    if (!incomplete.isEmpty()) {
        return;
    }
    const auto report = imports::ImportReadings(
        archive_, file_.Table(), mapping, {archive::TypingAccount(), file_.FileName().toStdString()}, false);
    if (!report) {
        status_->setText(tr("Nothing was imported: %1").arg(texts::FailureText(report.Error())));
        return;
    }
    stored_ = stored_ || report.Value().taken > 0;
    std::string error;
    if (file_.FromFile() && mapping.headerRow > 0 &&
        !imports::RememberedMappings().Remember(imports::HeaderOf(mapping, file_.Table()), mapping, error)) {
        status_->setText(tr("The mapping could not be remembered: %1").arg(QString::fromStdString(error)));
    }
    ShowReport(report.Value());
}

void ImportDialog::ShowReport(const imports::ImportReport& report) {
    summary_.Show(report);
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
