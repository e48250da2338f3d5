#include "PtyInstrument.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "MeasurementRecord.h"

namespace terrovane::testing {

PtyInstrument::PtyInstrument(Responder responder) : responder_(std::move(responder)) {
    termios raw{};
    cfmakeraw(&raw);
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    slavePath_ = name;
    thread_ = std::thread([this] { Run(); });
}

PtyInstrument::~PtyInstrument() {
    stop_ = true;
    thread_.join();
    if (master_ >= 0) {
        ::close(master_);
    }
    ::close(slave_);
}

std::string PtyInstrument::Log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void PtyInstrument::Run() {
    std::string pending;
    while (!stop_ && master_ >= 0) {
        pollfd in{master_, POLLIN, 0};
        if (::poll(&in, 1, 10) <= 0 || (in.revents & POLLIN) == 0) {
            continue;
        }
        char bytes[512];
        const ssize_t count = ::read(master_, bytes, sizeof bytes);
        if (count <= 0) {
            continue;
        }
        {
            std::lock_guard lock(mutex_);
            log_.append(bytes, static_cast<std::size_t>(count));
        }
        pending.append(bytes, static_cast<std::size_t>(count));
        Answer(pending);
    }
}

void PtyInstrument::Answer(std::string& pending) {
    for (auto end = pending.find('\r'); end != std::string::npos; end = pending.find('\r')) {
        std::string line = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (!line.empty() && line.front() == '\n') {
            line.erase(0, 1);
        }
        const std::string answer = responder_(line);
        if (answer == kHangUp) {
            ::close(master_);
            master_ = -1;
            return;
        }
        for (std::size_t sent = 0; sent < answer.size();) {
            const ssize_t written = ::write(master_, answer.data() + sent, answer.size() - sent);
            if (written <= 0) {
                break;
            }
            sent += static_cast<std::size_t>(written);
        }
    }
}

PtyInstrument::Responder InstrumentResponder(const record::ReadOutBuffer& image, std::string clockReply,
                                             std::string eraseReply) {
    return [image, clockReply, eraseReply](const std::string& line) -> std::string {
        if (line == "OK") {
            return "OK\r\n";
        }
        if (line.rfind("DAT_REC ", 0) == 0) {
            const int slot = std::atoi(line.c_str() + 8);
            const auto packet = record::PacketOf(image, static_cast<std::size_t>(slot));
            return std::string(packet.begin(), packet.end());
        }
        if (line.rfind("DATE_SET ", 0) == 0) {
            return clockReply;
        }
        if (line.rfind("EREASE_FLASH ", 0) == 0) {
            return eraseReply;
        }
        return {};
    };
}

record::ReadOutBuffer ImageWithSlots(std::initializer_list<int> occupied) {
    record::ReadOutBuffer image{};
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        auto packet = record::PacketOf(image, slot);
        packet[0] = packet[68] = 'O';
        packet[1] = packet[69] = 'K';
    }
    for (const int slot : occupied) {
        record::MeasurementRecord measured;
        measured.mode = 1;
        measured.year = 0x09;
        measured.month = 0x03;
        measured.day = static_cast<std::uint32_t>(slot % 28 + 1);
        measured.hour = 0x14;
        measured.validMark = 'U';
        measured.ToPacket(record::PacketOf(image, static_cast<std::size_t>(slot)));
        record::PacketOf(image, static_cast<std::size_t>(slot))[67] = 'U';
    }
    return image;
}

}  // namespace terrovane::testing
