#ifndef TIDEWAVE_MESHSTATUS_H
#define TIDEWAVE_MESHSTATUS_H

#include <wx/string.h>

// What the status check found on one tick: the connection-type text, the
// connected access point's signal quality and the address text.
struct MeshStatus {
    wxString m_strType;
    int m_nSignalQuality = 0;
    wxString m_strIP;
};

#endif
