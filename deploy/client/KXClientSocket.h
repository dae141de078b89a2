#ifndef TIDEWAVE_KXCLIENTSOCKET_H
#define TIDEWAVE_KXCLIENTSOCKET_H

#include <ace/Event_Handler.h>
#include <ace/Time_Value.h>

#include "DeployConstants.h"

// The pull side of the classroom settings exchange: connects over TLS to a
// settings server, tells it whether the server's certificate verified
// against the local "cacert.pem", and downloads one file in acknowledged
// chunks of at most 1024 bytes.  A file from a server that verified becomes
// the received "SchoolSettings.tar" and is handed over like a pushed one;
// while no CA certificate exists, the first download becomes that
// certificate when it is one PEM certificate.  A file from a server that did
// not verify is never taken while a CA certificate exists.
class KXClientSocket : public ACE_Event_Handler {
public:
    KXClientSocket();
    ~KXClientSocket() override;

    // Runs one exchange with host (address or host name) on port; every
    // connect, send and receive must finish within stepLimit.  Returns 0 when
    // the exchange ran to its end or was broken off after the connection,
    // 1 when the connection could not be made or not be closed.
    static int DownloadSchoolSettings(const char* host, unsigned short port = DeployConstants::kPort,
                                      const ACE_Time_Value& stepLimit =
                                          ACE_Time_Value(DeployConstants::kStepSeconds));
};

#endif
