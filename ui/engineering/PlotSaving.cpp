#include "PlotSaving.h"

#include <QCoreApplication>
#include <QPushButton>

#include "FileDialogSetup.h"

namespace terrovane::engineering {

QString PlotFileTypes() {
    return QCoreApplication::translate("PlotSaving", "PNG image (*.png);;SVG drawing (*.svg);;PDF (*.pdf)");
}

QString SavePlotToFile(QWidget* parent, const std::function<QString()>& chooser,
                       const plots::PlotPainter& paint) {
    const QString path =
        chooser ? chooser()
                : filedialog::AskSaveFileName(parent, QCoreApplication::translate("PlotSaving", "Save plot"),
                                              PlotFileTypes());
    if (path.isEmpty())
        return {};
    std::string error;
    if (!plots::SavePlot(path, paint, error))
        return QCoreApplication::translate("PlotSaving", "The plot could not be saved: %1")
            .arg(QString::fromStdString(error));
    return QCoreApplication::translate("PlotSaving", "Plot saved to %1").arg(path);
}

void ElideButtonText(QPushButton& button) {
    const QString full = button.text();
    const QFontMetrics metrics = button.fontMetrics();
    const QString shown = metrics.elidedText(full, Qt::ElideMiddle, metrics.averageCharWidth() * 40);
    if (shown != full) {
        button.setText(shown);
        button.setToolTip(full);
    }
}

}  // namespace terrovane::engineering
