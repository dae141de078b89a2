#ifndef TIDEWAVE_MESHTXTRECORD_H
#define TIDEWAVE_MESHTXTRECORD_H

#include <cstdint>
#include <string>
#include <vector>

#include <avahi-common/address.h>
#include <avahi-common/strlst.h>

#include "MeshServerEntity.h"

// The TXT records of this system's DNS-SD services: bare values, no
// key=value pairs.
//
// "_kxStudent._tcp": the MAC text with "@1" or "@0" (classroom CA
// certificate present or not), then the settings version (" " when none).
// "_kxStudentServer._tcp": IP address, host name, main DNS, secondary DNS
// (each cut to 32 bytes at a character boundary), channel in decimal.
// An item is never empty: a value that is not there goes out as " ", and
// reads back as empty.
class MeshTxtRecord {
public:
    typedef std::vector<std::string> Items;

    // Longest settings version announced, and longest text of items 1 to 4
    // of a mesh-server record (a gateway field holds no more).
    static constexpr size_t kMaxVersionBytes = 19;
    static constexpr size_t kMaxServerItemBytes = 32;
    // What stands for a value that is not there.
    static constexpr const char* kNoValue = " ";

    static Items StudentItems(const std::string& mac, bool caPresent, bool versionRead, const std::string& version);
    static Items ServerItems(const MeshServerEntity& server);

    // The items as a list whose record carries them in the given order: avahi
    // writes a list from the element added first, and a resolver hands it
    // back with that element at the head.  The caller frees it.
    static AvahiStringList* MakeList(const Items& items);

    enum ReadResult {
        SERVER_READ,
        NOT_IPV4,       // only IPv4 mesh servers are joined
        OWN_SERVICE,    // this host's own mesh-server service
        TOO_FEW_ITEMS,  // fewer than five items
        BAD_ITEMS       // an item too long, or not plain UTF-8 text
    };
    // What tells this host's own mesh-server service among the resolved
    // ones: one of its addresses; for a service resolved at a loopback
    // address (127.0.0.0/8), also the name it publishes the service under
    // and the address the service announces.
    struct OwnHost {
        std::vector<uint32_t> addresses;  // IPv4, network order; 127.0.0.1 never counts
        std::string serviceName;          // empty while no mesh-server service is published
        std::string announcedAddress;     // empty while this host is no mesh server
    };
    // Reads one resolution of "_kxStudentServer._tcp" into `out` (service
    // name, the five items; the channel read the atoi way, saturating).
    static ReadResult ReadServer(const AvahiAddress& address, const char* serviceName, AvahiStringList* txt,
                                 const OwnHost& own, MeshServerEntity& out);

    static bool IsOwnAddress(uint32_t address, const std::vector<uint32_t>& hostAddresses);
};

#endif
