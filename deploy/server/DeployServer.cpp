#include "DeployServer.h"

#include <cerrno>
#include <new>

#include <ace/Log_Msg.h>

#include "AcceptHandler.h"
#include "ReceiveFolder.h"

DeployServer::DeployServer(const ACE_INET_Addr& listenAddress, const DeployLimits& limits)
    : m_address(listenAddress), m_handOver(limits.maxWaiting), m_context(limits, m_handOver), m_reactor(&m_impl, false),
      m_acceptor(nullptr), m_running(false) {}

DeployServer::~DeployServer() { Stop(); }

int DeployServer::Open() {
    m_acceptor = new (std::nothrow) AcceptHandler(&m_reactor, m_address, m_context);
    if (m_acceptor == nullptr) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to allocate accept handler. (errno = %i: %m)\n"), ENOMEM));
        return -1;
    }
    if (m_acceptor->open() == -1) {
        const bool portInUse = errno == EADDRINUSE;  // already told in plain words
        m_acceptor->handle_close(ACE_INVALID_HANDLE, ACE_Event_Handler::ALL_EVENTS_MASK);
        m_acceptor = nullptr;
        if (!portInUse)
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to open accept handler. Exiting.\n")));
        return -1;
    }
    // Only the server that holds the port clears what an earlier run left.
    if (!ReceiveFolder::Prepare()) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to prepare the receive folder %C. (errno = %i: %m)\n"),
                   ReceiveFolder::Path().c_str(), errno));
        m_reactor.remove_handler(m_acceptor, ACE_Event_Handler::ACCEPT_MASK);
        m_acceptor = nullptr;
        return -1;
    }
    return 0;
}

unsigned short DeployServer::Port() const { return m_acceptor ? m_acceptor->LocalPort() : 0; }

int DeployServer::Start() {
    if (m_acceptor == nullptr || m_running)
        return -1;
    if (!m_handOver.Start())
        return -1;
    if (m_threads.spawn_n(1, ServerThreadFunc, &m_reactor) == -1) {
        m_handOver.Stop();
        return -1;
    }
    m_running = true;
    return 0;
}

void DeployServer::Wait() { m_threads.wait(); }

void DeployServer::Stop() {
    if (m_running) {
        m_reactor.end_reactor_event_loop();
        m_threads.wait();
        m_running = false;
    }
    if (m_acceptor != nullptr) {
        // Closing the reactor closes the listener and every connection.
        m_reactor.close();
        m_acceptor = nullptr;
    }
    m_handOver.Stop();
}

ACE_THR_FUNC_RETURN DeployServer::ServerThreadFunc(void* arg) {
    ACE_Reactor* reactor = static_cast<ACE_Reactor*>(arg);
    reactor->owner(ACE_Thread::self());
    reactor->run_reactor_event_loop();
    return 0;
}

int DeployServer::RunServer(const ACE_INET_Addr& listenAddress) {
    DeployServer server(listenAddress);
    if (server.Open() == -1 || server.Start() == -1)
        return -1;
    server.Wait();
    ACE_DEBUG((LM_DEBUG, ACE_TEXT("Bye. Bye.\n")));
    return 0;
}
