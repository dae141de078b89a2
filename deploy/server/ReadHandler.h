#ifndef TIDEWAVE_READHANDLER_H
#define TIDEWAVE_READHANDLER_H

#include <cstdint>
#include <memory>

#include <ace/Event_Handler.h>
#include <ace/SOCK_Stream.h>

#include "DownloadFile.h"
#include "TransferDeadline.h"

struct DeployContext;

// One deploy connection: a 4-byte little-endian length, the answer 'K' or
// 0x00, the payload, the confirmation 'K', the hand-over, then the close.
// While the program folder has no "cacert.pem" the payload becomes that
// certificate, otherwise the settings archive.
//
// The connection is read without blocking: each call takes only what has
// arrived, so a slow or silent peer holds up nobody else.  It is given up
// when it stays silent for a step's time, or runs past the time that what
// it sent allows (TransferDeadline), checked on the reactor's timer.  The
// payload goes to disk as it arrives; once it arrived whole the connection
// leaves the reactor as a delivery, which stores, confirms and hands the
// file over in its turn.  A length is answered 'K' only when room on disk
// is set aside for it (DeployAdmission), so that what peers announce
// together never fills the receive folder's file system.
class ReadHandler : public ACE_Event_Handler {
public:
    explicit ReadHandler(DeployContext& context);

    ACE_SOCK_Stream& peer() { return m_peer; }
    // The admission's test of a connection: bytes wait to be read.
    static bool HasBytesWaiting(const void* connection);
    // Sets the reactor's timer to the connection's deadline; false when no
    // timer could be set.
    bool ArmDeadlineTimer();

    ACE_HANDLE get_handle() const override;
    int handle_input(ACE_HANDLE) override;
    int handle_timeout(const ACE_Time_Value&, const void*) override;
    int handle_close(ACE_HANDLE, ACE_Reactor_Mask) override;

private:
    ~ReadHandler() override;
    void CancelDeadlineTimer();
    // Bytes arrived: the deadline moves on and the place is renewed.
    void Progress(int64_t received);

    // Each returns 0 to wait for more bytes, -1 when the connection ends.
    int ReadLength();
    // Sets room aside on disk for the announced length, closing
    // connections to make it when that frees enough; false when it does
    // not fit.
    bool SetAsideRoom();
    int ReadPayload();
    int BeginPayload();

    DeployContext& m_context;
    ACE_SOCK_Stream m_peer;
    unsigned char m_lengthBytes[4];
    size_t m_nLengthRead;
    int32_t m_nDataSize;
    int64_t m_nPayloadRead;
    int m_nState;
    bool m_bStepStarted;
    bool m_bCertificate;
    int m_nCallDepth;
    long m_nTimerId;
    TransferDeadline m_deadline;
    std::unique_ptr<DownloadFile> m_file;
};

#endif
