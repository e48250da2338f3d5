#include "Command.h"

#include <algorithm>
#include <utility>

namespace terrovane::cli {
namespace {

std::vector<CommandEntry>& Registry() {
    static std::vector<CommandEntry> commands;
    return commands;
}

}  // namespace

std::string Options::Value(const std::string& name, const std::string& fallback) const {
    const auto it = values.find(name);
    return it == values.end() || it->second.empty() ? fallback : it->second.back();
}

bool ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                  Options& out, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
            out.positional.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        std::string value;
        const auto equals = name.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const bool takesValue =
            std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end();
        if (takesValue && !inlineValue) {
            if (i + 1 >= args.size()) {
                error = "option --" + name + " needs a value";
                return false;
            }
            value = args[++i];
        }
        out.values[name].push_back(value);
    }
    return true;
}

const std::vector<CommandEntry>& Commands() {
    return Registry();
}

CommandRegistrar::CommandRegistrar(CommandEntry entry) {
    Registry().push_back(std::move(entry));
}

}  // namespace terrovane::cli
