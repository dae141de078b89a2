#include "SilentChurn.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "DeployClient.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Connections the crowd holds at most (the oldest go first), well within a
// process's usual 1024 descriptors.
const size_t kMaxHeld = 400;

struct Peer {
    int fd;
    bool connected;
};

}  // namespace

SilentChurn::SilentChurn(unsigned short port, int perSecond)
    : m_port(port), m_perSecond(perSecond), m_thread([this] { Run(); }) {}

SilentChurn::~SilentChurn() { Stop(); }

void SilentChurn::Stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void SilentChurn::Run() {
    const Clock::duration gap = std::chrono::duration_cast<Clock::duration>(1s) / m_perSecond;
    std::vector<Peer> peers;  // oldest first
    int next = 0;
    Clock::time_point due = Clock::now();
    while (!m_stop) {
        const Clock::time_point now = Clock::now();
        // A thread that fell behind catches up in a short burst, not a flood.
        due = std::max(due, now - 100ms);
        for (; due <= now; due += gap) {
            const int fd = DeployClient::Connect(m_port, "127.0.1." + std::to_string(1 + next++ % 240), false);
            if (fd < 0)
                continue;
            ++m_opened;
            peers.push_back(Peer{fd, false});
            if (peers.size() > kMaxHeld) {
                ::close(peers.front().fd);
                peers.erase(peers.begin());
            }
        }
        std::vector<pollfd> fds;
        for (const Peer& p : peers)
            fds.push_back(pollfd{p.fd, static_cast<short>(p.connected ? POLLIN : POLLOUT), 0});
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
        ::poll(fds.data(), fds.size(), static_cast<int>(std::clamp<int64_t>(wait.count(), 0, 10)));
        for (size_t i = 0; i < peers.size(); ++i) {
            const short events = fds[i].revents;
            if (events == 0)
                continue;
            if (!peers[i].connected && events == POLLOUT) {
                ::send(peers[i].fd, "\x05\x00", 2, MSG_NOSIGNAL | MSG_DONTWAIT);
                peers[i].connected = true;
                continue;
            }
            char c;
            if (::recv(peers[i].fd, &c, 1, MSG_DONTWAIT) > 0)
                continue;
            ::close(peers[i].fd);
            peers[i].fd = -1;
            ++m_closed;
        }
        peers.erase(std::remove_if(peers.begin(), peers.end(), [](const Peer& p) { return p.fd < 0; }), peers.end());
    }
    for (const Peer& p : peers)
        ::close(p.fd);
}
