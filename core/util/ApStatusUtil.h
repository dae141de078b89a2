#ifndef TIDEWAVE_APSTATUSUTIL_H
#define TIDEWAVE_APSTATUSUTIL_H

#include <string>

#include <wx/string.h>

#include "RvlSdk.h"

// Bounded reads of the SSID fields of an access-point record.  The length
// comes from the library or the air and is never trusted beyond 32 bytes; a
// 32-byte SSID has no terminating NUL.
namespace ApStatusUtil {

enum { SSID_KEY_SIZE = 36 };  // SSID length followed by the SSID bytes

// min(nSSIDLength, 32).
size_t SsidLength(const APStatus& ap);
// The SSID bytes: the first SsidLength() bytes.
std::string SsidBytes(const APStatus& ap);
// The SSID bytes up to the first NUL, at most 32.
std::string SsidBytesToNul(const APStatus& ap);
// The SSID decoded from UTF-8 (invalid sequences replaced).
wxString SsidText(const APStatus& ap);

// The 36 bytes at offset 128: length and SSID bytes.
const unsigned char* SsidKey(const APStatus& ap);
bool SsidKeyEquals(const APStatus& a, const APStatus& b);
bool SsidKeyEquals(const unsigned char* a, const unsigned char* b);

// A zero-filled record with the given SSID bytes (at most 32 are used).
APStatus MakeWithSsid(const std::string& ssid);

}  // namespace ApStatusUtil

#endif
