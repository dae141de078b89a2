#ifndef TIDEWAVE_MESHNEIGHBORROWS_H
#define TIDEWAVE_MESHNEIGHBORROWS_H

#include <cstdint>
#include <vector>

#include <wx/string.h>

#include "RvlSdk.h"

// The mesh neighbours the platform hears, as the neighbour list shows them.
class MeshNeighborRows {
public:
    struct Row {
        wxString hostName;
        wxString mac;   // "00:1b:2c:3d:4e:5f"
        int strength;   // 0 to 100
    };

    // Reads the platform's neighbour list into a zeroed record.
    static std::vector<Row> Read();
    // The rows of a record: at most 64 whatever its count byte says, each
    // host name read within its 33 bytes.
    static std::vector<Row> FromList(const MeshNeighborList& list);

    // 2 * rssi + 200, held within 0 to 100.
    static int Strength(int8_t rssi);
    static wxString MacText(const uint8_t mac[6]);
};

#endif
