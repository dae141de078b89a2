#ifndef TIDEWAVE_MESHSERVERENTITY_H
#define TIDEWAVE_MESHSERVERENTITY_H

#include <wx/string.h>

// One mesh internet-sharing server: the DNS-SD service name it is known by
// (the key of removal), its address and host name (the key of update), its
// two DNS servers and its channel.  The status flag, the signal strength and
// the spare value travel with the record but are not announced.
class MeshServerEntity {
public:
    wxString GetName() const { return m_strName; }
    void SetName(const wxString& name) { m_strName = name; }
    wxString GetIPAddress() const { return m_strIPAddress; }
    void SetIPAddress(const wxString& ip) { m_strIPAddress = ip; }
    wxString GetHostName() const { return m_strHostName; }
    void SetHostName(const wxString& name) { m_strHostName = name; }
    wxString GetDNS() const { return m_strDNS; }
    void SetDNS(const wxString& dns) { m_strDNS = dns; }
    wxString GetDNS_back() const { return m_strDNSBack; }
    void SetDNS_back(const wxString& dns) { m_strDNSBack = dns; }
    bool GetStatus() const { return m_bStatus; }
    void SetStatus(bool status) { m_bStatus = status; }
    int GetChannel() const { return m_nChannel; }
    void SetChannel(int channel) { m_nChannel = channel; }
    int GetSignalStrength() const { return m_nSignalStrength; }
    void SetSignalStrength(int strength) { m_nSignalStrength = strength; }
    int GetSpare() const { return m_nSpare; }
    void SetSpare(int spare) { m_nSpare = spare; }

private:
    wxString m_strName;
    wxString m_strIPAddress;
    wxString m_strHostName;
    wxString m_strDNS;
    wxString m_strDNSBack;
    bool m_bStatus = false;
    int m_nChannel = 0;
    int m_nSignalStrength = 0;
    int m_nSpare = 0;
};

#endif
