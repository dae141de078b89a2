#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ApStatusUtil.h"
#include "ManagerTestSupport.h"
#include "ModalDialogAnswerer.h"
#include "ProfileFile.h"
#include "ProfileGeneralSettings.h"
#include "ProfileManagerDlg.h"
#include "ProfileOtherSettings.h"
#include "ProfileWirelessSettings.h"

namespace {

class NewProfileWizardTest : public ProfileDialogsTest {
protected:
    ProfileGeneralSettings* Wizard() {
        if (m_wizard == nullptr)
            m_wizard = new ProfileGeneralSettings(Manager());
        return m_wizard;
    }
    void TearDown() override {
        if (m_wizard != nullptr)
            m_wizard->Destroy();
        ProfileDialogsTest::TearDown();
    }
    ProfileGeneralSettings* m_wizard = nullptr;
};

// Next (or Finish) of a wizard, as a click sends it.
void Next(wxWizard* wizard) { Click(wizard->FindWindow(wxID_FORWARD)); }

}  // namespace

TEST_F(NewProfileWizardTest, ConnectionTypeChainsThePagesAndTellsTheLastOne) {
    ProfileGeneralSettings* w = Wizard();
    EXPECT_EQ(w->GetTitle(), "New Network Profile");
    EXPECT_EQ(Named<wxComboBox>(w, "ID_CONTYPECOMBOBOX")->GetValue(), "Wireless LAN");
    EXPECT_EQ(w->GetGeneralPage()->GetNext(), w->GetWirelessPage());
    EXPECT_EQ(w->GetWirelessPage()->GetNext(), w->GetOtherPage());
    auto* security = Named<wxCheckBox>(w->GetOtherPage(), "ID_NSCHECKBOX");
    Tick(security, true);

    Pick(Named<wxComboBox>(w, "ID_CONTYPECOMBOBOX"), 1);
    EXPECT_EQ(w->GetGeneralPage()->GetNext(), w->GetOtherPage());
    EXPECT_EQ(w->GetOtherPage()->GetPrev(), w->GetGeneralPage());
    EXPECT_FALSE(security->IsEnabled());
    EXPECT_FALSE(security->GetValue());
    EXPECT_FALSE(Named<wxButton>(w->GetOtherPage(), "ID_SET1BUTTON")->IsEnabled());

    Pick(Named<wxComboBox>(w, "ID_CONTYPECOMBOBOX"), 0);
    EXPECT_EQ(w->GetGeneralPage()->GetNext(), w->GetWirelessPage());
    EXPECT_EQ(w->GetOtherPage()->GetPrev(), w->GetWirelessPage());
    EXPECT_TRUE(security->IsEnabled());
    EXPECT_FALSE(Named<wxButton>(w->GetOtherPage(), "ID_SET1BUTTON")->IsEnabled());
}

TEST_F(NewProfileWizardTest, NewWalksTheWizardAndOkStoresTheProfile) {
    Place(hub.store->UserDir(), Profile("U1"));
    Place(hub.store->GuestDir(), Profile("Guest"));
    Manager()->Show(true);
    ExpectRealModal([](wxDialog* dialog) {
        auto* w = static_cast<ProfileGeneralSettings*>(dialog);
        Type(Named<wxTextCtrl>(w, "ID_NAMETEXTCTRL"), "  U1 ");
        ExpectQuestion("already exists", wxID_OK);
        Next(w);
        EXPECT_EQ(Named<wxTextCtrl>(w, "ID_NAMETEXTCTRL")->GetValue(), "U1");
        EXPECT_EQ(w->GetCurrentPage(), w->GetGeneralPage());

        Type(Named<wxTextCtrl>(w, "ID_NAMETEXTCTRL"), "Cafe");
        Next(w);
        ASSERT_EQ(w->GetCurrentPage(), w->GetWirelessPage());
        Named<wxTextCtrl>(w, "ID_WNNAMETEXTCTRL")->SetValue(" Cafe-AP ");
        Pick(Named<wxComboBox>(w, "ID_STCOMBOBOX"), 2);
        Type(Named<wxTextCtrl>(w, "ID_KEYTEXTCTRL"), "short");
        ExpectQuestion("WPA key must be", wxID_OK);
        Next(w);
        EXPECT_EQ(Named<wxTextCtrl>(w, "ID_WNNAMETEXTCTRL")->GetValue(), "Cafe-AP");
        Type(Named<wxTextCtrl>(w, "ID_KEYTEXTCTRL"), "long enough");
        Next(w);
        ASSERT_EQ(w->GetCurrentPage(), w->GetOtherPage());
        Next(w);  // Finish
    });
    Click(Named<wxButton>(Manager(), "ID_NEWBUTTON"));
    EXPECT_EQ(Names(Manager()), (std::vector<std::string>{"U1", "Cafe", "Guest"}));

    Click(Named<wxButton>(Manager(), "ID_OKBUTTON"));
    ProfileList_t stored;
    ASSERT_TRUE(ProfileFile::Read(ProfileFile::PathFor(hub.store->UserDir(), "Cafe"), stored));
    EXPECT_EQ(stored.show, "1");
    EXPECT_EQ(stored.permission, "user");
    EXPECT_EQ(stored.WirelessSet.SSID, "Cafe-AP");
    EXPECT_EQ(stored.WirelessSet.WlanSecurity, "wpa-psk");
    EXPECT_EQ(stored.WirelessSet.WPAKey, "long enough");
}

