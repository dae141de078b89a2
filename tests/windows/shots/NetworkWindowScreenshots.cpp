// Shows the network windows over the simulated laptop and writes a PNG of
// each into the folder given as the first argument: the main window
// connected by wire and by wireless, the scan map, its detail list and that
// list scrolled to its right end, the key and network-name prompts and the
// neighbour list.  The second argument is the program folder (its "pic/"
// holds the pictures).  Run under an X server of its own, with the settings
// root in TIDEWAVE_ROOT and the stand-in Samba tools on PATH
// (scripts/shots/30-network-windows.sh).
//
// With "--long" the same windows show the longest values a user can meet:
// profiles with the longest names, nine networks with 32-byte names, the
// longest connection type and address texts, prompts filled to their
// limits, and neighbours with the longest names a listing gives.
#include <cstdlib>
#include <cstring>
#include <string>

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/evtloop.h>
#include <wx/listctrl.h>
#include <wx/log.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "ApStatusUtil.h"
#include "DataCenter.h"
#include "DataCenterLinux.h"
#include "KeyDialog.h"
#include "LongValues.h"
#include "NetworkManagerDlg.h"
#include "NetworkTypes.h"
#include "ProfileFile.h"
#include "ProfileManagementControl.h"
#include "ScanNetworkDlg.h"
#include "SsidInputDialog.h"
#include "SystemPaths.h"
#include "TWMApp.h"
#include "TWMUtil.h"
#include "ViewAPNeighborsDlg.h"
#include "WindowShots.h"
#include "sim/SimControl.h"

namespace {

using WindowShots::Pump;
using WindowShots::PumpUntil;

bool Grab(wxWindow* window, const wxString& file) { return WindowShots::Grab(window, file, 8); }

void Click(wxWindow* parent, const char* name) {
    wxWindow* button = wxWindow::FindWindowByName(name, parent);
    wxCommandEvent e(wxEVT_BUTTON, button->GetId());
    e.SetEventObject(button);
    button->ProcessWindowEvent(e);
}

// What the windows are filled with: the demo's values, or the longest.
struct Values {
    std::string wiredProfile;
    std::string wirelessProfile;
    std::string wirelessAddress;
    wxString pickedNetwork;
    wxString key;
    wxString ssid;
};

Values DemoValues() {
    return {"School LAN", "Classroom 101", "10.20.1.57", "Library-WEP", "1234567890", "Lab-Hidden"};
}

// The longest connection type a wired link reports: the fastest speed with
// its duplex.
const char* const kLongConnectType = "10000Mbps Half";

// Nine networks whose names fill an SSID's 32 bytes (one of two-byte
// letters), at the demo's signal strengths, so that the map's every arc and
// its right edge carry a long name.
std::string LongWorld() {
    const struct {
        const char* ssid;
        const char* security;
        int signal;
        const char* phy;
        int channel;
    } networks[] = {
        {LongValues::kSsid, "wpa-psk", 92, "n", 165},
        {LongValues::kSsidTwoByte, "wpa-psk", 78, "n", 149},
        {"Riverside-Primary-School-Staff01", "wep", 66, "g", 11},
        {"Staff-Room-Administration-Block2", "unknown", 57, "n", 13},
        {"Classroom-101-Second-Floor-North", "wpa-psk", 49, "n", 161},
        {"Guest-Open-Visitors-Main-Entry01", "open", 41, "b", 11},
        {"Library Reading Room Upper Floor", "wpa-psk", 35, "g", 9},
        {"Cafeteria-Kitchen-Staff-Only-WEP", "wep", 22, "g", 12},
        {"Gym-Far-Corner-Changing-Rooms-01", "open", 7, "b", 13},
    };
    std::string xml = std::string("<world scanDelayMs=\"1000\" connectDelayMs=\"400\">\n"
                                  "  <wired present=\"1\" up=\"1\" link=\"1\" connectType=\"") +
                      kLongConnectType + "\" dhcpAddress=\"" + LongValues::kAddress +
                      "\" dhcpDelayMs=\"2000\"/>\n  <wireless present=\"1\" up=\"0\"/>\n";
    int n = 0;
    for (const auto& net : networks) {
        ++n;
        xml += std::string("  <accessPoint ssid=\"") + net.ssid + "\" bssid=\"00:1a:2b:3c:4d:0" +
               std::to_string(n) + "\" channel=\"" + std::to_string(net.channel) + "\" phy=\"" + net.phy +
               "\" security=\"" + net.security + "\" signal=\"" + std::to_string(net.signal) +
               "\" key=\"lantern-wpa-key\" keyIndex=\"1\" dhcpAddress=\"" + LongValues::kAddress +
               "\" dhcpDelayMs=\"2500\"/>\n";
    }
    return xml + "</world>\n";
}

// The longest-named profiles beside the demo's: one for the wire, one for
// the first network above.
bool WriteLongProfiles() {
    ProfileList_t wired;
    wired.name = LongValues::kProfileName;
    wired.permission = "admin";
    wired.priority = "5";
    wired.icon = "5";
    wired.show = "1";
    wired.GenernalSet.ConnecType = "lan";
    ProfileList_t wireless = wired;
    wireless.name = LongValues::kProfileNameTwoByte;
    wireless.priority = "6";
    wireless.icon = "7";
    wireless.GenernalSet.ConnecType = "wireless";
    wireless.WirelessSet.SSID = LongValues::kSsid;
    wireless.WirelessSet.WlanSecurity = "wpa-psk";
    wireless.WirelessSet.WPAKey = "lantern-wpa-key";
    return ProfileFile::Write(wired, SystemPaths::AdminDir(), 0644, true) &&
           ProfileFile::Write(wireless, SystemPaths::AdminDir(), 0644, true);
}

// Stand-ins for the Samba tools that list machines under the longest names
// a listing holds (a NetBIOS name has 15 characters) with the longest
// addresses, put first on PATH.
bool InstallLongSambaTools(const wxString& folder) {
    const std::string dir = std::string(folder.utf8_str());
    if (!TWMUtil::MakeFolder(dir, 0755))
        return false;
    const std::string smbtree = dir + "/smbtree";
    const std::string nmblookup = dir + "/nmblookup";
    const bool written =
        TWMUtil::ReplaceFile(smbtree,
                             "#!/bin/sh\nprintf 'WWWWWWWWWWWWWWW\\n'\n"
                             "printf '\\t\\\\\\\\WWWWWWWWWWWWWWW\\t\\tA\\n'\n"
                             "printf '\\t\\\\\\\\MMMMMMMMMMMMMMM\\t\\tB\\n'\n"
                             "printf '\\t\\\\\\\\LIBRARY-PRINT-2\\t\\tC\\n'\n",
                             0755) &&
        TWMUtil::ReplaceFile(nmblookup,
                             std::string("#!/bin/sh\nfor name in \"$@\"; do :; done\n"
                                         "echo \"querying $name on 255.255.255.255\"\n"
                                         "echo \"") +
                                 LongValues::kAddress + " $name<00>\"\n",
                             0755);
    if (!written)
        return false;
    const char* path = std::getenv("PATH");
    return setenv("PATH", (dir + ":" + (path != nullptr ? path : "")).c_str(), 1) == 0;
}

Values LongRunValues() {
    std::string key(KeyDialog::MAX_KEY_LENGTH, 'W');
    return {LongValues::kProfileName, LongValues::kProfileNameTwoByte, LongValues::kAddress,
            wxString::FromUTF8(LongValues::kSsidTwoByte), key, LongValues::kSsid};
}

// The application object the windows expect, without the tray's start-up.
class ShotApp : public TWMApp {
public:
    bool OnInit() override {
        if (!WindowShots::Begin(*this, true, m_folder))
            return false;
        m_strAppDir = argv[2] + "/";
        SetExitOnFrameDelete(false);
        CallAfter(&ShotApp::Run);
        return true;
    }

private:
    wxString Path(const char* name) const { return m_folder + "/" + name + ".png"; }

