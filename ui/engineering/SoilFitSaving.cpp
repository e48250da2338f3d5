#include "SoilFitSaving.h"

#include <QCoreApplication>
#include <QHBoxLayout>

#include "FileDialogSetup.h"
#include "PlotFiles.h"
#include "PlotSaving.h"
#include "SoilModels.h"

namespace terrovane::engineering {

SoilFitSaving::SoilFitSaving(QWidget* window, QVBoxLayout& outer, const std::optional<SiteChoice>& site,
                             const SoilPlot& plot, const analysis::SoilFit& fit, const Commands& commands)
    : window_(window), plot_(plot), fit_(fit) {
    notes_ = new QLabel(window);
    notes_->setWordWrap(true);
    outer.addWidget(notes_);

    auto* buttons = new QHBoxLayout;
    auto* savePlot = new QPushButton(QCoreApplication::translate("SoilWindow", "Save plot..."), window);
    auto* saveModel = new QPushButton(QCoreApplication::translate("SoilWindow", "Save model..."), window);
    store_ = new QPushButton(site ? QCoreApplication::translate("SoilWindow", "Store with %1").arg(site->name)
                                  : QCoreApplication::translate("SoilWindow", "Store with site"),
                             window);
    if (!site)
        store_->setToolTip(QCoreApplication::translate(
            "SoilWindow", "The results belong to no one site: choose a site in the archive window"));
    else
        ElideButtonText(*store_);
    QObject::connect(savePlot, &QPushButton::clicked, window, [this] { SavePlotFile(); });
    QObject::connect(saveModel, &QPushButton::clicked, window, [this] { SaveModelFile(); });
    QObject::connect(store_, &QPushButton::clicked, window, commands.storeWithSite);
    auto* gridSafety = new QPushButton(QCoreApplication::translate("SoilWindow", "Grid safety..."), window);
    QObject::connect(gridSafety, &QPushButton::clicked, window, commands.showGridSafety);
    buttons->addWidget(savePlot);
    buttons->addWidget(saveModel);
    buttons->addWidget(store_);
    buttons->addWidget(gridSafety);
    buttons->addStretch(1);
    status_ = new QLabel(window);
    buttons->addWidget(status_);
    outer.addLayout(buttons);
}

void SoilFitSaving::SavePlotFile() {
    const plots::SoilPlotData data = plot_.Data();
    const QString said = SavePlotToFile(
        window_, plotFileChooser,
        [&data](QPainter& painter, const QRectF& area) { plots::PaintSoilPlot(painter, area, data); });
    if (!said.isEmpty())
        status_->setText(said);
}

void SoilFitSaving::SaveModelFile() {
    if (!fit_.Ok()) {
        status_->setText(QCoreApplication::translate("SoilWindow", "There is no model to save"));
        return;
    }
    const QString path = modelFileChooser
                             ? modelFileChooser()
                             : filedialog::AskSaveFileName(
                                   window_, QCoreApplication::translate("SoilWindow", "Save model"),
                                   QCoreApplication::translate("SoilWindow", "CSV (*.csv);;JSON (*.json)"));
    if (path.isEmpty())
        return;
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    std::string error;
    const bool saved = plots::SaveText(path, json ? analysis::SoilFitJson(fit_) : SoilModelCsv(fit_), error);
    status_->setText(saved ? QCoreApplication::translate("SoilWindow", "Model saved")
                           : QString::fromStdString(error));
}

}  // namespace terrovane::engineering
