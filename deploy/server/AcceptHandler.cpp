#include "AcceptHandler.h"

#include <cerrno>
#include <cstdio>
#include <new>

#include <fcntl.h>
#include <unistd.h>

#include <ace/Log_Msg.h>
#include <ace/Reactor.h>
#include <ace/SOCK_Stream.h>

#include "DeployContext.h"
#include "HandOverWorker.h"
#include "ReadHandler.h"

AcceptHandler::AcceptHandler(ACE_Reactor* reactor, const ACE_INET_Addr& listenAddress, DeployContext& context)
    : m_pReactor(reactor ? reactor : ACE_Reactor::instance()), m_nSpareFd(::open("/dev/null", O_RDONLY | O_CLOEXEC)),
      m_address(listenAddress), m_context(context), m_nEvicted(0),
      m_lastEvictionNote(DeployAdmission::Clock::now() - kEvictionNoteEvery) {}

void AcceptHandler::NoteEviction(DeployAdmission::Clock::time_point now) {
    ++m_nEvicted;
    if (now - m_lastEvictionNote < kEvictionNoteEvery)
        return;
    ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Closed %d connection(s) silent for longest to let new ones in.\n"),
               m_nEvicted));
    m_nEvicted = 0;
    m_lastEvictionNote = now;
}

void AcceptHandler::DropWaitingConnection() {
    ACE_SOCK_Stream dropped;
    ACE_Time_Value noWait(ACE_Time_Value::zero);
    if (m_acceptor.accept(dropped, nullptr, &noWait, true) == 0) {
        dropped.close();
        return;
    }
    if ((errno == EMFILE || errno == ENFILE) && m_nSpareFd >= 0) {
        ::close(m_nSpareFd);
        if (m_acceptor.accept(dropped, nullptr, &noWait, true) == 0)
            dropped.close();
        m_nSpareFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
}

int AcceptHandler::open() {
    if (m_acceptor.open(m_address, 1, PF_INET, 5, 0) == -1) {
        if (errno == EADDRINUSE) {
            // Said once, in words a user understands: nothing retries later.
            std::fprintf(stderr,
                         "Port %u is in use: school settings cannot be received until Tidewave is restarted.\n",
                         static_cast<unsigned>(m_address.get_port_number()));
            errno = EADDRINUSE;
        } else {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to open listening socket. (errno = %i: %m)\n"), errno));
        }
        return -1;
    }
    if (m_pReactor->register_handler(this, ACE_Event_Handler::ACCEPT_MASK) == -1) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to register accept handler. (errno = %i: %m)\n"), errno));
        if (m_acceptor.close() == -1)
            ACE_ERROR((LM_ERROR,
                       ACE_TEXT("%N:%l: Failed to close the socket after previous error. (errno = %i: %m)\n"),
                       errno));
        return -1;
    }
    return 0;
}

unsigned short AcceptHandler::LocalPort() const {
    ACE_INET_Addr local;
    if (m_acceptor.get_local_addr(local) == -1)
        return 0;
    return local.get_port_number();
}

ACE_HANDLE AcceptHandler::get_handle() const { return m_acceptor.get_handle(); }

int AcceptHandler::handle_input(ACE_HANDLE) {
    ReadHandler* reader = new (std::nothrow) ReadHandler(m_context);
    ACE_INET_Addr peerAddress;
    ACE_Time_Value noWait(ACE_Time_Value::zero);
    if (reader == nullptr) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to allocate reader. (errno = %i: %m)\n"), ENOMEM));
        DropWaitingConnection();
        return 0;
    }
    // The reactor said a connection is waiting; do not block if it went.
    if (m_acceptor.accept(reader->peer(), &peerAddress, &noWait, true) == -1) {
        const int error = errno;
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to accept client connection. (errno = %i: %m)\n"), error));
        reader->handle_close(ACE_INVALID_HANDLE, ACE_Event_Handler::ALL_EVENTS_MASK);
        if (error == EMFILE || error == ENFILE)
            DropWaitingConnection();
        return 0;
    }
    const uint32_t source = peerAddress.get_ip_address();
    const DeployAdmission::Clock::time_point now = DeployAdmission::Clock::now();
    const DeployAdmission::Decision decision =
        m_context.admission.Admit(source, m_context.handOver.Held(), now, ReadHandler::HasBytesWaiting);
    if (!decision.admit) {
        // Every place is taken by a peer that is sending or keeps up with the
        // floor rate, or by a delivery.
        reader->handle_close(ACE_INVALID_HANDLE, ACE_Event_Handler::ALL_EVENTS_MASK);
        return 0;
    }
    if (decision.evict != nullptr) {
        NoteEviction(now);
        m_pReactor->remove_handler(const_cast<ReadHandler*>(static_cast<const ReadHandler*>(decision.evict)),
                                   ACE_Event_Handler::READ_MASK);
    }
    m_context.admission.Add(reader, source, now);
    reader->peer().enable(ACE_NONBLOCK);
    if (m_pReactor->register_handler(reader, ACE_Event_Handler::READ_MASK) == -1) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to register read handler. (errno = %i: %m)\n"), errno));
        reader->handle_close(ACE_INVALID_HANDLE, ACE_Event_Handler::ALL_EVENTS_MASK);
        return 0;
    }
    if (!reader->ArmDeadlineTimer()) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to set the step deadline.\n")));
        m_pReactor->remove_handler(reader, ACE_Event_Handler::READ_MASK);
    }
    return 0;
}

int AcceptHandler::handle_close(ACE_HANDLE, ACE_Reactor_Mask) {
    if (m_nSpareFd >= 0)
        ::close(m_nSpareFd);
    if (m_acceptor.close() == -1)
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to close the socket. (errno = %i: %m)\n"), errno));
    delete this;
    return 0;
}
