#pragma once
// A one-thread HTTP server on 127.0.0.1 for tests: it answers every request with one fixed
// response, or holds the connection open without answering. It binds port 0, serves until
// destroyed or for at most ten seconds, and records the request lines it received.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

class LocalHttpServer {
public:
    enum class Mode { Answer, Silent };

    explicit LocalHttpServer(std::string response, Mode mode = Mode::Answer)
        : m_response(std::move(response)), m_mode(mode) {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_listener < 0) throw std::runtime_error("socket failed");
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_listener, 8) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            ::close(m_listener);
            throw std::runtime_error("bind failed");
        }
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~LocalHttpServer() {
        m_stop = true;
        m_thread.join();
        ::close(m_listener);
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int Port() const { return m_port; }
    std::string Url(const std::string& path = "/") const { return "http://127.0.0.1:" + std::to_string(m_port) + path; }
    std::vector<std::string> RequestLines() const {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

    static std::string Response(int status, const std::string& body) {
        return "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Type: text/plain\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }
    // A port on which nothing listens: bound once, then released.
    static int RefusedPort() {
        LocalHttpServer probe(std::string(), Mode::Answer);
        return probe.Port();
    }

private:
    bool TimeLeft() const { return !m_stop && std::chrono::steady_clock::now() < m_deadline; }

    void Serve() {
        while (TimeLeft()) {
            pollfd ready{m_listener, POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0) continue;
            const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) continue;
            timeval limit{2, 0};
            ::setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
            ReadRequest(client);
            if (m_mode == Mode::Silent) {
                while (TimeLeft()) ::usleep(20'000);
            } else {
                size_t sent = 0;
                while (sent < m_response.size() && TimeLeft()) {
                    const ssize_t n = ::send(client, m_response.data() + sent, m_response.size() - sent, MSG_NOSIGNAL);
                    if (n <= 0) break;  // the client stopped reading
                    sent += static_cast<size_t>(n);
                }
            }
            ::close(client);
        }
    }

    void ReadRequest(int client) {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536 && TimeLeft()) {
            pollfd ready{client, POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0) continue;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            request.append(buffer, static_cast<size_t>(n));
        }
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request.substr(0, request.find("\r\n")));
    }

    std::string m_response;
    Mode m_mode;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::chrono::steady_clock::time_point m_deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

}  // namespace testing_support
