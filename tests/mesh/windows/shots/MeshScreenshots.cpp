// Shows each mesh window in turn, filled through the seams (the simulated
// laptop, a stand-in for the network interfaces, the mesh model), and writes
// a PNG of the screen area it covers into the folder given as the first
// argument.  Run under an X server of its own (scripts/shots/60-mesh.sh).
// With "--long" the windows show the longest values they can be given: the
// longest host name the configuration takes, mesh servers and neighbours
// with the longest names and numbers a peer can announce, the longest
// interface names and addresses.
//
//   tidewave_mesh_screenshots <folder> <program folder> [--long]

#include <climits>
#include <functional>
#include <string>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "GaugeDialog.h"
#include "IPDlg.h"
#include "InterfaceTable.h"
#include "LongValues.h"
#include "MeshConfigurationDlg.h"
#include "MeshInfoManager.h"
#include "MeshShareMyInternetDlg.h"
#include "MeshTestSupport.h"
#include "MeshUseOthersInternetDlg.h"
#include "WindowShots.h"
#include "RvlSdk.h"
#include "ViewMeshNeighborsDlg.h"
#include "sim/DefaultWorld.h"
#include "sim/SimControl.h"

namespace {

// A host name of `count` bytes of 'W', the widest letter.
std::string Ws(size_t count) { return std::string(count, 'W'); }

// The interfaces the share dialog lists (names with "eth" or "ra"), and for
// "--long" the longest: IFNAMSIZ - 1 characters, the longest address.
std::vector<InterfaceTable::Interface> Interfaces() {
    if (!WindowShots::LongValues())
        return {{"lo", "127.0.0.1", true, true},
                {"eth0", "192.168.10.57", true, true},
                {"wlan0", "", true, true},
                {"ra0", "10.20.1.57", true, true},
                {"eth1", "", false, true}};
    return {{"ethWWWWWWWWWWWW", LongValues::kAddress, true, true},
            {"raWWWWWWWWWWWWW", LongValues::kAddress, false, true},
            {"eth0", "", true, true}};
}

// Mesh servers as DNS-SD announces them; for "--long" host names of 32
// bytes, the most an announcement holds, and the channel the widest number
// an announcement can carry.
void AnnounceServers(MeshInfoManager* model) {
    if (!WindowShots::LongValues()) {
        model->ModifyMeshServer(ServerRecord("laptop-12", "10.20.0.12", 6));
        model->ModifyMeshServer(ServerRecord("Room12-Teacher", "10.20.0.2", 6));
        model->ModifyMeshServer(ServerRecord("laptop-15", "10.20.0.15", 11));
        return;
    }
    for (const std::string& host : {Ws(32), std::string(LongValues::kSsidTwoByte)}) {
        MeshServerEntity server = ServerRecord("", LongValues::kAddress, INT_MIN);
        server.SetName(wxString::FromUTF8(host));
        server.SetHostName(wxString::FromUTF8(host));
        model->ModifyMeshServer(server);
    }
    model->ModifyMeshServer(ServerRecord("laptop-15", "10.20.0.15", 11));
}

// For "--long", the simulated laptop hears neighbours with 32-byte host
// names at full strength.
void HearLongNeighbours() {
    std::string xml = DefaultWorld::Xml();
    const std::string from = "<neighbor ", to = "</mesh>";
    const size_t first = xml.find(from), end = xml.find(to);
    xml.replace(first, end - first,
                "<neighbor hostName=\"" + Ws(32) + "\" mac=\"02:00:5e:10:00:12\" rssi=\"-20\"/>\n"
                "    <neighbor hostName=\"" + std::string(LongValues::kSsidTwoByte) +
                    "\" mac=\"02:00:5e:10:00:15\" rssi=\"-20\"/>\n  ");
    std::string error;
    if (!SimControl::ResetToXml(xml, &error))
        std::fprintf(stderr, "the world with long neighbours does not read: %s\n", error.c_str());
}

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

    // Shows the dialog, lets `fill` put values into it, and pictures it.
    template <typename Dialog>
    bool Shot(Dialog* dialog, const char* name, int waitMs = 300,
              const std::function<void(wxWindow*)>& fill = {}) {
        dialog->Show(true);
        if (fill)
            fill(dialog);
        WindowShots::Pump(waitMs);
        const bool ok = WindowShots::Grab(dialog, Path(name));
        dialog->Destroy();
        WindowShots::Pump(200);
        return ok;
    }

    void Run() {
        wxWindow* backdrop = WindowShots::ShowBackdrop();
        WindowShots::Pump(300);

        InterfaceTable interfaces(Interfaces());
        MeshInfoManager* model = MeshInfoManager::GetInstance();
        model->SetInterfaceQuery(&interfaces);
        AnnounceServers(model);
        if (WindowShots::LongValues())
            HearLongNeighbours();
        RVL_TurnOnMesh(1);

        // The longest values typed in, not stored, so that the settings file
        // stays as it is: the host name as long as its field takes it.
        bool ok = Shot(new MeshConfigurationDlg(nullptr), "mesh-configuration", 300, [](wxWindow* dialog) {
            if (!WindowShots::LongValues())
                return;
            const struct { const char* field; std::string value; } typed[] = {
                {"ID_TEXTCTRL_LOCAL_HOST_NAME", Ws(MeshConfigurationDlg::kHostNameMaxLength)},
                {"ID_TEXTCTRL_MESH_CHANNEL", "14"},
                {"ID_TEXTCTRL_ADVERTISEMENT_TIME", "60"}};
            for (const auto& t : typed)
                static_cast<wxTextCtrl*>(wxWindow::FindWindowByName(t.field, dialog))->SetValue(t.value);
        });
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
        ok &= Shot(new IPDlg(nullptr), "ip-address", 300, [](wxWindow* dialog) {
            if (WindowShots::LongValues())
                static_cast<wxTextCtrl*>(wxWindow::FindWindowByName("ID_TEXTCTRL1", dialog))
                    ->SetValue(LongValues::kAddress);
        });

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
