#pragma once

#include <QObject>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "CMSComm.h"
#include "LinkHost.h"
#include "PendingCommand.h"
#include "ReadOutState.h"

namespace terrovane::link {

// The message that tells the user the instrument went away during `command`; a read-out's says the
// results read before are kept only when there were any (`earlierResults`).
const char* LostInstrumentMessage(PendingCommand command, bool earlierResults);

// Checks the markers of all 100 packets. 0 and the message "Read Data OK" when every packet carries
// "OK" at both ends; -1 (no message) at the first packet that does not.
int CheckPackets(const record::ReadOutBuffer& buffer);

// The instrument link of one window: port discovery and watch, the command exchanges and the receive
// handler. A command opens the port, sends its lines and returns; the reply is judged by OnComm when the
// serial control reports it (after the command has returned), which then closes the port. All messages
// go through platform::Alert / platform::Ask.
class InstrumentLink : public QObject {
    Q_OBJECT

  public:
    // The read-out state is the caller's and must outlive the link; OnComm of `comm` is handled here.
    InstrumentLink(CMSComm& comm, LinkHost& host, record::ReadOutState& state, QObject* parent = nullptr);

    // Port discovery: 0 with portName and portNumber set, -1 otherwise (messages of ParsePortNumber).
    int DiscoverPort();
    // (Re)opens the serial control on portNumber with commSettings and flushes it; -1 after the message
    // "cannot open serial port" (with the system's reason on a second line when it gives one).
    int OpenPort();
    void ClosePort();

    // Discovers, opens, sends "OK\r\n" and requires any reply within 100 ms. False after a message.
    bool Handshake();
    // name + " %d \r" after a fresh discovery; -1 when the port is not found or the line cannot be sent.
    int SendIndexedCommand(std::string_view name, int number);

    // One tick of the port watch (every 5 ms): follows the instrument's presence. Does nothing while a
    // command pauses, and never stacks its own messages: a tick that comes while a message of an earlier
    // tick is still open returns at once.
    void PortWatchTick();

    // The commands. True when a command line went out and its reply is awaited (pendingCommand set).
    // An instrument that goes away while a command sends, or before its reply came, is told with the
    // message of LostInstrumentMessage; the port is closed, the progress window gone, and a read-out's
    // list and display show the results read before again.
    bool Read();
    bool SetClock();
    bool EraseCurrent();
    bool EraseAll();

    // The serial control's receive event: judges the reply under pendingCommand, then closes the port
    // and the progress window. Emits ExchangeEnded.
    void OnComm();
    // What OnComm does with bytes that have arrived, without reading the port: judges `reply` under
    // pendingCommand, closes up and emits ExchangeEnded. For callers that hold the reply already.
    void OnReply(const std::vector<std::uint8_t>& reply);
    // For callers that stop waiting: judges the missing reply like an empty one, closes up, and emits
    // ExchangeEnded.
    void OnReplyTimeout();
    // While a reply is awaited: when the instrument has gone (its port left the map, or the line hung up)
    // and nothing of an answer waits, ends the exchange as lost. The port watch does this on every tick;
    // callers without one (the command line) call it on a timer of their own.
    void WatchAwaitedReply();
    bool AwaitingReply() const { return awaitingReply_; }

    // State kept across commands (the window's in the original design).
    std::string commSettings;
    std::string portName;
    int portNumber = 0;
    PendingCommand pendingCommand = PendingCommand::ReadOut;
    std::array<std::uint8_t, 8> clockReply{};
    std::string commandText;

  signals:
    // A reply (or its absence) was judged; `accepted` when it was the answer the command wanted.
    void ExchangeEnded(bool accepted);

  private:
    void FailRead();
    bool SendRequests();
    bool JudgeReply(const std::vector<std::uint8_t>& reply);
    bool JudgeReadOut(const std::vector<std::uint8_t>& reply);
    bool JudgeClock(const std::vector<std::uint8_t>& reply);
    bool JudgeErase(const std::vector<std::uint8_t>& reply);
    void FinishExchange(bool accepted);
    // Asks before erasing, naming `whatGoes`, then sends the erase line.
    bool SendErase(int number, PendingCommand command, const std::string& whatGoes);
    void CloseProgressIfOpen();
    bool ReplyLost(bool present) const;
    void LoseInstrument(PendingCommand during);

    CMSComm& comm_;
    LinkHost& host_;
    record::ReadOutState& state_;
    int erasedSlot_ = 0;
    bool watchTickRunning_ = false;
    // A command line went out and nothing has judged its reply yet; cleared whenever the port closes.
    bool awaitingReply_ = false;
};

}  // namespace terrovane::link
