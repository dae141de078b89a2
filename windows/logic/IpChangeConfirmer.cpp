#include "IpChangeConfirmer.h"

bool IpChangeConfirmer::Report(const wxString& ip) {
    const bool differs = ip != m_strLastIp;
    if (differs) {
        m_bIPChanged = true;
        m_nTwice = 0;
    }
    if (differs || m_bIPChanged)
        ++m_nTwice;
    bool request = false;
    if (m_nTwice == 3) {
        m_bIPChanged = false;
        m_nTwice = 0;
        request = !ip.empty();
    }
    m_strLastIp = ip;
    return request;
}
