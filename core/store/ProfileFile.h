#ifndef TIDEWAVE_PROFILEFILE_H
#define TIDEWAVE_PROFILEFILE_H

#include <string>
#include <vector>

#include <sys/types.h>

#include "ProfileList.h"

class wxString;

// One profile file: "<folder>/<name>.profile", an XML document whose values
// are scrambled (ProfileScrambler).  The profile's name is the file's base
// name and is not stored inside.
//
// Reading is tolerant of similar layouts (a value may also sit in an
// attribute); writing always produces the one layout below and never leaves
// a half-written file behind.
class ProfileFile {
public:
    // A name may be written when it is not empty, ".", or "..", holds no "/"
    // and no NUL byte, and name + ".profile" fits in 255 bytes.
    static bool IsWritableName(const std::string& name);

    // The text of the path after its last "/", up to its last "." when there
    // is one after that "/"; otherwise the whole base name.
    static std::string NameFromPath(const std::string& path);

    // folder + "/" + name + ".profile".
    static std::string PathFor(const std::string& folder, const std::string& name);

    // Whether a file name (no folder) names a profile file.
    static bool HasProfileExtension(const std::string& fileName);

    // Why Read refused a file.
    enum class Refusal {
        CANNOT_OPEN,        // missing, not a regular file, or unreadable
        TOO_LARGE,          // over 1 MiB
        NOT_TEXT,           // not strict UTF-8, or holds a NUL byte
        TOO_MANY_ELEMENTS,  // more than 1024 "<"
        NESTED_TOO_DEEP,    // elements deeper than 8 levels
        NOT_A_PROFILE,      // not well-formed, another root, or a value that does not decode
        NO_NAME,            // the path gives an empty name
    };

    // Reads every field and takes the name from the path.  False, with
    // `profile` unchanged and the reason in `refusal` (when given), for the
    // refusals above; all but the depth and the document's content are
    // judged before parsing.
    static bool Read(const std::string& path, ProfileList_t& profile, Refusal* refusal = nullptr);

    // The reason, as one translated sentence for the user.
    static wxString RefusalText(Refusal refusal);

    // Writes the profile into `folder` with the given file mode: the document
    // goes to a temporary file in that folder, which is then renamed onto the
    // profile's path.  With `replaceExisting` false an existing file of that
    // name makes the write fail.  On any failure the temporary file is removed
    // and an existing profile file is left as it was.
    static bool Write(const ProfileList_t& profile, const std::string& folder, mode_t fileMode,
                      bool replaceExisting);

    // The document text the writer stores.
    static std::string ToXml(const ProfileList_t& profile);

    // Reads the regular ".profile" files of a folder, skipping files that are
    // not readable as profiles or whose name is not writable, in ascending
    // priority with ties in file-name byte order.  A missing folder reads as empty.  False, with `profiles`
    // unchanged, only when the folder exists but cannot be listed.  A skipped
    // file is named on standard error with the reason, once until it changes.
    static bool ReadFolder(const std::string& folder, std::vector<ProfileList_t>& profiles);

    // A priority text read the way atoi reads it (leading blanks, optional
    // sign, digits; 0 when there are none), saturating at the int limits.
    static int PriorityValue(const std::string& text);
};

#endif
