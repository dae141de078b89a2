#ifndef TIDEWAVE_MAINWINDOWTEST_H
#define TIDEWAVE_MAINWINDOWTEST_H

#include <ostream>
#include <string>

#include <wx/bmpcbox.h>
#include <wx/control.h>
#include <wx/menu.h>

#include "HubWindowTest.h"
#include "NetworkManagerDlg.h"
#include "ProfileManagementControl.h"
#include "SystemPaths.h"
#include "TestTree.h"

// Texts in a test's messages as they read.
inline void PrintTo(const wxString& text, std::ostream* out) { *out << '"' << text.utf8_str() << '"'; }

// The main window of the hub over the simulated laptop, reached by its
// controls' names.
class MainWindowTest : public HubWindowTest {
protected:
    wxString Label(const char* name) {
        return wxControl::RemoveMnemonics(wxWindow::FindWindowByName(name, Main())->GetLabel());
    }
    bool Enabled(const char* name) { return wxWindow::FindWindowByName(name, Main())->IsEnabled(); }
    wxMenuItem* MenuItem(const char* menu, const char* item) {
        const int id = Main()->GetMenus()->FindMenuItem(menu, item);
        EXPECT_NE(id, wxNOT_FOUND) << item;
        return Main()->GetMenus()->FindItem(id);
    }
    void Menu(const char* menu, const char* item) {
        wxCommandEvent e(wxEVT_MENU, MenuItem(menu, item)->GetId());
        Main()->GetEventHandler()->ProcessEvent(e);
    }
    wxBitmapComboBox* Switcher() {
        return static_cast<wxBitmapComboBox*>(wxWindow::FindWindowByName("ID_CMBSWITCHPRFL", Main()));
    }
    void Pick(int index) {
        Switcher()->SetSelection(index);
        wxCommandEvent e(wxEVT_COMBOBOX, Switcher()->GetId());
        e.SetInt(index);
        e.SetEventObject(Switcher());
        Switcher()->GetEventHandler()->ProcessEvent(e);
    }
    // Picks a profile and presses Connect; the apply's preparation is done.
    void StartApply(const char* name) {
        Pick(Switcher()->FindString(wxString::FromUTF8(name), true));
        ClickButton(Main(), "ID_BTNCTRLCONNECT");
        Control()->PrepareTick();
    }
    // Applies a wired profile through the window, then a status check runs.
    void ConnectWired(const char* name) {
        StartApply(name);
        ASSERT_TRUE(RunEventLoopUntil([&] { return CalledPlatform("RVL_UpAdapter(1)"); }));
        RunEventLoopFor(30);
        Control()->WiredPollTick();
        ASSERT_TRUE(RunEventLoopUntil([&] { return !Main()->IsApplyingProfile(); }));
        hub->OnStatusTimer();
    }
    static void WritePolicy(bool mesh, bool scan, bool profiles, bool wireless) {
        auto v = [](bool b) { return b ? "1" : "0"; };
        TestTree::WriteFile(SystemPaths::AdminDir() + "/NetworkPolicy.xml",
                            std::string("<?xml version=\"1.0\"?><Policy><Mesh value=\"") + v(mesh) +
                                "\"/><Scan value=\"" + v(scan) + "\"/><Profiles value=\"" + v(profiles) +
                                "\"/><Wireless value=\"" + v(wireless) + "\"/></Policy>");
    }
};

#endif
