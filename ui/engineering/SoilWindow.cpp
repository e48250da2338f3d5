#include "SoilWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "AnalysisText.h"
#include "ArchiveProblemText.h"
#include "EscapeCloses.h"
#include "FileDialogSetup.h"
#include "FocusFrame.h"
#include "GridWindow.h"
#include "NoteText.h"
#include "PlotFiles.h"
#include "PlotSaving.h"
#include "RefusalText.h"
#include "ScreenFit.h"
#include "SoilModels.h"
#include "SoilSession.h"
#include "TableCell.h"
#include "TypedNumber.h"
#include "TypedSeriesFit.h"
#include "UserGuide.h"

namespace terrovane::engineering {
namespace {}  // namespace

QString SigmaText(double sigma) {
    if (std::isnan(sigma))
        return QCoreApplication::translate("SoilWindow", "not estimated");
    if (std::isinf(sigma))
        return QCoreApplication::translate("SoilWindow", "undetermined");
    return QStringLiteral("± %1").arg(keyboard::ShownSignificant(sigma, 3));
}

SoilWindow::SoilWindow(archive::Archive* archive, const std::vector<archive::ResultRow>& rows,
                       std::optional<SiteChoice> site, QWidget* parent,
                       const archive::ValidityThresholds& thresholds)
    : QWidget(parent, Qt::Window), archive_(archive), site_(std::move(site)) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(site_ ? QCoreApplication::translate("SoilWindow", "Soil model - %1").arg(site_->name)
                         : QCoreApplication::translate("SoilWindow", "Soil model"));
    const analysis::GatheredSounding gathered = SoundingOfResults(rows, thresholds);
    sounding_ = analysis::SortedBySpacing(gathered.points);
    leftOut_ = gathered.leftOut;
    QStringList notes;
    for (const std::string& note : gathered.leftOut)
        notes << texts::AnalysisNoteText(note);
    for (const std::string& note : gathered.notes)
        notes << texts::AnalysisNoteText(note);
    gatherNotes_ = notes.join(QLatin1Char('\n'));

    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    typed_ = new QCheckBox(QCoreApplication::translate("SoilWindow", "Readings typed in"), this);
    typed_->setToolTip(QCoreApplication::translate(
        "SoilWindow", "A sounding measured with another instrument, typed in spacing by spacing"));
    top->addWidget(typed_);
    top->addSpacing(16);
    top->addWidget(new QLabel(QCoreApplication::translate("SoilWindow", "Layers:"), this));
    layers_ = new QComboBox(this);
    for (const std::string& choice : kLayerChoices)
        layers_->addItem(QString::fromStdString(choice));
    layers_->setCurrentText(QStringLiteral("auto"));
    top->addWidget(layers_);
    rms_ = new QLabel(this);
    rms_->setWordWrap(true);  // a long message wraps rather than widening the window past the screen
    top->addSpacing(16);
    top->addWidget(rms_, 1);
    outer->addLayout(top);

    auto* middle = new QHBoxLayout;
    typedPanel_ = new SoilTypedPanel(this);
    typedPanel_->setVisible(false);
    typedPanel_->KeepButton().setEnabled(site_ && archive_ != nullptr);
    middle->addWidget(typedPanel_, 1);
    plot_ = new SoilPlot(this);
    // Half the width each: the layer table's four columns and their headers need about as much as the plot
    // (German's more), and a narrower table hid "Resolved" behind its scroll bar.
    plotColumn_ = new QVBoxLayout;
    plotColumn_->addWidget(plot_, 3);
    middle->addLayout(plotColumn_, 1);
    table_ = new QTableWidget(0, 4, this);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("SoilWindow", "Resistivity (Ω·m)"),
                                       QCoreApplication::translate("SoilWindow", "Thickness (m)"),
                                       QCoreApplication::translate("SoilWindow", "Depth to base (m)"),
                                       QCoreApplication::translate("SoilWindow", "Resolved")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab goes on to the window's buttons
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumWidth(400);  // room for the four columns, "Resolved" included, on an 800-pixel screen
    keyboard::ShowFocusFrame(table_);
    middle->addWidget(table_, 1);
    middle_ = middle;
    outer->addLayout(middle, 1);
    notes_ = new QLabel(this);
    notes_->setWordWrap(true);
    outer->addWidget(notes_);

