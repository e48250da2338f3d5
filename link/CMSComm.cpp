#include "CMSComm.h"

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <memory>

#include "LineSettings.h"
#include "PortMap.h"
#include "ReceiveThread.h"
#include "SerialDevice.h"

namespace terrovane::link {

struct CMSComm::Impl {
    explicit Impl(CMSComm& owner) : owner(owner) {}

    bool IsOpen() const { return fd >= 0; }
    std::string PortName() const { return "COM" + std::to_string(port); }

    // Reader thread: at least RThreshold bytes wait; raise one event unless one is already on its way.
    void OnArrival(std::size_t waiting, std::uint64_t openGeneration) {
        const auto threshold = static_cast<std::size_t>(std::max<int>(rThreshold.load(), 0));
        if (threshold == 0 || waiting < threshold || eventPending.exchange(true))
            return;
        QMetaObject::invokeMethod(
            &owner, [this, openGeneration] { Deliver(openGeneration); }, Qt::QueuedConnection);
    }

    // User-interface thread. Drops events of a port closed since, and events whose bytes were taken.
    void Deliver(std::uint64_t forGeneration) {
        if (forGeneration != generation.load() || !IsOpen())
            return;
        eventPending = false;
        const auto threshold = static_cast<std::size_t>(std::max<int>(rThreshold.load(), 0));
        if (threshold == 0 || receiver->Waiting() < threshold)
            return;
        commEvent = kEventReceive;
        emit owner.OnComm();
    }

    void Close() {
        if (!IsOpen())
            return;
        ++generation;
        receiver.reset();
        CloseSerialDevice(fd);
        fd = -1;
        eventPending = false;
    }

    bool WriteAll(std::string_view bytes) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2) +
                              std::chrono::milliseconds(bytes.size() * 10);
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd, bytes.data(), bytes.size());
            if (written > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(written));
                continue;
            }
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
                return false;
            pollfd out{fd, POLLOUT, 0};
            if (std::chrono::steady_clock::now() > deadline || ::poll(&out, 1, 50) < 0)
                return false;
        }
        return true;
    }

    CMSComm& owner;
    std::int16_t port = 1;
    std::string settingsText = "9600,n,8,1";
    LineSettings settings{B9600, 'n', 8, 1};
    std::atomic<std::int16_t> rThreshold{0};
    std::int32_t inputMode = 0;
    std::int16_t inputLen = 0;
    std::int16_t commEvent = 0;
    std::string lastError;

    int fd = -1;
    std::unique_ptr<ReceiveThread> receiver;
    std::atomic<std::uint64_t> generation{0};
    std::atomic<bool> eventPending{false};
};

CMSComm::CMSComm(QObject* parent) : QObject(parent), impl_(std::make_unique<Impl>(*this)) {}

CMSComm::~CMSComm() {
    impl_->Close();
}

void CMSComm::SetCommPort(std::int16_t port) {
    impl_->port = port;
}
std::int16_t CMSComm::CommPort() const {
    return impl_->port;
}

void CMSComm::SetPortOpen(bool open) {
    if (!open) {
        impl_->Close();
        return;
    }
    if (impl_->IsOpen())
        return;
    const std::string device = platform::CurrentPortMap().DevicePathFor(impl_->port);
    if (device.empty()) {
        impl_->lastError = impl_->PortName() + ": no such port";
        return;
    }
    const int fd = OpenSerialDevice(impl_->PortName(), device, impl_->settings, impl_->lastError);
    if (fd < 0)
        return;
    impl_->lastError.clear();
    impl_->fd = fd;
    const std::uint64_t openGeneration = ++impl_->generation;
    impl_->receiver =
        std::make_unique<ReceiveThread>(fd, [impl = impl_.get(), openGeneration](std::size_t waiting) {
            impl->OnArrival(waiting, openGeneration);
        });
}

bool CMSComm::PortOpen() const {
    return impl_->IsOpen();
}
std::string CMSComm::LastError() const {
    return impl_->lastError;
}

bool CMSComm::SetSettings(const std::string& settings) {
    std::string reason;
    const auto parsed = ParseLineSettings(settings, &reason);
    if (!parsed) {
        impl_->lastError = reason;
        return false;
    }
    if (impl_->IsOpen() && !ApplySettingsTo(impl_->fd, *parsed, reason)) {
        impl_->lastError = impl_->PortName() + ": " + reason;
        return false;
    }
    impl_->settings = *parsed;
    impl_->settingsText = settings;
    return true;
}

std::string CMSComm::Settings() const {
    return impl_->settingsText;
}

void CMSComm::SetRThreshold(std::int16_t threshold) {
    impl_->rThreshold = threshold;
}
void CMSComm::SetInputMode(std::int32_t mode) {
    impl_->inputMode = mode;
}
void CMSComm::SetInputLen(std::int16_t length) {
    impl_->inputLen = length;
}

std::vector<std::uint8_t> CMSComm::Input() {
    if (!impl_->IsOpen())
        return {};
    return impl_->receiver->Take(static_cast<std::size_t>(std::max<int>(impl_->inputLen, 0)));
}

bool CMSComm::Output(std::string_view bytes) {
    return impl_->IsOpen() && impl_->WriteAll(bytes);
}

std::int16_t CMSComm::CommEvent() const {
    return impl_->commEvent;
}

int CMSComm::InBufferCount() const {
    return impl_->IsOpen() ? static_cast<int>(impl_->receiver->Waiting()) : 0;
}

bool CMSComm::HungUp() const {
    return impl_->IsOpen() && !impl_->receiver->LineUp();
}

}  // namespace terrovane::link
