// The profile windows under real keys: Enter presses a dialog's OK, Escape
// does what its close box does (the manager's save question included), and
// what is typed after a refused OK lands in the refused field.
#include <functional>

#include <gtk/gtk.h>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include "AutoRunSettings.h"
#include "EditProfileDialog.h"
#include "IPSettings.h"
#include "Keyboard.h"
#include "ManagerTestSupport.h"
#include "ModalDialogAnswerer.h"
#include "NetSecrityDlg.h"
#include "Pointer.h"
#include "ProfileGeneralSettings.h"
#include "ProfileManagerDlg.h"
#include "ProfileWirelessSettings.h"
#include "ProxySettings.h"
#include "wxCheckedListCtrl.h"

namespace {

class DialogKeysTest : public ProfileDialogsTest {
protected:
    static ProfileList_t Wpa(const std::string& key) {
        ProfileList_t p = Profile("Classroom 101");
        p.WirelessSet.WlanSecurity = "wpa-psk";
        p.WirelessSet.WPAKey = key;
        return p;
    }
};

// A click of the pointer in the middle of a button, as a user makes it: the
// button takes the keyboard focus.
void PointerClick(wxWindow* button) {
    const wxSize size = button->GetClientSize();
    EXPECT_TRUE(Pointer::Click(button, wxPoint(size.x / 2, size.y / 2)));
}

// Keys typed now land in `field` (the toolkit selects a field's text as the
// focus comes into it, so they may replace it).
bool TypedInto(wxTextCtrl* field) {
    Keyboard::Type("-pass");
    return field->GetValue().EndsWith("-pass");
}

}  // namespace

TEST_F(DialogKeysTest, EnterPressesOkAndEscapeClosesAsTheCloseBoxDoes) {
    const auto ip = [](wxWindow* parent) {
        auto* d = new IPSettings(parent);
        d->TCIP->ChangeValue("192.168.1.10");
        d->TCSM->ChangeValue("255.255.255.0");
        d->TCGA->ChangeValue("192.168.1.1");
        d->TCDNS->ChangeValue("192.168.1.2");
        return static_cast<wxDialog*>(d);
    };
    const auto proxy = [](wxWindow* parent) {
        auto* d = new ProxySettings(parent);
        d->m_tcProxy->ChangeValue("proxy.school");
        d->m_tcPort->ChangeValue("3128");
        return static_cast<wxDialog*>(d);
    };
    const auto security = [](wxWindow* parent) -> wxDialog* {
        return new NetSecrityDlg(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    };
    const struct {
        std::function<wxDialog*(wxWindow*)> make;
        const char* focus;  // the control holding the keyboard focus
        int key;
        int result;  // wxID_ABORT: the key did nothing
        bool ownMenuFirst = false;  // the focus's own menu is open at the first Escape
    } cases[] = {
        {[](wxWindow* parent) -> wxDialog* { return new EditProfileDialog(parent, Wpa("long enough"), false); },
         "ID_NAMETEXTCTRL", WXK_RETURN, wxID_OK},
        {ip, "ID_TCDNS", WXK_RETURN, wxID_OK},
        {ip, "ID_TCIP", WXK_ESCAPE, wxID_CANCEL, true},
        {proxy, "ID_TCPORT", WXK_RETURN, wxID_OK},
        {proxy, "ID_TCPROXY", WXK_ESCAPE, wxID_CANCEL},
        {security, "ID_CBINTERNET", WXK_RETURN, wxID_OK},
        {security, "ID_CBINTERNET", WXK_ESCAPE, wxID_CANCEL},
        {[](wxWindow* parent) -> wxDialog* { return new AutoRunSettings(parent, wxID_ANY); }, "ID_BTN_ADD",
         WXK_ESCAPE, wxID_CANCEL},
    };
    Manager()->Show(true);
    for (const auto& c : cases) {
        wxDialog* dialog = c.make(Manager());
        const wxString what = dialog->GetTitle() + ", " + c.focus + (c.key == WXK_RETURN ? ", Enter" : ", Escape");
        const int result = RunModal(*dialog, [&] {
            wxWindow* focus = Named<wxWindow>(dialog, c.focus);
            if (c.ownMenuFirst) {
                Keyboard::Press(focus, WXK_F10, wxMOD_SHIFT);
                ASSERT_TRUE(RunEventLoopUntil(Pointer::MenuShown)) << what;
                Keyboard::Press(WXK_ESCAPE);
                EXPECT_TRUE(RunEventLoopUntil([] { return !Pointer::MenuShown(); })) << what;
                EXPECT_TRUE(dialog->IsModal()) << what << ": Escape closed the dialog, not the menu";
            }
            Keyboard::Press(focus, c.key);
            RunEventLoopUntil([&] { return !dialog->IsModal(); }, 1000);
        });
        EXPECT_EQ(result, c.result) << what;
        dialog->Destroy();
    }
}

TEST_F(DialogKeysTest, EscapeClosesTheManagerAsItsCloseBoxDoesWithTheSaveQuestion) {
    Place(hub.store->UserDir(), Profile("U1", "user", "1"));
    Place(hub.store->UserDir(), Profile("U2", "user", "2"));
    Manager()->Show(true);
    auto* list = Named<wxCheckedListCtrl>(Manager(), "ID_PROFILELISTCTRL");
    Keyboard::Press(list, WXK_ESCAPE);
    EXPECT_FALSE(Manager()->IsShown()) << "nothing changed, nothing asked";

    // Escape in the edit dialog over it ends that dialog only.
    Manager()->Show(true);
    list->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    ExpectRealModal([](wxDialog* edit) {
        ExpectQuestion("Are you sure you want to cancel the operation?", wxID_YES);
        Keyboard::Press(Named<wxWindow>(edit, "ID_NAMETEXTCTRL"), WXK_ESCAPE);
        EXPECT_FALSE(edit->IsModal());
    });
    Click(Named<wxButton>(Manager(), "ID_EDITBUTTON"));
    EXPECT_TRUE(Manager()->IsShown());

    // A deleted profile: Escape asks, and No keeps the file.
    ExpectQuestion("Are you sure you want to delete this profile?", wxID_YES);
    Click(Named<wxButton>(Manager(), "ID_DELETEBUTTON"));
    ExpectQuestion("One or more profiles may be changed.", wxID_NO);
    Keyboard::Press(list, WXK_ESCAPE);
    EXPECT_FALSE(Manager()->IsShown());
    EXPECT_TRUE(Stored(hub.store->UserDir(), "U1"));
}

// After a change, Escape with a menu of the manager open closes that menu
// only, and Escape with a modifier held does nothing; a plain Escape then
// asks, as the close box does.
TEST_F(DialogKeysTest, EscapeForAnOpenMenuOrWithAModifierLeavesTheManagerOpen) {
    Place(hub.store->UserDir(), Profile("U1", "user", "1"));
    Place(hub.store->UserDir(), Profile("U2", "user", "2"));
    Manager()->Show(true);
    auto* list = Named<wxCheckedListCtrl>(Manager(), "ID_PROFILELISTCTRL");
    const auto clickTitle = [this](size_t menu) {
        GtkWidget* title = Manager()->GetMenuBar()->GetMenu(menu)->m_owner;
        GtkAllocation at;
        gtk_widget_get_allocation(title, &at);
        int x = 0, y = 0;
        gdk_window_get_origin(gtk_widget_get_window(title), &x, &y);
        const wxPoint centre(x + at.x + at.width / 2, y + at.y + at.height / 2);
        EXPECT_TRUE(Pointer::Click(Manager(), Manager()->ScreenToClient(centre)));
    };
    const struct {
        const char* what;
        std::function<void()> open;  // the menu open at the first Escape
        int modifiers;
    } cases[] = {
        {"File, clicked", [&] { clickTitle(0); }, wxMOD_NONE},
        {"Help, clicked", [&] { clickTitle(1); }, wxMOD_NONE},
        {"File, F10", [] { Keyboard::Press(WXK_F10); }, wxMOD_NONE},
        {"Shift", nullptr, wxMOD_SHIFT},
        {"Ctrl", nullptr, wxMOD_CONTROL},
        {"Alt", nullptr, wxMOD_ALT},
    };
    const auto selected = [list] { return list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); };
    for (const auto& c : cases) {
        Manager()->Show(true);
        list->Check(0, false);
        Keyboard::Press(list, WXK_HOME);  // selects U1: its box is taken
        ASSERT_TRUE(RunEventLoopUntil([&] { return selected() == 0; }));
        if (c.open) {
            c.open();
            ASSERT_TRUE(RunEventLoopUntil(Pointer::MenuShown)) << c.what;
        }
        Keyboard::Press(WXK_ESCAPE, c.modifiers);
        EXPECT_TRUE(RunEventLoopUntil([] { return !Pointer::MenuShown(); })) << c.what;
        // A key pressed after it still comes to the list.
        Keyboard::Press(WXK_DOWN);
        EXPECT_TRUE(RunEventLoopUntil([&] { return selected() == 1; })) << c.what << ": the keys went nowhere";
        EXPECT_TRUE(Manager()->IsShown()) << c.what;

        ExpectQuestion("One or more profiles may be changed.", wxID_NO);
        Keyboard::Press(WXK_ESCAPE);
        EXPECT_TRUE(RunEventLoopUntil([this] { return !Manager()->IsShown(); })) << c.what;
    }
}

