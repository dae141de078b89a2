// The tray's mesh commands: the menu items, their enabling, the commands
// through the menu, and the address rule fed by the status checks.
#include <fstream>

#include <wx/menu.h>

#include "MeshInfoManager.h"
#include "MeshUseOthersInternetDlg.h"
#include "ModalDialogAnswerer.h"
#include "NetworkTypes.h"
#include "NetworkWindowFactory.h"
#include "PolicyManager.h"
#include "TWMApp.h"
#include "TWMPopupMenu.h"
#include "TWMTaskTray.h"
#include "TrayTestSupport.h"
#include "sim/SimControl.h"

namespace {

class MeshMenuTest : public TrayTest {
protected:
    void TearDown() override {
        wxGetApp().m_nMeshStatus = MESH_OFF;
        MeshInfoManager::GetInstance()->SetMeshEnabled(false);
        MeshInfoManager::GetInstance()->ClearMeshUseOthersInternetDlg();
        TrayTest::TearDown();
    }

    // Picks a menu item as a click would; the command runs once the menu
    // has gone.
    static void Pick(int id) {
        {
            TWMPopupMenu menu;
            wxCommandEvent pick(wxEVT_MENU, id);
            menu.ProcessEvent(pick);
        }
        RunEventLoopFor(20);
    }

    // The hub's client dialog, after "Use Other's Internet" with mesh on.
    MeshUseOthersInternetDlg* UseOthersInternet() {
        hub->SetWindowFactory(&factory);
        StartTray();
        auto* dialog = hub->GetMeshUseOthersInternetDlg();
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return nullptr;
        EXPECT_FALSE(dialog->IsShown());
        wxGetApp().m_nMeshStatus = MESH_ON;
        Pick(TWMPopupMenu::UseOthersInternetItemId());
        return dialog;
    }

    NetworkWindowFactory factory;
};

std::vector<wxString> Labels(const wxMenu& menu) {
    std::vector<wxString> labels;
    for (const wxMenuItem* item : menu.GetMenuItems())
        labels.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabelText() + (item->IsEnabled() ? "" : " (off)"));
    return labels;
}

}  // namespace

TEST_F(MeshMenuTest, MeshItemsFollowTheProfilesEnabledByTheMeshState) {
    AddProfile("Cable", "1", "lan");
    StartTray();
    {
        TWMPopupMenu menu;
        EXPECT_EQ(Labels(menu), (std::vector<wxString>{"Cable", "-", "Turn on Mesh", "Turn off Mesh (off)",
                                                       "Share My Internet (off)", "Use Other's Internet (off)", "-",
                                                       "Scan for Networks", "Network Manager", "-", "Help"}));
    }
    wxGetApp().m_nMeshStatus = MESH_SHARING_MY_INTERNET;
    TWMPopupMenu menu;
    EXPECT_FALSE(menu.IsEnabled(TWMPopupMenu::TurnOnMeshItemId()));
    EXPECT_TRUE(menu.IsEnabled(TWMPopupMenu::TurnOffMeshItemId()));
    EXPECT_TRUE(menu.IsEnabled(TWMPopupMenu::ShareMyInternetItemId()));
    EXPECT_TRUE(menu.IsEnabled(TWMPopupMenu::UseOthersInternetItemId()));
}

TEST_F(MeshMenuTest, TurningOnAndACancelledShare) {
    StartTray();
    TWMApp& app = wxGetApp();
    Pick(TWMPopupMenu::TurnOnMeshItemId());
    EXPECT_EQ(app.m_nMeshStatus, MESH_ON);
    EXPECT_TRUE(SimControl::MeshOn());
    EXPECT_TRUE(MeshInfoManager::GetInstance()->IsMeshEnabled());
    EXPECT_TRUE(app.IsBrowseRequested());
    EXPECT_FALSE(app.IsPublishRequested());

    ModalDialogAnswerer::Get().ExpectAny([&](wxDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Mesh Server Mode");
        EXPECT_EQ(app.m_nMeshStatus, MESH_ON) << "nothing is shared before OK";
        return static_cast<int>(wxID_CANCEL);
    });
    Pick(TWMPopupMenu::ShareMyInternetItemId());
    EXPECT_EQ(ModalDialogAnswerer::Get().PendingExpectations(), 0u);
    EXPECT_EQ(app.m_nMeshStatus, MESH_ON) << "the status before the share";
    EXPECT_FALSE(app.IsPublishRequested()) << "nothing was shared, nothing is announced";
    MeshServerEntity own;
    EXPECT_FALSE(MeshInfoManager::GetInstance()->GetLocalMeshServer(own));
}

TEST_F(MeshMenuTest, UseOthersInternetShowsTheHubsClientDialog) {
    MeshUseOthersInternetDlg* dialog = UseOthersInternet();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(MeshInfoManager::GetInstance()->GetObserver(), dialog);
    EXPECT_FALSE(wxGetApp().IsPublishRequested()) << "only a join changes what is announced";
}

TEST_F(MeshMenuTest, PolicyRefusesMesh) {
    StartTray();
    std::ofstream(PolicyManager::PolicyFilePath()) << "<?xml version=\"1.0\" ?>\n<NetworkPolicy>\n"
                                                      "<UseMesh value=\"0\" /><ScanWireless value=\"1\" />"
                                                      "<MaintainProfiles value=\"1\" /><TurnWirelessOnOff value=\"1\" />"
                                                      "</NetworkPolicy>\n";
    ASSERT_TRUE(hub->ReloadPolicy());
    ModalDialogAnswerer::Get().Expect("The current policy forbids using mesh.", wxID_OK);
    Pick(TWMPopupMenu::TurnOnMeshItemId());
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_OFF);
    EXPECT_FALSE(SimControl::MeshOn());
}

TEST_F(MeshMenuTest, AnAddressShownOnThreeChecksIsPublished) {
    StartTray();
    MeshStatus status;
    status.m_strType = "100Mbps Full";
    status.m_strIP = "192.168.10.57";
    for (int check = 1; check <= 3; ++check) {
        EXPECT_FALSE(wxGetApp().IsPublishRequested()) << "check " << check;
        Tray()->UpdateTrayIcon(check == 2 ? NETMODE_UNKNOWN : NETMODE_WIRED_CONNECTED, status);
    }
    EXPECT_TRUE(wxGetApp().IsPublishRequested());
}

TEST_F(MeshMenuTest, TurningMeshOffEndsTheClientDialogAndRefusesAJoin) {
    MeshUseOthersInternetDlg* dialog = UseOthersInternet();
    ASSERT_TRUE(dialog != nullptr && dialog->IsShown());
    Pick(TWMPopupMenu::TurnOffMeshItemId());
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    SimControl::ClearCallLog();
    MeshServerEntity server;
    server.SetIPAddress("10.20.0.12");
    EXPECT_FALSE(wxGetApp().GetMeshCommands().JoinServer(server));
    EXPECT_TRUE(SimControl::CallLog().empty());
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_OFF);
}
