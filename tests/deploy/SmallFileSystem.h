#ifndef TIDEWAVE_TEST_SMALLFILESYSTEM_H
#define TIDEWAVE_TEST_SMALLFILESYSTEM_H

#include <cstdint>
#include <string>

// A file system of bytes (tmpfs) mounted on folder, hiding what the folder
// held.  The calling thread gets a mount namespace of its own first, so the
// mount is seen only by it and by the threads it starts from then on, and
// goes with the process however the test ends.  Needs the right to mount
// (root); Failure says why it is not mounted.
class SmallFileSystem {
public:
    SmallFileSystem(const std::string& folder, int64_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return m_failure.empty(); }
    const std::string& Failure() const { return m_failure; }
    // Its size, and what is free in it, in bytes; the unit in which files
    // take room.
    int64_t Size() const;
    int64_t Free() const;
    int64_t Block() const;

private:
    std::string m_folder;
    std::string m_failure;
};

#endif
