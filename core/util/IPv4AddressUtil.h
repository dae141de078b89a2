#ifndef TIDEWAVE_IPV4ADDRESSUTIL_H
#define TIDEWAVE_IPV4ADDRESSUTIL_H

#include <cstdint>
#include <string>

// Checks of IPv4 address texts as typed in the IP settings, and of an address,
// mask and gateway together.  No side effects.
//
// Valid address text: only 0-9 and ".", exactly three ".", accepted by
// inet_addr (every part at most 255, no empty part, a leading 0 reads as
// octal), and neither 0.0.0.0 nor 255.255.255.255.
class IPv4AddressUtil {
public:
    // 1 for a null pointer, 2 for text that is not a valid address, else the
    // class code of the address (ClassifyAddress).
    static int CheckAddress(const char* text);

    // 0 when the three addresses fit together, else the code of the first
    // test that fails:
    //  1 a null pointer;  2/3/4 the IP/mask/gateway text is not valid;
    //  3 the mask is not 1 to 30 contiguous leading one-bits;
    //  2/7/8 the IP's class (ClassifyAddress);
    //  6 (classful only) the mask is shorter than the IP's class default;
    // 14 IP and gateway lie in different networks;
    // 12/10 the IP is the broadcast/network address of the subnet;
    // 13/11 the gateway is the broadcast/network address of the subnet.
    static int CheckIPSettings(const char* ip, const char* mask, const char* gateway, bool classful);

    // Parses valid address text into a 32-bit value, first octet most
    // significant.  False for text that is not valid.
    static bool ParseAddress(const char* text, uint32_t& value);

    // 2 for first octet 0, 7 for multicast (224-239), 8 for reserved (127 and
    // 240-247), 0 otherwise.
    static int ClassifyAddress(uint32_t address);

    // Number of leading one-bits when the mask is a contiguous run of them,
    // else -1.
    static int MaskLength(uint32_t mask);

    // Plain dotted decimal, e.g. 8.1.1.1 for the octal text "010.1.1.1".
    static std::string Format(uint32_t address);
};

#endif
