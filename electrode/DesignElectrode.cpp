#include "DesignElectrode.h"

#include "GridGeometry.h"
#include "Shapes.h"

namespace terrovane::electrode {

Electrode ElectrodeOfDesign(const grid::GridDesign& design) {
    const grid::GridLayout& layout = design.grid;
    Electrode electrode;
    const double radius = layout.conductorDiameter / 2;
    for (const grid::Segment& s : grid::ConductorSegments(layout))
        electrode.conductors.push_back(
            {{s.from.x, s.from.y, layout.depth}, {s.to.x, s.to.y, layout.depth}, radius});
    if (design.rods) {
        for (const grid::Point& p : grid::RodPositions(layout, *design.rods))
            AddRod(electrode, {p.x, p.y, layout.depth}, design.rods->length, design.rods->diameter / 2);
    }
    return electrode;
}

}  // namespace terrovane::electrode
