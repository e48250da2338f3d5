#include "GridOutcome.h"

#include <QHeaderView>

#include <optional>
#include <vector>

#include "FlowLayout.h"
#include "GridFigures.h"
#include "GridReasonText.h"
#include "GridSoilText.h"
#include "GridWindow.h"
#include "TableCell.h"

namespace terrovane::engineering {
namespace {

// The results table's rows the computed values go beside (ShowAssessment puts them first).
constexpr int kTouchRow = 0;
constexpr int kStepRow = 1;
constexpr int kGprRow = 2;

QString Difference(double computed, double formulas) {
    if (!(formulas != 0))
        return {};
    const double percent = 100 * (computed / formulas - 1);
    return (percent >= 0 ? QStringLiteral("+") : QString()) + GridWindow::tr("%1 %").arg(Fixed(percent, 1));
}

}  // namespace

GridOutcome::GridOutcome(QWidget* window) {
    table_ = new QTableWidget(0, 4, window);
    table_->setHorizontalHeaderLabels({GridWindow::tr("Tolerable"), GridWindow::tr("Formulas"),
                                       GridWindow::tr("In the soil model"), GridWindow::tr("Difference")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
}

void GridOutcome::AddVerdictAndCommands(QWidget* window, QVBoxLayout& column,
                                        const std::optional<QString>& siteName,
                                        const std::function<void()>& findSmallestSafe,
                                        const std::function<void()>& store) {
    verdict_ = new QLabel(window);
    verdict_->setWordWrap(true);
    verdict_->setTextFormat(Qt::PlainText);
    column.addWidget(verdict_);
    warnings_ = new QLabel(window);
    warnings_->setWordWrap(true);
    column.addWidget(warnings_);
    // The buttons wrap onto a second row rather than widen the window past a small screen.
    auto* buttons = new screenfit::FlowLayout;
    auto* sweep = new QPushButton(GridWindow::tr("Find the smallest grid that is safe"), window);
    QObject::connect(sweep, &QPushButton::clicked, window, findSmallestSafe);
    store_ = new QPushButton(
        siteName ? GridWindow::tr("Store with %1").arg(*siteName) : GridWindow::tr("Store with site"),
        window);
    if (!siteName)
        store_->setToolTip(GridWindow::tr("Open the window from a site to keep the assessment with it"));
    QObject::connect(store_, &QPushButton::clicked, window, store);
    buttons->addWidget(sweep);
    buttons->addWidget(store_);
    column.addLayout(buttons);
    status_ = new QLabel(window);
    status_->setWordWrap(true);
    column.addWidget(status_);
}

void GridOutcome::ShowProblem(const QString& problem) {
    table_->setRowCount(0);
    verdict_->setStyleSheet(QString());
    verdict_->setText(problem);
    warnings_->clear();
    store_->setEnabled(false);
}

void GridOutcome::ShowAssessment(const grid::Assessment& a, bool storable) {
    struct Row {
        QString name;
        QString tolerable;
        QString computed;
        std::optional<bool> within;  // colours the computed value where it is judged
    };
    std::vector<Row> rows = {
        {GridWindow::tr("Touch voltage (mesh voltage Em)"), Volts(a.tolerableTouch), Volts(a.meshVoltage),
         a.meshVoltage < a.tolerableTouch},
        {GridWindow::tr("Step voltage Es"), Volts(a.tolerableStep), Volts(a.stepVoltage),
         a.stepVoltage < a.tolerableStep},
        {GridWindow::tr("Ground potential rise"), QString(), Volts(a.gpr), std::nullopt}};
    if (a.en50522) {
        rows.push_back({GridWindow::tr("Permissible touch voltage U_Tp (EN 50522)"),
                        Volts(a.en50522->permissibleWithResistances), Volts(a.meshVoltage),
                        a.meshVoltage <= a.en50522->permissibleWithResistances});
        rows.push_back({GridWindow::tr("Earth potential rise against 2 U_Tp"),
                        Volts(2 * a.en50522->permissibleTouch), Volts(a.gpr),
                        a.gpr <= 2 * a.en50522->permissibleTouch});
    }
    resistanceRow_ = static_cast<int>(rows.size());
    rows.push_back({GridWindow::tr("Grid resistance Rg (Sverak)"),
                    QString(),
                    GridWindow::tr("%1 Ω").arg(Fixed(a.gridResistance, 3)),
                    {}});
    if (a.schwarz)
        rows.push_back({GridWindow::tr("Grid resistance (Schwarz)"),
                        QString(),
                        GridWindow::tr("%1 Ω").arg(Fixed(a.schwarz->total, 3)),
                        {}});
    rows.push_back({GridWindow::tr("Grid current IG"),
                    QString(),
                    GridWindow::tr("%1 A").arg(Fixed(a.current.current, 1)),
                    {}});
    rows.push_back({GridWindow::tr("Surface layer factor Cs"), QString(), Fixed(a.surfaceFactor, 3), {}});
    rows.push_back({GridWindow::tr("n, Km, Ki, Ks"),
                    QString(),
                    QStringLiteral("%1, %2, %3, %4")
                        .arg(Fixed(a.factors.n, 2), Fixed(a.factors.km, 3), Fixed(a.factors.ki, 3),
                             Fixed(a.factors.ks, 3)),
                    {}});
    table_->setRowCount(static_cast<int>(rows.size()));
    QStringList names;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        names << rows[i].name;
        table_->setItem(row, 0, Cell(rows[i].tolerable));
        QTableWidgetItem* computed = Cell(rows[i].computed);
        if (rows[i].within)
            computed->setForeground(VerdictColour(*rows[i].within));
        table_->setItem(row, 1, computed);
    }
    table_->setVerticalHeaderLabels(names);

    const bool safe = a.verdict == grid::Verdict::Safe;
    QStringList verdict{texts::GridVerdictText(a.verdict)};
    for (const grid::Reason& reason : a.reasons)
        verdict << texts::GridReasonText(reason, QLocale());
    verdict << texts::SoilCertaintyLines(a);
    verdict_->setText(verdict.join(QLatin1Char('\n')));
    verdict_->setStyleSheet(
        QStringLiteral("QLabel { color: %1; font-weight: bold; }").arg(VerdictColour(safe).name()));
    QStringList warnings;
    for (const grid::Warning& warning : a.warnings)
        warnings << texts::GridWarningText(warning, QLocale());
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    store_->setEnabled(storable);
}

void GridOutcome::ClearComputed(bool computing) {
    for (int row = 0; row < table_->rowCount(); ++row)
        for (int column : {kSoilColumn, kDifferenceColumn})
            delete table_->takeItem(row, column);
    table_->setColumnHidden(kSoilColumn, !computing);
    table_->setColumnHidden(kDifferenceColumn, !computing);
}

void GridOutcome::ShowComputed(const electrode::ComputedSafety& c, const grid::Assessment& a) {
    const auto put = [this](int row, const QString& value, const QString& difference,
                            std::optional<bool> within = std::nullopt) {
        QTableWidgetItem* cell = Cell(value);
        if (within)
            cell->setForeground(VerdictColour(*within));
        table_->setItem(row, kSoilColumn, cell);
        table_->setItem(row, kDifferenceColumn, Cell(difference));
    };
    put(kTouchRow, Volts(c.meshTouch.volts), Difference(c.meshTouch.volts, a.meshVoltage));
    put(kStepRow, Volts(c.step.volts), Difference(c.step.volts, a.stepVoltage), c.step.volts < c.stepLimit);
    put(kGprRow, Volts(c.gpr), Difference(c.gpr, a.gpr));
    put(resistanceRow_, GridWindow::tr("%1 Ω").arg(Fixed(c.resistance, 3)),
        Difference(c.resistance, a.gridResistance));
    // The verdict's touch voltage: within reach of the grid, against the limit on the model's top layer.
    const QString reachName = GridWindow::tr("Touch voltage within 1 m");
    int reach = table_->rowCount();
    const QTableWidgetItem* last = reach > 0 ? table_->verticalHeaderItem(reach - 1) : nullptr;
    if (last != nullptr && last->text() == reachName)
        --reach;  // shown again without the table made anew: the row is reused, never doubled
    table_->setRowCount(reach + 1);
    table_->setVerticalHeaderItem(reach, new QTableWidgetItem(reachName));
    table_->setItem(reach, 0, Cell(Volts(c.touchLimit)));
    table_->setItem(reach, 1, Cell(QString()));
    put(reach, Volts(c.touch.volts), QString(),
        c.verdict != grid::Verdict::Unsafe || c.touch.volts < c.touchLimit);
}

}  // namespace terrovane::engineering
