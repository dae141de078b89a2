#ifndef TIDEWAVE_RECEIVEFOLDER_H
#define TIDEWAVE_RECEIVEFOLDER_H

#include <cstdint>
#include <optional>
#include <string>

// The program's own folder for files received from the network, ".twm_receive"
// in the home folder, mode 0700: the settings archive "SchoolSettings.tar"
// and the files still being received.  No other user can put a file or a
// link in it.
class ReceiveFolder {
public:
    // Room for files in the folder: the free space of its file system less
    // a reserve, a share of that file system, so that what arrives never
    // fills it.
    struct Space {
        int64_t room;   // below 0 when less is free than the reserve
        int64_t block;  // the unit in which files take room
        // What a file of length bytes takes.
        int64_t Footprint(int64_t length) const { return (length + block - 1) / block * block; }
    };

    static std::string Path();          // without a trailing "/"
    static std::string ArchivePath();   // Path() + "/SchoolSettings.tar"

    // Makes the folder when it is missing and gives it mode 0700.  False
    // (errno set) when it cannot be made, or what stands there is a folder
    // of another user.  Something else at the name (a file, a link) is
    // removed first, never followed.
    static bool Make();
    // Make, then removes everything in the folder: what an earlier run left
    // behind.  The deploy server calls it when it starts.
    static bool Prepare();
    // Empty when the folder's file system cannot be asked.
    static std::optional<Space> Room();
};

#endif
