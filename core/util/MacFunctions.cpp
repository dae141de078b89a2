#include "MacFunctions.h"

namespace {

// 0 to 15 for a hexadecimal digit, -1 otherwise.
int HexValue(wxChar c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

int CompareMacAddress(const unsigned char* a, const unsigned char* b) {
    if (a == nullptr || b == nullptr)
        return 0;
    for (int i = 0; i < 6; ++i) {
        if (a[i] != b[i])
            return static_cast<int>(a[i]) - static_cast<int>(b[i]);
    }
    return 0;
}

wxString FormatMacAddress(const unsigned char* mac) {
    if (mac == nullptr)
        return wxString();
    return wxString::Format("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
}

bool ParseMacAddress(unsigned char* out, const wxChar* text, int length) {
    if (out == nullptr || text == nullptr || length <= 16)
        return false;
    // Checked one character at a time, so that a text shorter than its
    // claimed length stops at its NUL.
    unsigned char bytes[6] = {};
    for (int pos = 0; pos < 17; ++pos) {
        if (pos % 3 == 2) {
            if (text[pos] != ':')
                return false;
            continue;
        }
        const int value = HexValue(text[pos]);
        if (value < 0)
            return false;
        bytes[pos / 3] = static_cast<unsigned char>(bytes[pos / 3] * 16 + value);
    }
    for (int i = 0; i < 6; ++i)
        out[i] = bytes[i];
    return true;
}
