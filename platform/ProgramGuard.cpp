#include "ProgramGuard.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <string>

namespace terrovane::platform {
namespace {

const char* g_program = "program";

// What the exception in flight says, or a plain note for one that is not a std::exception.
std::string Describe(const std::exception_ptr& error) {
    if (!error)
        return "the program was terminated without an exception";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& exception) {
        return exception.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

void Report(const std::string& what) {
    std::fprintf(stderr, "%s: internal error: %s\n", g_program, what.c_str());
    std::fflush(stderr);
}

[[noreturn]] void OnTerminate() {
    Report(Describe(std::current_exception()));
    std::fflush(stdout);
    ::_exit(1);
}

}  // namespace

int RunGuarded(const char* program, const std::function<int()>& body) {
    g_program = program;
    std::signal(SIGXFSZ, SIG_IGN);
    std::set_terminate(OnTerminate);
    try {
        return body();
    } catch (...) {
        Report(Describe(std::current_exception()));
    }
    return 1;
}

}  // namespace terrovane::platform
