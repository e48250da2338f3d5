#pragma once

#include <QProcess>
#include <QStringList>

#include <string>

namespace terrovane::testing {

// The simulated instrument as its own program on its own pty, published in the given port-map file.
class SimulatedInstrument {
  public:
    // Extra arguments such as --fault short; without --image it serves its demo results.
    SimulatedInstrument(const std::string& portMapPath, const QStringList& arguments = {});
    ~SimulatedInstrument() { Unplug(); }

    // True once the port map names its pty.
    bool Started() const { return started_; }
    // Ends the program the way a pulled cable ends the port: its entry leaves the port map.
    void Unplug();

  private:
    QProcess process_;
    bool started_ = false;
};

}  // namespace terrovane::testing
