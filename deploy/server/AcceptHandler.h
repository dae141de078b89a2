#ifndef TIDEWAVE_ACCEPTHANDLER_H
#define TIDEWAVE_ACCEPTHANDLER_H

#include <ace/Event_Handler.h>
#include <ace/INET_Addr.h>
#include <ace/SOCK_Acceptor.h>

#include "DeployAdmission.h"

class ACE_Reactor;
struct DeployContext;

// The deploy server's listener: accepts each connection into a new
// ReadHandler, when DeployAdmission lets it in (closing a silent connection
// to make room, if need be).  A connection that cannot be accepted, served
// or let in is closed at once and the listener keeps listening.
class AcceptHandler : public ACE_Event_Handler {
public:
    AcceptHandler(ACE_Reactor* reactor, const ACE_INET_Addr& listenAddress, DeployContext& context);

    // 0 when the listener is open and registered, -1 otherwise.
    int open();
    // The port actually bound (useful when the address asked for port 0).
    unsigned short LocalPort() const;

    ACE_HANDLE get_handle() const override;
    int handle_input(ACE_HANDLE) override;
    int handle_close(ACE_HANDLE, ACE_Reactor_Mask) override;

private:
    ~AcceptHandler() override = default;

    // Takes a waiting connection off the queue and closes it, using the
    // spare descriptor when the process has none left, so that a full
    // descriptor table cannot make the reactor spin on the same connection.
    void DropWaitingConnection();
    // Logs that connections are closed to make room: at the first, then at
    // most once in kEvictionNoteEvery with their count, so that a crowd of
    // newcomers cannot flood the log.
    void NoteEviction(DeployAdmission::Clock::time_point now);

    static constexpr std::chrono::seconds kEvictionNoteEvery{1};

    ACE_Reactor* m_pReactor;
    int m_nSpareFd;
    ACE_SOCK_Acceptor m_acceptor;
    ACE_INET_Addr m_address;
    DeployContext& m_context;
    int m_nEvicted;
    DeployAdmission::Clock::time_point m_lastEvictionNote;
};

#endif
