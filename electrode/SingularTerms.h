#pragma once

#include <vector>

#include "Soil.h"

namespace terrovane::electrode {

// The part of a point source's potential that is singular and integrated along segments exactly: the
// source and its mirror image in the surface at the near-field resistivity, and in the source's own layer
// its images in that layer's interfaces. Given at a point and in the wavenumber domain, where the layered
// kernel has it taken off so that only a smooth remainder is transformed.
class SingularTerms {
  public:
    explicit SingularTerms(const Soil& soil);

    double AtPoint(double r, double depth, double sourceDepth, int observerLayer, int sourceLayer) const;
    double Spectral(double lambda, double depth, double sourceDepth, int observerLayer,
                    int sourceLayer) const;
    const InterfaceMirrors& MirrorsOf(int layer) const { return mirrors_[layer]; }

  private:
    Soil soil_;
    std::vector<InterfaceMirrors> mirrors_;  // per layer
};

}  // namespace terrovane::electrode
