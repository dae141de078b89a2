#include "Tricklers.h"

#include <algorithm>
#include <memory>
#include <string>

#include <poll.h>
#include <sys/socket.h>

#include "DeployClient.h"

namespace {

const int kPeers = 64;
const int kSources = 16;
const int32_t kAnnounced = 64 * 1024 * 1024;

struct Peer {
    std::unique_ptr<DeployClient> client;
    Tricklers::Clock::time_point opened;
    Tricklers::Clock::time_point due;
};

}  // namespace

Tricklers::Tricklers(unsigned short port, size_t piece, Clock::duration every)
    : m_port(port), m_piece(piece, 't'), m_every(every), m_thread([this] { Run(); }) {}

Tricklers::~Tricklers() { Stop(); }

std::vector<Tricklers::Clock::duration> Tricklers::Stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    return m_lives;
}

void Tricklers::Run() {
    std::vector<Peer> peers(kPeers);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kPeers; ++i)
        peers[i].due = start + m_every * i / kPeers;
    while (!m_stop) {
        Clock::time_point now = Clock::now();
        Clock::time_point nextDue = now + m_every;
        for (int i = 0; i < kPeers; ++i) {
            Peer& p = peers[i];
            if (p.due <= now) {
                if (p.client) {
                    p.client->Send(m_piece);
                } else {
                    p.client = std::make_unique<DeployClient>(m_port, "127.0.3." + std::to_string(1 + i % kSources));
                    p.opened = Clock::now();
                    if (p.client->Connected())
                        p.client->Send(DeployClient::Length(kAnnounced) + m_piece);
                    else
                        p.client.reset();
                }
                p.due += m_every;
            }
            nextDue = std::min(nextDue, p.due);
        }
        std::vector<pollfd> fds;
        for (const Peer& p : peers)
            fds.push_back(pollfd{p.client ? p.client->Fd() : -1, POLLIN, 0});
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextDue - Clock::now());
        ::poll(fds.data(), fds.size(), static_cast<int>(std::clamp<int64_t>(wait.count(), 0, 50)));
        now = Clock::now();
        for (int i = 0; i < kPeers; ++i) {
            if (fds[i].revents == 0)
                continue;
            char answer;
            if (::recv(fds[i].fd, &answer, 1, MSG_DONTWAIT) > 0) {
                // The server's time with it runs from its answer: on a
                // loaded machine the accept can come well after the connect.
                peers[i].opened = now;
                ++m_answered;
                continue;
            }
            m_lives.push_back(now - peers[i].opened);
            peers[i].client.reset();
            ++m_cut;
        }
    }
    const Clock::time_point end = Clock::now();
    for (const Peer& p : peers) {
        if (p.client)
            m_lives.push_back(end - p.opened);
    }
}
