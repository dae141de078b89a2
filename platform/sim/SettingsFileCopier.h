#ifndef TIDEWAVE_SIM_SETTINGSFILECOPIER_H
#define TIDEWAVE_SIM_SETTINGSFILECOPIER_H

#include <string>

// Copies one settings file into a folder under its own base name, replacing
// a file of that name.  The copy is written to a temporary file in the
// target folder and renamed over the old one, so a reader sees either the
// old file or the whole new one.  The source must be a readable regular
// file; a symbolic link as the last path component is refused.  No shell
// and no other program is involved.
class SettingsFileCopier {
public:
    // Creates the folder and its missing parents (mode 0755).  The copy gets
    // mode 0644.  On failure the target folder holds what it held before.
    static bool Copy(const std::string& source, const std::string& folder, std::string& error);

    // The text after the last "/"; empty when the path ends in "/".
    static std::string BaseName(const std::string& path);
};

#endif
