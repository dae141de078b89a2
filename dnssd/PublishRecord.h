#ifndef TIDEWAVE_PUBLISHRECORD_H
#define TIDEWAVE_PUBLISHRECORD_H

#include "MeshTxtRecord.h"

class MeshInfoManager;

// What this machine announces now: its mesh-server details while it is a
// mesh server, otherwise its MAC text with the classroom CA flag and the
// settings version.
class PublishRecord {
public:
    // True (and the five server items) while the model says this host is a
    // mesh server; false and the two student items otherwise.
    static bool Current(const MeshInfoManager& model, MeshTxtRecord::Items& items);
    // Whether the classroom CA certificate is in the program folder.
    static bool CaPresent();
};

#endif
