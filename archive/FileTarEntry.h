#ifndef TIDEWAVE_FILETARENTRY_H
#define TIDEWAVE_FILETARENTRY_H

#include <cstdint>

#include <wx/string.h>

// One entry of the archive's table: where the file's bytes stand, how many
// there are, the file's name and a free path text (both 256 UTF-32
// characters, zero-terminated unless the name fills the field).
class FileTarEntry {
public:
    static constexpr int kTextChars = 256;
    static constexpr size_t kBytes = 8 + 2 * kTextChars * 4;   // 2056

    FileTarEntry();

    uint32_t offset;
    uint32_t size;
    uint32_t name[kTextChars];
    uint32_t path[kTextChars];

    // Stores text with its terminating zero; false when it does not fit.
    static bool SetText(uint32_t field[kTextChars], const wxString& text);

    // The entry name when it is safe to use as a plain file name in a
    // folder: not empty, not "." or "..", no "/", no control character and
    // only Unicode scalar values.  Returns false otherwise.
    bool SafeName(wxString& out) const;

    void Serialize(unsigned char out[kBytes]) const;
    void Deserialize(const unsigned char in[kBytes]);
};

#endif
