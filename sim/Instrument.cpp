#include "Instrument.h"

#include "Numbers.h"

namespace terrovane::sim {
namespace {

using record::RecordPacket;

// "DAT_REC 7 " -> name "DAT_REC", parameters {7}; false when a parameter is not a plain decimal number.
bool SplitCommand(std::string_view line, std::string& name, std::vector<int>& parameters) {
    bool first = true;
    while (!line.empty()) {
        const auto start = line.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        line.remove_prefix(start);
        const auto word = line.substr(0, line.find(' '));
        line.remove_prefix(word.size());
        if (first) {
            name = word;
            first = false;
            continue;
        }
        const std::optional<int> value = numbers::ParseInteger<int>(word);
        if (!value)
            return false;
        parameters.push_back(*value);
    }
    return !first;
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

}  // namespace

Instrument::Instrument(const record::ReadOutBuffer& image, SimFaults faults, unsigned noiseSeed)
    : image_(image), faults_(std::move(faults)), noise_(noiseSeed) {}

std::vector<Reply> Instrument::Receive(std::span<const std::uint8_t> bytes) {
    std::vector<Reply> replies;
    for (const std::uint8_t byte : bytes) {
        if (unplugged_ || leaving_)
            break;
        if (!request_.Take(byte))
            continue;
        if (++lines_ == faults_.unplugOnLine) {
            unplugged_ = true;
            break;
        }
        Reply reply;
        if (Answer(request_.Text(), reply) && !faults_.silent) {
            replies.push_back(std::move(reply));
            // Requests that came right behind the last one answered before unplugging are never seen,
            // however fast they follow.
            leaving_ = recordRequests_ == faults_.unplugAfter && recordRequests_ > 0;
        } else if (!faults_.silent) {
            ignored_.push_back(request_.Text());
        }
        request_.Clear();
    }
    return replies;
}

bool Instrument::Answer(std::string_view line, Reply& reply) {
    std::string name;
    std::vector<int> numbers;
    if (!SplitCommand(line, name, numbers))
        return false;
    if (name == "OK" && numbers.empty()) {
        reply.bytes = Bytes("OK\r\n");
        reply.works = false;
        return true;
    }
    if (name == "DAT_REC")
        return AnswerRecord(numbers, reply);
    if (name == "DATE_SET")
        return AnswerClock(numbers, reply);
    if (name == "EREASE_FLASH")
        return AnswerErase(numbers, reply);
    return false;
}

bool Instrument::AnswerRecord(const std::vector<int>& numbers, Reply& reply) {
    if (numbers.size() != 1 || numbers[0] < 0 || numbers[0] >= static_cast<int>(record::kSlotCount))
        return false;
    const int slot = numbers[0];
    ++recordRequests_;
    const auto packet = record::PacketOf(image_, static_cast<std::size_t>(slot));
    reply.bytes.assign(packet.begin(), packet.end());
    if (faults_.damagedMarkers.contains(slot))
        reply.bytes[RecordPacket::kTailMarkerOffset + 1] = 'X';
    if (faults_.shortLast && slot == static_cast<int>(record::kSlotCount) - 1)
        reply.bytes.pop_back();
    if (faults_.noise) {
        const int extra = 1 + static_cast<int>(noise_() % 3);
        for (int i = 0; i < extra; ++i)
            reply.bytes.push_back(static_cast<std::uint8_t>(noise_()));
    }
    reply.delayMs = faults_.slowMs;
    return true;
}

bool Instrument::AnswerClock(const std::vector<int>& numbers, Reply& reply) {
    if (numbers.size() != 6)
        return false;
    const bool plausible = numbers[0] == 20 && numbers[1] >= 0 && numbers[1] <= 99 && numbers[2] >= 1 &&
                           numbers[2] <= 12 && numbers[3] >= 1 && numbers[3] <= 31 && numbers[4] >= 0 &&
                           numbers[4] <= 23 && numbers[5] >= 0 && numbers[5] <= 59;
    if (faults_.clockFail || !plausible) {
        reply.bytes = Bytes("ER\r\n");
        return true;
    }
    std::copy(numbers.begin(), numbers.end(), clock_.begin());
    reply.bytes = Bytes("OK\r\n");
    return true;
}

bool Instrument::AnswerErase(const std::vector<int>& numbers, Reply& reply) {
    if (numbers.size() != 1)
        return false;
    const int target = numbers[0];
    const bool valid = target == 200 || (target >= 0 && target < static_cast<int>(record::kSlotCount));
    if (faults_.eraseFail || !valid) {
        reply.bytes = Bytes("NO\r\n");
        return true;
    }
    if (target == 200) {
        for (int slot = 0; slot < static_cast<int>(record::kSlotCount); ++slot)
            Erase(slot);
    } else {
        Erase(target);
    }
    reply.bytes = Bytes(faults_.eraseShort ? "OK\r" : "OK\r\n");
    return true;
}

void Instrument::Erase(int slot) {
    auto& mark = record::PacketOf(image_, static_cast<std::size_t>(slot))[RecordPacket::kValidMarkOffset];
    if (mark == RecordPacket::kValidMark)
        imageChanged_ = true;
    mark = 0xFF;  // what erased flash reads back as
}

}  // namespace terrovane::sim
