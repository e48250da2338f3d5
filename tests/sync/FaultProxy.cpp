#include "FaultProxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace terrovane::testing {
namespace {

int ConnectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Both ends of one relayed connection.
struct Pair {
    int client;
    int server;
};

void SendAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
}

}  // namespace

FaultProxy::FaultProxy(int serverPort) : serverPort_(serverPort) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 || ::pipe(wake_) != 0) {
        throw std::runtime_error("the fault proxy cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Run(); });
}

FaultProxy::~FaultProxy() {
    const char stop = 's';
    (void)::write(wake_[1], &stop, 1);
    thread_.join();
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
}

void FaultProxy::CutClientMessageContaining(const std::string& marker) {
    const std::lock_guard<std::mutex> lock(mutex_);
    clientMarker_ = marker;
    struck_ = false;
}

void FaultProxy::CutServerAnswerContaining(const std::string& marker) {
    const std::lock_guard<std::mutex> lock(mutex_);
    serverMarker_ = marker;
    struck_ = false;
}

void FaultProxy::AfterClientMessageContaining(const std::string& marker, std::function<void()> action) {
    const std::lock_guard<std::mutex> lock(mutex_);
    actionMarker_ = marker;
    action_ = std::move(action);
    struck_ = false;
}

bool FaultProxy::Inspect(bool fromClient, const std::string& chunk, std::size_t& pass) {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::string& marker = fromClient ? clientMarker_ : serverMarker_;
    const std::size_t at = marker.empty() ? std::string::npos : chunk.find(marker);
    if (at == std::string::npos) {
        pass = chunk.size();
        return true;
    }
    // A client's message goes half way (up to the marker); a server's answer not at all.
    pass = fromClient ? at : 0;
    marker.clear();
    struck_ = true;
    return false;
}

void FaultProxy::RunActionOn(const std::string& chunk) {
    std::function<void()> action;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (actionMarker_.empty() || chunk.find(actionMarker_) == std::string::npos) {
            return;
        }
        actionMarker_.clear();
        action = std::move(action_);
        struck_ = true;
    }
    action();
}

void FaultProxy::Run() {
    std::vector<Pair> pairs;
    std::vector<char> buffer(1 << 16);
    while (true) {
        std::vector<pollfd> watched = {{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        for (const Pair& pair : pairs) {
            watched.push_back({pair.client, POLLIN, 0});
            watched.push_back({pair.server, POLLIN, 0});
        }
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            continue;
        }
        if (watched[0].revents != 0) {
            break;
        }
        std::vector<Pair> open;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const Pair pair = pairs[i];
            bool alive = true;
            for (const bool fromClient : {true, false}) {
                const pollfd& ready = watched[2 + 2 * i + (fromClient ? 0 : 1)];
                if (!alive || ready.revents == 0) {
                    continue;
                }
                const ssize_t got =
                    ::recv(fromClient ? pair.client : pair.server, buffer.data(), buffer.size(), 0);
                if (got <= 0) {
                    alive = false;
                    continue;
                }
                std::size_t pass = 0;
                const std::string chunk(buffer.data(), static_cast<std::size_t>(got));
                alive = Inspect(fromClient, chunk, pass);
                SendAll(fromClient ? pair.server : pair.client, chunk.data(), pass);
                if (fromClient) {
                    RunActionOn(chunk);
                }
            }
            if (alive) {
                open.push_back(pair);
            } else {
                ::shutdown(pair.client, SHUT_RDWR);
                ::shutdown(pair.server, SHUT_RDWR);
                ::close(pair.client);
                ::close(pair.server);
            }
        }
        pairs = std::move(open);
        // Accepted only after the watched pairs are served: a pair added earlier has no entry in
        // this round's poll list.
        if (watched[1].revents & POLLIN) {
            const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            const int server = client >= 0 ? ConnectTo(serverPort_) : -1;
            if (server >= 0) {
                pairs.push_back({client, server});
            } else if (client >= 0) {
                ::close(client);
            }
        }
    }
    for (const Pair& pair : pairs) {
        ::close(pair.client);
        ::close(pair.server);
    }
}

}  // namespace terrovane::testing
