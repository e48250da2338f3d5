// The archive window's buttons: labels, "Open read-out", export, trend.
#include "ResultActions.h"

#include <QFileInfo>

#include <set>

#include "Archive.h"
#include "ArchiveFailure.h"
#include "ArchiveProblemText.h"
#include "ExportPath.h"
#include "HistoryColumns.h"
#include "HistoryWindow.h"
#include "MessageBox.h"
#include "ResultActions.h"
#include "ResultsFiles.h"
#include "ResultsOutput.h"
#include "ResultsXlsx.h"
#include "ScreenFit.h"
#include "TrendWindow.h"
#include "TypedResultView.h"
#include "TypedResults.h"
#include "TypedResultsJson.h"

namespace terrovane::history {
namespace {

constexpr const char* kChooseFirst =
    QT_TRANSLATE_NOOP("Messages", "Choose one or more results in the list first.");

// The labels in use, offered while typing; nullopt, after saying why, when the archive cannot list them
// (a label then could not be stored either).
std::optional<QStringList> KnownLabels(archive::Archive& archive) {
    QStringList labels;
    std::string error;
    for (const std::string& label : archive.Labels(error)) {
        labels << QString::fromStdString(label);
    }
    if (!error.empty()) {
        SayArchiveFailure(HistoryWindow::tr("The labels could not be read."), archive, error);
        return std::nullopt;
    }
    return labels;
}

}  // namespace

std::optional<LabelEdit> ResultActions::AskLabel(const QString& title, const LabelEdit& current) {
    if (labelEditor) {
        return labelEditor(title, current);
    }
    const std::optional<QStringList> known = KnownLabels(*controls_.archive);
    if (!known) {
        return std::nullopt;
    }
    LabelDialog dialog(title, current, *known, controls_.window);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Value();
}

void ResultActions::LabelSelectedResults() {
    const std::vector<int> rows = SelectedRows(controls_);
    if (rows.empty()) {
        return platform::Alert(kChooseFirst);
    }
    const archive::ResultRow* first = controls_.model->RowAt(rows.front());
    // A person knows a result by its slot and measuring date, never by the archive's own number.
    const QString date = controls_.model->data(controls_.model->index(rows.front(), kDateColumn)).toString();
    const auto edit = AskLabel(
        rows.size() == 1
            ? HistoryWindow::tr("Label of slot %1 of %2").arg(first->slot, 2, 10, QLatin1Char('0')).arg(date)
            : HistoryWindow::tr("Label of %1 results").arg(rows.size()),
        {QString::fromStdString(first->label), QString::fromStdString(first->note)});
    if (!edit) {
        return;
    }
    std::string error;
    for (int row : rows) {
        if (!controls_.archive->SetLabel(archive::LabelTarget::Result, controls_.model->RowAt(row)->id,
                                         edit->label.toStdString(), edit->note.toStdString(), error)) {
            platform::Alert(QT_TRANSLATE_NOOP("Messages", "The label could not be stored: %1"),
                            {texts::ArchiveProblemText(error).toStdString()});
            break;
        }
    }
    controls_.model->Reload();
}

void ResultActions::LabelSelectedReadOut() {
    const std::vector<int> rows = SelectedRows(controls_);
    if (rows.empty()) {
        return platform::Alert(kChooseFirst);
    }
    const std::int64_t readout = controls_.model->RowAt(rows.front())->readout;
    std::vector<archive::ReadOutRow> readouts;
    std::string error;
    archive::ResultFilter none;
    LabelEdit current;
    // The read-out's own label and note, found among the read-outs (newest first, so near the top).
    if (controls_.archive->ReadOuts(none, -1, 0, readouts, error)) {
        for (const archive::ReadOutRow& row : readouts) {
            if (row.id == readout) {
                current = {QString::fromStdString(row.label), QString::fromStdString(row.note)};
            }
        }
    }
    const auto edit =
        AskLabel(HistoryWindow::tr("Label of read-out %1 and its results").arg(readout), current);
    if (!edit) {
        return;
    }
    if (!controls_.archive->SetLabel(archive::LabelTarget::ReadOut, readout, edit->label.toStdString(),
                                     edit->note.toStdString(), error)) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The label could not be stored: %1"),
                        {texts::ArchiveProblemText(error).toStdString()});
    }
    controls_.model->Reload();
}

