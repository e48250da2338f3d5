#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "RecordPacket.h"

namespace terrovane::testing {

// The real terrovane-sim program on its own pseudo-terminal, run in a folder of its own and published in a
// port-map file; the test can also talk to it directly over the pty with plain reads and writes.
class SimProcess {
  public:
    // Starts the program with the extra arguments (--fault, --com ...; --portmap and --image are given
    // here). The image, when given, is written to ImagePath() and passed as --image; without one the program
    // serves its demo results. An argument "@log" stands for LogPath(). With no port-map path the program
    // publishes its port in MapPath().
    explicit SimProcess(std::vector<std::string> arguments, const record::ReadOutBuffer* image = nullptr,
                        const std::string& portMapPath = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // True once the program named its pty and the port map names it too.
    bool Started() const { return started_; }
    const std::string& DevicePath() const { return devicePath_; }
    const std::string& MapPath() const { return mapPath_; }
    std::string ImagePath() const { return dir_ + "/image.bin"; }
    std::string LogPath() const { return dir_ + "/sim.log"; }
    // Everything the program logged as received so far (with "@log" among the arguments).
    std::string Log() const;

    // Opens the device raw, as the program would.
    void Connect();
    void Send(const std::string& bytes) const;
    // Reads until count bytes came or nothing more comes for quietTime.
    std::vector<std::uint8_t> Receive(std::size_t count, std::chrono::milliseconds quietTime) const;

    // Sends SIGTERM and waits, killing it when it does not end; returns the exit status (or -1 when it had
    // to be killed). Ends it the way a pulled cable ends the port: its entry leaves the port map.
    int Stop();
    // Waits for the program to end by itself; returns its exit status, or -1 on time-out.
    int WaitForExit(std::chrono::milliseconds timeout);

  private:
    void Launch(std::vector<std::string> arguments);
    void AwaitPublished();

    std::string dir_;
    std::string mapPath_;
    std::string devicePath_;
    int pid_ = -1;
    int line_ = -1;
    bool started_ = false;
};

// The whole content of a file, empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace terrovane::testing
