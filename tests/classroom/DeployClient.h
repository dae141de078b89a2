#ifndef TIDEWAVE_TEST_DEPLOYCLIENT_H
#define TIDEWAVE_TEST_DEPLOYCLIENT_H

#include <cstdint>
#include <string>

// The teacher's side of a deploy connection, on plain sockets.
class DeployClient {
public:
    explicit DeployClient(unsigned short port);
    ~DeployClient();

    bool Connected() const { return m_fd >= 0; }
    void Send(const std::string& bytes);
    static std::string Length(int32_t length);
    // Everything the server sends until it closes (or timeoutMs passes).
    std::string ReadUntilClosed(int timeoutMs = 10000);
    bool ClosedByServer() const { return m_closed; }
    void Close();

    // One whole delivery: length, payload, all answers until the close.
    static std::string Push(unsigned short port, const std::string& payload);

private:
    int m_fd;
    bool m_closed;
};

#endif
