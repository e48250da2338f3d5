#include "StoredAnalyses.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "EscapeCloses.h"
#include "FocusFrame.h"
#include "FopWindow.h"
#include "GridSoilText.h"
#include "GridWindow.h"
#include "MessageBox.h"
#include "ScreenFit.h"
#include "Sites.h"
#include "SoilWindow.h"
#include "TypedNumber.h"

namespace terrovane::history {
namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString When(const std::string& savedAt) {
    return FromUtf8(savedAt.substr(0, 16)).replace(QLatin1Char('T'), QLatin1Char(' '));
}

archive::Status DeleteStored(archive::Archive& archive, const StoredAnalysis& analysis) {
    if (const auto* model = std::get_if<archive::StoredSoilModel>(&analysis.stored))
        return archive::DeleteSoilModel(archive, model->id);
    if (const auto* curve = std::get_if<archive::StoredFopCurve>(&analysis.stored))
        return archive::DeleteFopCurve(archive, curve->id);
    return archive::DeleteGridAssessment(archive,
                                         std::get<archive::StoredGridAssessment>(analysis.stored).id);
}

}  // namespace

bool LoadStoredAnalysesList(archive::Archive& archive, std::vector<StoredAnalysis>& out, std::string& error) {
    out.clear();
    std::vector<archive::SiteRow> sites;
    if (!archive::Sites(archive, sites, error)) {
        return false;
    }
    for (const archive::SiteRow& site : sites) {
        archive::Result<std::vector<archive::StoredSoilModel>> models = archive::SoilModels(archive, site.id);
        if (!models) {
            error = models.Error().Text();
            return false;
        }
        for (archive::StoredSoilModel& model : models.Value()) {
            out.push_back({std::move(model), FromUtf8(site.fields.name), {}});
        }
    }
    std::vector<archive::PointRow> points;
    if (!archive::Points(archive, 0, points, error)) {
        return false;
    }
    for (const archive::PointRow& point : points) {
        archive::Result<std::vector<archive::StoredFopCurve>> curves = archive::FopCurves(archive, point.id);
        if (!curves) {
            error = curves.Error().Text();
            return false;
        }
        for (archive::StoredFopCurve& curve : curves.Value()) {
            out.push_back({std::move(curve), FromUtf8(point.siteName), FromUtf8(point.fields.name)});
        }
    }
    for (const archive::SiteRow& site : sites) {
        archive::Result<std::vector<archive::StoredGridAssessment>> assessments =
            archive::GridAssessments(archive, site.id);
        if (!assessments) {
            error = assessments.Error().Text();
            return false;
        }
        for (archive::StoredGridAssessment& assessment : assessments.Value()) {
            out.push_back({std::move(assessment), FromUtf8(site.fields.name), {}});
        }
    }
    return true;
}

