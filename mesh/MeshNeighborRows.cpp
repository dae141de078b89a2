#include "MeshNeighborRows.h"

#include <algorithm>
#include <cstring>

#include "MeshText.h"
#include "TWMUtil.h"

std::vector<MeshNeighborRows::Row> MeshNeighborRows::Read() {
    MeshNeighborList list;
    std::memset(&list, 0, sizeof list);
    RVL_ListAllNeighborMPs(&list);
    return FromList(list);
}

std::vector<MeshNeighborRows::Row> MeshNeighborRows::FromList(const MeshNeighborList& list) {
    const size_t count = std::min<size_t>(list.count, RVL_NEIGHBOR_MAX);
    std::vector<Row> rows;
    rows.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const MeshNeighborEntry& e = list.entries[i];
        Row row;
        row.hostName = TWMUtil::StdStringToWxString(MeshText::Field(e.HostName, sizeof e.HostName));
        row.mac = MacText(e.Mac);
        row.strength = Strength(e.Rssi);
        rows.push_back(row);
    }
    return rows;
}

int MeshNeighborRows::Strength(int8_t rssi) { return std::clamp(2 * static_cast<int>(rssi) + 200, 0, 100); }

wxString MeshNeighborRows::MacText(const uint8_t mac[6]) {
    return wxString::Format("%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
}
