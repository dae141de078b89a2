#ifndef TIDEWAVE_DEPLOYTHREAD_H
#define TIDEWAVE_DEPLOYTHREAD_H

#include <wx/thread.h>

#include <ace/INET_Addr.h>

#include "DeployConstants.h"

// Hosts the deploy server for the life of the process: sets it up and waits
// for its event-loop thread.  Made once by the application at start-up.
class DeployThread : public wxThread {
public:
    // Listens on port 4711 of every local IPv4 address unless told otherwise.
    explicit DeployThread(const ACE_INET_Addr& listenAddress = ACE_INET_Addr(DeployConstants::kPort,
                                                                             static_cast<ACE_UINT32>(INADDR_ANY)));

protected:
    ExitCode Entry() override;
    void OnExit() override;

private:
    ACE_INET_Addr m_listenAddress;
};

#endif
