#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RecordPacket.h"
#include "RequestLine.h"
#include "SimFaults.h"

namespace terrovane::sim {

// One answer of the instrument: the bytes and how long after the request they go out.
struct Reply {
    std::vector<std::uint8_t> bytes;
    int delayMs = 0;
    // The instrument works on the command before it answers (--busy); the handshake's "OK" comes at once.
    bool works = true;
};

// The instrument's side of the line protocol, without any I/O: bytes in, answers out. Unknown or
// malformed lines get no answer.
class Instrument {
  public:
    Instrument(const record::ReadOutBuffer& image, SimFaults faults, unsigned noiseSeed = 1);

    std::vector<Reply> Receive(std::span<const std::uint8_t> bytes);

    const record::ReadOutBuffer& Image() const { return image_; }
    // True once after an erase changed the image.
    bool TakeImageChanged() { return std::exchange(imageChanged_, false); }
    int RecordRequests() const { return recordRequests_; }
    // True once the line of the unplug-on-line fault came: the instrument answers nothing more.
    bool Unplugged() const { return unplugged_; }
    // Century, year, month, day, hour, minute as last set.
    const std::array<int, 6>& Clock() const { return clock_; }
    // Lines that got no answer since the last call, for the log on standard error.
    std::vector<std::string> TakeIgnoredLines() { return std::exchange(ignored_, {}); }

  private:
    bool Answer(std::string_view line, Reply& reply);
    bool AnswerRecord(const std::vector<int>& numbers, Reply& reply);
    bool AnswerClock(const std::vector<int>& numbers, Reply& reply);
    bool AnswerErase(const std::vector<int>& numbers, Reply& reply);
    void Erase(int slot);

    record::ReadOutBuffer image_;
    SimFaults faults_;
    std::minstd_rand noise_;
    RequestLine request_;
    bool imageChanged_ = false;
    int recordRequests_ = 0;
    int lines_ = 0;
    bool unplugged_ = false;
    // The unplug-after fault's last record request is answered: nothing after it is.
    bool leaving_ = false;
    std::array<int, 6> clock_{20, 0, 1, 1, 0, 0};
    std::vector<std::string> ignored_;
};

}  // namespace terrovane::sim
