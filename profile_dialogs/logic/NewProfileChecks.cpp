#include "NewProfileChecks.h"

#include "ProfileFieldRules.h"
#include "TWMUtil.h"

namespace NewProfileChecks {

namespace {

FieldVerdict CheckKey(int securityIndex, const wxString& key) {
    if (securityIndex == SECURITY_WEP)
        return ProfileFieldRules::CheckWepKey(key);
    if (securityIndex == SECURITY_WPA_PSK)
        return ProfileFieldRules::CheckWpaKey(key);
    return FieldVerdict::Accept();
}

FieldVerdict CheckOtherSettings(const ProfileOtherSet& o) {
    const auto text = [](const std::string& utf8) { return TWMUtil::StdStringToWxString(utf8); };
    return ProfileFieldRules::CheckTickedGroups({o.IPDNS == "1", text(o.IPvalue), text(o.SubnetAddress),
                                                 text(o.NetGateway), text(o.DNSvalue), o.HomepageFlag == "1",
                                                 text(o.Homepage), o.ProxyFlag == "1", text(o.Proxy), text(o.Port)});
}

}  // namespace

Outcome CheckPageChange(const NewProfileEntries& entries, PageChange change,
                        const std::function<bool(const wxString&)>& isTaken) {
    Outcome out;
    out.name = ProfileFieldRules::Trim(entries.name);
    out.ssid = entries.ssid;
    out.verdict =
        ProfileFieldRules::CheckName(out.name, wxString(), isTaken, ProfileFieldRules::NameOrder::Wizard);
    if (out.verdict.accepted && change == PageChange::Finish)
        out.verdict = CheckOtherSettings(entries.other);
    if (!out.verdict.accepted || change != PageChange::LeavingWirelessForward)
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
