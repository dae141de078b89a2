// Shows the network windows over the simulated laptop's built-in world and
// writes a PNG of each into the folder given as the first argument: the main
// window connected by wire and by wireless, the scan map and its detail
// list, the key and network-name prompts and the neighbour list.  The
// second argument is the program folder (its "pic/" holds the pictures).
// Run under an X server of its own, with the settings root in TIDEWAVE_ROOT
// and the stand-in Samba tools on PATH (scripts/shots/30-network-windows.sh).
#include <cstring>

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
#include "NetworkManagerDlg.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "ScanNetworkDlg.h"
#include "SsidInputDialog.h"
#include "TWMApp.h"
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
        SimControl::SetDelays(300, 200, 300);

        DataCenter* hub = DataCenter::GetInstance();
        hub->SetWindowFactory(&m_factory);
        hub->SetMeshStatusSource([this] { return m_nMeshStatus; });
        hub->Init();
        auto* simHub = static_cast<DataCenterLinux*>(hub);
        NetworkManagerDlg* main = hub->GetNetworkManagerDlg();
        ScanNetworkDlg* scan = hub->GetScanNetworkDlg();
        ProfileManagementControl* control = hub->GetProfileManagementControl();
        bool ok = main != nullptr && scan != nullptr;

        // Connected by wire with the first profile.
        main->Show(true);
        Apply(main, 0);
        control->PrepareTick();
        Pump(300);
        control->WiredPollTick();
        PumpUntil([&] { return control->GetCurrentProfileName() == "School LAN"; }, 5000);
        PumpUntil([] {
            char ip[RVL_TEXT_BUFFER] = {};
            return RVL_GetIPAddressHLAN(ADAPTER_WIRED, ip) == 0 && std::strcmp(ip, "127.0.0.1") != 0;
        }, 5000);
        simHub->OnStatusTimer();
        ok &= Grab(main, Path("main-window-wired"));

        // Wireless: the wire goes and "Classroom 101" is applied.
        SimControl::SetAdapterUp(ADAPTER_WIRED, false);
        SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
        simHub->OnStatusTimer();
        Apply(main, 1);
        control->PrepareTick();
        PumpUntil([&] { return simHub->IsAllocatorTimerRunning(); }, 5000);
        PumpUntil([] {
            char ip[RVL_TEXT_BUFFER] = {};
            return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, "10.20.1.57") == 0;
        }, 5000);
        simHub->OnAllocatorTimer();
        PumpUntil([&] { return control->GetCurrentProfileName() == "Classroom 101"; }, 5000);
        Pump(600);
        simHub->OnStatusTimer();
        Pump(300);
        simHub->OnStatusTimer();
        ok &= Grab(main, Path("main-window-wireless"));

        // The scan map, one network picked; then its detail list.
        main->Show(false);
        scan->ShowForConnect();
        PumpUntil([&] { return scan->GetList()->GetItemCount() == 9; }, 10000);
        for (long i = 0; i < scan->GetList()->GetItemCount(); ++i) {
            if (scan->GetList()->GetItemText(i, 1) == "Library-WEP") {
                wxCommandEvent pick(wxEVT_BUTTON, ScanNetworkDlg::ICON_ID_BASE + static_cast<int>(i));
                scan->GetEventHandler()->ProcessEvent(pick);
            }
        }
        ok &= Grab(scan, Path("scan-map"));
        Click(scan, "ID_BUTTON_DETAIL");
        ok &= Grab(scan, Path("scan-detail"));
        Click(scan, "ID_BUTTON_DETAIL");

        // The two prompts, filled in.
        {
            auto* keys = new KeyDialog(scan, true);
            for (wxWindow* child : keys->GetChildren()) {
                if (auto* field = dynamic_cast<wxTextCtrl*>(child))
                    field->ChangeValue("1234567890");
            }
            keys->Show();
            ok &= Grab(keys, Path("key-prompt"));
            keys->Destroy();
        }
        {
            auto* name = new SsidInputDialog(scan);
            for (wxWindow* child : name->GetChildren()) {
                if (auto* field = dynamic_cast<wxTextCtrl*>(child))
                    field->ChangeValue("Lab-Hidden");
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

    // Picks a profile in the switcher and presses Connect.
    static void Apply(NetworkManagerDlg* main, int entry) {
        auto* combo = static_cast<wxBitmapComboBox*>(wxWindow::FindWindowByName("ID_CMBSWITCHPRFL", main));
        combo->SetSelection(entry);
        wxCommandEvent e(wxEVT_COMBOBOX, combo->GetId());
        e.SetInt(entry);
        combo->GetEventHandler()->ProcessEvent(e);
        main->DoConnectOrDisconnect();
        Pump(200);
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