// OK clicked with the pointer puts the keyboard focus on OK; after the
// refusal the user types on into the key.
TEST_F(DialogKeysTest, TypingAfterARefusedKeyLandsInTheKey) {
    EditProfileDialog edit(Manager(), Wpa("long enough"), false);
    RunModal(edit, [&] {
        Type(Named<wxTextCtrl>(&edit, "ID_KEYTEXTCTRL"), "short");
        ExpectQuestion("WPA key must be 8 to 63 ASCII characters", wxID_OK);
        PointerClick(Named<wxButton>(&edit, "ID_OKBUTTON"));  // from the first page
        EXPECT_EQ(Named<wxNotebook>(&edit, "ID_EDITNOTEBOOK")->GetSelection(), 1);
        EXPECT_TRUE(TypedInto(Named<wxTextCtrl>(&edit, "ID_KEYTEXTCTRL")));
    });

    ProfileGeneralSettings wizard(Manager());
    ExpectRealModal([&](wxDialog*) {
        Type(Named<wxTextCtrl>(&wizard, "ID_NAMETEXTCTRL"), "Cafe");
        Click(wizard.FindWindow(wxID_FORWARD));
        ASSERT_EQ(wizard.GetCurrentPage(), wizard.GetWirelessPage());
        Type(Named<wxTextCtrl>(&wizard, "ID_WNNAMETEXTCTRL"), "Cafe-AP");
        Pick(Named<wxComboBox>(&wizard, "ID_STCOMBOBOX"), 2);
        Type(Named<wxTextCtrl>(&wizard, "ID_KEYTEXTCTRL"), "short");
        ExpectQuestion("WPA key must be 8 to 63 ASCII characters", wxID_OK);
        PointerClick(wizard.FindWindow(wxID_FORWARD));
        EXPECT_TRUE(TypedInto(Named<wxTextCtrl>(&wizard, "ID_KEYTEXTCTRL")));
    });
    wizard.RunWizard();
}
