#pragma once
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A tiny HTTP server on 127.0.0.1 for whole-process tests: it listens on an
// ephemeral port, records the request line of every request and answers each
// with "200 OK" and the body "counted".
class LocalHttpServer {
public:
    LocalHttpServer() {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = LoopbackAddress(0);
        if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(listener_, 8) != 0)
            return;
        socklen_t length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        worker_ = std::thread([this] { Serve(); });
    }

    ~LocalHttpServer() {
        stopping_ = true;
        if (worker_.joinable()) worker_.join();
        if (listener_ >= 0) close(listener_);
    }

    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int Port() const { return port_; }
    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

    std::vector<std::string> RequestLines() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requestLines_;
    }

    static constexpr const char* kBody = "counted";

    // A port on 127.0.0.1 that nothing listens on (bound, then released).
    static int ClosedPort() {
        const int probe = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = LoopbackAddress(0);
        bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        close(probe);
        return ntohs(address.sin_port);
    }

private:
    static sockaddr_in LoopbackAddress(int port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    void Serve() {
        while (!stopping_) {
            pollfd waiting{listener_, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0) continue;
            const int connection = accept(listener_, nullptr, nullptr);
            if (connection < 0) continue;
            Answer(connection);
            close(connection);
        }
    }

    void Answer(int connection) {
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            pollfd waiting{connection, POLLIN, 0};
            if (poll(&waiting, 1, 2000) <= 0) break;
            const ssize_t received = recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0) break;
            request.append(buffer, static_cast<size_t>(received));
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requestLines_.push_back(request.substr(0, request.find("\r\n")));
        }
        const std::string answer = std::string("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: ") +
                                   std::to_string(std::char_traits<char>::length(kBody)) +
                                   "\r\nConnection: close\r\n\r\n" + kBody;
        send(connection, answer.data(), answer.size(), MSG_NOSIGNAL);
    }

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread worker_;
    mutable std::mutex mutex_;
    std::vector<std::string> requestLines_;
};