StoredAnalysesDialog::StoredAnalysesDialog(archive::Archive& archive, QWidget* parent)
    : QDialog(parent), archive_(archive) {
    setWindowTitle(tr("Stored analyses"));
    list_ = new QTableWidget(0, 5, this);
    list_->setHorizontalHeaderLabels(
        {tr("Analysis"), tr("Site"), tr("Test point"), tr("Stored"), tr("Summary")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setTabKeyNavigation(false);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    keyboard::ShowFocusFrame(list_);
    open_ = new QPushButton(tr("Open"), this);
    delete_ = new QPushButton(tr("Delete..."), this);
    status_ = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(open_, QDialogButtonBox::ActionRole);
    buttons->addButton(delete_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(open_, &QPushButton::clicked, this, &StoredAnalysesDialog::OpenChosen);
    connect(delete_, &QPushButton::clicked, this, &StoredAnalysesDialog::DeleteChosen);
    connect(list_, &QTableWidget::doubleClicked, this, &StoredAnalysesDialog::OpenChosen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    Reload();
    screenfit::ResizeOnScreen(this, QSize(760, 380));
}

void StoredAnalysesDialog::Reload() {
    std::string error;
    if (!LoadStoredAnalysesList(archive_, analyses_, error)) {
        status_->setText(FromUtf8(error));
    }
    list_->setRowCount(static_cast<int>(analyses_.size()));
    for (std::size_t i = 0; i < analyses_.size(); ++i) {
        const StoredAnalysis& each = analyses_[i];
        QString kind;
        QString when;
        QString summary;
        if (const auto* model = std::get_if<archive::StoredSoilModel>(&each.stored)) {
            kind = tr("Soil model");
            when = When(model->savedAt);
            summary = tr("%n layer(s) (asked: %1), RMS error %2 %, %3 points", nullptr,
                         static_cast<int>(model->layers.size()))
                          .arg(FromUtf8(model->layerChoice))
                          .arg(keyboard::ShownNumber(model->rmsPercent, 2))
                          .arg(model->points.size());
        } else if (const auto* curve = std::get_if<archive::StoredFopCurve>(&each.stored)) {
            kind = tr("Fall of potential");
            when = When(curve->savedAt);
            summary = tr("D %1 m, %2 readings")
                          .arg(keyboard::ShownSignificant(curve->currentProbe, 6))
                          .arg(curve->readings.size());
        } else {
            const auto& grid = std::get<archive::StoredGridAssessment>(each.stored);
            kind = tr("Grid assessment");
            when = When(grid.savedAt);
            const std::optional<grid::Verdict> verdict = grid::VerdictFromName(grid.verdict);
            summary = tr("%1 m x %2 m, %3 Ω·m: %4")
                          .arg(keyboard::ShownSignificant(grid.lengthM, 6))
                          .arg(keyboard::ShownSignificant(grid.widthM, 6))
                          .arg(keyboard::ShownSignificant(grid.soilResistivity, 4))
                          .arg(verdict ? texts::GridVerdictText(*verdict) : FromUtf8(grid.verdict));
        }
        const QString cells[] = {kind, each.site, each.point, when, summary};
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            list_->setItem(static_cast<int>(i), column, item);
        }
    }
    list_->resizeColumnsToContents();
    if (!analyses_.empty()) {
        list_->selectRow(0);
    }
    open_->setEnabled(!analyses_.empty());
    delete_->setEnabled(!analyses_.empty());
    if (analyses_.empty() && error.empty()) {
        status_->setText(
            tr("No analysis is stored yet: \"Store with\" in the soil model, fall-of-potential and grid "
               "safety windows keeps one."));
    }
}

const StoredAnalysis* StoredAnalysesDialog::Chosen() const {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(analyses_.size()) ? &analyses_[static_cast<std::size_t>(row)]
                                                                : nullptr;
}

QWidget* StoredAnalysesDialog::OpenChosen() {
    const StoredAnalysis* chosen = Chosen();
    if (chosen == nullptr) {
        return nullptr;
    }
    QWidget* owner = parentWidget() != nullptr ? parentWidget() : this;
    QWidget* window = nullptr;
    if (const auto* model = std::get_if<archive::StoredSoilModel>(&chosen->stored)) {
        auto* soil = new engineering::SoilWindow(&archive_, {},
                                                 engineering::SiteChoice{model->site, chosen->site}, owner);
        soil->ShowStored(*model);
        window = soil;
    } else if (const auto* curve = std::get_if<archive::StoredFopCurve>(&chosen->stored)) {
        auto* fop = new engineering::FopWindow(
            &archive_, {},
            engineering::PointChoice{curve->point, chosen->site + QStringLiteral(" / ") + chosen->point},
            owner);
        fop->ShowStored(*curve);
        window = fop;
    } else {
        const auto& assessment = std::get<archive::StoredGridAssessment>(chosen->stored);
        auto* grid = new engineering::GridWindow(
            &archive_, engineering::SiteChoice{assessment.site, chosen->site}, std::nullopt, owner);
        grid->ShowStored(assessment);
        window = grid;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void StoredAnalysesDialog::DeleteChosen() {
    const StoredAnalysis* chosen = Chosen();
    if (chosen == nullptr) {
        return;
    }
    QString what;
    if (std::holds_alternative<archive::StoredSoilModel>(chosen->stored))
        what = tr("the soil model of %1").arg(chosen->site);
    else if (std::holds_alternative<archive::StoredFopCurve>(chosen->stored))
        what = tr("the fall-of-potential curve of %1 / %2").arg(chosen->site, chosen->point);
    else
        what = tr("the grid assessment of %1").arg(chosen->site);
    if (!platform::AskBeforeDeleting(
            tr("Delete %1? The results stay in the archive.").arg(what).toStdString())) {
        return;
    }
    const archive::Status deleted = DeleteStored(archive_, *chosen);
    Reload();
    if (!deleted) {
        status_->setText(tr("It could not be deleted: %1").arg(texts::FailureText(deleted.Error())));
    }
}

}  // namespace terrovane::history
