#include "FopOutcome.h"

#include <QCoreApplication>

#include "FopPlotPainting.h"
#include "NoteText.h"
#include "PlotSaving.h"

namespace terrovane::engineering {

FopOutcome::FopOutcome(QWidget* window, QHBoxLayout& body, QVBoxLayout& outer,
                       const std::optional<PointChoice>& point) {
    plot_ = new FopPlot(window);
    body.addWidget(plot_, 3);
    outer.addLayout(&body, 1);
    values_ = new QLabel(window);
    values_->setWordWrap(true);
    values_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer.addWidget(values_);
    leftOutNotes_ = new QLabel(window);
    leftOutNotes_->setWordWrap(true);
    outer.addWidget(leftOutNotes_);
    auto* buttons = new QHBoxLayout;
    savePlot_ = new QPushButton(QCoreApplication::translate("FopWindow", "Save plot..."), window);
    buttons->addWidget(savePlot_);
    store_ =
        new QPushButton(point ? QCoreApplication::translate("FopWindow", "Store with %1").arg(point->name)
                              : QCoreApplication::translate("FopWindow", "Store with test point"),
                        window);
    if (!point)
        store_->setToolTip(QCoreApplication::translate(
            "FopWindow", "The results belong to no one test point: assign them first"));
    else
        ElideButtonText(*store_);
    buttons->addWidget(store_);
    buttons->addStretch(1);
    status_ = new QLabel(window);
    buttons->addWidget(status_);
    outer.addLayout(buttons);
}

void FopOutcome::ShowLeftOut(const std::vector<std::string>& leftOut, bool shown) {
    QStringList lines;
    for (const std::string& note : leftOut)
        lines << texts::AnalysisNoteText(note);
    leftOutNotes_->setText(lines.join(QLatin1Char('\n')));
    leftOutNotes_->setVisible(shown && !leftOut.empty());
}

void FopOutcome::SavePlotFile(QWidget* window) {
    const plots::FopPlotData data = plot_->Data();
    const QString said = SavePlotToFile(
        window, plotFileChooser,
        [&data](QPainter& painter, const QRectF& area) { plots::PaintFopPlot(painter, area, data); });
    if (!said.isEmpty())
        status_->setText(said);
}

}  // namespace terrovane::engineering
