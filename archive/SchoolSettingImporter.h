#ifndef TIDEWAVE_SCHOOLSETTINGIMPORTER_H
#define TIDEWAVE_SCHOOLSETTINGIMPORTER_H

#include <functional>

#include <wx/arrstr.h>
#include <wx/string.h>

#include "CertificateVerifier.h"
#include "RvlSdk.h"

// Imports a settings archive: unpacks its "sslservercert.pem" into a private
// work folder and verifies it against the program's "cacert.pem", and only
// then unpacks the other files and copies every unpacked file whose name
// does not begin with "." into the settings folder through the platform
// library.
//
// Import is the interactive path (the main window's command): before a
// ".profile" file replaces one that already stands in the settings folder,
// the overwrite question is asked.  LoadSchoolSetting (the deploy path) never
// asks.  Imports of the whole process run one at a time.
class SchoolSettingImporter {
public:
    // Shows the question and returns wxID_YES or wxID_NO.  The window code
    // installs a message box here; without one no profile is overwritten.
    using OverwriteQuestion =
        std::function<int(const wxString& message, const wxString& caption, long style)>;
    // Copies the file named in word into the settings folder; 0 on success.
    using FileWriter = std::function<int(char word[RVL_TEXT_BUFFER])>;

    SchoolSettingImporter();
    virtual ~SchoolSettingImporter();

    void SetOverwriteQuestion(OverwriteQuestion question) { m_question = std::move(question); }
    void SetFileWriter(FileWriter writer) { m_writer = std::move(writer); }

    // Why an import returned false.
    enum class Refusal {
        NO_WORK_FOLDER,
        CANNOT_OPEN,               // the archive is missing or cannot be read
        NOT_AN_ARCHIVE,
        DAMAGED_ARCHIVE,
        CANNOT_UNPACK,             // a file could not be written to the work folder
        NO_SERVER_CERTIFICATE,
        NO_CA_CERTIFICATE,         // this laptop's CA file is missing or holds none
        CERTIFICATE_UNREADABLE,
        CERTIFICATE_NOT_SIGNED,    // not signed by the CA of this laptop
        CERTIFICATE_EXPIRED,
        CERTIFICATE_NOT_YET_VALID,
        CA_CERTIFICATE_EXPIRED,    // this laptop's CA certificate, the server's is in date
        CA_CERTIFICATE_NOT_YET_VALID,
        CERTIFICATES_OUT_OF_DATE,  // both the server's and this laptop's CA certificate
        CERTIFICATE_REFUSED,       // refused for another reason
        NOT_COPIED,                // a file was not copied into the settings folder
    };

    // True when the certificate verified and every file that was to be
    // copied was copied.  Names of files not copied are appended to
    // notImported (may be null).  A refused archive or certificate copies
    // nothing and returns false.  On false the reason goes to `refusal`
    // when given.
    bool Import(const wxString& archivePath, wxArrayString* notImported, Refusal* refusal = nullptr);
    bool LoadSchoolSetting(const wxString& archivePath, wxArrayString* notImported);

    // The reason, as one translated sentence for the user.
    static wxString RefusalText(Refusal refusal);

    // The server certificate of the unpacked archive against this laptop's
    // CA file; numberedFolder without a trailing separator.
    static CertificateVerifier::Verdict CheckServerCertification(const wxString& numberedFolder);
    // wxID_YES when the file may be replaced.
    int ConfirmOverwrite(const wxString& fileName);

private:
    bool Run(const wxString& archivePath, wxArrayString* notImported, bool interactive, Refusal* refusal);

    int m_counter;
    OverwriteQuestion m_question;
    FileWriter m_writer;
};

#endif
