#ifndef TIDEWAVE_FILETARHEADER_H
#define TIDEWAVE_FILETARHEADER_H

#include <cstdint>

#include <wx/string.h>

// The header of a settings archive as it stands in the file after the magic:
// the archive name (512 UTF-32 characters) and the entry count.
class FileTarHeader {
public:
    static constexpr int kNameChars = 512;
    static constexpr int32_t kMaxCount = 1024;
    static constexpr size_t kBytes = kNameChars * 4 + 4;   // 2052

    FileTarHeader();

    // Copies a name of at most 511 characters with its terminating zero;
    // a longer name returns false and changes nothing.
    bool SetName(const wxString& name);
    // The characters up to the first zero.
    wxString GetName() const;

    int32_t GetCount() const { return m_count; }
    // Adds one entry while fewer than 1024 are counted and returns the new
    // count; at 1024 it returns 0 and changes nothing.
    int32_t IncCount();

    void Serialize(unsigned char out[kBytes]) const;
    void Deserialize(const unsigned char in[kBytes]);

private:
    uint32_t m_name[kNameChars];
    int32_t m_count;
};

#endif
