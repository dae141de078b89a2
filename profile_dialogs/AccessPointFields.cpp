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
    case 0:
    case 100:
        f.securityIndex = NewProfileChecks::SECURITY_NONE;
        break;
    case 1:
        f.securityIndex = NewProfileChecks::SECURITY_WEP;
        break;
    case 2:
        f.securityIndex = NewProfileChecks::SECURITY_WPA_PSK;
        break;
    default:
        f.securityIndex = NewProfileChecks::SECURITY_UNKNOWN;
        break;
    }
    f.wirelessTypeIndex = ap.nPhyType <= 2 ? static_cast<int>(ap.nPhyType) + 1 : 0;
    return f;
}
