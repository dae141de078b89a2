#include "ScanProfileRules.h"

#include <cstring>

#include "ApStatusUtil.h"
#include "NetworkTypes.h"
#include "TWMUtil.h"

namespace ScanProfileRules {

bool WriteTypedSsid(APStatus* ap, const std::string& utf8) {
    if (ap == nullptr || utf8.empty() || utf8.size() > RVL_SSID_MAX)
        return false;
    std::memset(ap->ucSSID, 0, sizeof ap->ucSSID);
    std::memcpy(ap->ucSSID, utf8.data(), utf8.size());
    ap->nSSIDLength = static_cast<uint32_t>(utf8.size());
    return true;
}

Proposal ProposeProfile(int flags, bool canMaintainProfiles, const wxString& ssidText) {
    Proposal p;
    if ((flags & PROFILES_READ) == 0 || (flags & 0xF00000) != 0 || !canMaintainProfiles)
        return p;
    p.offer = true;
    p.name = ssidText;
    if ((flags & 0xF0000) == PROFILES_NAME_TAKEN)
        p.name += "_0";
    p.priority = (flags & PROFILES_PRIORITY_MASK) + 1;
    return p;
}

ProfileList_t ProfileForAccessPoint(const APStatus& ap, const Proposal& proposal, bool admin,
                                    const wxString& key, int keyIndex) {
    ProfileList_t p;
    p.name = TWMUtil::WxStringToStdString(proposal.name);
    p.permission = admin ? "admin" : "user";
    p.priority = std::to_string(proposal.priority);
    p.icon = "0";
    p.show = "1";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = ApStatusUtil::SsidBytesToNul(ap);
    switch (ap.nPhyType) {
    case RVL_PHY_80211B: p.WirelessSet.WirlessType = "802.11b"; break;
    case RVL_PHY_80211G: p.WirelessSet.WirlessType = "802.11g"; break;
    case RVL_PHY_80211N: p.WirelessSet.WirlessType = "802.11n"; break;
    default: p.WirelessSet.WirlessType = "Automatic"; break;
    }
    const std::string keyText = TWMUtil::WxStringToStdString(key);
    switch (ap.nSecurity) {
    case RVL_SECURITY_OPEN:
        p.WirelessSet.WlanSecurity = "none";
        break;
    case RVL_SECURITY_WEP:
        p.WirelessSet.WlanSecurity = "wep";
        p.WirelessSet.WEPKey = keyText;
        break;
    case RVL_SECURITY_WPA_PSK:
        p.WirelessSet.WlanSecurity = "wpa-psk";
        p.WirelessSet.WPAKey = keyText;
        break;
    default:
        p.WirelessSet.WlanSecurity = "unknown";
        break;
    }
    p.WirelessSet.KeyIndex = std::to_string(keyIndex);
    p.OtherSet.NetworkSecurity = "0";
    p.OtherSet.AutoRunAppFlag = "0";
    p.OtherSet.IPDNS = "0";
    p.OtherSet.HomepageFlag = "0";
    p.OtherSet.ProxyFlag = "0";
    return p;
}

}  // namespace ScanProfileRules