    auto* buttons = new QHBoxLayout;
    auto* savePlot = new QPushButton(QCoreApplication::translate("SoilWindow", "Save plot..."), this);
    auto* saveModel = new QPushButton(QCoreApplication::translate("SoilWindow", "Save model..."), this);
    store_ =
        new QPushButton(site_ ? QCoreApplication::translate("SoilWindow", "Store with %1").arg(site_->name)
                              : QCoreApplication::translate("SoilWindow", "Store with site"),
                        this);
    if (!site_)
        store_->setToolTip(QCoreApplication::translate(
            "SoilWindow", "The results belong to no one site: choose a site in the archive window"));
    else
        ElideButtonText(*store_);
    connect(savePlot, &QPushButton::clicked, this, &SoilWindow::SavePlotFile);
    connect(saveModel, &QPushButton::clicked, this, &SoilWindow::SaveModelFile);
    connect(store_, &QPushButton::clicked, this, &SoilWindow::StoreWithSite);
    auto* gridSafety = new QPushButton(QCoreApplication::translate("SoilWindow", "Grid safety..."), this);
    connect(gridSafety, &QPushButton::clicked, this, &SoilWindow::ShowGridSafety);
    buttons->addWidget(savePlot);
    buttons->addWidget(saveModel);
    buttons->addWidget(store_);
    buttons->addWidget(gridSafety);
    buttons->addStretch(1);
    status_ = new QLabel(this);
    buttons->addWidget(status_);
    outer->addLayout(buttons);
    connect(layers_, &QComboBox::currentIndexChanged, this, &SoilWindow::Refit);
    resultsSounding_ = sounding_;
    resultsNotes_ = gatherNotes_;
    resultsLeftOut_ = leftOut_;
    Refit();
    connect(typed_, &QCheckBox::toggled, this, &SoilWindow::SetTyped);
    typedPanel_->Readings().changed = [this] { Refit(); };
    connect(&typedPanel_->Array(), &QComboBox::currentIndexChanged, this, &SoilWindow::Refit);
    connect(&typedPanel_->Quantity(), &QComboBox::currentIndexChanged, this, &SoilWindow::Refit);
    connect(&typedPanel_->KeepButton(), &QPushButton::clicked, this, &SoilWindow::KeepTyped);
    connect(&typedPanel_->Stored(), &QComboBox::currentIndexChanged, this, [this] {
        if (const std::optional<archive::TypedSounding> chosen = typedPanel_->Chosen())
            ShowTyped(*chosen);
    });
    ListKept();
    // Without a sounding among the results, a site's window is for a sounding typed in.
    if (sounding_.empty() && site_)
        typed_->setChecked(true);
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageSoil);
    screenfit::ResizeOnScreen(this, QSize(1100, 620));
}

void SoilWindow::ShowStored(const archive::StoredSoilModel& model) {
    SetTyped(false);  // a stored model is shown with its own sounding, whatever the window opened for
    sounding_.clear();
    for (const archive::StoredSoundingPoint& point : model.points)
        sounding_.push_back({point.spacing, point.apparentResistivity});
    sounding_ = analysis::SortedBySpacing(sounding_);
    gatherNotes_ = QCoreApplication::translate("SoilWindow", "Stored %1")
                       .arg(QString::fromStdString(model.savedAt.substr(0, 16))
                                .replace(QLatin1Char('T'), QLatin1Char(' ')));
    leftOut_ = model.leftOut;
    for (const std::string& note : leftOut_)
        gatherNotes_ += QLatin1Char('\n') + texts::AnalysisNoteText(note);
    const QSignalBlocker quiet(layers_);
    layers_->setCurrentText(QString::fromStdString(model.layerChoice));
    Refit();
}

bool SoilWindow::TypedSounding(QString& problem) {
    archive::TypedSounding typed;
    sounding_.clear();
    if (!typedPanel_->Sounding(typed, problem))
        return false;
    sounding_ = stored::SoundingOf(typed);
    if (!stored::SoilFitTakes(typed)) {
        // A Schlumberger reading without its MN/2, not typed yet or kept before MN/2 was asked for: the
        // points are shown as they were read, and no model is drawn through them without their geometry.
        sounding_.clear();
        for (const archive::TypedSoundingPoint& point : typed.points)
            sounding_.push_back({point.spacing, point.reading});
        sounding_ = analysis::SortedBySpacing(sounding_);
        problem = QCoreApplication::translate("SoilWindow",
                                              "The fit models each Schlumberger reading where its electrodes "
                                              "stood: type the MN/2 of every reading.");
        return false;
    }
    if (sounding_.size() < 2) {
        problem = QCoreApplication::translate(
            "SoilWindow", "Type at least two readings: the spacing and what was read there.");
        return false;
    }
    return true;
}

