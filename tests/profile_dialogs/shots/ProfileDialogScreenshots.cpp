// Shows the edit dialog's pages for a WEP and a wired profile and each of
// its sub-dialogs, one at a time over a plain backdrop, and writes a PNG of
// each into the folder given as the first argument (the second names the
// program folder with the pictures).  Run under an X server of its own
// (scripts/screenshots.sh).  With "--long" the profiles and dialogs hold the
// longest values the dialogs accept (ProfileLongValues.h), and the wired
// profile's first page is shown too.

#include <string>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/evtloop.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "AutoRunSettings.h"
#include "EditProfileDialog.h"
#include "EditProfileHub.h"
#include "IPSettings.h"
#include "NetSecrityDlg.h"
#include "ProfileLongValues.h"
#include "ProxySettings.h"
#include "TWMUtil.h"
#include "WindowShots.h"

namespace {

using ProfileLongValues::Fill;
using WindowShots::Grab;
using WindowShots::Pump;

// A laptop with its wireless adapter up, a scan window, the wired profile
// in use (its name cannot be changed).
class DemoHub : public EditProfileHub {
public:
    int GetNetworkMode() override { return 2; }
    wxString GetCurrentProfileName() override;
    bool CanScanWireless() override { return true; }
    bool IsNameTaken(const wxString&, const wxString&) override { return false; }
    bool IsNameStored(const wxString&) override { return false; }
    bool HasScanWindow() override { return true; }
    bool PickAccessPoint(APStatus*) override { return false; }
};

std::string Utf8(const wxString& text) { return TWMUtil::WxStringToStdString(text); }

wxTextCtrl* Field(wxWindow* top, const char* name) {
    return dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName(name, top));
}

ProfileList_t LongLibraryProfile() {
    using namespace ProfileLongValues;
    ProfileList_t p;
    p.name = kName;
    p.icon = "5";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = kSsid;
    p.WirelessSet.WirlessType = "802.11g";
    p.WirelessSet.WlanSecurity = "wep";
    p.WirelessSet.WEPKey = kWepKey;
    p.WirelessSet.KeyIndex = "4";
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = "1";
    o.ForbidShareInternet = "1";
    o.AutoRunAppFlag = "1";
    for (const wxString& program : Programs())
        o.AutoRun.push_back(Utf8(program));
    o.IPDNS = "1";
    o.IPvalue = kIp;
    o.SubnetAddress = kMask;
    o.NetGateway = kGateway;
    o.DNSvalue = kDns;
    o.HomepageFlag = "1";
    o.Homepage = Utf8(Homepage());
    o.ProxyFlag = "1";
    o.Proxy = Utf8(ProxyAddress());
    o.Port = kPort;
    return p;
}

ProfileList_t LongSchoolLanProfile() {
    ProfileList_t p = LongLibraryProfile();
    p.name = ProfileLongValues::kNameTwoByte;
    p.icon = "0";
    p.GenernalSet.ConnecType = "lan";
    p.OtherSet.NetworkSecurity = "0";
    return p;
}

ProfileList_t LibraryProfile() {
    if (WindowShots::LongValues())
        return LongLibraryProfile();
    ProfileList_t p;
    p.name = "Library";
    p.icon = "5";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = "Library";
    p.WirelessSet.WirlessType = "802.11g";
    p.WirelessSet.WlanSecurity = "wep";
    p.WirelessSet.WEPKey = "0a1b2c3d4e";
    p.WirelessSet.KeyIndex = "2";
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = "1";
    o.ForbidShareInternet = "1";
    o.AutoRunAppFlag = "1";
    o.AutoRun = {"/usr/bin/school-portal", "/opt/library/catalogue"};
    o.IPDNS = "0";
    o.HomepageFlag = "1";
    o.Homepage = "http://library.school.example/";
    o.ProxyFlag = "1";
    o.Proxy = "proxy.school.example";
    o.Port = "3128";
    return p;
}

ProfileList_t SchoolLanProfile() {
    if (WindowShots::LongValues())
        return LongSchoolLanProfile();
    ProfileList_t p;
    p.name = "School LAN";
    p.icon = "0";
    p.GenernalSet.ConnecType = "lan";
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = o.AutoRunAppFlag = o.HomepageFlag = o.ProxyFlag = "0";
    o.IPDNS = "1";
    o.IPvalue = "10.20.1.57";
    o.SubnetAddress = "255.255.0.0";
    o.NetGateway = "10.20.0.1";
    o.DNSvalue = "10.20.0.2";
    return p;
}

