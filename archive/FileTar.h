#ifndef TIDEWAVE_FILETAR_H
#define TIDEWAVE_FILETAR_H

#include <cstdint>
#include <functional>
#include <vector>

#include <wx/string.h>

#include "FileTarEntry.h"
#include "FileTarHeader.h"

// The settings archive: a magic number, a header with the archive name and
// the entry count, a table of entries and the files' bytes.  The reader is
// static and keeps nothing between calls; a FileTar object is the writer.
//
// The reader checks the whole archive before it writes anything: the header
// read whole once it counts entries, the count (at most 1024), every entry
// read whole, every name a plain file name, every file's bytes within the
// archive, after the entry table and apart from every other file's bytes.
// So it never writes more than the archive holds, and whatever it refuses,
// it never writes a file outside the destination folder.
class FileTar {
public:
    static constexpr uint32_t kMagic = 0x4B4350CCu;
    static constexpr size_t kCopyBlock = 8092;
    static constexpr size_t kWriteBlock = 32368;

    // Why UnTar gave 1.
    enum class Refusal {
        CANNOT_OPEN,         // missing, unreadable, or not a regular file
        NOT_AN_ARCHIVE,      // no settings archive's magic number
        DAMAGED,             // header, entry table or file bytes not as checked above,
                             // or cut short (also while being read)
        CANNOT_WRITE,        // an entry could not be written into the folder
        NO_FIRST_ENTRY,      // no entry of the name that was to come first
        FIRST_NOT_ACCEPTED,  // that entry was written and not accepted
    };

    // Extracts every entry into destFolder (with or without the trailing
    // separator).  0 on success, 1 on any refusal or failure.
    static int UnTar(const wxString& archivePath, const wxString& destFolder);
    // As UnTar, but the entry named firstName (the last of that name) is
    // written first and firstAccepted, which may read it, decides whether
    // any other entry is written.  1 when there is no such entry or it is
    // not accepted; the entries of that name are not written again.  On 1
    // the reason goes to `refusal` when given.
    static int UnTar(const wxString& archivePath, const wxString& destFolder, const wxString& firstName,
                     const std::function<bool()>& firstAccepted, Refusal* refusal = nullptr);

    // Checks the magic and reads the header; bytes missing at the end of a
    // short file read as zero.  0 on success, 1 otherwise.
    static int ReadHeader(const wxString& archivePath, FileTarHeader& header);

    FileTar();
    virtual ~FileTar();

    bool SetName(const wxString& name) { return m_header.SetName(name); }
    wxString GetName() const { return m_header.GetName(); }
    // The folder that AddFile and Tar take file names from, ending with "/".
    void SetBasePath(const wxString& folder) { m_basePath = folder; }

    // Adds the file basePath + fileName; 1 when it cannot be read, its name
    // or path text does not fit, it is 4 GiB or larger, or 1024 files are
    // already in.
    int AddFile(const wxString& fileName, const wxString& pathText);

    // Writes the archive outFolder + archiveName (basePath + archiveName
    // when outFolder is empty).  1 on any failure, and then no archive is
    // left behind.
    int Tar(const wxString& archiveName, const wxString& outFolder);

private:
    FileTarHeader m_header;
    std::vector<FileTarEntry> m_entries;
    wxString m_basePath;
};

#endif
