#include "ReadHandler.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>

#include <sys/ioctl.h>
#include <sys/stat.h>

#include <ace/Log_Msg.h>
#include <ace/Reactor.h>

#include "Delivery.h"
#include "DeployContext.h"
#include "HandOverWorker.h"
#include "ProgramFolder.h"
#include "ReceiveFolder.h"
#include "SocketByte.h"

namespace {

enum State { kLengthExpected = 0, kPayloadExpected = 1, kReceived = 2 };

// Reads of one call, so that a fast peer leaves room for the others.
const int kReadsPerCall = 16;

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

}  // namespace

ReadHandler::ReadHandler(DeployContext& context)
    : m_context(context), m_lengthBytes{}, m_nLengthRead(0), m_nDataSize(0), m_nPayloadRead(0),
      m_nState(kLengthExpected), m_bStepStarted(false), m_bCertificate(false), m_nCallDepth(0), m_nTimerId(-1),
      m_deadline(context.limits.step, context.limits.floorBytesPerSecond, TransferDeadline::Clock::now()),
      m_file(std::make_unique<DownloadFile>()) {}

ReadHandler::~ReadHandler() {
    m_context.admission.Remove(this);
    m_file.reset();  // a partial file is gone before the peer sees the close
    if (m_peer.get_handle() != ACE_INVALID_HANDLE && m_peer.close() == -1)
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to close socket. (errno = %i: %m)\n"), errno));
}

ACE_HANDLE ReadHandler::get_handle() const { return m_peer.get_handle(); }

bool ReadHandler::HasBytesWaiting(const void* connection) {
    int waiting = 0;
    return ::ioctl(static_cast<const ReadHandler*>(connection)->get_handle(), FIONREAD, &waiting) == 0 && waiting > 0;
}

bool ReadHandler::ArmDeadlineTimer() {
    CancelDeadlineTimer();
    if (reactor() == nullptr)
        return false;
    const TransferDeadline::Clock::duration left = m_deadline.Expiry() - TransferDeadline::Clock::now();
    const ACE_Time_Value delay(std::max(left, TransferDeadline::Clock::duration::zero()));
    m_nTimerId = reactor()->schedule_timer(this, nullptr, delay);
    return m_nTimerId != -1;
}

void ReadHandler::CancelDeadlineTimer() {
    if (m_nTimerId != -1 && reactor() != nullptr)
        reactor()->cancel_timer(m_nTimerId, nullptr, 1);
    m_nTimerId = -1;
}

void ReadHandler::Progress(int64_t received) {
    const TransferDeadline::Clock::time_point now = TransferDeadline::Clock::now();
    m_deadline.OnReceived(received, now);
    m_context.admission.Progress(this, received, now);
}

int ReadHandler::handle_timeout(const ACE_Time_Value&, const void*) {
    // The timer stands at the deadline as it was when it was set; bytes
    // that arrived since have moved it on.
    m_nTimerId = -1;
    if (!m_deadline.Expired(TransferDeadline::Clock::now()))
        return ArmDeadlineTimer() ? 0 : -1;
    ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Peer went silent, or sent too little for its time; closing.\n")));
    return -1;
}

int ReadHandler::handle_close(ACE_HANDLE, ACE_Reactor_Mask mask) {
    if (mask == ACE_Event_Handler::TIMER_MASK) {
        // Closed by its deadline: take it off the reactor's read set too.
        m_nTimerId = -1;
        if (reactor() != nullptr)
            reactor()->remove_handler(this, ACE_Event_Handler::READ_MASK | ACE_Event_Handler::DONT_CALL);
    } else {
        CancelDeadlineTimer();
    }
    if (m_nState == kReceived) {
        m_context.handOver.Push(std::make_unique<Delivery>(m_peer.get_handle(), std::move(m_file), m_bCertificate));
        m_peer.set_handle(ACE_INVALID_HANDLE);
    }
    delete this;
    return 0;
}

int ReadHandler::handle_input(ACE_HANDLE) {
    if (m_nCallDepth > 0)
        ACE_ERROR((LM_ERROR, ACE_TEXT("Multiple invocations detected.\n")));
    ++m_nCallDepth;
    if (!m_bStepStarted) {
        std::puts("5 ");
        m_bStepStarted = true;
    }
    int rc = -1;
    switch (m_nState) {
    case kLengthExpected:
        rc = ReadLength();
        break;
    case kPayloadExpected:
        rc = ReadPayload();
        break;
    default:
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: We should not get here.")));
        break;
    }
    --m_nCallDepth;
    return rc;
}

