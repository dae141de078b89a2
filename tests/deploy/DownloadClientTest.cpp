#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <gtest/gtest.h>

#include "DeployClient.h"
#include "KXClientSocket.h"
#include "KXClientSubject.h"
#include "ProgramFolder.h"
#include "ReceiveFolder.h"
#include "TestCertificates.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The settings server's side of one connection, as the test scripts it.
class ServerSide {
public:
    ServerSide(SSL* ssl, int fd) : m_ssl(ssl), m_fd(fd) {}

    // Up to n bytes; fewer only when the client closed or went quiet.
    std::string Read(size_t n) {
        std::string bytes;
        char buffer[4096];
        while (bytes.size() < n) {
            const size_t want = std::min(sizeof buffer, n - bytes.size());
            const int r = m_ssl ? SSL_read(m_ssl, buffer, static_cast<int>(want))
                                : static_cast<int>(::recv(m_fd, buffer, want, 0));
            if (r <= 0)
                break;
            bytes.append(buffer, static_cast<size_t>(r));
        }
        received += bytes;
        return bytes;
    }
    // One TLS record per call.
    void Write(const std::string& bytes) {
        if (!bytes.empty())
            SSL_write(m_ssl, bytes.data(), static_cast<int>(bytes.size()));
    }
    void Drain() {
        while (!Read(1).empty()) {
        }
    }
    void Shutdown() {
        SSL_shutdown(m_ssl);
        ::shutdown(m_fd, SHUT_RDWR);
    }

    std::string received;   // every byte the client sent

private:
    SSL* m_ssl;
    int m_fd;
};

// A settings server for one connection on a loopback port of its own.  The
// script runs on the server's thread; afterwards whatever else the client
// sends is read until it closes.  Without a certificate the server accepts the
// connection and never starts TLS.
class TlsTestServer {
public:
    using Script = std::function<void(ServerSide&)>;

    TlsTestServer(const std::string& cert, const std::string& key, Script script) {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(m_listener, 1) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
            throw std::runtime_error("cannot listen on loopback");
        m_port = ntohs(addr.sin_port);
        if (!cert.empty()) {
            m_ctx = SSL_CTX_new(TLS_server_method());
            if (SSL_CTX_use_certificate_file(m_ctx, cert.c_str(), SSL_FILETYPE_PEM) != 1 ||
                SSL_CTX_use_PrivateKey_file(m_ctx, key.c_str(), SSL_FILETYPE_PEM) != 1)
                throw std::runtime_error("cannot load the server certificate");
        }
        m_thread = std::thread([this, script] { Serve(script); });
    }
    ~TlsTestServer() {
        Join();
        if (m_ctx)
            SSL_CTX_free(m_ctx);
        ::close(m_listener);
    }

    unsigned short Port() const { return m_port; }
    // Waits for the server to finish; then Received() is complete.
    void Join() {
        if (m_thread.joinable())
            m_thread.join();
    }
    const std::string& Received() const { return m_received; }

private:
    void Serve(const Script& script) {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        pollfd p{m_listener, POLLIN, 0};
        if (::poll(&p, 1, 10000) != 1)
            return;
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return;
        timeval limit{10, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        SSL* ssl = nullptr;
        if (m_ctx) {
            ssl = SSL_new(m_ctx);
            SSL_set_fd(ssl, fd);
            if (SSL_accept(ssl) != 1) {
                SSL_free(ssl);
                ::close(fd);
                return;
            }
        }
        ServerSide side(ssl, fd);
        script(side);
        side.Drain();
        m_received = side.received;
        if (ssl)
            SSL_free(ssl);
        ::close(fd);
        ERR_clear_error();
    }

    int m_listener = -1;
    unsigned short m_port = 0;
    SSL_CTX* m_ctx = nullptr;
    std::thread m_thread;
    std::string m_received;
};

class CountingObserver : public KXClientObserver {
public:
    void Republish() override { ++calls; }
    std::atomic<int> calls{0};
};

std::string Pattern(size_t n) {
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return bytes;
}

const std::string kVerified("\0\0\0\0", 4);

class DownloadClientTest : public ::testing::Test {
protected:
    DownloadClientTest() : m_certs(MakeCertFolder(m_tree)) {}

