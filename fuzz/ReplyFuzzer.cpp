// The receive handler's judging of a reply, under every pending command. The first byte picks the
// command, the rest is the reply. The window's read-out state holds an accepted image before each reply,
// and what the handler may change of it is checked afterwards.
#include <QObject>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "CommandHost.h"
#include "DemoImage.h"
#include "InstrumentSession.h"
#include "LinkView.h"
#include "QuietMessages.h"
#include "ReadOutState.h"

namespace {

using namespace terrovane;
using fuzz::Require;
using link::PendingCommand;

class QuietHost final : public link::LinkView {
  public:
    void BlankDisplay() override {}
    void SetIdlePictureVisible(bool) override {}
    void ClearAllListTexts() override {}
    void ClearListRow(std::size_t slot) override { Require(slot < record::kSlotCount); }
    void FillRecordList(const record::RecordTable&) override {}
    void OpenProgress() override {}
    void SetProgressPosition(int) override {}
    void CloseProgress() override {}
    bool IsProgressOpen() const override { return false; }
    void ShowSelectedAfterReadOut() override {}
    void ShowRecord(std::size_t) override {}
    std::optional<link::ClockSetting> AskClock() override { return std::nullopt; }
};

constexpr std::array kCommands = {PendingCommand::ReadOut, PendingCommand::SetClock, PendingCommand::EraseOne,
                                  PendingCommand::EraseAll};

struct Rig {
    link::InstrumentSession session;
    QuietHost host;
    record::ReadOutState state;
    link::CommandHost commands{session, host, state};
    record::ReadOutBuffer kept = sim::DemoImage();  // results read before
    int ended = 0;
    bool accepted = false;

    Rig() {
        QObject::connect(&commands, &link::CommandHost::CommandEnded, &commands,
                         [this](const link::Outcome& o) {
                             ++ended;
                             accepted = o.kind != link::OutcomeKind::Failed;
                         });
    }
};

Rig* rig = nullptr;

// What the handler may change of the window's state, the table's records by identity: a table that
// was not rebuilt keeps every one of them.
struct Snapshot {
    record::ReadOutBuffer buffer;
    std::array<const record::MeasurementRecord*, record::kSlotCount> records{};
    bool requestsSent = false;
    std::uint16_t currentIndex = 0;

    explicit Snapshot(const record::ReadOutState& state)
        : buffer(state.buffer), requestsSent(state.requestsSent), currentIndex(state.currentIndex) {
        for (std::size_t slot = 0; slot < record::kSlotCount; ++slot)
            records[slot] = state.table.At(slot);
    }
    bool SameTable(const Snapshot& other) const { return records == other.records; }
};

bool StartsWithOk(const std::vector<std::uint8_t>& reply) {
    return reply.size() >= 2 && reply[0] == 'O' && reply[1] == 'K';
}

void CheckReadOut(const std::vector<std::uint8_t>& reply, const Snapshot& before) {
    const record::ReadOutState& state = rig->state;
    const Snapshot after(state);
    if (rig->accepted) {
        Require(reply.size() == record::kReadOutSize && state.dataRead);
        Require(std::equal(reply.begin(), reply.end(), state.buffer.begin()));
        for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
            const std::uint8_t mark =
                reply[slot * record::RecordPacket::kSize + record::RecordPacket::kValidMarkOffset];
            Require(state.table.IsOccupied(slot) == (mark == record::RecordPacket::kValidMark));
        }
        return;
    }
    // A rejected image never replaces the results that the table, Save and Print still show.
    Require(after.buffer == before.buffer && after.SameTable(before));
    Require(after.requestsSent == before.requestsSent && after.currentIndex == before.currentIndex);
}

void CheckClockOrErase(PendingCommand command, const std::vector<std::uint8_t>& reply,
                       const Snapshot& before) {
    const record::ReadOutState& state = rig->state;
    const Snapshot after(state);
    // Neither ever rebuilds the table: erased results stay shown until the next read-out.
    Require(after.SameTable(before));
    // A clock reply is judged at any length, an erase reply only at four bytes; a judged refusal makes
    // the erase commands ask for a read-out first.
    const bool judged = command == PendingCommand::SetClock || reply.size() == 4;
    Require(rig->accepted == (judged && StartsWithOk(reply)));
    Require(state.dataRead == (rig->accepted || !judged));
    // Only an erase's four reply bytes land in the image, over its start.
    const std::size_t overwritten = command != PendingCommand::SetClock && reply.size() == 4 ? 4 : 0;
    Require(std::equal(after.buffer.begin() + overwritten, after.buffer.end(),
                       before.buffer.begin() + overwritten));
    Require(std::equal(reply.begin(), reply.begin() + overwritten, after.buffer.begin()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::SilenceMessages();
    rig = new Rig;  // kept for the whole run, like the window's link
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const PendingCommand command = kCommands[data[0] % kCommands.size()];
    const std::vector<std::uint8_t> reply(data + 1, data + size);

    record::ReadOutState& state = rig->state;
    state.buffer = rig->kept;
    record::ParseRecords(state.buffer, state.table);
    state.dataRead = true;
    state.requestsSent = true;
    state.currentIndex = 0;
    const Snapshot before(state);

    rig->ended = 0;
    rig->commands.Conclude(link::JudgeReply(command, reply));
    Require(rig->ended == 1);
    if (command == PendingCommand::ReadOut)
        CheckReadOut(reply, before);
    else
        CheckClockOrErase(command, reply, before);
    return 0;
}
