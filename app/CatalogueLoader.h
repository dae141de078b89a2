#ifndef TIDEWAVE_CATALOGUELOADER_H
#define TIDEWAVE_CATALOGUELOADER_H

#include <wx/string.h>

// Installs the program's translations: the catalogue CatalogueChooser picks
// for the system language, handed to the toolkit as the one file of every
// domain it asks for, so that _() finds its texts.  A C-library locale that is
// not installed neither stops the catalogue nor raises a warning.
class CatalogueLoader {
public:
    // Loads once; a second call with the same file changes nothing.
    // Returns whether a catalogue is in use.
    static bool Load(const wxString& resourceDir, const wxString& language);
    // The system language's canonical name ("de_DE"), "en" when unknown.
    static wxString SystemLanguage();
    static const wxString& LoadedFile();
};

#endif
