#include "SchoolSettingImporter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

#include <wx/defs.h>
#include <wx/intl.h>
#include <wx/time.h>

#include "CertificateVerifier.h"
#include "FileTar.h"
#include "ImportLock.h"
#include "ImportWorkFolder.h"
#include "ProgramFolder.h"
#include "SystemPaths.h"

namespace {

const char* const kCaFileName = "cacert.pem";
const char* const kServerCertName = "sslservercert.pem";
const wxString kProfileExtension = wxT(".profile");

// Regular files directly in the folder whose names do not begin with ".".
std::vector<std::string> ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (dirent* e = ::readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        struct stat st;
        const std::string path = folder + "/" + e->d_name;
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(e->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

SchoolSettingImporter::SchoolSettingImporter()
    : m_counter(static_cast<int>(wxGetUTCTime())),
      m_writer([](char word[RVL_TEXT_BUFFER]) { return RVL_WriteFile(word); }) {}

SchoolSettingImporter::~SchoolSettingImporter() = default;

bool SchoolSettingImporter::Import(const wxString& archivePath, wxArrayString* notImported) {
    return Run(archivePath, notImported, true);
}

bool SchoolSettingImporter::LoadSchoolSetting(const wxString& archivePath, wxArrayString* notImported) {
    return Run(archivePath, notImported, false);
}

bool SchoolSettingImporter::Run(const wxString& archivePath, wxArrayString* notImported, bool interactive) {
    // Each import unpacks into a private folder of its own; only the copying
    // into the settings folder runs one import at a time.
    ImportWorkFolder folder(m_counter++);
    if (!folder.Ok())
        return false;
    if (!interactive)
        std::puts("LoadSchoolSetting");
    const wxString numbered = wxString(folder.Path().c_str(), *wxConvFileName);
    // The server certificate is unpacked and checked first: an archive
    // without a valid one gets nothing else written.
    bool checked = false;
    if (FileTar::UnTar(archivePath, numbered + wxT("/"), wxString::FromUTF8(kServerCertName), [&] {
            checked = true;
            return CheckServerCertification(numbered);
        }) != 0) {
        if (!interactive && !checked)
            std::puts("FileTar::UnTar");
        return false;
    }

    // The questions come first: the user may take long to answer, and no
    // other import (a deploy delivery) waits for that.
    const std::string settingsFolder = SystemPaths::AdminDir();
    std::vector<std::string> toCopy;
    for (const std::string& name : ListFiles(folder.Path())) {
        if (interactive && FileExists(settingsFolder + "/" + name) &&
            ConfirmOverwrite(wxString(name.c_str(), *wxConvFileName)) != wxID_YES)
            continue;
        toCopy.push_back(name);
    }

    std::lock_guard<std::mutex> lock(ImportLock::Mutex());
    bool result = true;
    for (const std::string& name : toCopy) {
        const wxString fileName(name.c_str(), *wxConvFileName);
        // The platform library takes the path in one 256-byte word with its
        // terminating zero; a longer path is not passed at all.
        const std::string full = folder.Path() + "/" + name;
        char word[RVL_TEXT_BUFFER] = {};
        bool copied = false;
        if (full.size() < sizeof word) {
            std::memcpy(word, full.data(), full.size());
            copied = m_writer(word) == 0;
        }
        if (!copied) {
            result = false;
            if (notImported != nullptr)
                notImported->Add(fileName);
        }
    }
    if (!interactive)
        std::puts("FileTar::UnTar");
    return result;
}

bool SchoolSettingImporter::CheckServerCertification(const wxString& numberedFolder) {
    std::puts("enter CheckServerCertification");
    const wxCharBuffer folder = numberedFolder.fn_str();
    const bool trusted = folder.data() != nullptr &&
                         CertificateVerifier::Verify(ProgramFolder::File(kCaFileName),
                                                     std::string(folder.data()) + "/" + kServerCertName);
    std::puts("delete p_cServercert;");
    return trusted;
}

int SchoolSettingImporter::ConfirmOverwrite(const wxString& fileName) {
    if (!fileName.EndsWith(kProfileExtension))
        return wxID_YES;
    if (!m_question)
        return wxID_NO;
    return m_question(fileName + _(" already exists. \n\nAre you sure you want to overwrite it?"),
                      _("Confirm"), wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION);
}
