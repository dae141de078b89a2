#ifndef TIDEWAVE_SETTINGSARCHIVES_H
#define TIDEWAVE_SETTINGSARCHIVES_H

#include <string>

#include <wx/string.h>

#include "TestArchive.h"
#include "TestCertificates.h"
#include "TestTree.h"

// School settings archives as a teacher's machine makes them, for a program
// folder of their own (set as the program's) that holds the CA's certificate
// and the built pictures.
class SettingsArchives {
public:
    SettingsArchives();

    // An archive of these files (name, content); its path.
    wxString Make(const std::string& name, const TestArchive::Files& files);
    // The certificate of a server the CA signed, as an archive carries it.
    std::string ServerCert() const { return TestTree::ReadFile(certs.serverCert); }

    TestTree tree;
    TestCertificates certs;
};

#endif
