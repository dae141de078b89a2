#ifndef TIDEWAVE_MESHSTATUS_H
#define TIDEWAVE_MESHSTATUS_H

#include <wx/string.h>

// What the status check found on one tick: the connection-type text, the
// connected access point's signal quality and the address text.
struct MeshStatus {
    wxString m_strType;
    int m_nSignalQuality = 0;
    wxString m_strIP;
    // The signal quality is the associated access point's, as read from the
    // laptop; without it there is no signal to show.
    bool m_bHasSignal = false;
};

#endif
