#ifndef TIDEWAVE_MESHCONFIGURATIONSTORE_H
#define TIDEWAVE_MESHCONFIGURATIONSTORE_H

#include <wx/string.h>

#include "MeshConfigurationEntity.h"

class XMLOperator;

// Where this host's mesh settings come from and go to: the mesh
// configuration file, and the platform's mesh host name and channel.
class MeshConfigurationStore {
public:
    // The values the configuration dialog shows: the file's three values when
    // it holds all three; otherwise the platform's host name and channel
    // ("Mesh_User" and 1 when the platform has no usable name) with an
    // advertise time of 60.
    static MeshConfigurationEntity Load(XMLOperator& xml);

    // Writes the file (its result is not examined) and hands host name and
    // channel to the platform.
    static void Save(XMLOperator& xml, const MeshConfigurationEntity& entity);

    // Hands host name (UTF-8 in a zeroed 256-byte buffer) and channel to the
    // platform; the results are not examined.
    static void SendToPlatform(const wxString& hostName, int channel);
};

#endif
