#ifndef TIDEWAVE_EDITPROFILEMODEL_H
#define TIDEWAVE_EDITPROFILEMODEL_H

#include <string>
#include <vector>

#include <wx/arrstr.h>
#include <wx/string.h>

#include "EditProfileFields.h"
#include "FieldVerdict.h"
#include "ProfileList.h"
#include "RvlSdk.h"

class EditProfileHub;

// The edit dialog without its windows: the record being edited, what its
// controls show, the working values of the groups that the sub-dialogs edit,
// the rules that change the key controls, and the checks and writing back
// on OK.
//
// A text that still shows what was stored (or what a scan just picked) is
// written back as the stored bytes, so a name, SSID or key that is not UTF-8
// survives an edit of other fields.
class EditProfileModel {
public:
    EditProfileModel(const ProfileList_t& profile, bool fromScan);

    // What the controls show when the dialog opens.
    const EditProfileFields& Loaded() const { return m_loaded; }
    bool FromScan() const { return m_fromScan; }
    // The record's name as it was given, decoded.
    const wxString& OldName() const { return m_oldName; }
    // The record as given, or as OK last wrote it.
    const ProfileList_t& GetProfile() const { return m_profile; }

    // The key field, key index and hint for the chosen security type: WEP
    // and WPA-PSK show that type's stored key; NONE and UNKNOWN clear and
    // disable the key.  No selection changes nothing.
    void ApplySecurityChoice(EditProfileFields& fields) const;
    // An access point picked on the scan map: its SSID, security and type,
    // with the key field cleared.
    void ApplyPickedAccessPoint(const APStatus& ap, EditProfileFields& fields);

    // Network security: the box to preset, and the answer of its OK.
    bool ForbidShareInternetTicked() const { return m_forbidShareInternet == "1"; }
    void SetForbidShareInternet(bool ticked) { m_forbidShareInternet = ticked ? "1" : "0"; }

    // Applications to start.
    wxArrayString GetAppList() const;
    void SetAppList(const wxArrayString& list);

    // TCP/IP and DNS, and proxy: what a ticked group's Settings dialog
    // shows (a working value, or the stored one while that is empty), and
    // the texts its OK accepted.
    struct IpTexts {
        wxString ip, mask, gateway, dns;
    };
    struct ProxyTexts {
        wxString address, port;
    };
    IpTexts GetIpPreset() const;
    void SetIp(const IpTexts& texts) { m_ip = texts; }
    ProxyTexts GetProxyPreset() const;
    void SetProxy(const ProxyTexts& texts) { m_proxy = texts; }

    // OK: checks the fields in their order; the first fault is the answer
    // and nothing is written.  When all pass the record takes every field
    // and working value.
    FieldVerdict Save(const EditProfileFields& fields, EditProfileHub& hub);

private:
    FieldVerdict Check(const EditProfileFields& fields, const IpTexts& ip, const ProxyTexts& proxy,
                       EditProfileHub& hub) const;
    void Write(const EditProfileFields& fields, const IpTexts& ip, const ProxyTexts& proxy);
    bool SsidTyped(const wxString& ssid) const;

    ProfileList_t m_profile;
    bool m_fromScan;
    wxString m_oldName;
    EditProfileFields m_loaded;

    // The SSID of the access point last picked on the scan map.
    bool m_bPicked = false;
    std::string m_pickedSsid;

    // Working values.
    std::string m_forbidShareFileAndPrint;
    std::string m_forbidShareInternet;
    std::string m_startWindowFirewall;
    std::vector<std::string> m_appList;
    IpTexts m_ip;
    ProxyTexts m_proxy;
};

#endif
