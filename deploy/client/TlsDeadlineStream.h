#ifndef TIDEWAVE_TLSDEADLINESTREAM_H
#define TIDEWAVE_TLSDEADLINESTREAM_H

#include <cstddef>

#include <ace/SSL/SSL_SOCK_Stream.h>
#include <ace/Time_Value.h>

// Whole sends and receives over a connected TLS stream.  Each call either
// moves all of its bytes within its time limit or fails (errno ETIME on a
// time-out): a peer that trickles bytes or stalls cannot stretch one call
// past its limit, and a receive never settles for part of what was asked.
class TlsDeadlineStream {
public:
    explicit TlsDeadlineStream(ACE_SSL_SOCK_Stream& stream);

    bool SendAll(const void* data, size_t n, const ACE_Time_Value& limit);
    // False also when the peer closes the connection before n bytes came.
    bool ReceiveAll(void* data, size_t n, const ACE_Time_Value& limit);

private:
    // Waits until the socket is ready for what the TLS layer asked for
    // (sslError is SSL_ERROR_WANT_READ or SSL_ERROR_WANT_WRITE).
    // Sends (or receives) all n bytes before the deadline.
    bool TransferAll(void* data, size_t n, const ACE_Time_Value& limit, bool sending);
    bool WaitReady(int sslError, const ACE_Time_Value& deadline);

    ACE_SSL_SOCK_Stream& m_stream;
};

#endif
