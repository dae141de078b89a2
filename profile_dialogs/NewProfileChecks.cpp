#include "NewProfileChecks.h"

#include <wx/intl.h>

#include "ProfileFieldRules.h"
#include "TWMUtil.h"

namespace NewProfileChecks {

namespace {

FieldVerdict CheckName(const wxString& name, const std::function<bool(const wxString&)>& isTaken) {
    if (name.empty())
        return FieldVerdict::Refuse(_("Profile name cannot be empty!"), ProfileField::Name);
    if (isTaken && isTaken(name)) {
        return FieldVerdict::Refuse(
            _("A profile with the name you specified already exists.\nPlease specify a different name!"),
            ProfileField::Name);
    }
    switch (TWMUtil::CheckInvalidChars(name)) {
    case 1:
        return FieldVerdict::Refuse(
            _("Profile name cannot contain any of the following characters\n \\ / : * ? \" ' < > |"),
            ProfileField::Name);
    case 2:
        return FieldVerdict::Refuse(_("Profile name cannot be empty!"), ProfileField::Name);
    default:
        return FieldVerdict::Accept();
    }
}

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
    out.verdict = CheckName(out.name, isTaken);
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
