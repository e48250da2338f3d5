#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace terrovane::sim {

// A serial line as the instrument's bridge presents it to the PC: the instrument's bytes leave at the
// line's baud rate (start bit, 8 data bits, stop bit: 10 bit times a byte) and the bridge hands them on in
// USB packets of up to kChunkBytes, each once its last byte has crossed the line; the last bytes of an
// answer go on their own when the line falls idle. The line carries one answer after the other.
class LinePacer {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kChunkBytes = 64;

    struct Chunk {
        Clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };

    explicit LinePacer(long baud = 115200);

    // The chunks of an answer whose first byte may leave at `ready`, or later when the line is still busy.
    std::vector<Chunk> Pace(const std::vector<std::uint8_t>& bytes, Clock::time_point ready);
    // How long one byte takes on the line.
    Clock::duration ByteTime() const { return byteTime_; }

  private:
    Clock::duration byteTime_;
    Clock::time_point lineFree_{};
};

}  // namespace terrovane::sim
