#include "EditProfileModel.h"

#include <cstdlib>

#include "AccessPointFields.h"
#include "ApStatusUtil.h"
#include "EditProfileHub.h"
#include "ProfileFieldRules.h"
#include "StoredChoices.h"
#include "TWMUtil.h"

namespace {

wxString Decode(const std::string& text) { return TWMUtil::StdStringToWxString(text); }

std::string Encode(const wxString& text) { return TWMUtil::WxStringToStdString(text); }

// The stored bytes while the field still shows them, else the field's text.
std::string KeepOrEncode(const wxString& shown, const std::string& stored) {
    return shown == Decode(stored) ? stored : Encode(shown);
}

// An empty working value stands for one not given in this dialog yet.
wxString WorkingOrStored(const wxString& working, const std::string& stored) {
    return working.empty() ? Decode(stored) : working;
}

// Only a whole number from 0 to 7 is an icon of the picker.
int IconPosition(const std::string& icon) {
    if (icon.empty() || icon.size() > 3 || icon.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int value = std::atoi(icon.c_str());
    return value <= 7 ? value : -1;
}

}  // namespace

EditProfileModel::EditProfileModel(const ProfileList_t& profile, bool fromScan)
    : m_profile(profile), m_fromScan(fromScan), m_oldName(Decode(profile.name)) {
    const stWirelessSet& wireless = profile.WirelessSet;
    const ProfileOtherSet& other = profile.OtherSet;
    EditProfileFields& f = m_loaded;
    f.name = m_oldName;
    f.icon = IconPosition(profile.icon);
    f.wireless = profile.GenernalSet.ConnecType == "wireless";
    f.ssid = Decode(wireless.SSID);
    f.wirelessType = StoredChoices::WirelessTypePosition(wireless.WirlessType);
    if (!wireless.WlanSecurity.empty()) {
        f.security = StoredChoices::SecurityPosition(wireless.WlanSecurity);
        if (f.security < 0)
            f.security = EditProfileFields::SEC_UNKNOWN;
    }
    ApplySecurityChoice(f);
    if (f.security == EditProfileFields::SEC_WEP) {
        const int index = StoredChoices::KeyIndexPosition(wireless.KeyIndex);
        f.keyIndex = index >= 0 ? index : 0;
    }

    if (other.NetworkSecurity == "1") {
        f.networkSecurity = true;
        m_forbidShareFileAndPrint = other.ForbidShareFileAndPrint;
        m_forbidShareInternet = other.ForbidShareInternet;
        m_startWindowFirewall = other.StartWindowFirewall;
    }
    if (other.AutoRunAppFlag == "1") {
        f.autoRun = true;
        m_appList = other.AutoRun;
    }
    if (other.IPDNS == "1") {
        f.ipDns = true;
        m_ip = {Decode(other.IPvalue), Decode(other.SubnetAddress), Decode(other.NetGateway), Decode(other.DNSvalue)};
    }
    if (other.HomepageFlag == "1") {
        f.homepage = true;
        f.homepageText = Decode(other.Homepage);
    }
    if (other.ProxyFlag == "1") {
        f.proxy = true;
        m_proxy = {Decode(other.Proxy), Decode(other.Port)};
    }
}

void EditProfileModel::ApplySecurityChoice(EditProfileFields& f) const {
    switch (f.security) {
    case EditProfileFields::SEC_WPA_PSK:
        f.keyEnabled = true;
        f.key = Decode(m_profile.WirelessSet.WPAKey);
        f.keyIndexEnabled = false;
        f.hexHint = false;
        break;
    case EditProfileFields::SEC_WEP:
        f.keyEnabled = true;
        f.key = Decode(m_profile.WirelessSet.WEPKey);
        f.keyIndexEnabled = true;
        f.hexHint = true;
        break;
    case EditProfileFields::SEC_NONE:
    case EditProfileFields::SEC_UNKNOWN:
        f.keyEnabled = false;
        f.key.clear();
        f.keyIndexEnabled = false;
        f.hexHint = false;
        break;
    default:
        break;
    }
}

void EditProfileModel::ApplyPickedAccessPoint(const APStatus& ap, EditProfileFields& f) {
    m_bPicked = true;
    m_pickedSsid = ApStatusUtil::SsidBytes(ap);
    f.ssid = Decode(m_pickedSsid);
    const AccessPointFields fields = AccessPointFields::From(ap);
    f.security = fields.securityIndex;
    f.wirelessType = fields.wirelessTypeIndex;
    ApplySecurityChoice(f);
    f.key.clear();  // the stored keys belong to the network the profile had
}

wxArrayString EditProfileModel::GetAppList() const {
    wxArrayString list;
    for (const std::string& program : m_appList)
        list.Add(Decode(program));
    return list;
}

void EditProfileModel::SetAppList(const wxArrayString& list) {
    std::vector<std::string> programs;
    for (const wxString& shown : list) {
        std::string bytes = Encode(shown);
        for (const std::string& old : m_appList) {
            if (Decode(old) == shown) {
                bytes = old;
                break;
            }
        }
        programs.push_back(bytes);
    }
    m_appList.swap(programs);
}

EditProfileModel::IpTexts EditProfileModel::GetIpPreset() const {
    const ProfileOtherSet& other = m_profile.OtherSet;
    return {WorkingOrStored(m_ip.ip, other.IPvalue), WorkingOrStored(m_ip.mask, other.SubnetAddress),
            WorkingOrStored(m_ip.gateway, other.NetGateway), WorkingOrStored(m_ip.dns, other.DNSvalue)};
}

EditProfileModel::ProxyTexts EditProfileModel::GetProxyPreset() const {
    const ProfileOtherSet& other = m_profile.OtherSet;
    return {WorkingOrStored(m_proxy.address, other.Proxy), WorkingOrStored(m_proxy.port, other.Port)};
}

bool EditProfileModel::SsidTyped(const wxString& ssid) const {
    if (ssid == Decode(m_profile.WirelessSet.SSID))
        return false;
    return !(m_bPicked && ssid == Decode(m_pickedSsid));
}

FieldVerdict EditProfileModel::Save(const EditProfileFields& fields, EditProfileHub& hub) {
    // A ticked group whose Settings were never confirmed goes out with the
    // stored values, as its Settings dialog would have shown them.
    const IpTexts ip = fields.ipDns ? GetIpPreset() : m_ip;
    const ProxyTexts proxy = fields.proxy ? GetProxyPreset() : m_proxy;
    const FieldVerdict verdict = Check(fields, ip, proxy, hub);
    if (verdict.accepted)
        Write(fields, ip, proxy);
    return verdict;
}

FieldVerdict EditProfileModel::Check(const EditProfileFields& f, const IpTexts& ip, const ProxyTexts& proxy,
                                     EditProfileHub& hub) const {
    using namespace ProfileFieldRules;
    // A profile made for a scanned network is new: every name in the
    // manager's list and in the store counts.
    FieldVerdict v = m_fromScan
                         ? CheckName(f.name, wxString(),
                                     [&hub](const wxString& n) { return hub.IsNameTaken(n, wxString()) || hub.IsNameStored(n); })
                         : CheckName(f.name, m_oldName, [&](const wxString& n) { return hub.IsNameTaken(n, m_oldName); });
    if (!v.accepted)
        return v;

    // The scan map has filled the wireless group from the network itself.
    if (f.wireless && !m_fromScan) {
        v = CheckSsid(f.ssid, SsidTyped(f.ssid));
        if (!v.accepted)
            return v;
        // A key still showing what is stored is the network's own, as
        // the profile has used it; a new one must be one that can connect.
        const stWirelessSet& stored = m_profile.WirelessSet;
        if (f.security == EditProfileFields::SEC_WEP && (f.key.empty() || f.key != Decode(stored.WEPKey)))
            v = CheckWepKey(f.key);
        else if (f.security == EditProfileFields::SEC_WPA_PSK && (f.key.empty() || f.key != Decode(stored.WPAKey)))
            v = CheckWpaKey(f.key);
        if (!v.accepted)
            return v;
    }

    return CheckTickedGroups({f.ipDns, ip.ip, ip.mask, ip.gateway, ip.dns, f.homepage, f.homepageText, f.proxy,
                              proxy.address, proxy.port});
}

void EditProfileModel::Write(const EditProfileFields& f, const IpTexts& ip, const ProxyTexts& proxy) {
    using ProfileFieldRules::Trim;
    ProfileList_t& p = m_profile;
    p.name = f.name == Decode(p.name) ? p.name : Encode(Trim(f.name));
    if (f.icon >= 0)
        p.icon = std::to_string(f.icon);
    p.GenernalSet.ConnecType = f.wireless ? "wireless" : "lan";

    // From the scan map the wireless group stays as the scan map filled it.
    if (!m_fromScan) {
        stWirelessSet& w = p.WirelessSet;
        if (f.ssid != Decode(w.SSID))
            w.SSID = m_bPicked && f.ssid == Decode(m_pickedSsid) ? m_pickedSsid : Encode(Trim(f.ssid));
        if (const char* type = StoredChoices::WirelessType(f.wirelessType))
            w.WirlessType = type;
        if (const char* security = StoredChoices::Security(f.security))
            w.WlanSecurity = security;
        switch (f.security) {
        case EditProfileFields::SEC_NONE:
            w.KeyIndex = "1";
            break;
        case EditProfileFields::SEC_WEP:
            w.WEPKey = KeepOrEncode(f.key, w.WEPKey);
            w.KeyIndex = std::to_string(f.keyIndex + 1);
            break;
        case EditProfileFields::SEC_WPA_PSK:
            w.WPAKey = KeepOrEncode(f.key, w.WPAKey);
            w.KeyIndex = "1";
            break;
        default:
            break;
        }
    }

    ProfileOtherSet& o = p.OtherSet;
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    o.NetworkSecurity = flag(f.networkSecurity);
    o.AutoRunAppFlag = flag(f.autoRun);
    o.IPDNS = flag(f.ipDns);
    o.HomepageFlag = flag(f.homepage);
    o.ProxyFlag = flag(f.proxy);
    o.ForbidShareFileAndPrint = m_forbidShareFileAndPrint;
    o.ForbidShareInternet = m_forbidShareInternet;
    o.StartWindowFirewall = m_startWindowFirewall;
    o.Homepage = Encode(Trim(f.homepageText));
    o.IPvalue = Encode(ip.ip);
    o.SubnetAddress = Encode(ip.mask);
    o.NetGateway = Encode(ip.gateway);
    o.DNSvalue = Encode(ip.dns);
    o.Proxy = Encode(proxy.address);
    o.Port = Encode(proxy.port);
    o.AutoRun = m_appList;
}