    void Run() {
        WindowShots::ShowBackdrop();
        const bool longRun = WindowShots::LongValues();
        const Values values = longRun ? LongRunValues() : DemoValues();
        bool ok = true;
        if (longRun) {
            ok &= SimControl::ResetToXml(LongWorld());
            ok &= WriteLongProfiles();
            ok &= InstallLongSambaTools(wxGetCwd() + "/long-samba");
        }
        SimControl::SetDelays(300, 200, 300);

        DataCenter* hub = DataCenter::GetInstance();
        hub->SetWindowFactory(&m_factory);
        hub->SetMeshStatusSource([this] { return m_nMeshStatus; });
        hub->Init();
        auto* simHub = static_cast<DataCenterLinux*>(hub);
        NetworkManagerDlg* main = hub->GetNetworkManagerDlg();
        ScanNetworkDlg* scan = hub->GetScanNetworkDlg();
        ProfileManagementControl* control = hub->GetProfileManagementControl();
        ok &= main != nullptr && scan != nullptr;
        const wxString wiredProfile = wxString::FromUTF8(values.wiredProfile);
        const wxString wirelessProfile = wxString::FromUTF8(values.wirelessProfile);

        // Connected by wire with the first profile.
        main->Show(true);
        ok &= Apply(main, wiredProfile);
        control->PrepareTick();
        Pump(300);
        control->WiredPollTick();
        PumpUntil([&] { return control->GetCurrentProfileName() == wiredProfile; }, 5000);
        PumpUntil([] {
            char ip[RVL_TEXT_BUFFER] = {};
            return RVL_GetIPAddressHLAN(ADAPTER_WIRED, ip) == 0 && std::strcmp(ip, "127.0.0.1") != 0;
        }, 5000);
        simHub->OnStatusTimer();
        ok &= Grab(main, Path("main-window-wired"));

        // Wireless: the wire goes and the wireless profile is applied.
        SimControl::SetAdapterUp(ADAPTER_WIRED, false);
        SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
        simHub->OnStatusTimer();
        ok &= Apply(main, wirelessProfile);
        control->PrepareTick();
        PumpUntil([&] { return simHub->IsAllocatorTimerRunning(); }, 5000);
        PumpUntil([&] {
            char ip[RVL_TEXT_BUFFER] = {};
            return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && values.wirelessAddress == ip;
        }, 5000);
        simHub->OnAllocatorTimer();
        PumpUntil([&] { return control->GetCurrentProfileName() == wirelessProfile; }, 5000);
        Pump(600);
        simHub->OnStatusTimer();
        Pump(300);
        simHub->OnStatusTimer();
        ok &= Grab(main, Path("main-window-wireless"));

        // The scan map, one network picked; then its detail list, and the
        // list scrolled to its right end.
        main->Show(false);
        scan->ShowForConnect();
        wxListCtrl* list = scan->GetList();
        ok &= PumpUntil([&] { return list->GetItemCount() == 9; }, 10000);
        for (long i = 0; i < list->GetItemCount(); ++i) {
            if (list->GetItemText(i, 1) == values.pickedNetwork) {
                wxCommandEvent pick(wxEVT_BUTTON, ScanNetworkDlg::ICON_ID_BASE + static_cast<int>(i));
                scan->GetEventHandler()->ProcessEvent(pick);
            }
        }
        ok &= Grab(scan, Path("scan-map"));
        Click(scan, "ID_BUTTON_DETAIL");
        ok &= Grab(scan, Path("scan-detail"));
        ok &= ScrollToRightEnd(list);
        ok &= Grab(scan, Path("scan-detail-scrolled"));
        wxExecute("xdotool mousemove 0 0", wxEXEC_SYNC | wxEXEC_NODISABLE);
        Click(scan, "ID_BUTTON_DETAIL");

        // The two prompts, filled in.
        {
            auto* keys = new KeyDialog(scan, true);
            for (wxWindow* child : keys->GetChildren()) {
                if (auto* field = dynamic_cast<wxTextCtrl*>(child))
                    field->ChangeValue(values.key);
            }
            keys->Show();
            ok &= Grab(keys, Path("key-prompt"));
            keys->Destroy();
        }
        {
            auto* name = new SsidInputDialog(scan);
            for (wxWindow* child : name->GetChildren()) {
                if (auto* field = dynamic_cast<wxTextCtrl*>(child))
                    field->ChangeValue(values.ssid);
            }
            name->Show();
            ok &= Grab(name, Path("ssid-prompt"));
            name->Destroy();
        }
        scan->CloseIfShown();

        // The neighbour list from the stand-in Samba tools.
        ViewAPNeighborsDlg* neighbours = main->GetNeighborsDlg();
        neighbours->Show();
        ok &= PumpUntil([&] { return neighbours->GetList()->GetItemCount() == 3; }, 15000);
        ok &= Grab(neighbours, Path("neighbours"));
        neighbours->Close();

        std::fflush(stdout);
        _exit(ok ? 0 : 1);  // the hub's threads live to the end of the process
    }

