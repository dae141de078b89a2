#include "AccessPointFields.h"

#include "ApStatusUtil.h"
#include "NewProfileChecks.h"
#include "TWMUtil.h"

AccessPointFields AccessPointFields::From(const APStatus& ap) {
    AccessPointFields f;
    const std::string ssid = ApStatusUtil::SsidBytes(ap);
    if (TWMUtil::IsValidUtf8(ssid))
        f.ssid = wxString::FromUTF8(ssid.data(), ssid.size());
    switch (ap.nSecurity) {
    case RVL_SECURITY_OPEN:
    case 100:  // reported for some open networks
        f.securityIndex = NewProfileChecks::SECURITY_NONE;
        break;
    case RVL_SECURITY_WEP:
        f.securityIndex = NewProfileChecks::SECURITY_WEP;
        break;
    case RVL_SECURITY_WPA_PSK:
        f.securityIndex = NewProfileChecks::SECURITY_WPA_PSK;
        break;
    default:
        f.securityIndex = NewProfileChecks::SECURITY_UNKNOWN;
        break;
    }
    // The items after "Automatic" are the PHY types in their order.
    switch (ap.nPhyType) {
    case RVL_PHY_80211B:
    case RVL_PHY_80211G:
    case RVL_PHY_80211N:
        f.wirelessTypeIndex = static_cast<int>(ap.nPhyType) + 1;
        break;
    default:
        f.wirelessTypeIndex = 0;
        break;
    }
    return f;
}
