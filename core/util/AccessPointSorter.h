#ifndef TIDEWAVE_ACCESSPOINTSORTER_H
#define TIDEWAVE_ACCESSPOINTSORTER_H

#include <cstdint>
#include <functional>
#include <vector>

#include "RvlSdk.h"

// Sorts the scan window's access-point records by one of its seven columns.
// Each click on a column sorts by it and flips that column's direction.
//
// Columns: 0 SSID (A to Z, case-insensitive), 1 signal quality, 2 security,
// 3 "is the current access point", 4 PHY type, 5 channel, 6 BSSID.  With
// direction 1 the first click puts first the name A, the strongest signal,
// the highest security value, the current access point, 802.11n, the highest
// channel and the lowest BSSID.
class AccessPointSorter {
public:
    enum { COLUMN_LIMIT = 7 };

    // Supplies the record of the current access point, or null when none is
    // known.  It is asked once per Sort.
    using CurrentApProvider = std::function<const APStatus*()>;

    // A count of 0 or less makes a sorter with no columns.
    explicit AccessPointSorter(int columnCount);

    // Every column enabled, every direction 1.
    void ResetColumns();

    void SetCurrentApProvider(CurrentApProvider provider);

    // Sorts records[0..count) in place by the column (a stable bubble sort)
    // and flips the column's direction.  False, with nothing done, for a null
    // pointer, a count of 0 or less, or a column that is out of range or
    // disabled.
    bool Sort(APStatus* records, int count, int column);

    // The column's direction: 1 or 0.  -1 for a column out of range.
    int GetDirection(int column) const;

private:
    int64_t Compare(const APStatus& a, const APStatus& b, int column, const unsigned char* currentKey) const;

    std::vector<int> m_enabled;
    std::vector<int> m_direction;
    CurrentApProvider m_currentAp;
};

#endif
