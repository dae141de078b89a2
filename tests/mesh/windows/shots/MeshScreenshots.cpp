// Shows each mesh window in turn, filled through the seams (the simulated
// laptop, a stand-in for the network interfaces, the mesh model), and writes
// a PNG of the screen area it covers into the folder given as the first
// argument.  Run under an X server of its own (scripts/shots/60-mesh.sh).
//
//   tidewave_mesh_screenshots <folder> <program folder>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/listctrl.h>
#include <wx/utils.h>

#include "GaugeDialog.h"
#include "IPDlg.h"
#include "InterfaceTable.h"
#include "MeshConfigurationDlg.h"
#include "MeshInfoManager.h"
#include "MeshShareMyInternetDlg.h"
#include "MeshTestSupport.h"
#include "MeshUseOthersInternetDlg.h"
#include "WindowShots.h"
#include "RvlSdk.h"
#include "ViewMeshNeighborsDlg.h"

namespace {

class ShotApp : public wxApp {
public:
    bool OnInit() override {
        if (!WindowShots::Begin(*this, true, m_folder))
            return false;
        CallAfter(&ShotApp::Run);
        return true;
    }

private:
    wxString Path(const char* name) const { return m_folder + "/" + name + ".png"; }

    template <typename Dialog>
    bool Shot(Dialog* dialog, const char* name, int waitMs = 300) {
        dialog->Show(true);
        WindowShots::Pump(waitMs);
        const bool ok = WindowShots::Grab(dialog, Path(name));
        dialog->Destroy();
        WindowShots::Pump(200);
        return ok;
    }

    void Run() {
        wxWindow* backdrop = WindowShots::ShowBackdrop();
        WindowShots::Pump(300);

        InterfaceTable interfaces({{"lo", "127.0.0.1", true, true},
                                   {"eth0", "192.168.10.57", true, true},
                                   {"wlan0", "", true, true},
                                   {"ra0", "10.20.1.57", true, true},
                                   {"eth1", "", false, true}});
        MeshInfoManager* model = MeshInfoManager::GetInstance();
        model->SetInterfaceQuery(&interfaces);
        model->ModifyMeshServer(ServerRecord("laptop-12", "10.20.0.12", 6));
        model->ModifyMeshServer(ServerRecord("Room12-Teacher", "10.20.0.2", 6));
        model->ModifyMeshServer(ServerRecord("laptop-15", "10.20.0.15", 11));
        RVL_TurnOnMesh(1);

        bool ok = Shot(new MeshConfigurationDlg(nullptr), "mesh-configuration");
        ok &= Shot(new MeshShareMyInternetDlg(nullptr), "mesh-server");
        {
            auto* client = new MeshUseOthersInternetDlg(nullptr, wxID_ANY);
            client->Show(true);
            auto* list = static_cast<wxListCtrl*>(wxWindow::FindWindowByName("ID_LISTCTRL1", client));
            list->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            ok &= Shot(client, "mesh-client");
        }
        {
            // The search first, with its gauge, then its result.
            auto* neighbours = new ViewMeshNeighborsDlg(nullptr);
            neighbours->Show(true);
            WindowShots::Pump(600);
            ok &= WindowShots::CheckLayout(neighbours, "mesh-neighbors-searching");
            ok &= WindowShots::CheckLayout(neighbours->GetGauge(), "mesh-neighbors-searching gauge");
            ok &= WindowShots::GrabArea(neighbours->GetScreenRect().Union(neighbours->GetGauge()->GetScreenRect()),
                       Path("mesh-neighbors-searching"));
            ok &= Shot(neighbours, "mesh-neighbors", ViewMeshNeighborsDlg::kSearchMs + 200);
        }
        ok &= Shot(new IPDlg(nullptr), "ip-address");

        model->SetInterfaceQuery(nullptr);
        backdrop->Destroy();
        WindowShots::Pump(200);
        // The main loop's exit code is the program's (OnExit's is not).
        wxEventLoopBase::GetActive()->Exit(ok ? 0 : 1);
    }

    wxString m_folder;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ShotApp);

int main(int argc, char** argv) {
    wxApp::SetInstance(new ShotApp);
    return wxEntry(argc, argv);
}
