#include "NewProfileRecord.h"

#include "NewProfileChecks.h"
#include "ProfileFieldRules.h"
#include "StoredChoices.h"
#include "TWMUtil.h"

namespace NewProfileRecord {

namespace {

std::string Utf8(const wxString& text) { return TWMUtil::WxStringToStdString(text); }
const char* Flag(bool on) { return on ? "1" : "0"; }

// Values outside the items are stored as "802.11b" and "unknown".
const char* WirelessType(int index) {
    const char* type = StoredChoices::WirelessType(index);
    return type != nullptr ? type : StoredChoices::WirelessType(1);
}

const char* Security(int index) {
    const char* security = StoredChoices::Security(index);
    return security != nullptr ? security : StoredChoices::Security(NewProfileChecks::SECURITY_UNKNOWN);
}

}  // namespace

void Fill(ProfileList_t& record, const NewProfileEntries& entries, const wxString& name, bool isAdmin) {
    record.name = Utf8(name);
    record.permission = isAdmin ? "admin" : "user";
    record.icon = std::to_string(entries.iconIndex);
    record.GenernalSet.ConnecType = entries.wireless ? "wireless" : "lan";
    stWirelessSet& w = record.WirelessSet;
    w.SSID = Utf8(entries.ssid);
    w.WirlessType = WirelessType(entries.wirelessTypeIndex);
    w.WlanSecurity = Security(entries.securityIndex);
    switch (entries.securityIndex) {
    case NewProfileChecks::SECURITY_NONE:
        w.KeyIndex = "1";
        break;
    case NewProfileChecks::SECURITY_WEP:
        w.WEPKey = Utf8(entries.key);
        w.KeyIndex = Utf8(entries.keyIndexText);
        break;
    case NewProfileChecks::SECURITY_WPA_PSK:
        w.WPAKey = Utf8(entries.key);
        w.KeyIndex = "1";
        break;
    default:
        break;
    }
    record.OtherSet = entries.other;
}

ProfileOtherSet OtherSet(const OtherSettingsEntries& e) {
    ProfileOtherSet o;
    o.NetworkSecurity = Flag(e.networkSecurity);
    o.AutoRunAppFlag = Flag(e.autoRun);
    o.IPDNS = Flag(e.ipDns);
    o.HomepageFlag = Flag(e.homepage);
    o.ProxyFlag = Flag(e.proxy);
    o.ForbidShareInternet = e.forbidShareInternet;
    o.Homepage = Utf8(ProfileFieldRules::Trim(e.homepageText));
    o.IPvalue = Utf8(e.ip);
    o.SubnetAddress = Utf8(e.mask);
    o.NetGateway = Utf8(e.gateway);
    o.DNSvalue = Utf8(e.dns);
    o.Proxy = Utf8(e.proxyAddress);
    o.Port = Utf8(e.port);
    o.AutoRun = e.programs;
    return o;
}

}  // namespace NewProfileRecord
