#include <wx/hyperlink.h>
#include <wx/toplevel.h>

#include "DisConnectBalloon.h"
#include "ModalDialogAnswerer.h"
#include "NetworkStatusView.h"
#include "NetworkTypes.h"
#include "NetworkWindowFactory.h"
#include "ScanNetworkDlg.h"
#include "SystemPaths.h"
#include "TWMApp.h"
#include "TWMPopupMenu.h"
#include "TWMTaskTray.h"
#include "TestTree.h"
#include "TrayTestSupport.h"
#include "sim/SimControl.h"

namespace {

// The tray with the program's own windows.
class TrayWindowsTest : public TrayTest {
protected:
    void SetUp() override {
        TrayTest::SetUp();
        hub->SetWindowFactory(&factory);
    }
    ScanNetworkDlg* Scan() { return hub->GetScanNetworkDlg(); }
    // A menu command, as the menu runs it: after the menu has gone.
    void Choose(int id) {
        TWMPopupMenu menu;
        wxCommandEvent e(wxEVT_MENU, id);
        menu.ProcessEvent(e);
        RunEventLoopFor(20);
    }

    NetworkWindowFactory factory;
};

}  // namespace

TEST_F(TrayWindowsTest, MenuOffersTheScanAndTheMainWindowBeforeHelp) {
    AddProfile("Cable", "1", "lan");
    StartTray();
    TWMPopupMenu menu;
    const wxMenuItemList& items = menu.GetMenuItems();
    // The profile, its separator, the four mesh items and theirs, then these.
    ASSERT_EQ(items.size(), 11u);
    EXPECT_TRUE(items[6]->IsSeparator());
    EXPECT_EQ(items[7]->GetId(), TWMPopupMenu::ScanItemId());
    EXPECT_EQ(items[7]->GetItemLabel(), "&Scan for Networks");
    EXPECT_EQ(items[8]->GetId(), TWMPopupMenu::MainWindowItemId());
    EXPECT_EQ(items[8]->GetItemLabel(), "Network Manager");
    EXPECT_TRUE(items[9]->IsSeparator());
    EXPECT_EQ(items[10]->GetId(), TWMPopupMenu::HelpItemId());

    auto* main = dynamic_cast<wxTopLevelWindow*>(hub->GetMainWindow());
    ASSERT_NE(main, nullptr);
    main->Iconize(true);
    Choose(TWMPopupMenu::MainWindowItemId());
    EXPECT_TRUE(main->IsShown());
    EXPECT_FALSE(main->IsIconized());
}

TEST_F(TrayWindowsTest, MenuAndBalloonLinkOpenTheScanWindowModelessToConnect) {
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    StartTray();  // no profile: the not-connected balloon, with its link
    DisConnectBalloon* balloon = Tray()->GetDisconnectBalloon();
    ASSERT_NE(balloon, nullptr);
    ASSERT_TRUE(balloon->IsScanLinkVisible());
    Scan()->SetUsedForConnect(false);
    wxHyperlinkEvent click(balloon, wxID_ANY, wxEmptyString);
    balloon->OnHyperlink(click);
    ASSERT_TRUE(RunEventLoopUntil([&] { return Scan()->IsShown(); }));
    EXPECT_FALSE(Scan()->IsModal());
    EXPECT_TRUE(Scan()->IsUsedForConnect());
    Scan()->CloseIfShown();

    Choose(TWMPopupMenu::ScanItemId());
    EXPECT_TRUE(Scan()->IsShown());
    EXPECT_FALSE(Scan()->IsModal());
    // Already shown, perhaps picking for a profile dialog: only raised.
    Scan()->SetUsedForConnect(false);
    Choose(TWMPopupMenu::ScanItemId());
    EXPECT_FALSE(Scan()->IsUsedForConnect());
    Scan()->CloseIfShown();
}

TEST_F(TrayWindowsTest, ScanIsRefusedByThePolicyAndWaitsForTheMainWindowsApply) {
    StartTray();
    TestTree::WriteFile(SystemPaths::AdminDir() + "/NetworkPolicy.xml",
                        "<P><a value=\"1\"/><b value=\"0\"/><c value=\"1\"/><d value=\"1\"/></P>");
    hub->ReloadPolicy();
    ModalDialogAnswerer::Get().Expect("The current policy forbids scanning for wireless networks.", wxID_OK);
    Choose(TWMPopupMenu::ScanItemId());
    EXPECT_FALSE(Scan()->IsShown());

    TestTree::WriteFile(SystemPaths::AdminDir() + "/NetworkPolicy.xml",
                        "<P><a value=\"1\"/><b value=\"1\"/><c value=\"1\"/><d value=\"1\"/></P>");
    hub->ReloadPolicy();
    hub->GetMainWindowView()->ShowApplyingProfile("Cable", true);
    Choose(TWMPopupMenu::ScanItemId());
    EXPECT_FALSE(Scan()->IsShown());
    hub->GetMainWindowView()->ShowApplyingProfile("", false);

    Tray()->SetApplyWiredFlag(false);  // a wired apply the tray runs
    Choose(TWMPopupMenu::ScanItemId());
    EXPECT_FALSE(Scan()->IsShown());
    Tray()->SetApplyWiredFlag(true);
}

TEST_F(TrayWindowsTest, WhileMeshIsOnTheScanIsOfferedOnlyToShareTheInternetInTheMenuAsInTheMainWindow) {
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    StartTray();
    hub->CheckNetworkStatus(false, true, false, false);  // wireless, scanning usable
    wxWindow* mainScan = wxWindow::FindWindowByName("ID_BTNSCANNW", hub->GetMainWindow());
    ASSERT_NE(mainScan, nullptr);
    ASSERT_TRUE(mainScan->IsEnabled());
    for (int mesh : {MESH_ON, MESH_USING_OTHERS_INTERNET}) {
        wxGetApp().m_nMeshStatus = mesh;
        SCOPED_TRACE(mesh);
        TWMPopupMenu menu;
        EXPECT_FALSE(menu.IsEnabled(TWMPopupMenu::ScanItemId()));
        Tray()->ApplyWirelessProfile();  // nothing to apply: not connected
        ASSERT_NE(Tray()->GetDisconnectBalloon(), nullptr);
        EXPECT_FALSE(Tray()->GetDisconnectBalloon()->IsScanLinkVisible());
        TWMPopupMenu::ScanNetwork();  // what that link runs
        RunEventLoopFor(20);
        EXPECT_FALSE(Scan()->IsShown());
        // Before the next status check greys it, the main window's button
        // follows the same rule.
        wxCommandEvent click(wxEVT_BUTTON, mainScan->GetId());
        mainScan->GetEventHandler()->ProcessEvent(click);
        EXPECT_TRUE(ModalDialogAnswerer::Get().Seen().empty());
    }
    wxGetApp().m_nMeshStatus = MESH_SHARING_MY_INTERNET;
    {
        TWMPopupMenu menu;
        EXPECT_TRUE(menu.IsEnabled(TWMPopupMenu::ScanItemId()));
    }
    wxGetApp().m_nMeshStatus = MESH_OFF;
}
