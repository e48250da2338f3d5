#pragma once

namespace terrovane::electrode {

// The radii the remainder is tabulated at: the Hankel filter's own points r_j = r_0 10^(j s), s the
// filter's step, from the shortest distance to past the longest, so that all of a table's transforms
// share one lagged set of wavenumbers.
struct RadialScale {
    RadialScale(double shortestDistance, double longestDistance);

    double firstRadius = 0;
    double step = 0;  // log10 of the ratio of neighbouring points
    int points = 0;
    double longest = 0;

    // Where r falls on the scale, in steps from the first radius.
    double Position(double r) const;
    double RadiusAt(int j) const;
    // Wavenumber m of the lagged set, b_0 10^(m s) / r_0 for m = -(points - 1) .. 119 counted from 0: the
    // filter's i-th abscissa over r_j is number i - j.
    double LaggedWavenumber(int m) const;
};

}  // namespace terrovane::electrode
