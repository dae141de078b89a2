#include "FileTarEntry.h"

#include "FileTarBytes.h"

namespace {

bool IsScalarValue(uint32_t c) {
    return c <= 0x10FFFFu && !(c >= 0xD800u && c <= 0xDFFFu);
}

bool IsControl(uint32_t c) {
    return c < 0x20u || (c >= 0x7Fu && c <= 0x9Fu);
}

}  // namespace

FileTarEntry::FileTarEntry() : offset(0), size(0) {
    for (int i = 0; i < kTextChars; ++i) {
        name[i] = 0;
        path[i] = 0;
    }
}

bool FileTarEntry::SetText(uint32_t field[kTextChars], const wxString& text) {
    if (text.length() > static_cast<size_t>(kTextChars - 1))
        return false;
    int i = 0;
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it)
        field[i++] = static_cast<uint32_t>((*it).GetValue());
    field[i] = 0;
    return true;
}

bool FileTarEntry::SafeName(wxString& out) const {
    out.clear();
    for (int i = 0; i < kTextChars && name[i] != 0; ++i) {
        const uint32_t c = name[i];
        if (!IsScalarValue(c) || IsControl(c) || c == '/')
            return false;
        out += wxUniChar(c);
    }
    return !out.empty() && out != wxT(".") && out != wxT("..");
}

void FileTarEntry::Serialize(unsigned char out[kBytes]) const {
    FileTarBytes::PutU32(out, offset);
    FileTarBytes::PutU32(out + 4, size);
    for (int i = 0; i < kTextChars; ++i) {
        FileTarBytes::PutU32(out + 8 + 4 * i, name[i]);
        FileTarBytes::PutU32(out + 8 + 4 * kTextChars + 4 * i, path[i]);
    }
}

void FileTarEntry::Deserialize(const unsigned char in[kBytes]) {
    offset = FileTarBytes::GetU32(in);
    size = FileTarBytes::GetU32(in + 4);
    for (int i = 0; i < kTextChars; ++i) {
        name[i] = FileTarBytes::GetU32(in + 8 + 4 * i);
        path[i] = FileTarBytes::GetU32(in + 8 + 4 * kTextChars + 4 * i);
    }
}
