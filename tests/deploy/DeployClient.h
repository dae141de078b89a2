#ifndef TIDEWAVE_TEST_DEPLOYCLIENT_H
#define TIDEWAVE_TEST_DEPLOYCLIENT_H

#include <chrono>
#include <cstdint>
#include <string>

// The teacher's side of a deploy connection, on plain sockets.
class DeployClient {
public:
    // source: the loopback address to send from ("127.0.0.N"); empty for
    // the system's choice.
    explicit DeployClient(unsigned short port, const std::string& source = std::string());
    ~DeployClient();

    // A socket from source connected to the port; with wait false the
    // connection may still be under way.  -1 when it failed.
    static int Connect(unsigned short port, const std::string& source, bool wait);

    bool Connected() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    void Send(const std::string& bytes);
    static std::string Length(int32_t length);
    // Everything the server sends until it closes (or timeoutMs passes).
    std::string ReadUntilClosed(int timeoutMs = 10000);
    // The first bytes that arrive (empty when the server closes first, or
    // timeoutMs passes).
    std::string ReadSome(int timeoutMs);
    bool ClosedByServer() const { return m_closed; }
    void Close();

    // One whole delivery: length, payload, all answers until the close.
    static std::string Push(unsigned short port, const std::string& payload,
                            const std::string& source = std::string());
    // The same in writes pieces, gap apart (the length with the first), as
    // a program that writes in bursts or a link that waits to resend.
    static std::string PushPaced(unsigned short port, const std::string& payload, int writes,
                                 std::chrono::milliseconds gap, const std::string& source);

private:
    int m_fd;
    bool m_closed;
};

#endif
