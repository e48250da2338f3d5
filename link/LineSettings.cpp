#include "LineSettings.h"

#include <array>
#include <cctype>
#include <utility>
#include <vector>

#include "Numbers.h"

namespace terrovane::link {
namespace {

constexpr std::array<std::pair<long, speed_t>, 31> kSpeeds{{
    {50, B50},
    {75, B75},
    {110, B110},
    {134, B134},
    {150, B150},
    {200, B200},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {1800, B1800},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
    {460800, B460800},
    {500000, B500000},
    {576000, B576000},
    {921600, B921600},
    {1000000, B1000000},
    {1152000, B1152000},
    {1500000, B1500000},
    {2000000, B2000000},
    {2500000, B2500000},
    {3000000, B3000000},
    {3500000, B3500000},
    {4000000, B4000000},
    {0, B0},
}};

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',') {
            fields.emplace_back();
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<long> ParseNumber(const std::string& field) {
    return numbers::ParseInteger<long>(field);
}

bool Fail(std::string* error, std::string reason) {
    if (error != nullptr)
        *error = std::move(reason);
    return false;
}

bool ParseSpeed(const std::string& field, LineSettings& settings, std::string* error) {
    const auto baud = ParseNumber(field);
    for (const auto& [rate, speed] : kSpeeds) {
        if (baud && rate == *baud && rate != 0) {
            settings.speed = speed;
            return true;
        }
    }
    return Fail(error, "unsupported baud rate \"" + field + "\"");
}

bool ParseParity(const std::string& field, LineSettings& settings, std::string* error) {
    const char parity = field.size() == 1 ? static_cast<char>(std::tolower(field[0])) : '\0';
    if (parity != 'n' && parity != 'e' && parity != 'o' && parity != 'm' && parity != 's')
        return Fail(error, "unknown parity \"" + field + "\" (use n, e, o, m or s)");
    settings.parity = parity;
    return true;
}

bool ParseDataBits(const std::string& field, LineSettings& settings, std::string* error) {
    const auto bits = ParseNumber(field);
    if (!bits || *bits < 5 || *bits > 8)
        return Fail(error, "data bits must be 5 to 8, not \"" + field + "\"");
    settings.dataBits = static_cast<int>(*bits);
    return true;
}

bool ParseStopBits(const std::string& field, LineSettings& settings, std::string* error) {
    if (field == "1.5")
        return Fail(error, "1.5 stop bits are not supported by this serial port");
    const auto bits = ParseNumber(field);
    if (!bits || (*bits != 1 && *bits != 2))
        return Fail(error, "stop bits must be 1 or 2, not \"" + field + "\"");
    settings.stopBits = static_cast<int>(*bits);
    return true;
}

tcflag_t DataBitsFlag(int bits) {
    switch (bits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

tcflag_t ParityFlags(char parity) {
    switch (parity) {
        case 'e':
            return PARENB;
        case 'o':
            return PARENB | PARODD;
        case 'm':
            return PARENB | PARODD | CMSPAR;
        case 's':
            return PARENB | CMSPAR;
        default:
            return 0;
    }
}

}  // namespace

std::optional<LineSettings> ParseLineSettings(const std::string& text, std::string* error) {
    const auto fields = SplitFields(text);
    if (fields.size() != 4) {
        Fail(error, "settings \"" + text + "\" must read baud,parity,data,stop (e.g. 115200,n,8,1)");
        return std::nullopt;
    }
    LineSettings settings;
    if (!ParseSpeed(fields[0], settings, error) || !ParseParity(fields[1], settings, error) ||
        !ParseDataBits(fields[2], settings, error) || !ParseStopBits(fields[3], settings, error))
        return std::nullopt;
    return settings;
}

void ApplyLineSettings(const LineSettings& settings, termios& attributes) {
    ::cfmakeraw(&attributes);
    attributes.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    attributes.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    attributes.c_cflag |= CLOCAL | CREAD | DataBitsFlag(settings.dataBits) | ParityFlags(settings.parity);
    if (settings.stopBits == 2)
        attributes.c_cflag |= CSTOPB;
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;
    ::cfsetispeed(&attributes, settings.speed);
    ::cfsetospeed(&attributes, settings.speed);
}

}  // namespace terrovane::link
