#include "ChildProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace terrovane::testing {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void BecomeChild(const char* outPath, const char* errPath, const ChildSettings& settings,
                              char** argv, char** envp) {
    if (settings.fileSizeLimit) {
        const rlimit limit{*settings.fileSizeLimit, *settings.fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::signal(SIGXFSZ, SIG_DFL);
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(outPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ::execve(argv[0], argv, envp);
    ::_exit(127);
}

}  // namespace

ChildOutcome RunChild(const std::string& program, const std::vector<std::string>& arguments,
                      const ChildSettings& settings) {
    std::string folder = (std::filesystem::temp_directory_path() / "tv-child-XXXXXX").string();
    ChildOutcome outcome;
    if (::mkdtemp(folder.data()) == nullptr)
        return outcome;
    const std::string outPath = folder + "/out";
    const std::string errPath = folder + "/err";
    std::vector<std::string> argvTexts{program};
    argvTexts.insert(argvTexts.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envTexts{"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + folder};
    for (char** entry = environ; *entry != nullptr; ++entry)
        envTexts.emplace_back(*entry);
    // Later entries are not looked at by getenv, so the settings' come first.
    envTexts.insert(envTexts.begin(), settings.environment.begin(), settings.environment.end());
    std::vector<char*> argv = Pointers(argvTexts);
    std::vector<char*> envp = Pointers(envTexts);
    const pid_t pid = ::fork();
    if (pid == 0)
        BecomeChild(outPath.c_str(), errPath.c_str(), settings, argv.data(), envp.data());
    const auto deadline = std::chrono::steady_clock::now() + settings.timeout;
    int status = 0;
    while (pid > 0 && ::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            outcome.timedOut = true;
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (pid > 0 && !outcome.timedOut) {
        outcome.exited = WIFEXITED(status);
        outcome.status = outcome.exited ? WEXITSTATUS(status) : -1;
        outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    outcome.out = Slurp(outPath);
    outcome.err = Slurp(errPath);
    std::filesystem::remove_all(folder);
    return outcome;
}

}  // namespace terrovane::testing
