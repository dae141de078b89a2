#include "IpChangeWatcher.h"

#include <cstdio>

bool IpChangeWatcher::Update(const wxString& addressText) {
    if (addressText != m_strShown) {
        m_strShown = addressText;
        m_bChanged = true;
        m_nTwice = 0;
    }
    if (!m_bChanged)
        return false;
    ++m_nTwice;
    std::printf("nTwice = %d\n", m_nTwice);
    if (m_nTwice < 3)
        return false;
    m_bChanged = false;
    m_nTwice = 0;
    return !addressText.empty();
}
