#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace terrovane::link {
class CMSComm;
}

namespace terrovane::testing {

// A real pseudo-terminal standing in for the instrument's line: the program opens the slave side through
// a port-map file naming it as COM<port>; the test plays the instrument on the master side.
class PtyPair {
  public:
    explicit PtyPair(int port = 5);
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    int Port() const { return port_; }
    int Slave() const { return slave_; }
    std::string SlavePath() const { return slavePath_; }
    std::string MapPath() const { return mapPath_; }
    // Points the port map at another device for this COM number.
    void MapPortTo(const std::string& device) const;

    // Blocking write of all bytes from the instrument's side.
    void Send(const std::vector<std::uint8_t>& bytes) const;
    // Reads from the instrument's side until count bytes came or the time is up.
    std::vector<std::uint8_t> Receive(std::size_t count, std::chrono::milliseconds timeout) const;
    // Closes the instrument's side: the line hangs up, as when the device is pulled.
    void HangUp();

  private:
    int port_;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string dir_;
    std::string mapPath_;
};

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool ProcessEventsUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
// Runs the event loop for the given time.
void ProcessEventsFor(std::chrono::milliseconds duration);

std::vector<std::uint8_t> CountingBytes(std::size_t count);

// Waits, handling no event, until the control's receive thread holds at least count bytes or the time is
// up; whether it does.
bool AwaitBuffered(const link::CMSComm& comm, std::size_t count,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace terrovane::testing
