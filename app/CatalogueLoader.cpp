#include "CatalogueLoader.h"

#include <wx/intl.h>
#include <wx/log.h>
#include <wx/translation.h>

#include "CatalogueChooser.h"

namespace {

wxString g_loadedFile;

// Serves the chosen file for whatever domain the toolkit asks.
class SingleFileLoader : public wxTranslationsLoader {
public:
    explicit SingleFileLoader(const wxString& file) : m_file(file) {}

    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString&) override {
        return wxMsgCatalog::CreateFromFile(m_file, domain);
    }

    wxArrayString GetAvailableTranslations(const wxString&) const override {
        wxArrayString langs;
        langs.push_back("xx");
        return langs;
    }

private:
    wxString m_file;
};

}  // namespace

wxString CatalogueLoader::SystemLanguage() {
    wxLogNull quiet;
    const int lang = wxLocale::GetSystemLanguage();
    if (lang == wxLANGUAGE_UNKNOWN || lang == wxLANGUAGE_DEFAULT)
        return "en";
    const wxString name = wxLocale::GetLanguageCanonicalName(lang);
    return name.empty() ? wxString("en") : name;
}

bool CatalogueLoader::Load(const wxString& resourceDir, const wxString& language) {
    const wxString file = CatalogueChooser::ChooseFile(resourceDir, language);
    if (file.empty())
        return !g_loadedFile.empty();
    if (file == g_loadedFile)
        return true;
    wxLogNull quiet;
    auto* translations = new wxTranslations;
    translations->SetLoader(new SingleFileLoader(file));
    translations->SetLanguage("xx");
    if (!translations->AddCatalog("tidewave")) {
        delete translations;
        return !g_loadedFile.empty();
    }
    wxTranslations::Set(translations);
    g_loadedFile = file;
    return true;
}

const wxString& CatalogueLoader::LoadedFile() { return g_loadedFile; }
