#ifndef TIDEWAVE_XMLOPERATOR_H
#define TIDEWAVE_XMLOPERATOR_H

#include <string>

#include <tinyxml.h>

class MeshConfigurationEntity;

// Reads and writes the small XML settings files of the administrator and user
// folders: the mesh configuration file, and the documents that ProfileVersion
// reads.
class XMLOperator {
public:
    XMLOperator() = default;
    virtual ~XMLOperator() = default;

    // Reads host name, channel and advertise time, by position, from the
    // first three child elements of the root.  True only when all three
    // exist; values read before a failing step stay in the entity.
    bool ReadMeshConfiguration(MeshConfigurationEntity* entity);

    // Writes the three values as the "Mesh" document, creating the folder
    // when it is missing.  True when the file was written.
    bool WriteMeshConfiguration(const MeshConfigurationEntity* entity);

    // The settings documents, each read within bounds that fit it.
    enum class Document { POLICY, VERSION, MESH_CONFIGURATION };

    // Parses a regular file as UTF-8 XML with a root element, within the
    // bounds of its kind (BoundedXmlFile).  False when it is missing or
    // refused; the caller then goes on as without the file.  A refusal is
    // written to standard error once, until the file reads or is gone.
    bool LoadDocument(const std::string& path, Document kind, TiXmlDocument& doc) const;

    // The administrator folder for root, otherwise the user's Lanternfield
    // folder; with a trailing "/".
    static std::string MeshConfigurationFolder();
    static std::string MeshConfigurationPath();
};

#endif
