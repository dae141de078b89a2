#include "ReadHandler.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ace/Log_Msg.h>
#include <ace/Reactor.h>
#include <ace/OS_NS_sys_time.h>

#include "DeployConstants.h"
#include "KXClientSubject.h"
#include "PosixIo.h"
#include "ProgramFolder.h"
#include "SystemPaths.h"

namespace {

enum State { kLengthExpected = 0, kPayloadExpected = 1, kDone = 2 };

}  // namespace

ReadHandler::ReadHandler(const ACE_Time_Value& stepDeadline)
    : m_nDataSize(0), m_nState(kLengthExpected), m_nCallDepth(0), m_stepDeadline(stepDeadline), m_nTimerId(-1) {}

ReadHandler::~ReadHandler() {
    if (m_peer.close() == -1)
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to close socket. (errno = %i: %m)\n"), errno));
}

ACE_HANDLE ReadHandler::get_handle() const { return m_peer.get_handle(); }

bool ReadHandler::ArmStepTimer() {
    CancelStepTimer();
    if (reactor() == nullptr)
        return false;
    m_nTimerId = reactor()->schedule_timer(this, nullptr, m_stepDeadline);
    return m_nTimerId != -1;
}

void ReadHandler::CancelStepTimer() {
    if (m_nTimerId != -1 && reactor() != nullptr)
        reactor()->cancel_timer(m_nTimerId, nullptr, 1);
    m_nTimerId = -1;
}

int ReadHandler::handle_timeout(const ACE_Time_Value&, const void*) {
    // The peer let a whole step pass without a byte: the connection ends.
    ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Peer silent past the step deadline; closing.\n")));
    return -1;
}

int ReadHandler::handle_close(ACE_HANDLE, ACE_Reactor_Mask mask) {
    if (mask == ACE_Event_Handler::TIMER_MASK) {
        // Closed by its deadline: take it off the reactor's read set too.
        m_nTimerId = -1;
        if (reactor() != nullptr)
            reactor()->remove_handler(this, ACE_Event_Handler::READ_MASK | ACE_Event_Handler::DONT_CALL);
    } else {
        CancelStepTimer();
    }
    delete this;
    return 0;
}

int ReadHandler::handle_input(ACE_HANDLE) {
    std::puts("5 ");
    if (m_nCallDepth > 0)
        ACE_ERROR((LM_ERROR, ACE_TEXT("Multiple invocations detected.\n")));
    ++m_nCallDepth;
    // The step is served now, within its own deadline.
    CancelStepTimer();
    const ACE_Time_Value deadline = ACE_OS::gettimeofday() + m_stepDeadline;
    int rc = -1;
    switch (m_nState) {
    case kLengthExpected:
        m_nState = kPayloadExpected;
        rc = ReceiveLength(deadline);
        break;
    case kPayloadExpected:
        m_nState = kDone;
        rc = ReceivePayload(deadline);
        break;
    default:
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: We should not get here.")));
        break;
    }
    // Waiting for the next step starts that step's deadline.
    if (rc == 0 && !ArmStepTimer())
        rc = -1;
    --m_nCallDepth;
    return rc;
}

int ReadHandler::ReceiveLength(const ACE_Time_Value& deadline) {
    unsigned char raw[4];
    if (!ReceiveAll(reinterpret_cast<char*>(raw), sizeof raw, deadline)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to receive request. (errno = %i: %m)\n"), errno));
        return -1;
    }
    ACE_DEBUG((LM_DEBUG, ACE_TEXT(".")));
    m_nDataSize = static_cast<int32_t>(static_cast<uint32_t>(raw[0]) | static_cast<uint32_t>(raw[1]) << 8 |
                                       static_cast<uint32_t>(raw[2]) << 16 | static_cast<uint32_t>(raw[3]) << 24);
    char answer = DeployConstants::kRefuse;
    if (m_nDataSize > 0 && m_nDataSize <= DeployConstants::kMaxPayloadSize) {
        m_pData.reset(new (std::nothrow) char[static_cast<size_t>(m_nDataSize)]);
        if (m_pData)
            answer = DeployConstants::kAccept;
        else
            ACE_DEBUG((LM_DEBUG, ACE_TEXT("%N:%l: Failed to allocate data buffer.\n")));
    }
    if (!SendByte(answer, deadline)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to send response. (errno = %i: %m)\n"), errno));
        return -1;
    }
    return answer == DeployConstants::kAccept ? 0 : -1;
}

int ReadHandler::ReceivePayload(const ACE_Time_Value& deadline) {
    const std::string caPath = ProgramFolder::File(DeployConstants::kCaFileName);
    struct stat st;
    const bool caPresent = ::stat(caPath.c_str(), &st) == 0;
    if (!caPresent && m_nDataSize > DeployConstants::kMaxCertificateSize)
        return -1;
    const std::string target = caPresent ? SystemPaths::Fixed(DeployConstants::kArchivePath) : caPath;

    if (!ReceiveAll(m_pData.get(), static_cast<size_t>(m_nDataSize), deadline)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to receive data.(errno = %i: %m)\n"), errno));
        return -1;
    }
    if (!Store(target))
        return -1;
    if (!SendByte(DeployConstants::kAccept, deadline)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to send confirmation. (errno = %i: %m)\n"), errno));
        return -1;
    }
    KXClientSubject::GetInstance()->Publish();
    return -1;
}

bool ReadHandler::Store(const std::string& target) {
    // A file of another user at the target is left alone; a link there is
    // replaced, never followed.
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0 && st.st_uid != ::geteuid()) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Target %C belongs to another user.\n"), target.c_str()));
        return false;
    }
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string tmpl = folder + "/." + base + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to open %C. (errno = %i: %m)\n"), target.c_str(), errno));
        return false;
    }
    bool ok = PosixIo::WriteAll(fd, m_pData.get(), static_cast<size_t>(m_nDataSize)) && ::fsync(fd) == 0;
    if (::close(fd) != 0)
        ok = false;
    if (ok)
        ok = ::rename(name.data(), target.c_str()) == 0;
    if (!ok) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to store %C. (errno = %i: %m)\n"), target.c_str(), errno));
        ::unlink(name.data());
    }
    return ok;
}

bool ReadHandler::ReceiveAll(char* buffer, size_t n, const ACE_Time_Value& deadline) {
    size_t done = 0;
    while (done < n) {
        ACE_Time_Value left = deadline - ACE_OS::gettimeofday();
        if (left <= ACE_Time_Value::zero) {
            errno = ETIME;
            return false;
        }
        const ssize_t r = m_peer.recv(buffer + done, n - done, &left);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        done += static_cast<size_t>(r);
    }
    return true;
}

bool ReadHandler::SendByte(char byte, const ACE_Time_Value& deadline) {
    ACE_Time_Value left = deadline - ACE_OS::gettimeofday();
    if (left <= ACE_Time_Value::zero)
        left = ACE_Time_Value(0, 1000);
    size_t sent = 0;
    return m_peer.send_n(&byte, 1, &left, &sent) == 1 && sent == 1;
}
