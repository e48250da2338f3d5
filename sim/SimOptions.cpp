#include "SimOptions.h"

#include <charconv>

namespace terrovane::sim {
namespace {

bool ParseCom(const std::string& text, int& com) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), com);
    return error == std::errc{} && end == text.data() + text.size() && com >= 1 && com <= 255;
}

bool IsKnownOption(const std::string& name) {
    return name == "--image" || name == "--portmap" || name == "--log" || name == "--fault" ||
           name == "--com";
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
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        if (!IsKnownOption(arguments[i])) {
            error = "unknown option \"" + arguments[i] + "\"";
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = "option \"" + arguments[i] + "\" needs a value";
            return std::nullopt;
        }
        if (!TakeOption(arguments[i], arguments[i + 1], options, error))
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