TEST_F(NewProfileWizardTest, FinishRefusesATickedGroupWithoutItsValues) {
    Manager()->Show(true);
    ExpectRealModal([](wxDialog* dialog) {
        auto* w = static_cast<ProfileGeneralSettings*>(dialog);
        Type(Named<wxTextCtrl>(w, "ID_NAMETEXTCTRL"), "Cable");
        Pick(Named<wxComboBox>(w, "ID_CONTYPECOMBOBOX"), 1);
        Next(w);
        ASSERT_EQ(w->GetCurrentPage(), w->GetOtherPage());
        wxCheckBox* ip = Named<wxCheckBox>(w->GetOtherPage(), "ID_IPCHECKBOX");
        Tick(ip, true);
        ExpectQuestion("IP address cannot be empty!", wxID_OK);
        Next(w);  // Finish
        EXPECT_EQ(w->GetCurrentPage(), w->GetOtherPage());
        Tick(ip, false);
        Next(w);
    });
    Click(Named<wxButton>(Manager(), "ID_NEWBUTTON"));
    EXPECT_EQ(Names(Manager()), std::vector<std::string>{"Cable"});
}

TEST_F(NewProfileWizardTest, CancelAsksAndNoKeepsTheWizardOpen) {
    Manager()->Show(true);
    hub.maintain = false;
    ExpectQuestion("forbids the creation of new profiles. ", wxID_OK);
    Click(Named<wxButton>(Manager(), "ID_NEWBUTTON"));

    hub.maintain = true;
    bool stillOpen = false;
    ExpectRealModal([&](wxDialog* dialog) {
        Type(Named<wxTextCtrl>(dialog, "ID_NAMETEXTCTRL"), "Kept");
        ExpectQuestion("Are you sure you want to cancel the operation?", wxID_NO);
        Click(dialog->FindWindow(wxID_CANCEL));
        stillOpen = dialog->IsModal();
        EXPECT_EQ(Named<wxTextCtrl>(dialog, "ID_NAMETEXTCTRL")->GetValue(), "Kept");
        ExpectQuestion("Are you sure you want to cancel the operation?", wxID_YES);
        Click(dialog->FindWindow(wxID_CANCEL));
    });
    Click(Named<wxButton>(Manager(), "ID_NEWBUTTON"));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(Names(Manager()).empty());
    EXPECT_FALSE(Manager()->GetModel().IsModified());
}

