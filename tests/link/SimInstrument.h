#pragma once

#include <QProcess>

#include <string>
#include <vector>

namespace terrovane::testing {

// The simulated instrument as a separate program on its own pty, published in the port map in force.
class SimInstrument {
  public:
    // Starts it with the given extra arguments (--image, --fault ...), logging what it receives.
    SimInstrument(const std::string& portMapPath, const std::vector<std::string>& arguments);
    ~SimInstrument();

    bool Started() const { return started_; }
    // Everything the instrument received so far.
    std::string Log() const;

  private:
    QProcess process_;
    std::string logPath_;
    bool started_ = false;
};

}  // namespace terrovane::testing
