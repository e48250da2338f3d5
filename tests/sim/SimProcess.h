#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "RecordPacket.h"

namespace terrovane::testing {

// The real terrovane-sim program, run in a folder of its own with its own port-map file; the test talks
// to it over its pseudo-terminal with plain reads and writes.
class SimProcess {
  public:
    // Starts the program with the extra arguments (--portmap is given here). The image, when given, is
    // written to image.bin in the folder and passed as --image; an argument "@log" stands for LogPath().
    explicit SimProcess(std::vector<std::string> arguments, const record::ReadOutBuffer* image = nullptr);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const std::string& DevicePath() const { return devicePath_; }
    std::string MapPath() const { return dir_ + "/ports.ini"; }
    std::string ImagePath() const { return dir_ + "/image.bin"; }
    std::string LogPath() const { return dir_ + "/sim.log"; }

    // Opens the device raw, as the program would.
    void Connect();
    void Send(const std::string& bytes) const;
    // Reads until count bytes came or nothing more comes for quietTime.
    std::vector<std::uint8_t> Receive(std::size_t count, std::chrono::milliseconds quietTime) const;

    // Sends SIGTERM and waits; returns the exit status (or -1 when it had to be killed).
    int Stop();
    // Waits for the program to end by itself; returns its exit status, or -1 on time-out.
    int WaitForExit(std::chrono::milliseconds timeout);

  private:
    std::string dir_;
    std::string devicePath_;
    int pid_ = -1;
    int line_ = -1;
};

std::string ReadFile(const std::string& path);

}  // namespace terrovane::testing
