#ifndef TIDEWAVE_DOWNLOADFILE_H
#define TIDEWAVE_DOWNLOADFILE_H

#include <cstddef>
#include <string>

// A file that arrives in pieces: written into a fresh temporary file beside
// the target and renamed onto the target only by Commit, once everything was
// written and the file closed without error.  Until then the target keeps
// what it held; a download that is given up leaves nothing behind.  A link at
// the target is replaced, never followed, and a target that belongs to
// another user is not touched.  Once written whole, the file can wait for
// its Commit without holding a descriptor (Close).
class DownloadFile {
public:
    enum Result { STORED, TARGET_EXISTS, FAILED };

    DownloadFile();
    ~DownloadFile();
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;

    // Makes the temporary file for target; false (errno set) when the target
    // belongs to another user or the file cannot be made.
    bool Open(const std::string& target);
    bool Write(const char* data, size_t n);
    // Appends everything the other file has written so far.
    bool WriteContentOf(const DownloadFile& other);
    // Done writing: gives the descriptor back and keeps the temporary file
    // for Commit.  False (the temporary file removed) when closing failed.
    bool Close();
    // Flushes, closes and renames onto the target.  False when any of it
    // failed; the temporary file is then removed.
    bool Commit();
    // As Commit, but a file standing at the target stays: TARGET_EXISTS,
    // and this file keeps its temporary file until it is discarded.
    Result CommitBesideExisting();
    // Removes the temporary file, if any.
    void Discard();

    const std::string& Target() const { return m_target; }
    // Where the bytes stand until Commit; empty when there is no file.
    const std::string& TemporaryPath() const { return m_temporary; }

private:
    bool SyncAndClose();

    std::string m_target;
    std::string m_temporary;
    int m_fd;
};

#endif
