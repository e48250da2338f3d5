#include "ArchiveReaderProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <nlohmann/json.hpp>

extern char** environ;

namespace terrovane::archive::testing {
namespace {

// One running reader with a pipe each way. A child of a test that forked starts its own, as the pipes of
// the parent's reader would interleave both processes' requests.
class ReaderProcess {
  public:
    ~ReaderProcess() { Stop(); }

    bool Ask(const std::string& request, std::vector<std::string>& lines, std::string& error) {
        if (owner_ != ::getpid() && !Start(error))
            return false;
        if (std::fputs(request.c_str(), to_) < 0 || std::fflush(to_) != 0)
            return Failed("the reader took no request", error);
        std::string head;
        if (!ReadLine(head))
            return Failed("the reader ended without an answer", error);
        if (head.rfind("ok ", 0) != 0) {
            error = head;
            return false;
        }
        const int count = std::stoi(head.substr(3));
        lines.clear();
        for (int i = 0; i < count; ++i) {
            std::string line;
            if (!ReadLine(line))
                return Failed("the reader's answer ended early", error);
            lines.push_back(std::move(line));
        }
        return true;
    }

  private:
    bool Start(const std::string& program, std::string& error);
    bool Start(std::string& error) { return Start("/usr/bin/python3", error); }

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
            return;  // a forked child leaves its parent's reader alone
        if (to_ != nullptr)
            std::fclose(to_);  // the reader ends at the end of its input
        if (from_ != nullptr)
            std::fclose(from_);
        if (pid_ > 0)
            ::waitpid(pid_, nullptr, 0);
        to_ = from_ = nullptr;
        pid_ = -1;
        owner_ = -1;
    }

    pid_t owner_ = -1;
    pid_t pid_ = -1;
    FILE* to_ = nullptr;
    FILE* from_ = nullptr;
};

bool ReaderProcess::Start(const std::string& program, std::string& error) {
    to_ = from_ = nullptr;  // a forked child's copies of the parent's streams are not its own
    int request[2];
    int answer[2];
    // Close-on-exec, so no other program a test starts holds the reader's pipes open.
    if (::pipe2(request, O_CLOEXEC) != 0)
        return Failed("no pipe for the reader", error);
    if (::pipe2(answer, O_CLOEXEC) != 0) {
        ::close(request[0]);
        ::close(request[1]);
        return Failed("no pipe for the reader", error);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, request[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, answer[1], STDOUT_FILENO);
    std::string script = TV_ARCHIVE_READER;
    std::string serve = "--serve";
    char* argv[] = {const_cast<char*>(program.c_str()), script.data(), serve.data(), nullptr};
    const int spawned = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(request[0]);
    ::close(answer[1]);
    if (spawned != 0) {
        ::close(request[1]);
        ::close(answer[0]);
        pid_ = -1;
        return Failed("the reader cannot be started", error);
    }
    owner_ = ::getpid();
    to_ = ::fdopen(request[1], "w");
    from_ = ::fdopen(answer[0], "r");
    return to_ != nullptr && from_ != nullptr ? true : Failed("the reader's pipes cannot be read", error);
}

}  // namespace

bool AskArchiveReader(const std::string& path, const std::vector<std::string>& statements,
                      std::vector<std::string>& lines, std::string& error) {
    static std::mutex one_at_a_time;
    static ReaderProcess reader;
    const std::string request = nlohmann::json{{"path", path}, {"statements", statements}}.dump() + "\n";
    const std::lock_guard lock(one_at_a_time);
    return reader.Ask(request, lines, error);
}

}  // namespace terrovane::archive::testing
