#include "DeployClient.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

DeployClient::DeployClient(unsigned short port, const std::string& source)
    : m_fd(Connect(port, source, true)), m_closed(false) {}

int DeployClient::Connect(unsigned short port, const std::string& source, bool wait) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | (wait ? 0 : SOCK_NONBLOCK), 0);
    if (fd < 0)
        return -1;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    if (!source.empty() && (::inet_pton(AF_INET, source.c_str(), &local.sin_addr) != 1 ||
                            ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)) {
        ::close(fd);
        return -1;
    }
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 && (wait || errno != EINPROGRESS)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

DeployClient::~DeployClient() { Close(); }

void DeployClient::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

std::string DeployClient::Length(int32_t length) {
    const uint32_t v = static_cast<uint32_t>(length);
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

void DeployClient::Send(const std::string& bytes) {
    size_t done = 0;
    while (m_fd >= 0 && done < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

std::string DeployClient::ReadUntilClosed(int timeoutMs) {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        char buf[256];
        const ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
        if (n <= 0) {
            m_closed = true;
            break;
        }
        got.append(buf, static_cast<size_t>(n));
    }
    return got;
}

std::string DeployClient::ReadSome(int timeoutMs) {
    pollfd p{m_fd, POLLIN, 0};
    char buf[256];
    if (m_fd < 0 || ::poll(&p, 1, timeoutMs) != 1)
        return std::string();
    const ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
    m_closed = n <= 0;
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

std::string DeployClient::Push(unsigned short port, const std::string& payload, const std::string& source) {
    DeployClient client(port, source);
    client.Send(Length(static_cast<int32_t>(payload.size())));
    client.Send(payload);
    return client.ReadUntilClosed();
}

std::string DeployClient::PushPaced(unsigned short port, const std::string& payload, int writes,
                                    std::chrono::milliseconds gap, const std::string& source) {
    DeployClient client(port, source);
    const size_t piece = (payload.size() + writes - 1) / writes;
    std::string pending = Length(static_cast<int32_t>(payload.size()));
    for (size_t sent = 0; sent < payload.size(); sent += piece) {
        if (sent > 0)
            std::this_thread::sleep_for(gap);
        client.Send(pending + payload.substr(sent, piece));
        pending.clear();
    }
    return client.ReadUntilClosed();
}
