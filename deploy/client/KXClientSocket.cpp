#include "KXClientSocket.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>

#include <sys/stat.h>

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

#include <ace/INET_Addr.h>
#include <ace/Log_Msg.h>
#include <ace/SSL/SSL_Context.h>
#include <ace/SSL/SSL_SOCK_Connector.h>
#include <ace/SSL/SSL_SOCK_Stream.h>

#include "CertificateVerifier.h"
#include "DownloadFile.h"
#include "KXClientSubject.h"
#include "ProgramFolder.h"
#include "ReceiveFolder.h"
#include "SigPipeGuard.h"
#include "TlsDeadlineStream.h"

namespace {

constexpr size_t kChunkSize = 1024;

void EncodeLittleEndian(int32_t value, unsigned char out[4]) {
    const uint32_t u = static_cast<uint32_t>(value);
    out[0] = static_cast<unsigned char>(u & 0xFF);
    out[1] = static_cast<unsigned char>((u >> 8) & 0xFF);
    out[2] = static_cast<unsigned char>((u >> 16) & 0xFF);
    out[3] = static_cast<unsigned char>((u >> 24) & 0xFF);
}

int32_t DecodeLittleEndian(const unsigned char in[4]) {
    return static_cast<int32_t>(static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
                                static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24);
}

// The verification result of the server's certificate; a server that showed
// no certificate at all has not verified.
int32_t VerifyResult(SSL* ssl) {
    if (ssl == nullptr || SSL_get0_peer_certificate(ssl) == nullptr)
        return X509_V_ERR_UNSPECIFIED;
    return static_cast<int32_t>(SSL_get_verify_result(ssl));
}

// Closes the TLS stream and, should the TLS shutdown fail, the socket under
// it all the same.  False when either failed.
bool CloseStream(ACE_SSL_SOCK_Stream& stream) {
    const bool closed = stream.close() == 0;
    if (!closed) {
        const int savedErrno = errno;
        stream.peer().close();
        errno = savedErrno;
    }
    ERR_clear_error();
    return closed;
}

int BreakOff(ACE_SSL_SOCK_Stream& stream) {
    CloseStream(stream);
    std::puts("Bye. Bye");
    return 0;
}

}  // namespace

KXClientSocket::KXClientSocket() : ACE_Event_Handler(nullptr, ACE_Event_Handler::LO_PRIORITY) {}

KXClientSocket::~KXClientSocket() = default;

int KXClientSocket::DownloadSchoolSettings(const char* host, unsigned short port, const ACE_Time_Value& stepLimit) {
    SigPipeGuard noSigPipe;

    // A context of this exchange alone, trusting "cacert.pem" as it stands
    // now and nothing else: ACE fills a new context's store from the
    // system's default CA locations, which must not vouch for a settings
    // server, and a store shared across downloads would go on trusting a CA
    // that has since been replaced.
    const std::string caPath = ProgramFolder::File(DeployConstants::kCaFileName);
    ACE_SSL_Context context;
    context.set_mode(ACE_SSL_Context::SSLv23_client);
    if (context.context() != nullptr)
        SSL_CTX_set_cert_store(context.context(), X509_STORE_new());
    context.load_trusted_ca(caPath.c_str(), nullptr, false);
    ERR_clear_error();
    struct stat st;
    const bool caPresent = ::stat(caPath.c_str(), &st) == 0;

    std::printf("[Client] connect to server: %s\n", host != nullptr ? host : "");
    std::fflush(stdout);
    ACE_SSL_SOCK_Stream stream(&context);
    ACE_INET_Addr server;
    ACE_SSL_SOCK_Connector connector;
    ACE_Time_Value connectLimit(stepLimit);
    if (host == nullptr || server.set(port, host) != 0 ||
        connector.connect(stream, server, &connectLimit) == -1) {
        if (host == nullptr)
            errno = EINVAL;
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to connect to server. (errno = %i: %m)\n"), errno));
        // No TLS session stands to be shut down; only the socket may remain.
        stream.peer().close();
        ERR_clear_error();
        return 1;
    }

    const int32_t result = VerifyResult(stream.ssl());
    std::printf("[Client] SSL_get_verify_result = %d\n", result);

    TlsDeadlineStream io(stream);
    unsigned char word[4];
    EncodeLittleEndian(result, word);
    if (!io.SendAll(word, sizeof word, stepLimit)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to  send request. (errno = %i: %m)\n"), errno));
        return BreakOff(stream);
    }
    std::printf("[Client] send lResult = %d\n", result);

    if (!io.ReceiveAll(word, sizeof word, stepLimit)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N: %l: Failed to receive 1st response. (errno = %i: %m)\n"), errno));
        return BreakOff(stream);
    }
    const int32_t size = DecodeLittleEndian(word);
    std::printf("[Client] receive the File size = %d\n", size);

    if (size > 0) {
        // Without a CA certificate the first download becomes it; with one,
        // only a server that verified may deliver.
        if (result != 0 && caPresent) {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: The server's certificate did not verify (%d); "
                                          "its file is not taken.\n"),
                       result));
            return BreakOff(stream);
        }
        const bool isCertificate = result != 0;
        const int32_t largest =
            isCertificate ? DeployConstants::kMaxCertificateSize : DeployConstants::kMaxPayloadSize;
        if (size > largest) {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Refused a file of %d bytes (at most %d).\n"), size, largest));
            return BreakOff(stream);
        }
        const std::string target = isCertificate ? caPath : ReceiveFolder::ArchivePath();

        std::printf("[Client] allocate the memory nDataSize:%d\n", size);
        std::fflush(stdout);
        const char ack = DeployConstants::kAccept;
        if (!io.SendAll(&ack, 1, stepLimit)) {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to send someData. (errno = %i: %m)\n"), errno));
            return BreakOff(stream);
        }

        DownloadFile file;
        if ((!isCertificate && !ReceiveFolder::Make()) || !file.Open(target)) {
            CloseStream(stream);
            return 0;
        }
        char chunk[kChunkSize];
        size_t rest = static_cast<size_t>(size);
        while (rest > 0) {
            const size_t n = rest < kChunkSize ? rest : kChunkSize;
            if (!io.ReceiveAll(chunk, n, stepLimit)) {
                ACE_ERROR((LM_ERROR, ACE_TEXT("%N: %l: Failed to receive 2nd response. (errno = %i: %m)\n"),
                           errno));
                return BreakOff(stream);
            }
            // Written before it is acknowledged, so that the server never
            // hears 'K' for a chunk that was not kept.
            if (!file.Write(chunk, n)) {
                ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to store %C. (errno = %i: %m)\n"), target.c_str(),
                           errno));
                return BreakOff(stream);
            }
            if (!io.SendAll(&ack, 1, stepLimit)) {
                ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to send someData. (errno = %i: %m)\n"), errno));
                return BreakOff(stream);
            }
            rest -= n;
        }
        if (isCertificate && !CertificateVerifier::IsOnePemCertificate(file.TemporaryPath())) {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: The file received is not one PEM certificate; %C is not stored.\n"),
                       target.c_str()));
            return BreakOff(stream);
        }
        if (!file.Commit()) {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to store %C. (errno = %i: %m)\n"), target.c_str(),
                       errno));
            return BreakOff(stream);
        }
    }

    if (result == 0)
        KXClientSubject::GetInstance()->Publish();

    if (!CloseStream(stream)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to close socket. (errno = %i: %m)\n"), errno));
        return 1;
    }
    std::puts("Bye. Bye");
    return 0;
}
