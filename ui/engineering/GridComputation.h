#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "GridSafety.h"

namespace terrovane::engineering {

// The grid computed in the soil model away from the window's thread: a design takes from a fraction of a
// second to a few seconds, and the fields must stay live meanwhile. One computation at a time; a new
// request stops the running one (within a row or a block of the solve's matrix, or between bands of the
// map) and starts when it has. The result comes back on the window's thread.
class GridComputation : public QObject {
  public:
    struct Request {
        grid::GridDesign design;
        electrode::Soil soil;
        grid::Assessment formulas;
        // The stored model the soil is, with its uncertainty: computed at both ends of it too.
        std::optional<grid::FittedSoil> fitted;
    };
    using Finished = std::function<void(const electrode::ComputedSafety&)>;

    GridComputation(Finished finished, QObject* parent = nullptr);
    ~GridComputation() override;

    void Start(Request request);
    // Stops the running computation and forgets one waiting; nothing is reported for either.
    void Cancel();
    bool Running() const { return worker_.joinable(); }
    // The share of the running computation's map done, 0 to 1.
    double Share() const { return share_.load(); }

  private:
    void Launch(Request request);
    void Done(const electrode::ComputedSafety& result);

    Finished finished_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::atomic<double> share_{0};
    std::optional<Request> waiting_;
};

}  // namespace terrovane::engineering
