#ifndef TIDEWAVE_DEPLOYSERVER_H
#define TIDEWAVE_DEPLOYSERVER_H

#include <ace/INET_Addr.h>
#include <ace/Reactor.h>
#include <ace/TP_Reactor.h>
#include <ace/Thread_Manager.h>

#include "DeployConstants.h"
#include "DeployContext.h"
#include "DeployLimits.h"
#include "HandOverWorker.h"

class AcceptHandler;

// The deploy server: a thread-pool reactor with one event-loop thread that
// accepts and receives for every connection at once, and a worker that
// completes the received files (store, confirm, hand over: the import) one
// at a time.
class DeployServer {
public:
    explicit DeployServer(const ACE_INET_Addr& listenAddress, const DeployLimits& limits = DeployLimits());
    ~DeployServer();
    DeployServer(const DeployServer&) = delete;
    DeployServer& operator=(const DeployServer&) = delete;

    // Opens the listener and makes the receive folder afresh; 0 or -1.
    int Open();
    unsigned short Port() const;
    // Starts the event-loop thread; 0 or -1.
    int Start();
    // Waits until the event-loop thread has ended.
    void Wait();
    // Ends the event loop, waits for it, closes every connection and lets
    // the hand-overs already queued finish.
    void Stop();

    // Sets the server up on listenAddress and serves until the event loop
    // ends; -1 when it cannot be set up, else 0.
    static int RunServer(const ACE_INET_Addr& listenAddress);

private:
    static ACE_THR_FUNC_RETURN ServerThreadFunc(void* arg);

    ACE_INET_Addr m_address;
    HandOverWorker m_handOver;
    DeployContext m_context;
    ACE_TP_Reactor m_impl;
    ACE_Reactor m_reactor;
    ACE_Thread_Manager m_threads;
    AcceptHandler* m_acceptor;
    bool m_running;
};

#endif
