#include "SimFaults.h"

#include "Numbers.h"

namespace terrovane::sim {
namespace {

bool ParseCount(std::string_view text, int low, int high, int& value) {
    const std::optional<int> parsed = numbers::ParseInteger<int>(text);
    value = parsed.value_or(value);
    return parsed && *parsed >= low && *parsed <= high;
}

bool ParseParameterised(std::string_view name, std::string_view argument, SimFaults& faults) {
    int value = 0;
    if (name == "marker" && ParseCount(argument, 0, 99, value)) {
        faults.damagedMarkers.insert(value);
        return true;
    }
    if (name == "slow" && ParseCount(argument, 0, 60000, value)) {
        faults.slowMs = value;
        return true;
    }
    if (name == "unplug-after" && ParseCount(argument, 0, 1000000, value)) {
        faults.unplugAfter = value;
        return true;
    }
    if (name == "unplug-on-line" && ParseCount(argument, 1, 1000000, value)) {
        faults.unplugOnLine = value;
        return true;
    }
    return false;
}

}  // namespace

bool AddFault(const std::string& text, SimFaults& faults, std::string& error) {
    const std::string_view fault = text;
    if (fault == "silent")
        return faults.silent = true;
    if (fault == "short")
        return faults.shortLast = true;
    if (fault == "clock-fail")
        return faults.clockFail = true;
    if (fault == "erase-fail")
        return faults.eraseFail = true;
    if (fault == "erase-short")
        return faults.eraseShort = true;
    if (fault == "noise")
        return faults.noise = true;
    const auto colon = fault.find(':');
    if (colon != std::string_view::npos &&
        ParseParameterised(fault.substr(0, colon), fault.substr(colon + 1), faults))
        return true;
    error = "unknown fault \"" + text +
            "\" (silent, short, marker:K, clock-fail, erase-fail, erase-short, slow:MS, unplug-after:N, "
            "unplug-on-line:N, noise)";
    return false;
}

}  // namespace terrovane::sim
