#include "InformationOptions.h"

#include <cstdio>

namespace terrovane::platform {

std::optional<int> AnswerInformationOptions(const std::vector<std::string>& arguments, const char* program,
                                            const char* usage) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("%s %s\n", program, TERROVANE_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> AnswerInformationOptions(int argc, char** argv, const char* program, const char* usage) {
    return AnswerInformationOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), program,
                                    usage);
}

}  // namespace terrovane::platform