wxString DemoHub::GetCurrentProfileName() { return wxString::FromUTF8(SchoolLanProfile().name); }

class ShotApp : public wxApp {
public:
    bool OnInit() override {
        if (!WindowShots::Begin(*this, false, m_folder))
            return false;
        if (!ProfileLongValues::Accepted())
            return false;
        EditProfileHub::Install(&m_hub);
        CallAfter(&ShotApp::Run);
        return true;
    }

private:
    bool Grab(wxWindow* window, const char* name) { return ::Grab(window, m_folder + "/" + name + ".png"); }

    // A sub-dialog, shown on its own in the middle of the screen.
    bool GrabAlone(wxDialog* dialog, const char* name) {
        dialog->Centre();
        dialog->Show();
        const bool ok = Grab(dialog, name);
        dialog->Destroy();
        return ok;
    }

    void Run() {
        wxWindow* backdrop = WindowShots::ShowBackdrop();
        Pump(300);
        bool ok = true;
        {
            auto* edit = new EditProfileDialog(backdrop, LibraryProfile(), false);
            edit->Show();
            auto* notebook = dynamic_cast<wxNotebook*>(wxWindow::FindWindowByName("ID_EDITNOTEBOOK", edit));
            const char* pages[] = {"edit-profile-general", "edit-profile-wireless", "edit-profile-other"};
            // What the dialog shows of the record, whole.
            const ProfileList_t shown = LibraryProfile();
            ok &= Fill(Field(edit, "ID_NAMETEXTCTRL"), wxString::FromUTF8(shown.name)) &&
                  Fill(Field(edit, "ID_SSIDTEXTCTRL"), wxString::FromUTF8(shown.WirelessSet.SSID)) &&
                  Fill(Field(edit, "ID_HOMEPAGETEXTCTRL"), wxString::FromUTF8(shown.OtherSet.Homepage));
            for (size_t i = 0; i < 3 && notebook != nullptr; ++i) {
                notebook->SetSelection(i);
                ok &= Grab(edit, pages[i]);
            }
            edit->Destroy();
        }
        {
            auto* wired = new EditProfileDialog(backdrop, SchoolLanProfile(), false);
            wired->Show();
            auto* notebook = dynamic_cast<wxNotebook*>(wxWindow::FindWindowByName("ID_EDITNOTEBOOK", wired));
            // Its name, in use, is shown as the dialog cuts it to its field.
            if (notebook != nullptr && WindowShots::LongValues())
                ok &= Grab(wired, "edit-profile-wired-general");
            if (notebook != nullptr)
                notebook->SetSelection(1);
            ok &= Grab(wired, "edit-profile-wired-other");
            wired->Destroy();
        }
        // The sub-dialogs show the values of the two profiles.
        const ProfileOtherSet wired = SchoolLanProfile().OtherSet;
        const ProfileOtherSet wireless = LibraryProfile().OtherSet;
        {
            auto* ip = new IPSettings(backdrop);
            ok &= Fill(ip->TCIP, wired.IPvalue) && Fill(ip->TCSM, wired.SubnetAddress) &&
                  Fill(ip->TCGA, wired.NetGateway) && Fill(ip->TCDNS, wired.DNSvalue);
            ok &= GrabAlone(ip, "ip-settings");
        }
        {
            auto* proxy = new ProxySettings(backdrop);
            ok &= Fill(proxy->m_tcProxy, wxString::FromUTF8(wireless.Proxy)) && Fill(proxy->m_tcPort, wireless.Port);
            ok &= GrabAlone(proxy, "proxy-settings");
        }
        {
            auto* apps = new AutoRunSettings(backdrop, wxID_ANY);
            wxArrayString list;
            for (const std::string& program : wireless.AutoRun)
                list.Add(wxString::FromUTF8(program));
            apps->SetAppList(list);
            ok &= GrabAlone(apps, "autorun-settings");
        }
        {
            auto* security = new NetSecrityDlg(backdrop, wxID_ANY);
            security->m_pInternetCheckBox->SetValue(true);
            ok &= GrabAlone(security, "network-security");
        }
        backdrop->Destroy();
        Pump(100);
        EditProfileHub::Install(nullptr);
        wxEventLoopBase::GetActive()->Exit(ok ? 0 : 1);
    }

    wxString m_folder;
    DemoHub m_hub;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ShotApp);

int main(int argc, char** argv) {
    wxApp::SetInstance(new ShotApp);
    return wxEntry(argc, argv);
}
