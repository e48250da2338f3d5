#include "GridDesignForm.h"

#include "GridWindow.h"

namespace terrovane::engineering {

GridDesignForm::GridDesignForm(QWidget* window)
    : conductors_(window, fieldNames_), rods_(window, fieldNames_), fault_(window, fieldNames_) {}

grid::GridDesign GridDesignForm::Design() const {
    grid::GridDesign design;
    design.grid = conductors_.Layout();
    rods_.ReadInto(design);
    fault_.ReadInto(design);
    return design;
}

void GridDesignForm::Fill(const grid::GridDesign& design) {
    filling_ = true;
    conductors_.Fill(design.grid);
    rods_.Fill(design);
    fault_.Fill(design);
    filling_ = false;
}

void GridDesignForm::EnableForChoices() {
    conductors_.EnableForShape();
    fault_.EnableForChoices();
}

QString GridDesignForm::ProblemText(const grid::DesignProblem& problem) const {
    const auto named = fieldNames_.find(problem.field);
    const QString field = named == fieldNames_.end()
                              ? QString::fromLatin1(grid::DesignFieldName(problem.field))
                              : named->second;
    switch (problem.code) {
        case grid::DesignProblemCode::NotPositive:
            return GridWindow::tr("%1 must be above zero.").arg(field);
        case grid::DesignProblemCode::Negative:
            return GridWindow::tr("%1 must not be negative.").arg(field);
        case grid::DesignProblemCode::TooFewConductors:
            return GridWindow::tr("%1: at least 2.").arg(field);
        case grid::DesignProblemCode::NotFiftyOrSeventy:
            return GridWindow::tr("%1 is 50 or 70 kg.").arg(field);
        case grid::DesignProblemCode::SplitFactorAboveOne:
            return GridWindow::tr("%1 is at most 1.").arg(field);
        case grid::DesignProblemCode::CutoutTooLarge:
            return GridWindow::tr("%1 must be smaller than the grid.").arg(field);
        case grid::DesignProblemCode::CutoutOffGrid:
            return GridWindow::tr("%1 does not fall on a conductor: the conductors' spacing does not fit it.")
                .arg(field);
        case grid::DesignProblemCode::SquareNotSquare:
            return GridWindow::tr(
                "A square grid has equal length and width and as many conductors each way.");
    }
    return field;
}

}  // namespace terrovane::engineering
