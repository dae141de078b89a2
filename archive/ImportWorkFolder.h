#ifndef TIDEWAVE_IMPORTWORKFOLDER_H
#define TIDEWAVE_IMPORTWORKFOLDER_H

#include <string>

// The private folder one import unpacks into: made like mkdtemp (mode 0700)
// under "twm" in the temporary folder, or directly in the temporary folder
// when a "twm" there is not a folder of this user that only this user can
// write to.  The folder and all it holds go when the object does; removal
// never follows a symbolic link.
class ImportWorkFolder {
public:
    // number goes into the folder's name, for the trace.
    explicit ImportWorkFolder(int number);
    ~ImportWorkFolder();
    ImportWorkFolder(const ImportWorkFolder&) = delete;
    ImportWorkFolder& operator=(const ImportWorkFolder&) = delete;

    bool Ok() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }   // no trailing "/"

    // The shared parent "twm" of the temporary folder.
    static std::string SharedParent();
    // Removes path and everything under it without following links.
    static void RemoveTree(const std::string& path);

private:
    std::string m_path;
};

#endif