    void SetUp() override {
        TestEnvironment::ResetFolders();
        m_program = m_tree / "program";
        TestTree::MakeDirs(m_program);
        ProgramFolder::Set(m_program);
        ASSERT_TRUE(ReceiveFolder::Make());
        KXClientSubject::GetInstance()->SetObserver(&m_observer);
    }
    void TearDown() override { KXClientSubject::GetInstance()->SetObserver(nullptr); }

    static std::string MakeCertFolder(const TestTree& tree) {
        TestTree::MakeDirs(tree / "certs");
        return tree / "certs";
    }
    void InstallCa(const std::string& file) { TestTree::WriteFile(CaFile(), TestTree::ReadFile(file)); }
    std::string CaFile() const { return m_program + "/cacert.pem"; }
    static std::string ArchiveFile() { return ReceiveFolder::ArchivePath(); }
    static std::set<std::string> Listing(const std::string& folder) {
        std::set<std::string> names;
        if (DIR* d = ::opendir(folder.c_str())) {
            while (dirent* e = ::readdir(d))
                names.insert(e->d_name);
            ::closedir(d);
        }
        names.erase(".");
        names.erase("..");
        return names;
    }
    int Download(unsigned short port) {
        return KXClientSocket::DownloadSchoolSettings("127.0.0.1", port, ACE_Time_Value(1));
    }
    // Serves size, then payload in chunks the way a settings server does.
    static TlsTestServer::Script Serving(int32_t size, const std::string& payload) {
        return [size, payload](ServerSide& s) {
            s.Read(4);
            s.Write(DeployClient::Length(size));
            if (size <= 0 || s.Read(1) != "K")
                return;
            for (size_t at = 0; at < payload.size(); at += 1024) {
                s.Write(payload.substr(at, 1024));
                if (s.Read(1) != "K")
                    return;
            }
        };
    }

    TestTree m_tree;
    TestCertificates m_certs;
    std::string m_program;
    CountingObserver m_observer;
};

TEST_F(DownloadClientTest, VerifiedFileArrivesInAcknowledgedChunksAndIsHandedOver) {
    InstallCa(m_certs.caFile);
    const std::string payload = Pattern(2500);
    // Each chunk comes as two records with a pause between them: the client
    // must wait for the whole chunk rather than take the first part.
    TlsTestServer server(m_certs.serverCert, m_certs.serverKey, [&payload](ServerSide& s) {
        s.Read(4);
        s.Write(DeployClient::Length(2500));
        s.Read(1);
        for (size_t at = 0; at < payload.size(); at += 1024) {
            const std::string chunk = payload.substr(at, 1024);
            s.Write(chunk.substr(0, 300));
            std::this_thread::sleep_for(50ms);
            s.Write(chunk.substr(300));
            s.Read(1);
        }
    });
    EXPECT_EQ(Download(server.Port()), 0);
    server.Join();
    EXPECT_EQ(server.Received(), kVerified + "KKKK");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), payload);
    EXPECT_EQ(Listing(ReceiveFolder::Path()), std::set<std::string>{"SchoolSettings.tar"});
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DownloadClientTest, EmptyOrNegativeSizeGetsNoAnswerButAVerifiedServerIsHandedOver) {
    InstallCa(m_certs.caFile);
    for (int32_t size : {0, -5}) {
        SCOPED_TRACE(size);
        m_observer.calls = 0;
        TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(size, ""));
        EXPECT_EQ(Download(server.Port()), 0);
        server.Join();
        EXPECT_EQ(server.Received(), kVerified);
        EXPECT_FALSE(TestTree::Exists(ArchiveFile()));
        EXPECT_EQ(m_observer.calls.load(), 1);
    }
}

