#include "TlsDeadlineStream.h"

#include <cerrno>
#include <climits>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <ace/ACE.h>
#include <ace/OS_NS_sys_time.h>

namespace {

// Puts the socket into non-blocking mode for the life of one call.
class NonBlockingScope {
public:
    explicit NonBlockingScope(ACE_HANDLE handle) : m_handle(handle), m_old(0) {
        ACE::record_and_set_non_blocking_mode(m_handle, m_old);
    }
    ~NonBlockingScope() { ACE::restore_non_blocking_mode(m_handle, m_old); }

private:
    ACE_HANDLE m_handle;
    int m_old;
};

int ChunkLength(size_t n) { return n > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n); }

}  // namespace

TlsDeadlineStream::TlsDeadlineStream(ACE_SSL_SOCK_Stream& stream) : m_stream(stream) {}

bool TlsDeadlineStream::SendAll(const void* data, size_t n, const ACE_Time_Value& limit) {
    return TransferAll(const_cast<void*>(data), n, limit, true);
}

bool TlsDeadlineStream::ReceiveAll(void* data, size_t n, const ACE_Time_Value& limit) {
    return TransferAll(data, n, limit, false);
}

bool TlsDeadlineStream::TransferAll(void* data, size_t n, const ACE_Time_Value& limit, bool sending) {
    SSL* ssl = m_stream.ssl();
    if (ssl == nullptr || m_stream.get_handle() == ACE_INVALID_HANDLE) {
        errno = ENOTCONN;
        return false;
    }
    const ACE_Time_Value deadline = ACE_OS::gettimeofday() + limit;
    NonBlockingScope nonBlocking(m_stream.get_handle());
    char* bytes = static_cast<char*>(data);
    size_t done = 0;
    while (done < n) {
        ERR_clear_error();
        errno = 0;
        const int count = sending ? SSL_write(ssl, bytes + done, ChunkLength(n - done))
                                  : SSL_read(ssl, bytes + done, ChunkLength(n - done));
        if (count > 0) {
            done += static_cast<size_t>(count);
            continue;
        }
        const int error = SSL_get_error(ssl, count);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
            if (!WaitReady(error, deadline))
                return false;
            continue;
        }
        // A closed connection (with or without the TLS close notice) or a
        // broken record: the rest will not go or come.
        if (errno == 0)
            errno = ECONNRESET;
        ERR_clear_error();
        return false;
    }
    return true;
}

bool TlsDeadlineStream::WaitReady(int sslError, const ACE_Time_Value& deadline) {
    for (;;) {
        ACE_Time_Value left = deadline - ACE_OS::gettimeofday();
        if (left <= ACE_Time_Value::zero) {
            errno = ETIME;
            return false;
        }
        const int ready = ACE::handle_ready(m_stream.get_handle(), &left, sslError == SSL_ERROR_WANT_READ,
                                            sslError == SSL_ERROR_WANT_WRITE, 0);
        if (ready > 0)
            return true;
        if (ready == 0) {
            errno = ETIME;
            return false;
        }
        if (errno != EINTR)
            return false;
    }
}
