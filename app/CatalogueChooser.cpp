#include "CatalogueChooser.h"

#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/tokenzr.h>

namespace {

bool SafeName(const wxString& name) {
    return !name.empty() && name != "." && name != ".." && !name.Contains("/") && !name.Contains("\\");
}

}  // namespace

wxString CatalogueChooser::MapLanguage(const wxString& langToFile, const wxString& language) {
    const wxString languagePart = language.BeforeFirst('_');
    wxString partMatch;
    wxStringTokenizer lines(langToFile, "\r\n", wxTOKEN_STRTOK);
    while (lines.HasMoreTokens()) {
        const wxString line = lines.GetNextToken().Strip(wxString::both);
        if (line.empty() || line.StartsWith("#"))
            continue;
        wxStringTokenizer words(line, " \t", wxTOKEN_STRTOK);
        const wxString code = words.GetNextToken();
        const wxString name = words.HasMoreTokens() ? words.GetNextToken() : wxString();
        if (!SafeName(name))
            continue;
        if (code == language)
            return name;
        if (partMatch.empty() && !languagePart.empty() && code == languagePart)
            partMatch = name;
    }
    return partMatch;
}

wxString CatalogueChooser::ChooseFile(const wxString& resourceDir, const wxString& language) {
    wxString content;
    wxFFile file;
    {
        wxLogNull quiet;
        if (file.Open(resourceDir + "/langToFile", "rb"))
            file.ReadAll(&content, wxConvUTF8);
    }
    const wxString name = MapLanguage(content, language);
    if (!name.empty() && wxFileExists(resourceDir + "/" + name + ".mo"))
        return resourceDir + "/" + name + ".mo";
    if (wxFileExists(resourceDir + "/en.mo"))
        return resourceDir + "/en.mo";
    return wxString();
}
