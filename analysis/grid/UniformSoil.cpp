#include "UniformSoil.h"

#include <cmath>
#include <numbers>

namespace terrovane::grid {

UniformSoil GivenSoil(double resistivity) {
    return {resistivity, UniformMethod::Given, 0, 1};
}

UniformSoil UniformFromModel(const analysis::LayeredEarth& model, double gridArea) {
    const int layers = static_cast<int>(model.LayerCount());
    if (layers == 1)
        return {model.resistivities.front(), UniformMethod::SingleLayer, 0, 1};
    const double spacing = std::sqrt(gridArea / std::numbers::pi);
    return {analysis::WennerApparentResistivity(model, spacing), UniformMethod::ApparentAtEquivalentRadius,
            spacing, layers};
}

const char* UniformMethodName(UniformMethod method) {
    switch (method) {
        case UniformMethod::Given:
            return "given";
        case UniformMethod::SingleLayer:
            return "single-layer";
        case UniformMethod::ApparentAtEquivalentRadius:
            return "wenner-at-equivalent-radius";
    }
    return "";
}

}  // namespace terrovane::grid