void SoilWindow::Refit() {
    if (TypedMode()) {
        QString problem;
        // The typed points go through the one fit the instrument's results go through.
        fit_ = TypedSounding(problem) ? FitForChoice(sounding_, layers_->currentText().toStdString())
                                      : analysis::SoilFit{};
        if (!problem.isEmpty())
            fit_.error = problem.toStdString();
        ShowFit();
        return;
    }
    fit_ = sounding_.empty() ? analysis::SoilFit{}
                             : FitForChoice(sounding_, layers_->currentText().toStdString());
    if (sounding_.empty())
        fit_.error =
            QCoreApplication::translate(
                "SoilWindow", "No resistivity results (mode 9) with a distance among the chosen results.")
                .toStdString();
    fit_.leftOut = leftOut_;  // the saved JSON says what was left out
    ShowFit();
}

void SoilWindow::ShowFit() {
    plots::SoilPlotData data;
    data.measured = sounding_;
    QStringList notes;
    if (!gatherNotes_.isEmpty())
        notes << gatherNotes_;
    if (fit_.Ok()) {
        const auto [first, last] = plots::CurveSpan(sounding_);
        data.curve = plots::SoilCurve(fit_.model, fit_.logCovariance, sounding_, first, last);
        const int layers = static_cast<int>(fit_.layers.size());
        rms_->setText(
            QCoreApplication::translate("SoilWindow", "%n layer(s), RMS error %1 %", nullptr, layers)
                .arg(keyboard::ShownNumber(fit_.rmsPercent, 2)));
        if (!fit_.converged)
            notes << texts::AnalysisNoteText(fit_.solverNote) +
                         QCoreApplication::translate("SoilWindow", "; the best model found is shown");
    } else {
        rms_->setText(fit_.refusal.Refused() ? texts::RefusalText(fit_.refusal)
                                             : QString::fromStdString(fit_.error));
    }
    // A stored model keeps its points as Wenner spacings, which would misplace a Schlumberger reading.
    const bool schlumberger =
        std::any_of(sounding_.begin(), sounding_.end(), [](const analysis::SoundingPoint& point) {
            return point.array == analysis::SoundingArray::Schlumberger;
        });
    if (fit_.Ok() && schlumberger)
        notes << QCoreApplication::translate("SoilWindow",
                                             "A Schlumberger sounding's model is shown and saved, not stored "
                                             "with the site: a stored model keeps Wenner spacings only.");
    notes_->setText(notes.join(QLatin1Char('\n')));
    notes_->setVisible(!notes.isEmpty());
    plot_->SetData(std::move(data));
    ShowLayers();
    store_->setEnabled(fit_.Ok() && !schlumberger && site_ && archive_ != nullptr);
}

void SoilWindow::ShowLayers() {
    table_->setRowCount(static_cast<int>(fit_.layers.size()));
    QStringList rows;
    double depth = 0;
    for (std::size_t i = 0; i < fit_.layers.size(); ++i) {
        const analysis::FittedLayer& layer = fit_.layers[i];
        const int row = static_cast<int>(i);
        rows << QString::number(i + 1);
        table_->setItem(row, 0,
                        Cell(QStringLiteral("%1  %2")
                                 .arg(keyboard::ShownSignificant(layer.resistivity, 4))
                                 .arg(SigmaText(layer.resistivitySigma))));
        if (layer.thickness) {
            depth += *layer.thickness;
            table_->setItem(row, 1,
                            Cell(QStringLiteral("%1  %2")
                                     .arg(keyboard::ShownSignificant(*layer.thickness, 3))
                                     .arg(SigmaText(*layer.thicknessSigma))));
            table_->setItem(row, 2, Cell(keyboard::ShownSignificant(depth, 3)));
        } else {
            table_->setItem(row, 1, Cell(QCoreApplication::translate("SoilWindow", "below")));
            table_->setItem(row, 2, Cell(QString()));
        }
        // Within 50 % at one sigma; otherwise the data do not pin the layer down.
        table_->setItem(row, 3,
                        Cell(layer.resolved ? QCoreApplication::translate("SoilWindow", "yes")
                                            : QCoreApplication::translate("SoilWindow", "no")));
    }
    table_->setVerticalHeaderLabels(rows);
}

