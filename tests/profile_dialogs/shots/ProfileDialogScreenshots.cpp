// Shows the edit dialog's pages for a WEP and a wired profile and each of
// its sub-dialogs, one at a time over a plain backdrop, and writes a PNG of
// each into the folder given as the first argument (the second names the
// program folder with the pictures).  Run under an X server of its own
// (scripts/screenshots.sh).

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
#include "ProxySettings.h"
#include "WindowShots.h"

namespace {

using WindowShots::Grab;
using WindowShots::Pump;

// A laptop with its wireless adapter up, a scan window, nothing in use.
class DemoHub : public EditProfileHub {
public:
    int GetNetworkMode() override { return 2; }
    wxString GetCurrentProfileName() override { return wxString(); }
    bool CanScanWireless() override { return true; }
    bool IsNameTaken(const wxString&, const wxString&) override { return false; }
    bool IsNameStored(const wxString&) override { return false; }
    bool HasScanWindow() override { return true; }
    bool PickAccessPoint(APStatus*) override { return false; }
};

ProfileList_t LibraryProfile() {
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

class ShotApp : public wxApp {
public:
    bool OnInit() override {
        if (!WindowShots::Begin(*this, false, m_folder))
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
            if (notebook != nullptr)
                notebook->SetSelection(1);
            ok &= Grab(wired, "edit-profile-wired-other");
            wired->Destroy();
        }
        {
            auto* ip = new IPSettings(backdrop);
            ip->TCIP->SetValue("10.20.1.57");
            ip->TCSM->SetValue("255.255.0.0");
            ip->TCGA->SetValue("10.20.0.1");
            ip->TCDNS->SetValue("10.20.0.2");
            ok &= GrabAlone(ip, "ip-settings");
        }
        {
            auto* proxy = new ProxySettings(backdrop);
            proxy->m_tcProxy->SetValue("proxy.school.example");
            proxy->m_tcPort->SetValue("3128");
            ok &= GrabAlone(proxy, "proxy-settings");
        }
        {
            auto* apps = new AutoRunSettings(backdrop, wxID_ANY);
            wxArrayString list;
            list.Add("/usr/bin/school-portal");
            list.Add("/opt/library/catalogue");
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
