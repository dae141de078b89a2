#ifndef TIDEWAVE_PAYLOADFILE_H
#define TIDEWAVE_PAYLOADFILE_H

#include <cstddef>
#include <string>

// A received file written piece by piece as it arrives: into a temporary
// file beside its target, put in the target's place only when it is
// complete and on disk.  Whatever is not committed is removed.
class PayloadFile {
public:
    enum Result { STORED, TARGET_EXISTS, FAILED };

    PayloadFile() = default;
    ~PayloadFile() { Discard(); }
    PayloadFile(const PayloadFile&) = delete;
    PayloadFile& operator=(const PayloadFile&) = delete;

    // Creates the temporary file.  A file of another user at the target is
    // left alone (false); a link there is replaced, never followed.
    bool Open(const std::string& target);
    bool Append(const char* data, size_t size);
    // Appends everything the other file received.
    bool AppendContentOf(const PayloadFile& other);
    // Syncs and closes the temporary file and renames it onto the target.
    // With keepExisting a file already at the target stays (TARGET_EXISTS)
    // and this one stays uncommitted.
    Result Commit(bool keepExisting);
    // Removes the temporary file, if any.
    void Discard();

    const std::string& Target() const { return m_target; }

private:
    int m_fd = -1;
    std::string m_temp;
    std::string m_target;
};

#endif
