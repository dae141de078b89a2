#ifndef TIDEWAVE_SCHOOLSETTINGIMPORTER_H
#define TIDEWAVE_SCHOOLSETTINGIMPORTER_H

#include <functional>

#include <wx/arrstr.h>
#include <wx/string.h>

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

    // True when the certificate verified and every file that was to be
    // copied was copied.  Names of files not copied are appended to
    // notImported (may be null).  A refused archive or certificate copies
    // nothing and returns false.
    bool Import(const wxString& archivePath, wxArrayString* notImported);
    bool LoadSchoolSetting(const wxString& archivePath, wxArrayString* notImported);

    // numberedFolder without a trailing separator.
    static bool CheckServerCertification(const wxString& numberedFolder);
    // wxID_YES when the file may be replaced.
    int ConfirmOverwrite(const wxString& fileName);

private:
    bool Run(const wxString& archivePath, wxArrayString* notImported, bool interactive);

    int m_counter;
    OverwriteQuestion m_question;
    FileWriter m_writer;
};

#endif
