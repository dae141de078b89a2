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

// Why an unpacking refused the archive; for a server certificate that was
// unpacked and not accepted, why the verification refused it.
SchoolSettingImporter::Refusal RefusalOf(FileTar::Refusal unpacking, CertificateVerifier::Verdict verdict) {
    using Refusal = SchoolSettingImporter::Refusal;
    using Verdict = CertificateVerifier::Verdict;
    switch (unpacking) {
    case FileTar::Refusal::CANNOT_OPEN:
        return Refusal::CANNOT_OPEN;
    case FileTar::Refusal::NOT_AN_ARCHIVE:
        return Refusal::NOT_AN_ARCHIVE;
    case FileTar::Refusal::DAMAGED:
        return Refusal::DAMAGED_ARCHIVE;
    case FileTar::Refusal::CANNOT_WRITE:
        return Refusal::CANNOT_UNPACK;
    case FileTar::Refusal::NO_FIRST_ENTRY:
        return Refusal::NO_SERVER_CERTIFICATE;
    case FileTar::Refusal::FIRST_NOT_ACCEPTED:
        break;
    }
    switch (verdict) {
    case Verdict::NO_CA:
        return Refusal::NO_CA_CERTIFICATE;
    case Verdict::UNREADABLE:
        return Refusal::CERTIFICATE_UNREADABLE;
    case Verdict::NOT_SIGNED:
        return Refusal::CERTIFICATE_NOT_SIGNED;
    case Verdict::EXPIRED:
        return Refusal::CERTIFICATE_EXPIRED;
    case Verdict::NOT_YET_VALID:
        return Refusal::CERTIFICATE_NOT_YET_VALID;
    case Verdict::CA_EXPIRED:
        return Refusal::CA_CERTIFICATE_EXPIRED;
    case Verdict::CA_NOT_YET_VALID:
        return Refusal::CA_CERTIFICATE_NOT_YET_VALID;
    case Verdict::ALL_OUT_OF_DATE:
        return Refusal::CERTIFICATES_OUT_OF_DATE;
    case Verdict::TRUSTED:
    case Verdict::REFUSED:
        break;
    }
    return Refusal::CERTIFICATE_REFUSED;
}

}  // namespace

SchoolSettingImporter::SchoolSettingImporter()
    : m_counter(static_cast<int>(wxGetUTCTime())),
      m_writer([](char word[RVL_TEXT_BUFFER]) { return RVL_WriteFile(word); }) {}

SchoolSettingImporter::~SchoolSettingImporter() = default;

bool SchoolSettingImporter::Import(const wxString& archivePath, wxArrayString* notImported, Refusal* refusal) {
    return Run(archivePath, notImported, true, refusal);
}

bool SchoolSettingImporter::LoadSchoolSetting(const wxString& archivePath, wxArrayString* notImported) {
    return Run(archivePath, notImported, false, nullptr);
}

bool SchoolSettingImporter::Run(const wxString& archivePath, wxArrayString* notImported, bool interactive,
                                Refusal* refusal) {
    const auto refuse = [refusal](Refusal why) {
        if (refusal != nullptr)
            *refusal = why;
        return false;
    };
    // Each import unpacks into a private folder of its own; only the copying
    // into the settings folder runs one import at a time.
    ImportWorkFolder folder(m_counter++);
    if (!folder.Ok())
        return refuse(Refusal::NO_WORK_FOLDER);
    if (!interactive)
        std::puts("LoadSchoolSetting");
    const wxString numbered = wxString(folder.Path().c_str(), *wxConvFileName);
    // The server certificate is unpacked and checked first: an archive
    // without a valid one gets nothing else written.
    bool checked = false;
    CertificateVerifier::Verdict verdict = CertificateVerifier::Verdict::REFUSED;
    FileTar::Refusal unpacking = FileTar::Refusal::DAMAGED;
    if (FileTar::UnTar(archivePath, numbered + wxT("/"), wxString::FromUTF8(kServerCertName), [&] {
            checked = true;
            verdict = CheckServerCertification(numbered);
            return verdict == CertificateVerifier::Verdict::TRUSTED;
        }, &unpacking) != 0) {
        if (!interactive && !checked)
            std::puts("FileTar::UnTar");
        return refuse(RefusalOf(unpacking, verdict));
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
    return result || refuse(Refusal::NOT_COPIED);
}

CertificateVerifier::Verdict SchoolSettingImporter::CheckServerCertification(const wxString& numberedFolder) {
    std::puts("enter CheckServerCertification");
    const wxCharBuffer folder = numberedFolder.fn_str();
    const CertificateVerifier::Verdict verdict =
        folder.data() != nullptr ? CertificateVerifier::Check(ProgramFolder::File(kCaFileName),
                                                              std::string(folder.data()) + "/" + kServerCertName)
                                 : CertificateVerifier::Verdict::UNREADABLE;
    std::puts("delete p_cServercert;");
    return verdict;
}

int SchoolSettingImporter::ConfirmOverwrite(const wxString& fileName) {
    if (!fileName.EndsWith(kProfileExtension))
        return wxID_YES;
    if (!m_question)
        return wxID_NO;
    return m_question(fileName + _(" already exists. \n\nAre you sure you want to overwrite it?"),
                      _("Confirm"), wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION);
}

wxString SchoolSettingImporter::RefusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::NO_WORK_FOLDER:
        return _("No private folder could be made to unpack the archive in.");
    case Refusal::CANNOT_OPEN:
        return _("The file cannot be opened.");
    case Refusal::NOT_AN_ARCHIVE:
        return _("The file is not a school settings archive.");
    case Refusal::DAMAGED_ARCHIVE:
        return _("The school settings archive is damaged.");
    case Refusal::CANNOT_UNPACK:
        return _("The archive could not be unpacked.");
    case Refusal::NO_SERVER_CERTIFICATE:
        return _("The archive holds no server certificate.");
    case Refusal::NO_CA_CERTIFICATE:
        return _("This computer has no CA certificate to check the archive's server certificate against.");
    case Refusal::CERTIFICATE_UNREADABLE:
        return _("The archive's server certificate cannot be read.");
    case Refusal::CERTIFICATE_NOT_SIGNED:
        return _("The archive's server certificate is not signed by this computer's CA.");
    case Refusal::CERTIFICATE_EXPIRED:
        return _("The archive's server certificate has expired.");
    case Refusal::CERTIFICATE_NOT_YET_VALID:
        return _("The archive's server certificate is not valid yet.");
    case Refusal::CA_CERTIFICATE_EXPIRED:
        return _("This computer's CA certificate has expired.");
    case Refusal::CA_CERTIFICATE_NOT_YET_VALID:
        return _("This computer's CA certificate is not valid yet.");
    case Refusal::CERTIFICATES_OUT_OF_DATE:
        return _("Neither the archive's server certificate nor this computer's CA certificate is valid at "
                 "today's date.");
    case Refusal::CERTIFICATE_REFUSED:
        return _("The archive's server certificate was refused.");
    case Refusal::NOT_COPIED:
        return _("Not every file could be copied into the settings folder.");
    }
    return wxString();
}
