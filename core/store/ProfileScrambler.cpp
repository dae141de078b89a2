#include "ProfileScrambler.h"

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string ProfileScrambler::Scramble(const std::string& plain) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(plain.size() * 2);
    for (const char ch : plain) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        // The swapped byte's high half is the original low half.
        out += digits[byte & 0x0F];
        out += digits[byte >> 4];
    }
    return out;
}

bool ProfileScrambler::Unscramble(const std::string& scrambled, std::string& plain) {
    return Unscramble(scrambled.data(), scrambled.size(), plain);
}

bool ProfileScrambler::Unscramble(const char* scrambled, size_t size, std::string& plain) {
    if (size % 2 != 0)
        return false;
    std::string out(size / 2, '\0');
    for (size_t i = 0; i < size; i += 2) {
        const int high = HexDigitValue(scrambled[i]);
        const int low = HexDigitValue(scrambled[i + 1]);
        if (high < 0 || low < 0)
            return false;
        // Swap the halves back.
        out[i / 2] = static_cast<char>((low << 4) | high);
    }
    plain.swap(out);
    return true;
}
