#include "ServedScript.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

extern char** environ;

namespace terrovane::testing {
namespace {

// One running script with a pipe each way. A child of a test that forked starts its own, as the pipes of
// the parent's script would interleave both processes' requests.
class ScriptProcess {
  public:
    explicit ScriptProcess(std::string script) : script_(std::move(script)) {}
    ~ScriptProcess() { Stop(); }

    bool Ask(const std::string& request, std::vector<std::string>& lines, std::string& error) {
        if (owner_ != ::getpid() && !Start(error))
            return false;
        if (std::fputs(request.c_str(), to_) < 0 || std::fflush(to_) != 0)
            return Failed("the script took no request", error);
        std::string head;
        if (!ReadLine(head))
            return Failed("the script ended without an answer", error);
        if (head.rfind("ok ", 0) != 0) {
            error = head;
            return false;
        }
        int count = 0;
        const char* first = head.data() + 3;
        const char* last = head.data() + head.size();
        if (const auto [end, problem] = std::from_chars(first, last, count);
            problem != std::errc() || end != last || count < 0)
            return Failed("the script's answer has no count of lines", error);
        lines.clear();
        for (int i = 0; i < count; ++i) {
            std::string line;
            if (!ReadLine(line))
                return Failed("the script's answer ended early", error);
            lines.push_back(std::move(line));
        }
        return true;
    }

  private:
    bool Start(std::string& error);

    bool ReadLine(std::string& line) {
        line.clear();
        for (int c = std::fgetc(from_); c != EOF; c = std::fgetc(from_)) {
            if (c == '\n')
                return true;
            line.push_back(static_cast<char>(c));
        }
        return false;
    }

    bool Failed(const char* what, std::string& error) {
        error = what;
        Stop();
        return false;
    }

    void Stop() {
        if (owner_ != ::getpid())
            return;  // a forked child leaves its parent's script alone
        if (to_ != nullptr)
            std::fclose(to_);  // the script ends at the end of its input
        if (from_ != nullptr)
            std::fclose(from_);
        if (pid_ > 0)
            ::waitpid(pid_, nullptr, 0);
        to_ = from_ = nullptr;
        pid_ = -1;
        owner_ = -1;
    }

    std::string script_;
    pid_t owner_ = -1;
    pid_t pid_ = -1;
    FILE* to_ = nullptr;
    FILE* from_ = nullptr;
};

bool ScriptProcess::Start(std::string& error) {
    to_ = from_ = nullptr;  // a forked child's copies of the parent's streams are not its own
    int request[2];
    int answer[2];
    // Close-on-exec, so no other program a test starts holds the script's pipes open.
    if (::pipe2(request, O_CLOEXEC) != 0)
        return Failed("no pipe for the script", error);
    if (::pipe2(answer, O_CLOEXEC) != 0) {
        ::close(request[0]);
        ::close(request[1]);
        return Failed("no pipe for the script", error);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, request[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, answer[1], STDOUT_FILENO);
    // Debian's interpreter, which has the modules scripts/deps.sh installs, whatever the PATH finds first.
    std::string program = "/usr/bin/python3";
    std::string serve = "--serve";
    char* argv[] = {program.data(), script_.data(), serve.data(), nullptr};
    const int spawned = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(request[0]);
    ::close(answer[1]);
    if (spawned != 0) {
        ::close(request[1]);
        ::close(answer[0]);
        pid_ = -1;
        return Failed("the script cannot be started", error);
    }
    owner_ = ::getpid();
    to_ = ::fdopen(request[1], "w");
    from_ = ::fdopen(answer[0], "r");
    return to_ != nullptr && from_ != nullptr ? true : Failed("the script's pipes cannot be read", error);
}

}  // namespace

bool AskServedScript(const std::string& script, const std::string& request, std::vector<std::string>& lines,
                     std::string& error) {
    static std::mutex one_at_a_time;
    static std::map<std::string, std::unique_ptr<ScriptProcess>> running;
    const std::lock_guard lock(one_at_a_time);
    auto& process = running[script];
    if (process == nullptr)
        process = std::make_unique<ScriptProcess>(script);
    return process->Ask(request + "\n", lines, error);
}

}  // namespace terrovane::testing
