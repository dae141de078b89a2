// The profile windows under real keys: what is typed after a refused OK
// lands in the refused field.
#include <functional>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/combobox.h>
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
