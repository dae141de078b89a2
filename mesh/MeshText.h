#ifndef TIDEWAVE_MESHTEXT_H
#define TIDEWAVE_MESHTEXT_H

#include <cstddef>
#include <string>

#include <wx/string.h>

// Text helpers of the mesh code: fixed-size fields of the platform's records
// and items that arrive from the network.
class MeshText {
public:
    // The longest prefix of `text` of at most maxBytes bytes that does not end
    // inside a UTF-8 sequence.
    static std::string CutUtf8(const std::string& text, size_t maxBytes);

    // The bytes of a fixed field before its first NUL, never more than size.
    static std::string Field(const char* field, size_t size);

    // A field decoded from UTF-8; a text that is not valid UTF-8 is empty.
    static wxString DecodeOrEmpty(const std::string& bytes);

    // Copies the UTF-8 form of text, cut to size - 1 bytes at a character
    // boundary, into a field of `size` bytes and zero-fills the rest.
    static void FillField(char* field, size_t size, const std::string& text);

    // True when the bytes are valid UTF-8 without NUL or control characters
    // (C0, DEL or C1).
    static bool IsPlainText(const char* bytes, size_t size);
};

#endif
