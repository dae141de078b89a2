#ifndef TIDEWAVE_READHANDLER_H
#define TIDEWAVE_READHANDLER_H

#include <cstdint>
#include <memory>
#include <string>

#include <ace/Event_Handler.h>
#include <ace/SOCK_Stream.h>
#include <ace/Time_Value.h>

// One deploy connection: a 4-byte little-endian length, the answer 'K' or
// 0x00, the payload, the confirmation 'K', the hand-over, then the close.
// While the program folder has no "cacert.pem" the payload becomes that
// certificate, otherwise the settings archive.  Each step has an overall
// deadline; a payload is stored under its final name only once it arrived
// whole and was written without error.
class ReadHandler : public ACE_Event_Handler {
public:
    explicit ReadHandler(const ACE_Time_Value& stepDeadline);

    ACE_SOCK_Stream& peer() { return m_peer; }
    // Starts the deadline of the step the connection waits for (also when
    // the peer sends nothing at all); false when no timer could be set.
    bool ArmStepTimer();

    ACE_HANDLE get_handle() const override;
    int handle_input(ACE_HANDLE) override;
    int handle_timeout(const ACE_Time_Value&, const void*) override;
    int handle_close(ACE_HANDLE, ACE_Reactor_Mask) override;

private:
    ~ReadHandler() override;
    void CancelStepTimer();

    int ReceiveLength(const ACE_Time_Value& deadline);
    int ReceivePayload(const ACE_Time_Value& deadline);
    // Receives exactly n bytes before the absolute deadline.
    bool ReceiveAll(char* buffer, size_t n, const ACE_Time_Value& deadline);
    bool SendByte(char byte, const ACE_Time_Value& deadline);
    // Writes the payload beside target and renames it onto target.
    bool Store(const std::string& target);

    ACE_SOCK_Stream m_peer;
    int32_t m_nDataSize;
    std::unique_ptr<char[]> m_pData;
    int m_nState;
    int m_nCallDepth;
    ACE_Time_Value m_stepDeadline;
    long m_nTimerId;
};

#endif
