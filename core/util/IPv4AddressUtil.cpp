#include "IPv4AddressUtil.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>

namespace {

enum {
    CODE_OK = 0,
    CODE_NULL = 1,
    CODE_BAD_IP = 2,
    CODE_BAD_MASK = 3,
    CODE_BAD_GATEWAY = 4,
    CODE_MASK_TOO_SHORT = 6,
    CODE_MULTICAST = 7,
    CODE_RESERVED = 8,
    CODE_IP_IS_NETWORK = 10,
    CODE_GATEWAY_IS_NETWORK = 11,
    CODE_IP_IS_BROADCAST = 12,
    CODE_GATEWAY_IS_BROADCAST = 13,
    CODE_DIFFERENT_NETWORK = 14
};

unsigned FirstOctet(uint32_t address) { return address >> 24; }

// The mask length that the address's historical class asks for, or 0 when
// the class has none.
int ClassDefaultMaskLength(uint32_t address) {
    const unsigned first = FirstOctet(address);
    if (first <= 127)
        return 8;
    if (first <= 191)
        return 16;
    if (first <= 223)
        return 24;
    return 0;
}

}  // namespace

bool IPv4AddressUtil::ParseAddress(const char* text, uint32_t& value) {
    if (text == nullptr)
        return false;
    int dots = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '.')
            ++dots;
        else if (*p < '0' || *p > '9')
            return false;
    }
    if (dots != 3)
        return false;
    const in_addr_t network = inet_addr(text);
    if (network == INADDR_NONE)  // also 255.255.255.255
        return false;
    const uint32_t host = ntohl(network);
    if (host == 0)
        return false;
    value = host;
    return true;
}

int IPv4AddressUtil::ClassifyAddress(uint32_t address) {
    const unsigned first = FirstOctet(address);
    if (first == 0)
        return CODE_BAD_IP;
    if (first >= 224 && first <= 239)
        return CODE_MULTICAST;
    if (first == 127 || (first >= 240 && first <= 247))
        return CODE_RESERVED;
    return CODE_OK;
}

int IPv4AddressUtil::MaskLength(uint32_t mask) {
    const uint32_t inverted = ~mask;
    // The host part must be a run of ones at the low end: inverted + 1 is then
    // a power of two (or zero for a full mask).
    if ((inverted & (inverted + 1)) != 0)
        return -1;
    int length = 0;
    for (uint32_t bit = 0x80000000u; bit != 0 && (mask & bit) != 0; bit >>= 1)
        ++length;
    return length;
}

std::string IPv4AddressUtil::Format(uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", (address >> 24) & 0xFFu, (address >> 16) & 0xFFu,
                  (address >> 8) & 0xFFu, address & 0xFFu);
    return text;
}

int IPv4AddressUtil::CheckAddress(const char* text) {
    if (text == nullptr)
        return CODE_NULL;
    uint32_t address = 0;
    if (!ParseAddress(text, address))
        return CODE_BAD_IP;
    return ClassifyAddress(address);
}

int IPv4AddressUtil::CheckIPSettings(const char* ip, const char* mask, const char* gateway, bool classful) {
    if (ip == nullptr || mask == nullptr || gateway == nullptr)
        return CODE_NULL;
    uint32_t ipValue = 0, maskValue = 0, gatewayValue = 0;
    if (!ParseAddress(ip, ipValue))
        return CODE_BAD_IP;
    if (!ParseAddress(mask, maskValue))
        return CODE_BAD_MASK;
    if (!ParseAddress(gateway, gatewayValue))
        return CODE_BAD_GATEWAY;

    const int maskLength = MaskLength(maskValue);
    if (maskLength < 1 || maskLength > 30)
        return CODE_BAD_MASK;

    if (const int ipClass = ClassifyAddress(ipValue); ipClass != CODE_OK)
        return ipClass;

    if (classful && maskLength < ClassDefaultMaskLength(ipValue))
        return CODE_MASK_TOO_SHORT;

    if ((ipValue & maskValue) != (gatewayValue & maskValue))
        return CODE_DIFFERENT_NETWORK;

    const uint32_t hostMask = ~maskValue;
    if ((ipValue & hostMask) == hostMask)
        return CODE_IP_IS_BROADCAST;
    if ((ipValue & hostMask) == 0)
        return CODE_IP_IS_NETWORK;
    if ((gatewayValue & hostMask) == hostMask)
        return CODE_GATEWAY_IS_BROADCAST;
    if ((gatewayValue & hostMask) == 0)
        return CODE_GATEWAY_IS_NETWORK;
    return CODE_OK;
}
