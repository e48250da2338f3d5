#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "RecordPacket.h"

namespace terrovane::testing {

// An instrument on the master side of a real pseudo-terminal: a thread reads the command lines that
// the link writes to the slave side and answers each through the responder.
class PtyInstrument {
  public:
    // Gets one command line without its CR (and without the LF that may follow), returns the answer bytes.
    // The answer kHangUp closes the instrument's side instead: the line hangs up, the port stays mapped.
    using Responder = std::function<std::string(const std::string& line)>;
    static inline const std::string kHangUp = std::string("\0hang-up", 8);

    explicit PtyInstrument(Responder responder);
    ~PtyInstrument();
    PtyInstrument(const PtyInstrument&) = delete;
    PtyInstrument& operator=(const PtyInstrument&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    // Every byte received so far, as sent.
    std::string Log() const;

  private:
    void Run();
    void Answer(std::string& pending);

    Responder responder_;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    mutable std::mutex mutex_;
    std::string log_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Answers like the instrument holding `image`: any byte to the handshake, packet n to "DAT_REC n",
// `clockReply` to the clock line and `eraseReply` to an erase line.
PtyInstrument::Responder InstrumentResponder(const record::ReadOutBuffer& image,
                                             std::string clockReply = "OK\r\n",
                                             std::string eraseReply = "OK\r\n");

// An image whose given slots hold a record (dated by slot), every packet with its markers.
record::ReadOutBuffer ImageWithSlots(std::initializer_list<int> occupied);

}  // namespace terrovane::testing
