#ifndef TIDEWAVE_PROFILEVERSION_H
#define TIDEWAVE_PROFILEVERSION_H

#include <wx/arrstr.h>

#include "XMLOperator.h"

// The version of the settings deployed to this machine, with the names of
// the files it consists of, as announced to the classroom.
class ProfileVersion {
public:
    ProfileVersion() = default;

    // Reads the settings-version file: appends the root's "version" as
    // element 0, then the "name" of each child element in document order
    // (empty when missing).  False, with out untouched, when the file is
    // missing or refused (XMLOperator::LoadDocument).  The DNS-SD record's
    // version is read through here.
    bool GetProfileVersion(wxArrayString& out);

    static std::string VersionFilePath();

private:
    XMLOperator m_xmlOperator;
};

#endif
