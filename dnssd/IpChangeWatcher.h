#ifndef TIDEWAVE_IPCHANGEWATCHER_H
#define TIDEWAVE_IPCHANGEWATCHER_H

#include <wx/string.h>

// Decides when a new address of this laptop is announced: once the address
// text shown on the status checks has changed and then held for three checks
// in a row (the changing one included).  A further change within them starts
// the count again; an empty text is never announced.
class IpChangeWatcher {
public:
    // One status check; true when a new publication is due.
    bool Update(const wxString& addressText);

private:
    wxString m_strShown;
    bool m_bChanged = false;
    int m_nTwice = 0;
};

#endif
