#include "SoilWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "AnalysisText.h"
#include "ArchiveProblemText.h"
#include "EscapeCloses.h"
#include "FocusFrame.h"
#include "GridWindow.h"
#include "NoteText.h"
#include "RefusalText.h"
#include "ScreenFit.h"
#include "SoilSession.h"
#include "TypedNumber.h"
#include "UserGuide.h"

namespace terrovane::engineering {

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
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    source_ =
        std::make_unique<SoilSoundingSource>(this, archive_, site_, SoundingOfResults(rows, thresholds));
    top->addWidget(&source_->TypedChoice());
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
    source_->AddPanel(this, *middle);
    plot_ = new SoilPlot(this);
    // Half the width each: the layer table's four columns and their headers need about as much as the plot
    // (German's more), and a narrower table hid "Resolved" behind its scroll bar.
    auto* plotColumn = new QVBoxLayout;
    plotColumn->addWidget(plot_, 3);
    middle->addLayout(plotColumn, 1);
    table_ = std::make_unique<SoilLayerTable>(this, *middle, *plotColumn);
    outer->addLayout(middle, 1);
    saving_ = std::make_unique<SoilFitSaving>(
        this, *outer, site_, *plot_, fit_,
        SoilFitSaving::Commands{[this] { StoreWithSite(); }, [this] { ShowGridSafety(); }});
    connect(layers_, &QComboBox::currentIndexChanged, this, &SoilWindow::Refit);
    Refit();
    SoilTypedPanel& typed = source_->TypedPanel();
    connect(&source_->TypedChoice(), &QCheckBox::toggled, this, &SoilWindow::SetTyped);
    typed.Readings().changed = [this] { Refit(); };
    connect(&typed.Array(), &QComboBox::currentIndexChanged, this, &SoilWindow::Refit);
    connect(&typed.Quantity(), &QComboBox::currentIndexChanged, this, &SoilWindow::Refit);
    connect(&typed.KeepButton(), &QPushButton::clicked, this,
            [this] { source_->KeepTyped(saving_->Status()); });
    connect(&typed.Stored(), &QComboBox::currentIndexChanged, this, [this] {
        if (const std::optional<archive::TypedSounding> chosen = source_->TypedPanel().Chosen())
            ShowTyped(*chosen);
    });
    source_->ListKept(saving_->Status());
    // Without a sounding among the results, a site's window is for a sounding typed in.
    if (source_->Points().empty() && site_)
        source_->TypedChoice().setChecked(true);
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageSoil);
    screenfit::ResizeOnScreen(this, QSize(1100, 620));
}

void SoilWindow::ShowStored(const archive::StoredSoilModel& model) {
    SetTyped(false);  // a stored model is shown with its own sounding, whatever the window opened for
    source_->ShowStored(model);
    const QSignalBlocker quiet(layers_);
    layers_->setCurrentText(QString::fromStdString(model.layerChoice));
    Refit();
}

void SoilWindow::Refit() {
    const analysis::Sounding& sounding = source_->Points();
    if (source_->TypedMode()) {
        QString problem;
        // The typed points go through the one fit the instrument's results go through.
        fit_ = source_->TakeTyped(problem) ? FitForChoice(sounding, layers_->currentText().toStdString())
                                           : analysis::SoilFit{};
        if (!problem.isEmpty())
            fit_.error = problem.toStdString();
        ShowFit();
        return;
    }
    fit_ =
        sounding.empty() ? analysis::SoilFit{} : FitForChoice(sounding, layers_->currentText().toStdString());
    if (sounding.empty())
        fit_.error =
            QCoreApplication::translate(
                "SoilWindow", "No resistivity results (mode 9) with a distance among the chosen results.")
                .toStdString();
    fit_.leftOut = source_->LeftOut();  // the saved JSON says what was left out
    ShowFit();
}

void SoilWindow::ShowFit() {
    const analysis::Sounding& sounding = source_->Points();
    plots::SoilPlotData data;
    data.measured = sounding;
    QStringList notes;
    if (!source_->Notes().isEmpty())
        notes << source_->Notes();
    if (fit_.Ok()) {
        const auto [first, last] = plots::CurveSpan(sounding);
        data.curve = plots::SoilCurve(fit_.model, fit_.logCovariance, sounding, first, last);
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
        std::any_of(sounding.begin(), sounding.end(), [](const analysis::SoundingPoint& point) {
            return point.array == analysis::SoundingArray::Schlumberger;
        });
    if (fit_.Ok() && schlumberger)
        notes << QCoreApplication::translate("SoilWindow",
                                             "A Schlumberger sounding's model is shown and saved, not stored "
                                             "with the site: a stored model keeps Wenner spacings only.");
    saving_->Notes().setText(notes.join(QLatin1Char('\n')));
    saving_->Notes().setVisible(!notes.isEmpty());
    plot_->SetData(std::move(data));
    table_->Show(fit_);
    saving_->StoreButton().setEnabled(fit_.Ok() && !schlumberger && site_ && archive_ != nullptr);
}

void SoilWindow::StoreWithSite() {
    if (!fit_.Ok() || !site_ || archive_ == nullptr)
        return;
    archive::StoredSoilModel model = StoredModelOf(fit_, site_->id, layers_->currentText().toStdString());
    // The covariance goes with the model, so reports draw its band; a model without it is still kept.
    const archive::Status stored = archive::StoreSoilModel(*archive_, model);
    saving_->Status().setText(
        stored ? QCoreApplication::translate("SoilWindow", "Model stored with %1").arg(site_->name)
               : texts::FailureText(stored.Error()));
}

void SoilWindow::SetTyped(bool typed) {
    if (source_->TypedMode() != typed) {
        source_->TypedChoice().setChecked(typed);  // comes back here through its signal
        return;
    }
    source_->TypedPanel().setVisible(typed);
    // Beside the typed table the layers go under the plot, so the window still fits a narrow screen.
    table_->PlaceUnderPlot(typed);
    source_->Switch(typed);
    Refit();
}

void SoilWindow::ShowTyped(const archive::TypedSounding& sounding) {
    SetTyped(true);
    source_->TypedPanel().Show(sounding);  // fits again
}

QWidget* SoilWindow::ShowGridSafety() {
    auto* window = new GridWindow(archive_, site_,
                                  fit_.Ok() ? std::optional(grid::FittedSoilOf(fit_)) : std::nullopt, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

}  // namespace terrovane::engineering
