// Prints the MAC text this machine announces on DNS-SD, read as the program
// reads it, for the program-level publish test.
#include <cstdio>

#include "MacAddress.h"

int main() {
    MacAddress mac;
    std::puts(mac.GetMac());
    return 0;
}
