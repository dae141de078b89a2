#ifndef TIDEWAVE_INTERNETSTATEENTITY_H
#define TIDEWAVE_INTERNETSTATEENTITY_H

#include <wx/string.h>

// One network interface that can be offered for internet sharing: its name,
// its IPv4 address (empty when it has none) and "Enabled" or "Disabled".
class InternetStateEntity {
public:
    wxString GetName() const { return m_strName; }
    void SetName(const wxString& name) { m_strName = name; }
    wxString GetIPAddress() const { return m_strIPAddress; }
    void SetIPAddress(const wxString& ip) { m_strIPAddress = ip; }
    wxString GetState() const { return m_strState; }
    void SetState(const wxString& state) { m_strState = state; }

private:
    wxString m_strName;
    wxString m_strIPAddress;
    wxString m_strState;
};

#endif
