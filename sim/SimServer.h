#pragma once

#include <cstdint>
#include <string>

#include "Instrument.h"
#include "ReplyQueue.h"
#include "SimOptions.h"

namespace terrovane::sim {

// The simulated instrument on a pseudo-terminal: publishes the pty as the bridge's port in the port-map
// file, answers requests until SIGINT/SIGTERM (or a planned unplug), then withdraws the port again.
class SimServer {
  public:
    SimServer(SimOptions options, Instrument& instrument);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Opens the pty and announces its device path on standard output; false with error set when it cannot.
    bool Start(std::string& error);
    // Serves until told to stop; returns the program's exit code.
    int Serve();

  private:
    void ReadRequests();
    void SaveImageIfChanged();
    void LogBytes(const std::uint8_t* bytes, std::size_t count);
    void Withdraw();
    bool UnplugDue() const;
    void AwaitAnswersTaken();

    SimOptions options_;
    Instrument& instrument_;
    int master_ = -1;
    int slave_ = -1;
    int log_ = -1;
    std::string devicePath_;
    bool published_ = false;
    ReplyQueue replies_;
};

}  // namespace terrovane::sim
