#include "sim/LibraryThread.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Every way a file's content or name can change under its folder.
const uint32_t kFolderEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_ATTRIB;

}  // namespace

LibraryThread::LibraryThread()
    : m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), m_notifyFd(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {}

LibraryThread::~LibraryThread() {
    Stop();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    if (m_notifyFd >= 0)
        ::close(m_notifyFd);
}

void LibraryThread::Start(std::function<void()> tick) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_running)
        return;
    m_tick = std::move(tick);
    m_stop = false;
    m_running = true;
    m_thread = std::thread(&LibraryThread::Run, this);
}

void LibraryThread::Wake() {
    const uint64_t one = 1;
    while (::write(m_wakeFd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void LibraryThread::Watch(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_watch >= 0)
        ::inotify_rm_watch(m_notifyFd, m_watch);
    m_watch = -1;
    m_name.clear();
    if (path.empty() || m_notifyFd < 0)
        return;
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    m_name = slash == std::string::npos ? path : path.substr(slash + 1);
    m_watch = ::inotify_add_watch(m_notifyFd, folder.c_str(), kFolderEvents | IN_ONLYDIR);
}

void LibraryThread::Stop() {
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_stop = true;
        m_running = false;
        thread = std::move(m_thread);
    }
    Wake();
    if (thread.get_id() == std::this_thread::get_id())
        thread.detach();
    else if (thread.joinable())
        thread.join();
}

bool LibraryThread::IsRunning() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running;
}

bool LibraryThread::IsThisThread() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_running && m_thread.get_id() == std::this_thread::get_id();
}

bool LibraryThread::WatchedFileChanged() {
    alignas(inotify_event) char buffer[4096];
    bool changed = false;
    for (;;) {
        const ssize_t n = ::read(m_notifyFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return changed;
        std::lock_guard<std::mutex> lock(m_mutex);
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // An overflow may have swallowed the file's own event.
            if ((event->mask & IN_Q_OVERFLOW) != 0 ||
                (event->wd == m_watch && event->len > 0 && m_name == event->name))
                changed = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

void LibraryThread::Run() {
    pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {m_notifyFd, POLLIN, 0}};
    for (;;) {
        if (::poll(fds, m_notifyFd >= 0 ? 2 : 1, -1) < 0 && errno != EINTR)
            return;
        bool tick = false;
        if ((fds[0].revents & POLLIN) != 0) {
            uint64_t count;
            tick = ::read(m_wakeFd, &count, sizeof count) == sizeof count;
        }
        if ((fds[1].revents & POLLIN) != 0 && WatchedFileChanged())
            tick = true;
        std::function<void()> work;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop)
                return;
            work = m_tick;
        }
        if (tick)
            work();
    }
}