void SoilWindow::SavePlotFile() {
    const plots::SoilPlotData data = plot_->Data();
    const QString said = SavePlotToFile(
        this, plotFileChooser,
        [&data](QPainter& painter, const QRectF& area) { plots::PaintSoilPlot(painter, area, data); });
    if (!said.isEmpty())
        status_->setText(said);
}

void SoilWindow::SaveModelFile() {
    if (!fit_.Ok()) {
        status_->setText(QCoreApplication::translate("SoilWindow", "There is no model to save"));
        return;
    }
    const QString path = modelFileChooser
                             ? modelFileChooser()
                             : filedialog::AskSaveFileName(
                                   this, QCoreApplication::translate("SoilWindow", "Save model"),
                                   QCoreApplication::translate("SoilWindow", "CSV (*.csv);;JSON (*.json)"));
    if (path.isEmpty())
        return;
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    std::string error;
    const bool saved = plots::SaveText(path, json ? analysis::SoilFitJson(fit_) : SoilModelCsv(fit_), error);
    status_->setText(saved ? QCoreApplication::translate("SoilWindow", "Model saved")
                           : QString::fromStdString(error));
}

void SoilWindow::StoreWithSite() {
    if (!fit_.Ok() || !site_ || archive_ == nullptr)
        return;
    archive::StoredSoilModel model = StoredModelOf(fit_, site_->id, layers_->currentText().toStdString());
    std::string error;
    // The covariance goes with the model, so reports draw its band; a model without it is still kept.
    status_->setText(archive::StoreSoilModel(*archive_, model, error)
                         ? QCoreApplication::translate("SoilWindow", "Model stored with %1").arg(site_->name)
                         : QString::fromStdString(error));
}

void SoilWindow::SetTyped(bool typed) {
    if (typed_->isChecked() != typed) {
        typed_->setChecked(typed);  // comes back here through its signal
        return;
    }
    typedPanel_->setVisible(typed);
    // Beside the typed table the layers go under the plot, so the window still fits a narrow screen.
    middle_->removeWidget(table_);
    plotColumn_->removeWidget(table_);
    if (typed)
        plotColumn_->addWidget(table_, 2);
    else
        middle_->addWidget(table_, 1);
    if (typed) {
        gatherNotes_.clear();
        leftOut_.clear();
    } else {
        sounding_ = resultsSounding_;
        gatherNotes_ = resultsNotes_;
        leftOut_ = resultsLeftOut_;
    }
    Refit();
}

void SoilWindow::ListKept() {
    if (!site_ || archive_ == nullptr)
        return;
    const auto kept = archive::TypedSoundings(*archive_, site_->id);
    if (!kept) {
        status_->setText(texts::ArchiveProblemText(kept.Error().Text()));
        return;
    }
    typedPanel_->List(kept.Value());
}

void SoilWindow::KeepTyped() {
    if (!site_ || archive_ == nullptr)
        return;
    archive::TypedSounding sounding;
    QString problem;
    if (!typedPanel_->Sounding(sounding, problem)) {
        status_->setText(problem);
        return;
    }
    sounding.site = site_->id;
    const archive::Result<std::int64_t> kept = archive::AddTypedSounding(*archive_, sounding);
    if (!kept) {
        status_->setText(texts::ArchiveProblemText(kept.Error().Text()));
        return;
    }
    ListKept();
    status_->setText(
        QCoreApplication::translate("SoilWindow", "Typed sounding kept with %1").arg(site_->name));
}

void SoilWindow::ShowTyped(const archive::TypedSounding& sounding) {
    SetTyped(true);
    typedPanel_->Show(sounding);  // fits again
}

QWidget* SoilWindow::ShowGridSafety() {
    auto* window = new GridWindow(archive_, site_,
                                  fit_.Ok() ? std::optional(grid::FittedSoilOf(fit_)) : std::nullopt, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

}  // namespace terrovane::engineering