    // Scrolls a list to its right end with the mouse wheel, as a user does.
    static bool ScrollToRightEnd(wxListCtrl* list) {
        const wxRect r = list->GetScreenRect();
        wxExecute(wxString::Format("xdotool mousemove %d %d click --repeat 40 7", r.x + r.width / 2,
                                   r.y + r.height / 2),
                  wxEXEC_SYNC | wxEXEC_NODISABLE);
        return PumpUntil([list] {
            return list->GetScrollPos(wxHORIZONTAL) + list->GetScrollThumb(wxHORIZONTAL) >=
                   list->GetScrollRange(wxHORIZONTAL);
        }, 5000);
    }

    // Picks a profile in the switcher by its name and presses Connect.
    static bool Apply(NetworkManagerDlg* main, const wxString& profile) {
        auto* combo = static_cast<wxBitmapComboBox*>(wxWindow::FindWindowByName("ID_CMBSWITCHPRFL", main));
        const int entry = combo->FindString(profile, true);
        if (entry == wxNOT_FOUND) {
            std::fprintf(stderr, "no profile %s in the switcher\n", static_cast<const char*>(profile.utf8_str()));
            return false;
        }
        combo->SetSelection(entry);
        wxCommandEvent e(wxEVT_COMBOBOX, combo->GetId());
        e.SetInt(entry);
        combo->GetEventHandler()->ProcessEvent(e);
        main->DoConnectOrDisconnect();
        Pump(200);
        return true;
    }

    wxString m_folder;
    NetworkWindowFactory m_factory;
};

}  // namespace

int main(int argc, char** argv) {
    wxLog::SetActiveTarget(new wxLogStderr);
    wxApp::SetInstance(new ShotApp);
    return wxEntry(argc, argv);
}