TEST_F(DownloadClientTest, WithoutCaTheFirstDownloadBecomesTheCaAndLaterOnesVerifyAgainstIt) {
    const std::string ca = TestTree::ReadFile(m_certs.caFile);
    {
        // Anything but one PEM certificate leaves the slot free.
        TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(1200, std::string(1200, 'g')));
        EXPECT_EQ(Download(server.Port()), 0);
        server.Join();
        EXPECT_FALSE(TestTree::Exists(CaFile()));
    }
    {
        TlsTestServer server(m_certs.serverCert, m_certs.serverKey,
                             Serving(static_cast<int32_t>(ca.size()), ca));
        EXPECT_EQ(Download(server.Port()), 0);
        server.Join();
        EXPECT_NE(server.Received().substr(0, 4), kVerified);
    }
    EXPECT_EQ(TestTree::ReadFile(CaFile()), ca);
    EXPECT_FALSE(TestTree::Exists(ArchiveFile()));
    EXPECT_EQ(m_observer.calls.load(), 0);
    EXPECT_EQ(Listing(m_program), std::set<std::string>{"cacert.pem"});

    const std::string archive = Pattern(1500);
    TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(1500, archive));
    EXPECT_EQ(Download(server.Port()), 0);
    server.Join();
    EXPECT_EQ(server.Received(), kVerified + "KKK");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), archive);
    EXPECT_EQ(TestTree::ReadFile(CaFile()), ca);
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DownloadClientTest, OnlyTheCurrentCaFileIsTrusted) {
    // A server of another CA reports its result and then gets nothing more,
    // even when the environment names that CA as the default trust store.
    InstallCa(m_certs.caFile);
    TestTree::WriteFile(ArchiveFile(), "previous archive");
    setenv("SSL_CERT_FILE", m_certs.otherCaFile.c_str(), 1);
    {
        TlsTestServer server(m_certs.foreignCert, m_certs.foreignKey, Serving(10, "0123456789"));
        EXPECT_EQ(Download(server.Port()), 0);
        server.Join();
        EXPECT_EQ(server.Received().size(), 4u);
        EXPECT_NE(server.Received(), kVerified);
    }
    unsetenv("SSL_CERT_FILE");
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "previous archive");
    EXPECT_EQ(m_observer.calls.load(), 0);
    TestTree::RemoveAll(ArchiveFile());

    // A CA that verified an earlier download is no longer trusted once the
    // CA file holds another one.
    {
        TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(0, ""));
        EXPECT_EQ(Download(server.Port()), 0);
        server.Join();
        EXPECT_EQ(server.Received(), kVerified);
    }
    InstallCa(m_certs.otherCaFile);
    TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(10, "0123456789"));
    EXPECT_EQ(Download(server.Port()), 0);
    server.Join();
    EXPECT_EQ(server.Received().size(), 4u);
    EXPECT_NE(server.Received(), kVerified);
    EXPECT_FALSE(TestTree::Exists(ArchiveFile()));
    EXPECT_EQ(m_observer.calls.load(), 1);
}

TEST_F(DownloadClientTest, ChunkThatStopsShortLeavesNothingBehind) {
    InstallCa(m_certs.caFile);
    TestTree::WriteFile(ArchiveFile(), "previous archive");
    const std::string payload = Pattern(3000);
    const std::function<void(ServerSide&)> endings[] = {
        [](ServerSide&) {},                     // stalls: sends no more and waits
        [](ServerSide& s) { s.Shutdown(); },    // closes the connection
    };
    for (const auto& ending : endings) {
        TlsTestServer server(m_certs.serverCert, m_certs.serverKey, [&](ServerSide& s) {
            s.Read(4);
            s.Write(DeployClient::Length(3000));
            s.Read(1);
            s.Write(payload.substr(0, 1024));
            s.Read(1);
            s.Write(payload.substr(1024, 500));
            ending(s);
        });
        const auto start = Clock::now();
        EXPECT_EQ(Download(server.Port()), 0);
        EXPECT_LT(Clock::now() - start, 8s);
        server.Join();
        // The partial chunk is never acknowledged.
        EXPECT_EQ(server.Received(), kVerified + "KK");
        EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "previous archive");
        EXPECT_EQ(Listing(ReceiveFolder::Path()), std::set<std::string>{"SchoolSettings.tar"});
        EXPECT_EQ(m_observer.calls.load(), 0);
    }
}