TEST_F(NewProfileWizardTest, LastPageKeepsConfirmedValuesAndPutsTheSecurityBoxBack) {
    ProfileOtherSettings* page = Wizard()->GetOtherPage();
    for (const char* box : {"ID_APPCHECKBOX", "ID_IPCHECKBOX", "ID_PROXYCHECKBOX"})
        Tick(Named<wxCheckBox>(page, box), true);
    EXPECT_TRUE(Named<wxButton>(page, "ID_SET2BUTTON")->IsEnabled());
    EXPECT_TRUE(Named<wxButton>(page, "ID_SET3BUTTON")->IsEnabled());
    EXPECT_TRUE(Named<wxButton>(page, "ID_SET4BUTTON")->IsEnabled());
    Tick(Named<wxCheckBox>(page, "ID_HPCHECKBOX"), true);
    EXPECT_TRUE(Named<wxTextCtrl>(page, "ID_HPTEXTCTRL")->IsEditable());
    Type(Named<wxTextCtrl>(page, "ID_HPTEXTCTRL"), " http://school.example/ ");
    Tick(Named<wxCheckBox>(page, "ID_HPCHECKBOX"), false);

    Tick(Named<wxCheckBox>(page, "ID_NSCHECKBOX"), true);
    ExpectRealModal([](wxDialog* dialog) {
        Tick(Named<wxCheckBox>(dialog, "ID_CBINTERNET"), true);
        Click(Named<wxButton>(dialog, "ID_BTNOK"));
    });
    Click(Named<wxButton>(page, "ID_SET1BUTTON"));
    EXPECT_EQ(page->TransferToProfile().ForbidShareInternet, "1");

    wxCheckBox* internet = nullptr;
    ExpectRealModal([&](wxDialog* dialog) {
        internet = Named<wxCheckBox>(dialog, "ID_CBINTERNET");
        Tick(internet, false);
        Click(Named<wxButton>(dialog, "ID_BTNCANCEL"));
    });
    Click(Named<wxButton>(page, "ID_SET1BUTTON"));
    ASSERT_NE(internet, nullptr);
    EXPECT_TRUE(internet->GetValue());

    page->SetConnectionType(1);
    const ProfileOtherSet o = page->TransferToProfile();
    EXPECT_EQ(o.NetworkSecurity, "0");
    EXPECT_EQ(o.ForbidShareInternet, "1");
    EXPECT_EQ(o.HomepageFlag, "0");
    EXPECT_EQ(o.Homepage, "http://school.example/");
    EXPECT_EQ(o.IPDNS + o.AutoRunAppFlag + o.ProxyFlag, "111");
}

TEST_F(NewProfileWizardTest, ScanFillsTheWirelessPageFromThePickedAccessPoint) {
    PickingScanWindow scan;
    scan.ap = ApStatusUtil::MakeWithSsid("Library");
    scan.ap.nSecurity = 1;
    scan.ap.nPhyType = 1;
    hub.scanWindow = &scan;
    hub.mode = 0;
    EXPECT_FALSE(Named<wxButton>(Wizard()->GetWirelessPage(), "ID_SNBUTTON")->IsEnabled());
    m_wizard->Destroy();
    m_wizard = nullptr;

    hub.mode = 3;
    ProfileWirelessSettings* page = Wizard()->GetWirelessPage();
    wxButton* scanButton = Named<wxButton>(page, "ID_SNBUTTON");
    EXPECT_TRUE(scanButton->IsEnabled());
    Pick(Named<wxComboBox>(page, "ID_STCOMBOBOX"), 2);
    Type(Named<wxTextCtrl>(page, "ID_KEYTEXTCTRL"), "typed key");

    hub.scan = false;
    hub.mode = 0;
    ExpectQuestion("The current policy forbids scanning for wireless networks.", wxID_OK);
    Click(scanButton);
    hub.scan = true;
    ExpectQuestion("Cannot find WLAN adapter!", wxID_OK);
    Click(scanButton);
    EXPECT_EQ(scan.picks, 0);

    hub.mode = 2;
    Click(scanButton);
    EXPECT_EQ(Named<wxTextCtrl>(page, "ID_WNNAMETEXTCTRL")->GetValue(), "Library");
    EXPECT_EQ(Named<wxComboBox>(page, "ID_STCOMBOBOX")->GetSelection(), 1);
    EXPECT_EQ(Named<wxComboBox>(page, "ID_WTCOMBOBOX")->GetSelection(), 2);
    EXPECT_EQ(Named<wxTextCtrl>(page, "ID_KEYTEXTCTRL")->GetValue(), "");
    EXPECT_TRUE(Named<wxTextCtrl>(page, "ID_KEYTEXTCTRL")->IsEnabled());
    EXPECT_EQ(Named<wxStaticText>(page, "ID_TIPSTATICTEXT")->GetLabel(), "Use hexadecimal digits (0-9, a-f)");
    EXPECT_TRUE(page->IsSsidChanged());
}
