#ifndef TIDEWAVE_MACFUNCTIONS_H
#define TIDEWAVE_MACFUNCTIONS_H

#include <wx/string.h>

// Six-byte hardware addresses (BSSIDs) as shown in the scan window.

// 0 when either pointer is null or the six bytes are equal, else a - b of the
// first differing bytes (as unsigned values).
int CompareMacAddress(const unsigned char* a, const unsigned char* b);

// "00:1A:2B:3C:4D:5E": upper-case hexadecimal, colon-separated.  Empty for a
// null pointer.
wxString FormatMacAddress(const unsigned char* mac);

// Reads "xx:xx:xx:xx:xx:xx" (hexadecimal digits of either case) into six
// bytes.  False, with out untouched, when a pointer is null, length is 16 or
// less, or any character is out of place.
bool ParseMacAddress(unsigned char* out, const wxChar* text, int length);

#endif
