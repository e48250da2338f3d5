#include "SerialDevice.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "PortHolder.h"

namespace terrovane::link {
namespace {

std::string BusyHint(const std::string& devicePath) {
    if (const std::optional<PortHolder> holder = FindPortHolder(devicePath)) {
        return " \u2014 in use by " + DescribeHolder(*holder) + "; " + HolderAdvice(*holder);
    }
    return " \u2014 another program is using the port";
}

std::string HintFor(int error, const std::string& devicePath) {
    switch (error) {
        case EACCES:
        case EPERM:
            return " \u2014 add yourself to the dialout group";
        case EBUSY:
            return BusyHint(devicePath);
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return " \u2014 is the instrument plugged in?";
        default:
            return {};
    }
}

std::string Describe(const std::string& portName, const std::string& devicePath, int error) {
    return portName + " (" + devicePath + "): " + std::strerror(error) + HintFor(error, devicePath);
}

}  // namespace

bool ApplySettingsTo(int fd, const LineSettings& settings, std::string& error) {
    termios attributes{};
    if (::tcgetattr(fd, &attributes) != 0) {
        error = std::strerror(errno);
        return false;
    }
    ApplyLineSettings(settings, attributes);
    if (::tcsetattr(fd, TCSANOW, &attributes) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

int OpenSerialDevice(const std::string& portName, const std::string& devicePath, const LineSettings& settings,
                     std::string& error) {
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = Describe(portName, devicePath, errno);
        return -1;
    }
    if (!::isatty(fd)) {
        error = portName + " (" + devicePath + "): not a serial port";
        ::close(fd);
        return -1;
    }
    // Exclusive use keeps a second program (or a second read-out of ours) from reading half of the
    // instrument's answer. The lock holds against root too, which the tty's exclusive mode lets through;
    // it goes with the descriptor, so a program that ends or crashes leaves nothing behind.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno == EWOULDBLOCK ? EBUSY : errno;
        error = Describe(portName, devicePath, reason);
        ::close(fd);
        return -1;
    }
    ::ioctl(fd, TIOCEXCL);
    std::string reason;
    if (!ApplySettingsTo(fd, settings, reason)) {
        error = portName + " (" + devicePath + "): " + reason;
        CloseSerialDevice(fd);
        return -1;
    }
    ::tcflush(fd, TCIOFLUSH);
    return fd;
}

void CloseSerialDevice(int fd) {
    if (fd < 0)
        return;
    // The exclusive flag belongs to the tty, not to this descriptor: left set, it would lock out the next
    // open while anyone else (a pty's master side) keeps the tty alive.
    ::ioctl(fd, TIOCNXCL);
    ::tcflush(fd, TCIFLUSH);
    ::close(fd);
}

}  // namespace terrovane::link
