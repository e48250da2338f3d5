#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace terrovane::testing {

// A TCP relay on 127.0.0.1 in front of the test server, which breaks the connection where a test says:
// in the middle of a message from the client that holds a marker (the push is half sent), or when an
// answer from the server that holds a marker has arrived but before it is passed on (the server did the
// work, the client never hears of it). Each fault strikes once; after it the relay passes everything.
class FaultProxy {
  public:
    explicit FaultProxy(int serverPort);
    ~FaultProxy();
    FaultProxy(const FaultProxy&) = delete;
    FaultProxy& operator=(const FaultProxy&) = delete;

    int Port() const { return port_; }
    void CutClientMessageContaining(const std::string& marker);
    void CutServerAnswerContaining(const std::string& marker);
    // Passes on the client's message that holds the marker, then runs `action` (which may stop the server).
    void AfterClientMessageContaining(const std::string& marker, std::function<void()> action);
    // Whether the armed fault has struck.
    bool Struck() const { return struck_; }

  private:
    void Run();
    // Whether the chunk going one way may pass; how much of it when the connection is to break after it.
    bool Inspect(bool fromClient, const std::string& chunk, std::size_t& pass);
    void RunActionOn(const std::string& chunk);

    int serverPort_;
    int port_ = 0;
    int listener_ = -1;
    int wake_[2] = {-1, -1};
    std::mutex mutex_;
    std::string clientMarker_;
    std::string serverMarker_;
    std::string actionMarker_;
    std::function<void()> action_;
    std::atomic<bool> struck_{false};
    std::thread thread_;
};

}  // namespace terrovane::testing
