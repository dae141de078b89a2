#include "AccessPointSorter.h"

#include <cstring>
#include <strings.h>
#include <utility>

#include "ApStatusUtil.h"
#include "MacFunctions.h"

AccessPointSorter::AccessPointSorter(int columnCount)
    : m_enabled(columnCount > 0 ? columnCount : 0), m_direction(columnCount > 0 ? columnCount : 0) {
    ResetColumns();
}

void AccessPointSorter::ResetColumns() {
    for (size_t i = 0; i < m_enabled.size(); ++i) {
        m_enabled[i] = 1;
        m_direction[i] = 1;
    }
}

void AccessPointSorter::SetCurrentApProvider(CurrentApProvider provider) { m_currentAp = std::move(provider); }

int AccessPointSorter::GetDirection(int column) const {
    if (column < 0 || column >= static_cast<int>(m_direction.size()))
        return -1;
    return m_direction[column];
}

int64_t AccessPointSorter::Compare(const APStatus& a, const APStatus& b, int column,
                                   const unsigned char* currentKey) const {
    switch (column) {
    case 0:
        return strncasecmp(reinterpret_cast<const char*>(a.ucSSID), reinterpret_cast<const char*>(b.ucSSID),
                           RVL_SSID_MAX);
    case 1:
        return static_cast<int64_t>(b.nSignalQuality) - static_cast<int64_t>(a.nSignalQuality);
    case 2:
        return static_cast<int64_t>(b.nSecurity) - static_cast<int64_t>(a.nSecurity);
    case 3:
        return static_cast<int64_t>(ApStatusUtil::SsidKeyEquals(ApStatusUtil::SsidKey(b), currentKey)) -
               static_cast<int64_t>(ApStatusUtil::SsidKeyEquals(ApStatusUtil::SsidKey(a), currentKey));
    case 4:
        return static_cast<int64_t>(b.nPhyType) - static_cast<int64_t>(a.nPhyType);
    case 5:
        return static_cast<int64_t>(b.nChannel) - static_cast<int64_t>(a.nChannel);
    case 6:
        return CompareMacAddress(a.ucBSSID, b.ucBSSID);
    default:
        return 0;
    }
}

bool AccessPointSorter::Sort(APStatus* records, int count, int column) {
    if (records == nullptr || count <= 0 || column < 0 || column >= COLUMN_LIMIT ||
        column >= static_cast<int>(m_enabled.size()) || m_enabled[column] == 0)
        return false;

    // The current access point's SSID key, all zeros when none is known.
    unsigned char currentKey[ApStatusUtil::SSID_KEY_SIZE] = {};
    if (m_currentAp) {
        if (const APStatus* current = m_currentAp())
            std::memcpy(currentKey, ApStatusUtil::SsidKey(*current), sizeof currentKey);
    }

    const bool ascending = m_direction[column] != 0;
    for (int i = 0; i < count - 1; ++i) {
        bool swapped = false;
        for (int j = count - 1; j > i; --j) {
            const int64_t value = Compare(records[j - 1], records[j], column, currentKey);
            if (ascending ? value > 0 : value < 0) {
                std::swap(records[j - 1], records[j]);
                swapped = true;
            }
        }
        if (!swapped)
            break;
    }
    m_direction[column] = ascending ? 0 : 1;
    return true;
}
