#ifndef TIDEWAVE_MACADDRESS_H
#define TIDEWAVE_MACADDRESS_H

// This machine's hardware address as "xx-xx-xx-xx-xx-xx" (lower-case
// hexadecimal), as peers in the classroom expect it.  It uses local sockets
// only and is safe on any thread.
class MacAddress {
public:
    enum { TEXT_SIZE = 18 };  // 17 characters and a NUL

    MacAddress();

    // Reads the address of the first interface in index order that is not the
    // loopback and has a non-zero Ethernet address; "00-00-00-00-00-00" when
    // there is none.  The text stays valid as long as the object.
    const char* GetMac();

    // The text for six address bytes; "00-00-00-00-00-00" for a null pointer.
    static void FormatAddress(const unsigned char* bytes, char (&text)[TEXT_SIZE]);

private:
    char m_szMac[TEXT_SIZE];
};

#endif
