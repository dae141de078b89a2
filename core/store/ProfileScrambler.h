#ifndef TIDEWAVE_PROFILESCRAMBLER_H
#define TIDEWAVE_PROFILESCRAMBLER_H

#include <cstddef>
#include <string>

// Values in a profile file are stored with the two halves of every byte
// swapped, each byte as two lower-case hexadecimal digits ("admin" is
// "1646d696e6").  It only keeps values from being read at a glance.
class ProfileScrambler {
public:
    static std::string Scramble(const std::string& plain);

    // Decodes a scrambled value; upper-case digits are accepted.  False, with
    // `plain` unchanged, when the text is not an even number of hexadecimal
    // digits.
    static bool Unscramble(const std::string& scrambled, std::string& plain);
    static bool Unscramble(const char* scrambled, size_t size, std::string& plain);
};

#endif
