#include "NewProfileChecks.h"

#include "ProfileFieldRules.h"

namespace NewProfileChecks {

namespace {

FieldVerdict CheckKey(int securityIndex, const wxString& key) {
    if (securityIndex == SECURITY_WEP)
        return ProfileFieldRules::CheckWepKey(key);
    if (securityIndex == SECURITY_WPA_PSK)
        return ProfileFieldRules::CheckWpaKey(key);
    return FieldVerdict::Accept();
}

}  // namespace

Outcome CheckPageChange(const NewProfileEntries& entries, bool leavingWirelessForward,
                        const std::function<bool(const wxString&)>& isTaken) {
    Outcome out;
    out.name = ProfileFieldRules::Trim(entries.name);
    out.ssid = entries.ssid;
    out.verdict =
        ProfileFieldRules::CheckName(out.name, wxString(), isTaken, ProfileFieldRules::NameOrder::Wizard);
    if (!out.verdict.accepted || !leavingWirelessForward)
        return out;
    if (entries.ssidChanged) {
        out.ssid = ProfileFieldRules::Trim(entries.ssid);
        out.ssidChecked = true;
        out.verdict = ProfileFieldRules::CheckSsid(out.ssid, true, ProfileFieldRules::SsidMessage::Wizard);
        if (!out.verdict.accepted)
            return out;
    }
    out.verdict = CheckKey(entries.securityIndex, entries.key);
    return out;
}

}  // namespace NewProfileChecks
