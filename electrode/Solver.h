#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "GreenFunction.h"
#include "Interaction.h"
#include "Segments.h"

namespace terrovane::electrode {

struct SolveOptions {
    KernelMethod method = KernelMethod::Automatic;
    // Segments are halved until the resistance changes by less than this share.
    double tolerance = 0.005;
    // The first level's longest segment; 0 for a quarter of the longest conductor.
    double firstSegmentLength = 0;
    // The matrix holds segments^2 doubles, and its factor as many again: 5,000 is 400 MB.
    int maxSegments = 5000;
    // Threads for the matrix and the maps; 0 for one per core.
    int threads = 0;
    // Asked before each row of the matrix is filled and before each block of its factorisation, from
    // any of the threads (so it must be safe to call from several at once): true gives the solve up
    // (SolveStatus::Stopped). A row or a block takes milliseconds even at the segment limit, so a cancel
    // acts at once rather than when a level of thousands of segments has been solved.
    std::function<bool()> stop;
};

enum class SolveStatus {
    Solved,
    NotConverged,  // the segment limit came first; the last level's values are given
    BadSoil,
    BadElectrode,
    Singular,  // the moment matrix could not be solved (conductors on top of each other)
    Stopped,   // SolveOptions::stop asked for it
};

struct Level {
    int segments = 0;
    double resistance = 0;
};

struct Solution {
    SolveStatus status = SolveStatus::Solved;
    double resistance = 0;  // ohms, electrode to remote earth
    std::vector<Segment> segments;
    std::vector<double> current;  // A leaked by each segment per ampere into the electrode
    std::vector<Level> levels;    // the refinement, coarsest first
    // What the potentials need; registering a new depth in it is not thread-safe.
    std::shared_ptr<GreenFunction> green;
    std::vector<SampleDepths> depths;
};

// The electrode's resistance and current distribution, the segments halved until the resistance settles.
Solution Solve(const Electrode& electrode, const Soil& soil, const SolveOptions& options = {});

// One level only: every conductor in segments no longer than segmentLength.
Solution SolveWithSegments(const Electrode& electrode, const Soil& soil, double segmentLength,
                           const SolveOptions& options = {});

int ThreadsToUse(int asked);

}  // namespace terrovane::electrode
