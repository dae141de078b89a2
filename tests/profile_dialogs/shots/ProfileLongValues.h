#ifndef TIDEWAVE_PROFILELONGVALUES_H
#define TIDEWAVE_PROFILELONGVALUES_H

#include <cstdio>
#include <string>

#include <wx/arrstr.h>
#include <wx/string.h>
#include <wx/textctrl.h>

#include "LongValues.h"
#include "ProfileFieldRules.h"

// The longest values the profile dialogs take, for the "--long" run of
// their picture programs.  The name and SSID fields take 32 characters;
// the keys, addresses and the proxy port are as long as their rules allow;
// homepage, proxy address and program paths have no limit of their own, so
// they are as long as a user meets them: a path of 255 bytes, a host name
// of 253 (the longest a name server answers), an address of 255.
namespace ProfileLongValues {

// A typed SSID is 7-bit ASCII; a stored or scanned one may be two-byte.
inline const char* const kSsid = LongValues::kSsid;
inline const char* const kSsidTwoByte = LongValues::kSsidTwoByte;
inline const char* const kName = LongValues::kProfileName;
inline const char* const kNameTwoByte = LongValues::kProfileNameTwoByte;
// A new profile beside them, named apart at its end.
inline const char* const kNewName = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW2";

// 26 hexadecimal digits, and 64.
inline const char* const kWepKey = "0a1b2c3d4e5f60718293a4b5c6";
inline const char* const kWpaKey = "0a1b2c3d4e5f60718293a4b5c6d7e8f90a1b2c3d4e5f60718293a4b5c6d7e8f9";

// Four texts of 15 characters that are one subnet.
inline const char* const kIp = "192.168.100.200";
inline const char* const kMask = "255.255.255.128";
inline const char* const kGateway = "192.168.100.129";
inline const char* const kDns = "192.168.100.254";

inline const char* const kPort = "65535";

// `prefix` filled up with 'W' to `bytes` bytes, then `suffix`.
inline wxString Filled(const std::string& prefix, size_t bytes, const std::string& suffix) {
    const size_t fill = bytes > prefix.size() + suffix.size() ? bytes - prefix.size() - suffix.size() : 0;
    return wxString::FromUTF8(prefix + std::string(fill, 'W') + suffix);
}

// Four labels of 63 characters or less, 253 in all.
inline wxString ProxyAddress() {
    const std::string label(63, 'W');
    return wxString::FromUTF8(label + "." + label + "." + label + "." + std::string(61, 'W'));
}

inline wxString Homepage() { return Filled("https://www.", 255, ".example/portal/index.html"); }

// Three programs of 255 bytes, the first two apart only at the end, the
// third in two-byte characters.
inline wxArrayString Programs() {
    wxArrayString programs;
    programs.Add(Filled("/opt/", 255, "/bin/portal-start"));
    programs.Add(Filled("/opt/", 255, "/bin/portal-stop"));
    std::string twoByte = "/home/pupil/";
    while (twoByte.size() + 2 + 11 <= 255)
        twoByte += "Ж";
    programs.Add(wxString::FromUTF8(twoByte + "/bin/portal"));
    return programs;
}

// Whether the dialogs' own rules take every value here (a program is only
// tested for existing when it is added); the first refusal is said on
// standard error.
inline bool Accepted() {
    using namespace ProfileFieldRules;
    const FieldVerdict verdicts[] = {
        CheckName(wxString::FromUTF8(kName), wxString(), nullptr),
        CheckName(wxString::FromUTF8(kNameTwoByte), wxString(), nullptr),
        CheckName(kNewName, wxString(), nullptr),
        CheckSsid(wxString::FromUTF8(kSsid), true),
        CheckSsid(wxString::FromUTF8(kSsidTwoByte), false),
        CheckWepKey(kWepKey),
        CheckWpaKey(kWpaKey),
        CheckIpSettings(kIp, kMask, kGateway, kDns),
        CheckProxy(ProxyAddress(), kPort),
        CheckHomepage(Homepage()),
    };
    for (const FieldVerdict& verdict : verdicts) {
        if (!verdict.accepted) {
            std::fprintf(stderr, "the dialogs refuse a long value: %s\n",
                         static_cast<const char*>(verdict.message.utf8_str()));
            return false;
        }
    }
    return true;
}

// Puts `value` into `field` as typing does; false, said on standard error,
// when the field does not take it whole.
inline bool Fill(wxTextCtrl* field, const wxString& value) {
    if (field == nullptr)
        return false;
    if (field->GetValue() != value)
        field->SetValue(value);
    if (field->GetValue() == value)
        return true;
    std::fprintf(stderr, "%s does not take \"%s\"\n", static_cast<const char*>(field->GetName().utf8_str()),
                 static_cast<const char*>(value.utf8_str()));
    return false;
}

}  // namespace ProfileLongValues

#endif
