#include "SimOptions.h"

#include <string_view>

#include "Numbers.h"

namespace terrovane::sim {
namespace {

bool ParseCom(const std::string& text, int& com) {
    com = numbers::ParseInteger<int>(text).value_or(0);
    return com >= 1 && com <= 255;
}

constexpr int kLongestBusyMs = 60000;

bool ParseMilliseconds(std::string_view text, int& value) {
    value = numbers::ParseInteger<int>(text).value_or(-1);
    return value >= 0 && value <= kLongestBusyMs;
}

// "MS" (always that long) or "MIN:MAX".
bool ParseBusy(const std::string& text, SimOptions& options) {
    const auto colon = text.find(':');
    const std::string_view whole = text;
    const std::string_view low = whole.substr(0, colon);
    const std::string_view high = colon == std::string::npos ? low : whole.substr(colon + 1);
    return ParseMilliseconds(low, options.busyMinMs) && ParseMilliseconds(high, options.busyMaxMs) &&
           options.busyMinMs <= options.busyMaxMs;
}

bool IsKnownOption(const std::string& name) {
    return name == "--image" || name == "--portmap" || name == "--log" || name == "--fault" ||
           name == "--com" || name == "--busy";
}

bool TakeOption(const std::string& name, const std::string& value, SimOptions& options, std::string& error) {
    if (name == "--image") {
        options.imagePath = value;
    } else if (name == "--portmap") {
        options.portMapPath = value;
    } else if (name == "--log") {
        options.logPath = value;
    } else if (name == "--fault") {
        return AddFault(value, options.faults, error);
    } else if (name == "--busy") {
        if (!ParseBusy(value, options)) {
            error =
                "--busy needs MS or MIN:MAX, milliseconds from 0 to 60000 with MIN not above MAX, not \"" +
                value + "\"";
            return false;
        }
    } else if (name == "--com") {
        if (!ParseCom(value, options.comNumber)) {
            error = "--com needs a port number from 1 to 255, not \"" + value + "\"";
            return false;
        }
    } else {
        error = "unknown option \"" + name + "\"";
        return false;
    }
    return true;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& arguments,
                                          const char* portMapVariable, std::string& error) {
    SimOptions options;
    std::size_t next = 0;
    while (next < arguments.size()) {
        const std::string& name = arguments[next++];
        if (name == "--line-pace") {
            options.linePace = true;  // a switch: no value follows
            continue;
        }
        if (!IsKnownOption(name)) {
            error = "unknown option \"" + name + "\"";
            return std::nullopt;
        }
        if (next >= arguments.size()) {
            error = "option \"" + name + "\" needs a value";
            return std::nullopt;
        }
        if (!TakeOption(name, arguments[next++], options, error))
            return std::nullopt;
    }
    if (options.portMapPath.empty() && portMapVariable != nullptr)
        options.portMapPath = portMapVariable;
    if (options.portMapPath.empty()) {
        error = "no port-map file: give --portmap FILE or set TERROVANE_PORTMAP";
        return std::nullopt;
    }
    return options;
}

}  // namespace terrovane::sim
