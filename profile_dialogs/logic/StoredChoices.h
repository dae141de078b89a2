#ifndef TIDEWAVE_STOREDCHOICES_H
#define TIDEWAVE_STOREDCHOICES_H

#include <string>

// The values a profile stores for the wireless-type, security and key-index
// choices of the edit dialog and the wizard, by item position.  The items shown may be
// translated; the stored values never are.
namespace StoredChoices {

// "Automatic", "802.11b", "802.11g", "802.11n"; null outside 0 to 3.
const char* WirelessType(int position);
// "none", "wep", "wpa-psk", "unknown"; null outside 0 to 3.
const char* Security(int position);

// The position of a stored value; -1 when it is none of them.
int WirelessTypePosition(const std::string& value);
int SecurityPosition(const std::string& value);
// The WEP key index: "1" to "4" at 0 to 3.
int KeyIndexPosition(const std::string& value);

}  // namespace StoredChoices

#endif
