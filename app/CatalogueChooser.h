#ifndef TIDEWAVE_CATALOGUECHOOSER_H
#define TIDEWAVE_CATALOGUECHOOSER_H

#include <wx/string.h>

// Picks the message catalogue for the system language from the resource
// folder's "langToFile".
//
// "langToFile" is UTF-8 text, one mapping a line: a language code, white
// space, a catalogue name ("de_DE de").  Blank lines and lines beginning with
// "#" are ignored.  The first line whose code equals the language ("de_DE")
// wins; failing that, the first whose code equals its language part ("de").
// The catalogue named N is the file "N.mo" in the resource folder; when it is
// missing, "en.mo" is taken; when that is missing too, none.
class CatalogueChooser {
public:
    // The catalogue name for `language`, or "" when no line maps it.  Names
    // that could leave the folder ("/" inside, ".", "..") count as no mapping.
    static wxString MapLanguage(const wxString& langToFile, const wxString& language);

    // The full path of the catalogue file to load, or "" for none.
    static wxString ChooseFile(const wxString& resourceDir, const wxString& language);
};

#endif
