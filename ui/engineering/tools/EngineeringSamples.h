#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Archive.h"
#include "MeasurementRecord.h"
#include "WindowSample.h"

namespace terrovane::engineering::samples {

// Twelve Wenner readings over three layers and a rod's fall-of-potential run of nine 3-pole readings and
// one over range, as one read-out.
record::ReadOutBuffer Campaign();

// The store's results of one mode, in slot order.
std::vector<archive::ResultRow> OfMode(archive::Archive& store, int mode);

struct SampleSite {
    std::int64_t site = 0;
    std::int64_t point = 0;
};

// Stores the campaign in `store` with the site "Substation North" and its rod "E1 north-east".
SampleSite FillCampaign(archive::Archive& store);

// The soil model, fall-of-potential and grid safety windows over the filled campaign, the grid window on
// the site's stored two-layer model.
screenfit::WindowSamples Windows(std::shared_ptr<archive::Archive> store, SampleSite at);

}  // namespace terrovane::engineering::samples