TEST_F(DownloadClientTest, ServerThatClosesBeforeTheLastAcknowledgementDoesNotEndTheProcess) {
    struct sigaction current;
    ASSERT_EQ(sigaction(SIGPIPE, nullptr, &current), 0);
    ASSERT_EQ(current.sa_handler, SIG_DFL) << "SIGPIPE must be live for this test to mean anything";
    InstallCa(m_certs.caFile);
    const std::string payload = Pattern(1024);
    TlsTestServer server(m_certs.serverCert, m_certs.serverKey, [&](ServerSide& s) {
        s.Read(4);
        s.Write(DeployClient::Length(1024));
        s.Read(1);
        s.Write(payload);
        s.Shutdown();
    });
    const int rc = Download(server.Port());
    server.Join();
    EXPECT_TRUE(rc == 0 || rc == 1);
    sigset_t pending;
    sigpending(&pending);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0);
}

TEST_F(DownloadClientTest, SizesBeyondTheLimitsAreRefusedBeforeAnyAcknowledgement) {
    InstallCa(m_certs.caFile);
    TestTree::WriteFile(ArchiveFile(), "previous archive");
    for (int32_t size : {64 * 1024 * 1024 + 1, 0x7FFFFFFF}) {
        SCOPED_TRACE(size);
        TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(size, Pattern(2048)));
        EXPECT_EQ(Download(server.Port()), 0);
        server.Join();
        EXPECT_EQ(server.Received(), kVerified);
        EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), "previous archive");
    }
    EXPECT_EQ(m_observer.calls.load(), 0);

    // A certificate is kept to the size the deploy server allows.
    TestTree::RemoveAll(CaFile());
    TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(50001, Pattern(50001)));
    EXPECT_EQ(Download(server.Port()), 0);
    server.Join();
    EXPECT_EQ(server.Received().size(), 4u);
    EXPECT_FALSE(TestTree::Exists(CaFile()));
    EXPECT_EQ(Listing(m_program), std::set<std::string>{});
}

TEST_F(DownloadClientTest, LinkAtTheArchivePathIsReplacedNotFollowed) {
    InstallCa(m_certs.caFile);
    const std::string victim = m_tree / "victim";
    TestTree::WriteFile(victim, "not yours");
    ASSERT_EQ(::symlink(victim.c_str(), ArchiveFile().c_str()), 0);
    const std::string payload = Pattern(700);
    TlsTestServer server(m_certs.serverCert, m_certs.serverKey, Serving(700, payload));
    EXPECT_EQ(Download(server.Port()), 0);
    server.Join();
    EXPECT_EQ(TestTree::ReadFile(victim), "not yours");
    struct stat st;
    ASSERT_EQ(::lstat(ArchiveFile().c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(TestTree::ReadFile(ArchiveFile()), payload);
}

TEST_F(DownloadClientTest, ConnectionThatCannotBeMadeReturnsOne) {
    InstallCa(m_certs.caFile);
    // A port that is bound but not listening refuses connections.
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len), 0);
    EXPECT_EQ(Download(ntohs(addr.sin_port)), 1);
    ::close(fd);

    // A peer that takes the connection and never answers the handshake.
    TlsTestServer mute("", "", [](ServerSide&) {});
    const auto start = Clock::now();
    EXPECT_EQ(Download(mute.Port()), 1);
    EXPECT_LT(Clock::now() - start, 8s);
    mute.Join();
    EXPECT_EQ(m_observer.calls.load(), 0);
    EXPECT_FALSE(TestTree::Exists(ArchiveFile()));
}

}  // namespace
