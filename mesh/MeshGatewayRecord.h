#ifndef TIDEWAVE_MESHGATEWAYRECORD_H
#define TIDEWAVE_MESHGATEWAYRECORD_H

#include "MeshServerEntity.h"
#include "RvlSdk.h"

// The platform's 133-byte gateway record and the mesh server it describes.
class MeshGatewayRecord {
public:
    // A zeroed record holding the server's address and two DNS servers, each
    // at most 32 bytes of UTF-8 and a NUL; channel and host name stay zero.
    static MeshGatewayInfo Pack(const MeshServerEntity& server);

    // The server a record describes, each text read within its 33 bytes (a
    // text that is not UTF-8 is empty).
    static MeshServerEntity Unpack(const MeshGatewayInfo& info);
};

#endif