int ReadHandler::ReadLength() {
    const ssize_t n = m_peer.recv(m_lengthBytes + m_nLengthRead, sizeof m_lengthBytes - m_nLengthRead);
    if (n < 0 && (errno == EINTR || WouldBlock(errno)))
        return 0;
    if (n <= 0) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to receive request. (errno = %i: %m)\n"), errno));
        return -1;
    }
    m_nLengthRead += static_cast<size_t>(n);
    Progress(n);
    if (m_nLengthRead < sizeof m_lengthBytes)
        return 0;

    ACE_DEBUG((LM_DEBUG, ACE_TEXT(".")));
    const unsigned char* raw = m_lengthBytes;
    m_nDataSize = static_cast<int32_t>(static_cast<uint32_t>(raw[0]) | static_cast<uint32_t>(raw[1]) << 8 |
                                       static_cast<uint32_t>(raw[2]) << 16 | static_cast<uint32_t>(raw[3]) << 24);
    const bool accepted = m_nDataSize > 0 && m_nDataSize <= DeployConstants::kMaxPayloadSize && SetAsideRoom();
    if (!SendSocketByte(m_peer.get_handle(), accepted ? DeployConstants::kAccept : DeployConstants::kRefuse)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to send response. (errno = %i: %m)\n"), errno));
        return -1;
    }
    if (!accepted)
        return -1;
    m_nState = kPayloadExpected;
    m_bStepStarted = false;
    return 0;
}

bool ReadHandler::SetAsideRoom() {
    // Whether the file is the certificate, stored in the program folder, is
    // decided only at the payload; its few KiB are set aside here as well.
    const std::optional<ReceiveFolder::Space> space = ReceiveFolder::Room();
    if (!space) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to find the free space of %C. (errno = %i: %m)\n"),
                   ReceiveFolder::Path().c_str(), errno));
        return false;
    }
    const DeployAdmission::RoomDecision decision = m_context.admission.Reserve(
        this, space->Footprint(m_nDataSize), space->room, TransferDeadline::Clock::now(), HasBytesWaiting);
    for (DeployAdmission::Key key : decision.evict)
        reactor()->remove_handler(const_cast<ReadHandler*>(static_cast<const ReadHandler*>(key)),
                                  ACE_Event_Handler::READ_MASK);
    return decision.fits;
}

int ReadHandler::BeginPayload() {
    // The role of the file is decided now, by whether the certificate is there.
    const std::string caPath = ProgramFolder::File(DeployConstants::kCaFileName);
    struct stat st;
    m_bCertificate = ::stat(caPath.c_str(), &st) != 0;
    if (m_bCertificate && m_nDataSize > DeployConstants::kMaxCertificateSize)
        return -1;
    const std::string target = m_bCertificate ? caPath : ReceiveFolder::ArchivePath();
    if (!m_file->Open(target)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to open %C. (errno = %i: %m)\n"), target.c_str(), errno));
        return -1;
    }
    return 0;
}

int ReadHandler::ReadPayload() {
    if (m_file->Target().empty() && BeginPayload() != 0)
        return -1;
    std::vector<char>& buffer = m_context.readBuffer;
    for (int i = 0; i < kReadsPerCall; ++i) {
        const size_t want = static_cast<size_t>(
            std::min<int64_t>(static_cast<int64_t>(buffer.size()), m_nDataSize - m_nPayloadRead));
        const ssize_t n = m_peer.recv(buffer.data(), want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && WouldBlock(errno))
            return 0;
        if (n <= 0) {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to receive data.(errno = %i: %m)\n"), errno));
            return -1;
        }
        if (!m_file->Write(buffer.data(), static_cast<size_t>(n))) {
            ACE_ERROR((LM_ERROR, ACE_TEXT("%N:%l: Failed to store %C. (errno = %i: %m)\n"),
                       m_file->Target().c_str(), errno));
            return -1;
        }
        m_nPayloadRead += n;
        Progress(n);
        if (m_nPayloadRead == m_nDataSize) {
            // Whole: the connection leaves the reactor for the hand-over,
            // where it keeps its place until it is done.
            m_nState = kReceived;
            return -1;
        }
    }
    return 0;
}
