#ifndef TIDEWAVE_IPCHANGECONFIRMER_H
#define TIDEWAVE_IPCHANGECONFIRMER_H

#include <wx/string.h>

// Watches the IP address text of the status updates: a changed text that
// has been reported by three updates in a row (the change included) asks
// for a new publication of this machine, unless it is empty.  A further
// change in between starts the count again.
class IpChangeConfirmer {
public:
    // One status update; true when the publication is to be requested.
    bool Report(const wxString& ip);
    // Updates counted since the change (0 when idle).
    int Count() const { return m_nTwice; }

private:
    wxString m_strLastIp;
    bool m_bIPChanged = false;
    int m_nTwice = 0;
};

#endif