void ResultActions::OpenSelectedReadOut() {
    const std::vector<int> rows = SelectedRows(controls_);
    if (rows.empty()) {
        return platform::Alert(kChooseFirst);
    }
    emit controls_.window->OpenReadOut(controls_.model->RowAt(rows.front())->readout);
}

QString ResultActions::AskExportFile() {
    if (exportFileChooser) {
        return exportFileChooser();
    }
    return AskSaveFile(controls_.window, HistoryWindow::tr("Export results"), ExportFilters());
}

void ResultActions::ExportSelected() {
    const std::vector<int> rows = SelectedRows(controls_);
    if (rows.empty()) {
        return platform::Alert(kChooseFirst);
    }
    const QString path = AskExportFile();
    if (path.isEmpty()) {
        return;
    }
    std::vector<archive::ResultView> views;
    std::set<std::int64_t> points;
    for (int row : rows) {
        views.push_back(*controls_.model->ResultAt(row));
        if (const archive::ResultRow* result = controls_.model->RowAt(row);
            result != nullptr && result->point) {
            points.insert(*result->point);
        }
    }
    if (const TreeChoice chosen = controls_.tree->Current(); chosen.kind == TreeChoice::Kind::Point) {
        points.insert(chosen.id);
    }
    std::vector<archive::TypedResultVersion> typed;
    if (!TypedResultsAt(points, typed)) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    const std::string file = path.toStdString();
    std::string error;
    // The results typed by hand at the chosen points go with them, marked typed; the workbook of Save's
    // columns (.xls) has no place for them.
    if (suffix == QLatin1String("csv")) {
        error = archive::WriteFileReplacing(file, archive::ResultsCsv(archive::WithTypedViews(views, typed)));
    } else if (suffix == QLatin1String("json")) {
        error =
            archive::WriteFileReplacing(file, archive::AppendTypedJson(archive::ResultsJson(views), typed));
    } else if (suffix == QLatin1String("xlsx")) {
        error = archive::ExportResultsXlsx(archive::WithTypedViews(views, typed), file);
    } else if (suffix == QLatin1String("xls")) {
        typed.clear();
        error = archive::ExportResultsWorkbook(views, file);
    } else {
        error = HistoryWindow::tr("the file name should end in .xlsx, .xls, .csv or .json").toStdString();
    }
    if (!error.empty()) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The results could not be exported: %1"), {error});
        return;
    }
    controls_.status->setText(HistoryWindow::tr("%n result(s) exported to %1", nullptr,
                                                static_cast<int>(views.size() + typed.size()))
                                  .arg(path));
}

bool ResultActions::TypedResultsAt(const std::set<std::int64_t>& points,
                                   std::vector<archive::TypedResultVersion>& typed) {
    for (const std::int64_t point : points) {
        archive::ResultFilter filter;
        filter.pointId = point;
        auto found = archive::TypedResults(*controls_.archive, filter);
        if (!found) {
            SayArchiveFailure(HistoryWindow::tr("The results typed by hand could not be read."),
                              *controls_.archive, found.Error().Text());
            return false;
        }
        typed.insert(typed.end(), found.Value().begin(), found.Value().end());
    }
    return true;
}

QWidget* ResultActions::ShowTrend() {
    const std::vector<int> rows = SelectedRows(controls_);
    const archive::ResultRow* first = rows.empty() ? nullptr : controls_.model->RowAt(rows.front());
    const QString label =
        first == nullptr ? filters_.LabelFilter().text() : QString::fromStdString(first->label);
    // A test point chosen in the tree, or the chosen result's point when it has no label, is followed.
    std::optional<std::int64_t> point;
    if (const TreeChoice chosen = controls_.tree->Current(); chosen.kind == TreeChoice::Kind::Point) {
        point = chosen.id;
    } else if (first != nullptr && first->label.empty() && first->point) {
        point = first->point;
    }
    auto* trend = new TrendWindow(*controls_.archive, label, controls_.window, point);
    trend->setAttribute(Qt::WA_DeleteOnClose);
    screenfit::ResizeOnScreen(trend, QSize(720, 440));
    trend->show();
    return trend;
}

}  // namespace terrovane::history
